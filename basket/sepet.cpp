#include "basket/sepet.h"

#include <optional>
#include <utility>

#include "basket/siparis_onay.h"
#include "catalogue/kolon_genislik.h"
#include "catalogue/liste_sutunlari.h"
#include "catalogue/resim.h"
#include "net/await.h"
#include "net/baglanti_dene.h"
#include "net/bicim.h"
#include "net/connection.h"
#include "net/mesaj.h"
#include "net/services.h"
#include "net/utils.h"
#include "remote/proxim.h"
#include "remote/table_codec.h"
#include "session/sonuc_bilgisi.h"
#include "ui/state/tab_caption.h"
#include "ui/xls/grid_export.h"

namespace zorvat {

namespace {

constexpr const char* kSayfa = "ssepet";
constexpr const char* kSutunOneki = "cxGridDBTableView1";
constexpr const char* kSecBasligi = "Seç";

using B = Baslangic;
const ListeSutunu kSutunlar[] = {
    {"SEC", kSecBasligi, B::Sunulmaz, 1, CellKind::Check},
    {"VERILISTARIHI", "Sipariş Tarihi", B::Gorunur, 1},
    {"SIRANO", "", B::Sunulmaz, 0},
    {"SIPARISNO", "Sipariş No", B::Gizli, 0},
    {"CARINO", "", B::Sunulmaz, 0},
    {"TARIH", "Tarih", B::Gizli, 1},
    {"AKTAR", "", B::Sunulmaz, 0},
    {"STOKNO", "", B::Sunulmaz, 0},
    {"BARKOD", "Barkod", B::Gorunur, 2},
    {"FINISHKOD", "FinishKod", B::Gizli, 2},
    {"OEMNO", "OEMNo", B::Gizli, 2},
    {"STOKADI", "Stok Açıklama", B::Gorunur, 3},
    {"MIKTAR", "Miktar", B::Gorunur, 1},
    {"BIRIMFIYAT", "Birim Fiyat", B::Gorunur, 1},
    {"TUTAR", "Tutar", B::Gorunur, 1},
    {"INDIRIMYAZI", "İndirim Oran", B::Gorunur, 2},
    {"INDIRIMORANI1", "İndirim Oranı %", B::Sunulmaz, 1},
    {"INDIRIMORANI2", "", B::Sunulmaz, 1},
    {"INDIRIMORANI3", "", B::Sunulmaz, 1},
    {"INDIRIMTUTAR", "İndirim Tutar", B::Sunulmaz, 1},
    {"NETBIRIMFIYAT", "Net Fiyat", B::Gorunur, 1},
    {"KDV", "", B::Gorunur, 1},
    {"VERGITUTARI", "Vergi Tutarı", B::Gorunur, 1},
    {"NETTUTAR", "Net Tutar", B::Gorunur, 1},
    {"KUR", "Kur", B::Gizli, 1},
    {"KURTL", "", B::Sunulmaz, 1},
    {"VERENIDNO", "", B::Sunulmaz, 1},
    {"SAAT", "Saat", B::Gizli, 1},
    {"TESLIMID", "", B::Sunulmaz, 1},
    {"KARGOID", "", B::Sunulmaz, 1},
    {"ACIKLAMA", "Açıklama", B::Gizli, 1},
    {"IDNO", "", B::Sunulmaz, 1},
    {"VERENSIRANO", "", B::Sunulmaz, 1},
    {"KDVLITUTAR", "KDV Dahil", B::Gorunur, 2},
    {"VEREN", "Veren", B::Gorunur, 1},
    {"CARIKOD", "Cari Kod", B::Sunulmaz, 1},
    {"CARIADI", "Cari Adı", B::Sunulmaz, 1},
    {"OEM1", "", B::Gizli, 1},
    {"OEM2", "", B::Gizli, 1},
    {"OEM3", "", B::Gizli, 1},
    {"OEM4", "", B::Gizli, 1},
    {"DIGERADI", "", B::Gizli, 1},
    {"DPKOD", "", B::Gizli, 1},
    {"PKOD", "", B::Gizli, 1},
    {"STOK_STOKNO", "", B::Sunulmaz, 1},
    {"URETICIKODU", "", B::Sunulmaz, 1},
    {"MARKA", "Marka", B::Gizli, 1},
    {"MODEL", "Model", B::Gizli, 1},
    {"ANAGRUP", "Ana Grup", B::Gizli, 1},
    {"OZELKOD", "Özel Kod", B::Gizli, 1},
    {"DURUM", "Durum", B::Gorunur, 1, CellKind::Icon, DurumSimgeleri},
    {"KALAN", "Kalan", B::Sunulmaz, 1},
    {"INDIRIMORANI4", "", B::Gizli, 0},
};

std::string SutunAdi(std::string_view alan) { return kSutunOneki + std::string(alan); }

std::int32_t Tamsayi(const MemTable& tablo, std::size_t satir, std::string_view alan) {
  return static_cast<std::int32_t>(AlanSayisi(tablo, satir, alan));
}

std::unique_ptr<TSonucBilgisi> Kopya(const TSonucBilgisi& sbilgi) {
  auto kopya = std::make_unique<TSonucBilgisi>();
  kopya->Kopyala(sbilgi);
  return kopya;
}

// Closes the connection when the operation ends, however it ends.
struct Kapatici {
  Connection& baglanti;
  ~Kapatici() { baglanti.Close(); }
};

void Bilgi(const std::string& metin) { MesajGoster(metin, kBilgi, {MsgDlgBtn::OK}, MsgDlgBtn::OK); }

bool EvetMi(const std::string& soru) {
  return MesajGoster(soru, kSoru, {MsgDlgBtn::Yes, MsgDlgBtn::No}, MsgDlgBtn::No) == mrYes;
}

}  // namespace

// What a change of a line sends besides the dialog's quantity and price: the line as it was
// loaded, whatever the dialog's rate boxes show.
struct Sepet::SatirBilgisi {
  std::int32_t sirano = 0;
  std::string barkod;
  std::string stokadi;
  std::int32_t kdv = 0;
  std::array<double, 4> oranlar{};
};

SepetToplami SepetToplamiHesapla(const MemTable& sepet) {
  SepetToplami t;
  if (!sepet.Active()) return t;
  const Field* sec = sepet.FindField("SEC");
  for (std::size_t satir = 0; sec != nullptr && satir < sepet.RecordCount(); ++satir) {
    if (sec->IsNullAt(satir) || sec->LargeIntAt(satir) != 1) continue;
    t.toplam = Yuvarla2(t.toplam + AlanSayisi(sepet, satir, "TUTAR"));
    t.indirim = Yuvarla2(t.indirim + AlanSayisi(sepet, satir, "INDIRIMTUTAR"));
    t.vergi = Yuvarla2(t.vergi + AlanSayisi(sepet, satir, "VERGITUTARI"));
  }
  t.araToplam = Yuvarla2(t.toplam - t.indirim);
  t.genelToplam = Yuvarla2(t.vergi + t.araToplam);
  return t;
}

Sepet::Sepet(SepetCercevesi cerceve) : c_(cerceve), canli_(std::make_shared<Sepet*>(this)) {
  SutunlariKur();
  MenuyuKur();
  DugmeleriKur();
}

Sepet::~Sepet() { *canli_ = nullptr; }

void Sepet::SutunlariKur() {
  GridView& view = cxGridDBTableView1;
  SutunlariEkle(view, kSutunOneki, kSutunlar);
  // The tick is shown from the start, yet never offered in the chooser.
  view.Column(SutunAdi("SEC")).visible = true;

  GridOptions& secenekler = view.Options();
  secenekler.headerHeight = 40;
  secenekler.rowHeight = 60;
  secenekler.greyEvenRows = false;
  secenekler.showFooter = true;
  view.FooterSummaries() = {{SummaryKind::Count, "", SutunAdi("VERILISTARIHI"), ""},
                            {SummaryKind::Sum, "MIKTAR", SutunAdi("MIKTAR"), ""},
                            {SummaryKind::Sum, "NETTUTAR", SutunAdi("NETTUTAR"), ""},
                            {SummaryKind::Sum, "KDVLITUTAR", SutunAdi("KDVLITUTAR"), ""}};
  view.popupMenu = &PopupMenu1;
  view.OnDblClick = [this] { OlayCalistir([this] { Deitir1Click(); }); };
  view.OnResize = [this] { cxGrid2Resize(); };
  view.SetDataSource(&sepet);
}

void Sepet::MenuyuKur() {
  PopupMenu1.Add("Deitir1", "Satır Değiştir", [this] { OlayCalistir([this] { Deitir1Click(); }); });
  PopupMenu1.AddSeparator();
  PopupMenu1.Add("SatrSil1", "Satır Sil", [this] { OlayCalistir([this] { SatrSil1Click(); }); });
  PopupMenu1.AddSeparator();
  PopupMenu1.Add("HepsiniSil1", "Hepsini Sil", [this] { OlayCalistir([this] { HepsiniSil1Click(); }); });
}

void Sepet::DugmeleriKur() {
  Button4.SetCaption("Hepsini Seç");
  Button4.OnClick = [this] { OlayCalistir([this] { Button4Click(); }); };
  Button5.SetCaption("Seçimleri Kaldır");
  Button5.OnClick = [this] { OlayCalistir([this] { Button5Click(); }); };
  Button1.SetCaption("Gönder");
  Button1.OnClick = [this] { OlayCalistir([this] { Button1Click(); }); };
  Button2.SetCaption("Excel Kaydet");
  Button2.OnClick = [this] { OlayCalistir([this] { Button2Click(); }); };
  aratoplaml.SetCaption("Aratoplam:");
  indiriml.SetCaption("İndirim Toplam:");
  nettutarl.SetCaption("İndirim Toplam:");
  vergil.SetCaption("Vergi:");
  geneltoplaml.SetCaption("Genel Toplam:");
}

SepetBaglami Sepet::Baglam() {
  return {c_.bagc, c_.sbilgi, [this] { SepetiYenile(); }};
}

// ---- Loading

bool Sepet::SepetiYukle() {
  std::unique_ptr<Connection> klon = c_.bagc.Clone();
  if (!BaglantiDene(*klon, 1)) return false;
  Kapatici kapatici{*klon};
  TServerMethods1Client proxy(klon.get());
  AssignPacket(proxy.SepetVer2(c_.sbilgi.CARINO()), sepet);
  FloatAlanBicimle(sepet);
  return true;
}

// A second showing while the load runs would fill the same table from two threads: it is
// ignored, and the load under way shows the basket.
void Sepet::ssepetShow() {
  if (yukleniyor_) return;
  yukleniyor_ = true;
  lbluyarbakiye.SetCaption("");
  c_.gifsepet.SetVisible(true);
  cxGrid2.SetEnabled(false);
  sepet.DisableControls();
  cxGridDBTableView1.SetDataSource(nullptr);
  cxGridDBTableView1.BeginUpdate();
  CariBakiyeUyariBak();
  // An error of the server escapes the load: the page is put back, then the error shown.
  Async([this] { SepetiYukle(); })->Await([this] { SayfaYuklendi(); });
}

void Sepet::SayfaYuklendi() {
  BaslikYaz();
  SepetToplamYaz();
  sepet.EnableControls();
  cxGrid2.SetEnabled(true);
  cxGridDBTableView1.SetDataSource(&sepet);
  cxGridDBTableView1.EndUpdate();
  c_.gifsepet.SetVisible(false);
  yukleniyor_ = false;
  // A resize during the load was not laid out: the columns follow the window now.
  cxGrid2Resize();
  if (std::exchange(yenidenYukle_, false)) SepetiYenile();
}

// While the page's own load runs, the table belongs to it: the reload follows it instead.
void Sepet::SepetiYenile() {
  if (yukleniyor_) {
    yenidenYukle_ = true;
    return;
  }
  if (!SepetiYukle()) return;
  BaslikYaz();
  SepetToplamYaz();
}

// Before the first load there are no lines to count: the tab keeps its caption.
void Sepet::BaslikYaz() {
  if (sepet.Active()) c_.sPageControl1.SetCaption(kSayfa, SayacliBaslik(static_cast<long long>(sepet.RecordCount()), "Sepet"));
}

void Sepet::CariBakiyeUyariBak() {
  std::shared_ptr<Connection> klon = c_.bagc.Clone();
  Dagitici().RunInBackground([klon, carino = c_.sbilgi.CARINO(), canli = canli_] {
    if (!BaglantiDene(*klon, 0)) return;
    std::string uyari;
    try {
      TServerMethods1Client proxy(klon.get());
      uyari = proxy.CariVadeGunGecmismiBul(carino);
    } catch (...) {
      uyari.clear();
    }
    klon->Close();
    Dagitici().PostToUi([canli, uyari] {
      if (Sepet* sayfa = *canli) sayfa->lbluyarbakiye.SetCaption(uyari);
    });
  });
}

// ---- Totals and ticks

void Sepet::SepetToplamYaz() {
  const SepetToplami t = SepetToplamiHesapla(sepet);
  aratoplaml.SetCaption(FormatFloat(ParaBicimi, t.toplam));
  indiriml.SetCaption(FormatFloat(ParaBicimi, t.indirim));
  nettutarl.SetCaption(FormatFloat(ParaBicimi, t.araToplam));
  vergil.SetCaption(FormatFloat(ParaBicimi, t.vergi));
  geneltoplaml.SetCaption(FormatFloat(ParaBicimi, t.genelToplam));
}

bool Sepet::SecimGonder(std::int32_t sirano, std::int32_t secim) {
  std::unique_ptr<Connection> klon = c_.bagc.Clone();
  if (!BaglantiDene(*klon, 1)) return false;
  Kapatici kapatici{*klon};
  try {
    TServerMethods1Client proxy(klon.get());
    proxy.SepetSecimGuncelle(sirano, secim);
    return true;
  } catch (const std::exception& hata) {
    MesajGoster(std::string("Seçim sunucuya gönderilemedi: ") + hata.what(), kHata, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
    return false;
  }
}

bool Sepet::SecimDegistir(std::size_t satir, std::int32_t secim) {
  sepet.MoveTo(satir);
  Field& sec = sepet.FieldByName("SEC");
  const std::int64_t onceki = sec.AsLargeInt();
  sepet.Edit();
  sec.SetAsLargeInt(secim);
  sepet.Post();
  if (SecimGonder(Tamsayi(sepet, satir, "SIRANO"), secim)) return true;
  sepet.MoveTo(satir);
  sepet.Edit();
  sec.SetAsLargeInt(onceki);
  sepet.Post();
  return false;
}

// One call per line in table order; the first line the server did not take ends the walk.
void Sepet::HepsiniIsaretle(std::int32_t secim) {
  if (yukleniyor_) return;
  for (std::size_t satir = 0; sepet.Active() && satir < sepet.RecordCount(); ++satir) {
    if (!SecimDegistir(satir, secim)) break;
  }
  SepetToplamYaz();
  if (c_.araedit.Enabled()) {
    c_.araedit.SelectAll();
    c_.araedit.SetFocus();
  }
}

void Sepet::Button4Click() { HepsiniIsaretle(1); }
void Sepet::Button5Click() { HepsiniIsaretle(0); }

void Sepet::cxGrid2Resize() {
  if (!cxGrid2.Enabled()) return;
  if (ekranGenisligi() > kGenisPencere) {
    KolonGenislikAyarla(cxGridDBTableView1, cxGridDBTableView1.Width());
  } else {
    cxGridDBTableView1.ApplyBestFit();
  }
}

// ---- Changing and deleting lines

std::optional<std::int32_t> Sepet::OdaktakiSatir() {
  const std::optional<std::size_t> kayit = cxGridDBTableView1.FocusedRecord();
  if (!kayit) return std::nullopt;
  const std::int32_t sirano = Tamsayi(sepet, *kayit, "SIRANO");
  sepet.Locate("SIRANO", sirano);
  return sirano;
}

void Sepet::Deitir1Click() {
  if (yukleniyor_) return;
  const std::optional<std::int32_t> sirano = OdaktakiSatir();
  if (!sirano) return;
  const GridColumn* sutun = cxGridDBTableView1.FocusedColumn();
  if (sutun == nullptr || sutun->HeaderText() != kSecBasligi) {
    SatirDegistirAc(*sirano);
    return;
  }
  const std::size_t satir = sepet.CurrentRow();
  SecimDegistir(satir, Tamsayi(sepet, satir, "SEC") == 0 ? 1 : 0);
  SepetToplamYaz();
}

void Sepet::SatirDegistirAc(std::int32_t sirano) {
  if (!sepet.Locate("SIRANO", sirano)) return;
  const std::size_t s = sepet.CurrentRow();
  const SatirBilgisi satir{sirano,
                           AlanMetni(sepet, s, "BARKOD"),
                           AlanMetni(sepet, s, "STOKADI"),
                           Tamsayi(sepet, s, "KDV"),
                           {AlanSayisi(sepet, s, "INDIRIMORANI1"), AlanSayisi(sepet, s, "INDIRIMORANI2"),
                            AlanSayisi(sepet, s, "INDIRIMORANI3"), AlanSayisi(sepet, s, "INDIRIMORANI4")}};
  Tstokayarinti pencere;
  ResimYukle(c_.bagc, Tamsayi(sepet, s, "STOKNO"), pencere.Image1);
  pencere.barkod.SetCaption(satir.barkod);
  pencere.adi.SetCaption(satir.stokadi);
  pencere.marka.SetCaption(AlanMetni(sepet, s, "MARKA"));
  pencere.finishkod.SetCaption(AlanMetni(sepet, s, "FINISHKOD"));
  pencere.model.SetCaption(AlanMetni(sepet, s, "MODEL"));
  pencere.kdvoran = AlanSayisi(sepet, s, "KDV");
  NumberEditState* oranKutulari[] = {&pencere.edindirim1, &pencere.edindirim2, &pencere.edindirim3,
                                     &pencere.edindirim4};
  for (std::size_t i = 0; i < satir.oranlar.size(); ++i) oranKutulari[i]->SetValue(satir.oranlar[i]);
  if (SatisTemsilcisi(c_.sbilgi.MusteriTipi())) pencere.FiyatlariAc(true);
  pencere.birimfiyat.SetValue(AlanSayisi(sepet, s, "BIRIMFIYAT"));
  pencere.adet.SetValue(static_cast<double>(static_cast<std::int64_t>(AlanSayisi(sepet, s, "MIKTAR"))));
  if (Diyaloglar().PencereGoster(pencere) != mrOk) return;
  // One reload shows the server's state whatever it answered.
  SatirGuncelleGonder(satir, pencere.adet.Value(), pencere.birimfiyat.Value());
  SepetiYenile();
}

std::int32_t Sepet::SatirGuncelleGonder(const SatirBilgisi& satir, double miktar, double fiyat) {
  auto kopya = Kopya(c_.sbilgi);
  if (!BaglantiDene(c_.bagc, 1)) return 0;
  Kapatici kapatici{c_.bagc};
  TServerMethods1Client proxy(&c_.bagc);
  return proxy.SepetGuncelle2(std::move(kopya), c_.sbilgi.CARINO(), 0, satir.barkod, satir.stokadi, miktar, satir.kdv,
                              fiyat, satir.oranlar[0], c_.sbilgi.Sirano(), satir.sirano, satir.oranlar[1],
                              satir.oranlar[2], satir.oranlar[3]);
}

void Sepet::SatrSil1Click() {
  if (yukleniyor_) return;
  const std::optional<std::int32_t> sirano = OdaktakiSatir();
  if (!sirano) return;
  const std::size_t s = sepet.CurrentRow();
  const std::string aciklama = AlanMetni(sepet, s, "BARKOD") + "-" + AlanMetni(sepet, s, "STOKADI");
  if (!EvetMi("Satırı silmek istiyor musunuz ")) return;
  if (!BaglantiDene(c_.bagc, 1)) return;
  {
    Kapatici kapatici{c_.bagc};
    TServerMethods1Client proxy(&c_.bagc);
    proxy.SepetSatirSil(Kopya(c_.sbilgi), *sirano, aciklama);
  }
  SepetiYenile();
  Bilgi("Satır silindi !");
}

void Sepet::HepsiniSil1Click() {
  if (yukleniyor_ || !KayitVarmi(sepet)) return;
  if (!EvetMi("Tüm Sepeti Silmek İstiyor musunuz ")) return;
  auto kopya = Kopya(c_.sbilgi);
  if (!BaglantiDene(c_.bagc, 1)) return;
  {
    Kapatici kapatici{c_.bagc};
    TServerMethods1Client proxy(&c_.bagc);
    proxy.SepetHepsiniSil(std::move(kopya));
    Bilgi("Sepet Silindi !");
  }
  SepetiYenile();
}

// ---- Sending and saving

void Sepet::Button1Click() {
  if (yukleniyor_) return;
  if (!SeciliVarmi(sepet)) {
    MesajGoster("Gönderilecek Parça Yok ", kUyari, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
    return;
  }
  TONAYSIP onay(c_.bagc, lbluyarbakiye.Caption(), c_.sbilgi, geneltoplaml.Caption());
  onay.Label3.SetCaption(lbluyarbakiye.Caption());
  if (Diyaloglar().PencereGoster(onay) != mrOk) return;
  if (!SiparisGonder(onay.KN, onay.kt, onay.aciklamagir.Text(), onay.td)) {
    MesajGoster("Sipariş Göndermede Hata", kHata, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
    return;
  }
  Bilgi("Siparişiniz Gönderildi !");
  SepetiYenile();
}

bool Sepet::SiparisGonder(std::int32_t KN, std::int32_t kt, const std::string& aciklama, std::int32_t td) {
  auto kopya = Kopya(c_.sbilgi);
  if (!BaglantiDene(c_.bagc, 1)) return false;
  Kapatici kapatici{c_.bagc};
  TServerMethods1Client proxy(&c_.bagc);
  return proxy.SiparisKaydet(std::move(kopya), c_.sbilgi.CARINO(), td, kt, aciklama, c_.sbilgi.Sirano(), KN);
}

void Sepet::Button2Click() {
  if (yukleniyor_) return;
  GridExcelKaydet(cxGridDBTableView1);
}

void Sepet::ListedenAc(const MemTable& kaynak, SepetKaynagi tur, std::int32_t stokno) {
  if (yukleniyor_) return;
  if (!sepet.Active()) SepetiYenile();
  if (sepet.Active() && sepet.Locate("STOKNO", stokno)) {
    SatirDegistirAc(Tamsayi(sepet, sepet.CurrentRow(), "SIRANO"));
    return;
  }
  SepeteEkleAc(Baglam(), kaynak, tur, stokno);
}

}  // namespace zorvat
