#include "app/ana_form.h"

#include "account/cari_secim.h"
#include "net/adresler.h"
#include "net/await.h"
#include "net/mesaj.h"
#include "net/services.h"
#include "session/giris_formu.h"
#include "session/kullanici_kayit.h"
#include "session/platform_metin.h"
#include "ui/state/tab_caption.h"
#include "zorvat_config.h"

namespace zorvat {

namespace {

// A column of a list whose page is still to come, in its design-time state: the order
// quantities are hidden and not offered, the campaign columns shown.
struct TasarimSutunu {
  GridView TForm1::*view;
  const char* ad;
  const char* alan;
  const char* baslik;
  bool gorunur;
};

const TasarimSutunu kTasarimSutunlari[] = {
    {&TForm1::cxGridDBTableViewkampanyali, "cxGridDBColumnKALAN", "KALAN", "", false},
    {&TForm1::cxGridDBTableViewkampanyali, "cxGridDBColumn49", "ALINANSIPARIS", "", false},
    {&TForm1::cxGridDBTableViewkampanyali, "cxGridDBColumn50", "VERILENSIPARIS", "", false},
    {&TForm1::cxGridDBTableView5, "cxGridDBColumn19", "KALAN", "", false},
    {&TForm1::cxGridDBTableView5, "cxGridDBColumn22", "ALINANSIPARIS", "", false},
    {&TForm1::cxGridDBTableView5, "cxGridDBColumn23", "VERILENSIPARIS", "", false},
    {&TForm1::cxGridDBTableView5, "cxGridDBTableView5K", "K", "Kampanyalı", true},
    {&TForm1::cxGridDBTableView5, "cxGridDBTableView5KAMPFIYAT", "KAMPFIYAT", "Kampanyalı Fiyatı", true},
};

GridView& StokGridi(TForm1& f) { return f.stokListesi.cxGrid1DBTableView1; }
GridView& SepetGridi(TForm1& f) { return f.sepetSayfasi.cxGridDBTableView1; }
GridView& YenilerGridi(TForm1& f) { return f.cxGridDBTableView5; }
GridView& KampanyaGridi(TForm1& f) { return f.cxGridDBTableViewkampanyali; }

struct SutunAdi {
  GridView& (*view)(TForm1&);
  const char* ad;
};

// What sales representatives see beyond customers: remaining and ordered quantities.
const SutunAdi kTemsilciSutunlari[] = {
    {StokGridi, "cxGrid1DBTableView1KALAN"},
    {KampanyaGridi, "cxGridDBColumnKALAN"},
    {SepetGridi, "cxGridDBTableView1KALAN"},
    {YenilerGridi, "cxGridDBColumn19"},
    {StokGridi, "cxGrid1DBTableView1ALINANSIPARIS"},
    {StokGridi, "cxGrid1DBTableView1VERILENSIPARIS"},
    {YenilerGridi, "cxGridDBColumn22"},
    {YenilerGridi, "cxGridDBColumn23"},
    {KampanyaGridi, "cxGridDBColumn49"},
    {KampanyaGridi, "cxGridDBColumn50"},
};

// The campaign columns that a customer without campaigns (kind 4) does not see.
const SutunAdi kKampanyaSutunlari[] = {
    {StokGridi, "cxGrid1DBTableView1KAMPFIYAT"},
    {StokGridi, "cxGrid1DBTableView1K"},
    {YenilerGridi, "cxGridDBTableView5K"},
    {YenilerGridi, "cxGridDBTableView5KAMPFIYAT"},
};

struct SayfaTanimi {
  const char* ad;
  const char* baslik;
  Simge resim;
};

const SayfaTanimi kSayfalar[] = {
    {"sstoklistesi", "Stok Listesi", Simge::StokListesi},
    {"ssepet", "Sepet", Simge::Sepet},
    {"sonceki", "Önceki Siparişler", Simge::OncekiSiparisler},
    {"sccariekstre", "Cari Ekstre", Simge::CariEkstre},
    {"syeniler", "Yeni Stoklar", Simge::YeniStoklar},
    {"skampanyali", "Kampanyalı Stoklar", Simge::Kampanyali},
    {"sTabSheetduyuru", "Duyurular", Simge::Duyurular},
    {"sTabbakiyeler", "Bakiyeler", Simge::Bakiyeler},
    {"ss", "Sanal Pos", Simge::SanalPos},
    {"TabSheet1", "İletişim", Simge::Iletisim},
};

// "Visible" for a column means shown and offered in the column chooser.
void SutunGoster(TForm1& form, const SutunAdi& sutun, bool gorunur) {
  GridView& view = sutun.view(form);
  GridColumn& kolon = view.Column(sutun.ad);
  kolon.visible = gorunur;
  kolon.offered = gorunur;
  view.ColumnsChanged();
}

}  // namespace

TForm1::TForm1(IstemciOrtami ortam) : ortam_(std::move(ortam)) {
  SetCaption("Zorvat Oto B2B Programı");
  araedit.SetCasing(CharCase::Upper);
  SpeedButton2.SetHint("Ara");
  SpeedButton1.SetHint("Temizle");
  musteritus.SetCaption("Başka Cari Seç");
  musteritus.SetVisible(false);
  musteritus.OnClick = [this] { musteritusClick(); };
  MenuyuKur();
  SayfalariKur();
  AramaCubugunuKur();
  TasarimSutunlariniKur();
  baslangicAdimlari = {[this] { AnaBilgiAl(); }};
  araedit.SetFocus();
}

// Items whose windows come with their own logic have no action yet.
void TForm1::MenuyuKur() {
  Genelmenu.Add("M1", "Mail Gönder");
  Genelmenu.AddSeparator();
  Genelmenu.Add("N4", "Şifre Değiştirme İsteği", [this] { N4Click(); });
  Genelmenu.AddSeparator();
  Genelmenu.Add("WebSitesi1", yapi::kUrunSitesi);
  Genelmenu.AddSeparator();
  Genelmenu.Add("G1", "Çıkış", [this] { G1Click(); });
  Genelmenu.AddSeparator();
  Genelmenu.Add("R1", "Raporlar").visible = false;
}

void TForm1::SayfalariKur() {
  for (const SayfaTanimi& sayfa : kSayfalar) sPageControl1.AddPage(sayfa.ad, sayfa.baslik, sayfa.resim);
  sPageControl1.SetActivePage("sstoklistesi");
  sPageControl1.OnShow("ssepet", [this] { OlayCalistir([this] { sepetSayfasi.ssepetShow(); }); });
}

// The search box and its buttons serve the stock list; a part chosen there goes to the basket.
void TForm1::AramaCubugunuKur() {
  araedit.OnKeyPress = [this](char32_t& key) { OlayCalistir([this, &key] { stokListesi.araeditKeyPress(key); }); };
  SpeedButton2.OnClick = [this] { OlayCalistir([this] { stokListesi.SpeedButton2Click(); }); };
  SpeedButton1.OnClick = [this] { OlayCalistir([this] { stokListesi.SpeedButton1Click(); }); };
  stokListesi.SepeteGotur = [this](const MemTable& kaynak, SepetKaynagi tur, std::int32_t stokno) {
    sepetSayfasi.ListedenAc(kaynak, tur, stokno);
  };
}

void TForm1::TasarimSutunlariniKur() {
  for (const TasarimSutunu& tanim : kTasarimSutunlari) {
    GridColumn& kolon = (this->*tanim.view).AddColumn(tanim.ad, tanim.alan, tanim.baslik);
    kolon.visible = tanim.gorunur;
    kolon.offered = tanim.gorunur;
  }
}

void TForm1::FormCreate() {
  _acilisadet = 0;
  MakineKimligiYaz(sbilgi, *ortam_.makine);
  bagc.Params().HostName = SunucuAdresi();
  bagc.Params().Port = ortam_.sunucuPortu;
  if (!GirisYap()) return;
  BaslangicToplusunuBaslat();
}

bool TForm1::GirisYap() {
  {
    Tgirisform girisform(bagc, sbilgi, ortam_);
    if (Diyaloglar().PencereGoster(girisform) != mrOk) {
      Sonlandir();
      return false;
    }
  }
  if (platform::Kirp(sbilgi.Disip()).empty()) {
    Sonlandir();
    return false;
  }
  KullaniciTuruneGoreAyarla();
  return true;
}

void TForm1::KullaniciTuruneGoreAyarla() {
  const int tur = sbilgi.MusteriTipi();
  if (SatisTemsilcisi(tur)) {
    musteritus.SetVisible(true);
    for (const SutunAdi& sutun : kTemsilciSutunlari) SutunGoster(*this, sutun, true);
    Genelmenu.Item("R1").visible = true;
  }
  if (tur == 3) {
    SutunGoster(*this, {SepetGridi, "cxGridDBTableView1DURUM"}, false);
    Genelmenu.Item("R1").visible = false;
  }
  if (tur == 4) {
    sPageControl1.SetTabVisible("skampanyali", false);
    for (const SutunAdi& sutun : kKampanyaSutunlari) SutunGoster(*this, sutun, false);
    Genelmenu.Item("R1").visible = false;
  }
}

// An exception in a step ends the batch there; the completion still runs, then the default
// error handling shows the exception's text.
void TForm1::BaslangicToplusunuBaslat() {
  Async([adimlar = baslangicAdimlari] {
    for (const auto& adim : adimlar) adim();
  })->Await([this] { AcilisReklamGoster(); });
}

void TForm1::AnaBilgiAl() {
  Dagitici().RunOnUiAndWait([this] {
    kullanicilbl.SetCaption(sbilgi.ADI());
    cariadilbl.SetCaption(sbilgi.CariAdi());
    saticilbl.SetCaption(sbilgi.SaticiAdi() + " Telefonu: " + sbilgi.SaticiTelefon() +
                         " email: " + sbilgi.SaticiMail());
  });
}

// The advertisement window opens only when the server reported advertisements; the count
// arrives with the advertisements' own start-up step.
void TForm1::AcilisReklamGoster() {
  if (_acilisadet == 0) return;
}

bool TForm1::FormCloseQuery() {
  if (MesajGoster("Programdan Çıkmak İstiyor musunuz ?", kSoru, {MsgDlgBtn::Yes, MsgDlgBtn::No}, MsgDlgBtn::Yes) !=
      mrYes) {
    return false;
  }
  Sonlandir();
  return true;
}

// Closing the main window always asks first, and Yes ends the process: asking is closing.
void TForm1::G1Click() { FormCloseQuery(); }

void TForm1::N4Click() {
  OlayCalistir([this] { SifreIstegiAc(); });
}

void TForm1::musteritusClick() {
  OlayCalistir([this] { CariSecimAc(); });
}

void TForm1::SifreIstegiAc() {
  Tkullanicikayit pencere(sbilgi, bagc, *ortam_.makine);
  Diyaloglar().PencereGoster(pencere);
}

void TForm1::CariSecimAc() {
  zorvat::CariSecimAc(bagc, sbilgi);
  AnaBilgiAl();
  sepetSayfasi.SepetiYenile();
  stokListesi.CariDegisti();
}

}  // namespace zorvat
