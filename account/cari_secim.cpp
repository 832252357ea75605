#include "account/cari_secim.h"

#include <stdexcept>
#include <utility>

#include "net/bicim.h"
#include "net/connection.h"
#include "net/dialogs.h"
#include "net/services.h"
#include "net/utils.h"
#include "remote/proxim.h"
#include "remote/table_codec.h"
#include "session/platform_metin.h"

namespace zorvat {

namespace {

constexpr const char* kGorunenSutunlar[] = {"CARIKOD", "CARIADI", "SATICISI", "TLBAKIYE", "DURUM", "SEPET"};
constexpr const char* kGizliSutunlar[] = {
    "CARINO",  "OZELKOD", "KOD1",   "KOD2",    "KOD3",    "KOD4", "KOD5",           "TEL1",          "TEL2",
    "ILCE",    "IL",      "GSM",    "YETKILI", "INDIRIM", "VADE", "VADEKONTROLGUN", "VADEKONTROLAY", "VERGIDAIRESI",
    "VERGINO", "ADRES1",  "ADRES2", "ANAGRUP", "ALTGRUP", "FAX1", "FAX2",           "EMAIL"};
constexpr const char* kDurumSutunlari[] = {"ALINDI", "ONAYLANDI", "GORULDU", "HAZIRLANDI", "PARCALIHAZIRLANDI"};

constexpr const char* kSutunOneki = "cxGrid1DBTableView1";

// The dotless small i is searched as a plain i.
std::string NoktasizIDuzelt(std::string metin) {
  constexpr std::string_view kNoktasizI = "ı";
  for (auto yer = metin.find(kNoktasizI); yer != std::string::npos; yer = metin.find(kNoktasizI, yer + 1)) {
    metin.replace(yer, kNoktasizI.size(), "i");
  }
  return metin;
}

// A field of a row as text; empty when the server did not send the column.
std::string Metin(const MemTable& tablo, std::size_t kayit, std::string_view alan) {
  const Field* field = tablo.FindField(alan);
  return field ? field->StringAt(kayit) : std::string();
}

std::array<std::string, Tseccari::kKartSatirSayisi> KartDegerleri(const MemTable& t, std::size_t k) {
  const Field* bakiye = t.FindField("TLBAKIYE");
  const std::string bakiyeMetni = bakiye ? FormatFloat(ParaBicimi, bakiye->FloatAt(k)) : std::string();
  return {
      Metin(t, k, "CARIKOD"),
      Metin(t, k, "CARIADI"),
      Metin(t, k, "YETKILI"),
      Metin(t, k, "OZELKOD"),
      Metin(t, k, "ANAGRUP"),
      Metin(t, k, "ALTGRUP"),
      Metin(t, k, "ADRES1") + "\r\n" + Metin(t, k, "ADRES2") + "\r\n" + Metin(t, k, "ILCE") + "/" + Metin(t, k, "IL"),
      Metin(t, k, "VERGIDAIRESI") + "/" + Metin(t, k, "VERGINO"),
      Metin(t, k, "TEL1") + "\r\n" + Metin(t, k, "TEL2"),
      Metin(t, k, "FAX1") + "\r\n" + Metin(t, k, "FAX2"),
      Metin(t, k, "GSM"),
      Metin(t, k, "EMAIL"),
      Metin(t, k, "INDIRIM"),
      Metin(t, k, "VADE"),
      bakiyeMetni + " " + Metin(t, k, "DURUM"),
  };
}

struct DurumDugmesi {
  ButtonState Tseccari::*dugme;
  const char* ipucu;
  int durum;
};

const DurumDugmesi kDurumDugmeleri[] = {
    {&Tseccari::sepettus, "Sipariş sepetinde \r\nstok olan carileri listeler.", 1},
    {&Tseccari::alinditus, "Yeni Alınan \r\nSiparişleri Listeler", 2},
    {&Tseccari::onaylanditus, "Onaylanan Siparişler", 3},
    {&Tseccari::goruldutus, "Görülen Siparişler", 4},
    {&Tseccari::parcalihazirlandi, "Eksik Hazırlanan siparişler", 5},
    {&Tseccari::hazirlanditus, "Hazırlanan Siparişler", 6},
    {&Tseccari::sevktus, "Sevk Edilen Siparişler", 7},
};

const TableReader& Tablo(const TableReader* okuyucu) {
  if (okuyucu == nullptr) throw std::runtime_error("Sunucu cari listesini göndermedi");
  return *okuyucu;
}

}  // namespace

const std::array<const char*, Tseccari::kKartSatirSayisi> Tseccari::kKartBasliklari = {
    "CariKod:", "Cari Adı:", "Yetkili:", "Özel Kod:", "Ana Grup:",  "Alt Grup:",   "Adres:",  "Vergi D.:",
    "Telefon:", "Fax:",      "Gsm:",     "E-mail:",   "İndirim %:", "Vade (Gün):", "Bakiye:",
};

Tseccari::Tseccari(Connection& bag, TSonucBilgisi& bilgim) : bag_(bag), bilgim_(bilgim) {
  SetCaption("Cari Seçimi");
  NEdit1.SetCasing(CharCase::Upper);
  NEdit1.OnKeyPress = [this](char32_t& key) { NEdit1KeyPress(key); };
  GroupBox1.SetCaption("Cari Bilgileri");
  GroupBox1.SetVisible(false);
  Button1.SetCaption("Seç");
  Button1.OnClick = [this] { OlayCalistir([this] { CariSec(); }); };
  Button2.SetCaption("Vazgeç");
  Button2.OnClick = [this] { Button2Click(); };
  SutunlariKur();
  DugmeleriKur();
  NEdit1.SetFocus();
}

void Tseccari::SutunlariKur() {
  GridView& view = cxGrid1DBTableView1;
  const auto ekle = [&view](const char* alan, bool gorunur) {
    view.AddColumn(std::string(kSutunOneki) + alan, alan).visible = gorunur;
  };
  for (const char* alan : kGorunenSutunlar) ekle(alan, true);
  for (const char* alan : kGizliSutunlar) ekle(alan, false);
  for (const char* alan : kDurumSutunlari) ekle(alan, true);
  GridOptions& secenekler = view.Options();
  secenekler.incSearch = true;
  secenekler.columnChooser = true;
  secenekler.showFooter = true;
  view.FooterSummaries() = {{SummaryKind::Count, "", std::string(kSutunOneki) + "CARIKOD", ""}};
  view.OnFocusedRecordChanged = [this] { cxGrid1DBTableView1FocusedRecordChanged(); };
  view.OnDblClick = [this] { OlayCalistir([this] { CariSec(); }); };
  view.SetDataSource(&CARILER);
}

void Tseccari::DugmeleriKur() {
  sBitBtn2.SetHint("Tüm Carileri Listeler");
  sBitBtn2.OnClick = [this] {
    OlayCalistir([this] {
      NEdit1.SetText("");
      CariListeAra();
      AramaKutusunaDon();
    });
  };
  for (const DurumDugmesi& tanim : kDurumDugmeleri) {
    ButtonState& dugme = this->*tanim.dugme;
    dugme.SetHint(tanim.ipucu);
    const bool aramayaDoner = tanim.dugme == &Tseccari::sepettus;
    dugme.OnClick = [this, durum = tanim.durum, aramayaDoner] {
      OlayCalistir([this, durum, aramayaDoner] {
        CariSepetListele(durum);
        if (aramayaDoner) AramaKutusunaDon();
      });
    };
  }
}

void Tseccari::NEdit1KeyPress(char32_t& key) {
  if (key != U'\r') return;
  OlayCalistir([this] {
    CariListeAra();
    AramaKutusunaDon();
  });
}

template <class Islem>
auto Tseccari::Cagir(Islem&& islem) {
  bag_.Open();
  struct Kapatici {
    Connection& baglanti;
    ~Kapatici() { baglanti.Close(); }
  } kapatici{bag_};
  TServerMethods1Client proxy(&bag_);
  auto kopya = std::make_unique<TSonucBilgisi>();
  kopya->Kopyala(bilgim_);
  return islem(proxy, std::move(kopya));
}

void Tseccari::SepetSayisiYaz() {
  const std::int32_t sayi = Cagir([](TServerMethods1Client& proxy, std::unique_ptr<TSonucBilgisi> kopya) {
    return proxy.SepetSayisi(std::move(kopya));
  });
  sepettus.SetCaption(sayi < 1 ? std::string() : std::to_string(sayi));
}

void Tseccari::TusSonuclari() {
  TTusSonuclari sonuclar;
  Cagir([&sonuclar](TServerMethods1Client& proxy, std::unique_ptr<TSonucBilgisi> kopya) {
    const TTusSonuclari* gelen = proxy.TusSonuclariVer(std::move(kopya));
    if (gelen == nullptr) throw std::runtime_error("Sunucu sipariş durumlarını göndermedi");
    sonuclar.Kopyala(*gelen);
  });
  alinditus.SetCaption(std::to_string(sonuclar.Alindi()));
  onaylanditus.SetCaption(std::to_string(sonuclar.Onaylandi()));
  goruldutus.SetCaption(std::to_string(sonuclar.Goruldu()));
  parcalihazirlandi.SetCaption(std::to_string(sonuclar.ParcaliHazirlandi()));
  hazirlanditus.SetCaption(std::to_string(sonuclar.Hazirlandi()));
  sevktus.SetCaption(std::to_string(sonuclar.SevkEdildi()));
}

void Tseccari::CariListeAra() {
  const std::string aranan(platform::Kirp(NoktasizIDuzelt(NEdit1.Text())));
  Cagir([this, &aranan](TServerMethods1Client& proxy, std::unique_ptr<TSonucBilgisi> kopya) {
    LoadTable(Tablo(proxy.CariAra(std::move(kopya), aranan)), CARILER);
  });
  Yuklendi();
}

void Tseccari::CariSepetListele(int durum) {
  Cagir([this, durum](TServerMethods1Client& proxy, std::unique_ptr<TSonucBilgisi> kopya) {
    LoadTable(Tablo(proxy.CariSepetVer(std::move(kopya), durum)), CARILER);
  });
  Yuklendi();
}

void Tseccari::Yuklendi() {
  FloatAlanBicimle(CARILER);
  cxGrid1DBTableView1.ApplyBestFit();
  cxGrid1DBTableView1.SetFocusedRow(cxGrid1DBTableView1.RowCount() > 0 ? std::optional<std::size_t>(0) : std::nullopt);
  cxGrid1DBTableView1FocusedRecordChanged();
}

void Tseccari::AramaKutusunaDon() {
  NEdit1.SelectAll();
  NEdit1.SetFocus();
}

void Tseccari::cxGrid1DBTableView1FocusedRecordChanged() {
  const std::optional<std::size_t> kayit = cxGrid1DBTableView1.FocusedRecord();
  if (!kayit) {
    GroupBox1.SetCaption("Cari Bilgileri");
    GroupBox1.SetVisible(false);
    return;
  }
  const auto degerler = KartDegerleri(CARILER, *kayit);
  for (std::size_t i = 0; i < kart.size(); ++i) kart[i].SetCaption(degerler[i]);
  GroupBox1.SetVisible(true);
}

void Tseccari::CariSec() {
  const std::optional<std::size_t> kayit = cxGrid1DBTableView1.FocusedRecord();
  if (!kayit) return;
  const std::int64_t carino = CARILER.FieldByName("CARINO").LargeIntAt(*kayit);
  if (carino <= 0) return;
  bilgim_.SetCARINO(static_cast<std::int32_t>(carino));
  bilgim_.Setcarikod(Metin(CARILER, *kayit, "CARIKOD"));
  bilgim_.SetCariAdi(Metin(CARILER, *kayit, "CARIADI"));
  SetModalResult(mrOk);
}

void Tseccari::Button2Click() { Sonlandir(); }

int CariSecimAc(Connection& bag, TSonucBilgisi& bilgim) {
  Tseccari seccari(bag, bilgim);
  seccari.SepetSayisiYaz();
  seccari.TusSonuclari();
  return Diyaloglar().PencereGoster(seccari);
}

}  // namespace zorvat
