#include "catalogue/stok_listesi.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "catalogue/kolon_genislik.h"
#include "catalogue/liste_sutunlari.h"
#include "net/await.h"
#include "net/baglanti_dene.h"
#include "net/bicim.h"
#include "net/connection.h"
#include "net/mesaj.h"
#include "net/services.h"
#include "net/utils.h"
#include "remote/proxim.h"
#include "remote/table_codec.h"
#include "session/platform_metin.h"
#include "ui/state/tab_caption.h"
#include "ui/state/text.h"

namespace zorvat {

namespace {

constexpr const char* kSayfa = "sstoklistesi";
constexpr const char* kBaslik = "Stok Listesi";
constexpr const char* kSutunOneki = "cxGrid1DBTableView1";
constexpr const char* kFiyatBilgisi = "cxGrid1DBTableView1FiyatBilgisi";
constexpr std::size_t kEnAzHarf = 3;

std::vector<IconValue> ResimSimgeleri() { return EvetHayirSimgeleri(Simge::Resim); }
std::vector<IconValue> YeniSimgeleri() { return EvetHayirSimgeleri(Simge::Yeni); }
std::vector<IconValue> KampanyaSimgeleri() { return EvetHayirSimgeleri(Simge::Kampanya); }

using B = Baslangic;
const ListeSutunu kSutunlar[] = {
    {"DURUM", "Depo1", B::Gorunur, 1, CellKind::Icon, DurumSimgeleri},
    {"DEPO2", "Depo2", B::Gorunur, 1, CellKind::Icon, DepoSimgeleri},
    {"OEM1", "Oem1", B::Gizli, 2},
    {"OEM2", "Oem2", B::Gizli, 2},
    {"OEM3", "Oem3", B::Gizli, 2},
    {"BARKOD", "Barkod", B::Gorunur, 2},
    {"ADI", "Açıklama", B::Gorunur, 3},
    {"OEM4", "Oem4", B::Gizli, 2},
    {"STOK_STOKNO", "", B::Sunulmaz, 1},
    {"FINISHKOD", "Finish Kod", B::Gizli, 2},
    {"URETICIKODU", "Üretici Kod", B::Gizli, 2},
    {"RESIM", "Resim", B::Gorunur, 1, CellKind::Icon, ResimSimgeleri},
    {"BARKOD_BARKODNO", "", B::Sunulmaz, 1},
    {"DIGERADI", "Diğer Adı", B::Gizli, 3},
    {"DPKOD", "", B::Sunulmaz, 2},
    {"OEMNO", "Oem No", B::Gizli, 2},
    {"BIRIM", "Birim", B::Gizli, 1},
    {"MARKA", "Marka", B::Gorunur, 2},
    {"MODEL", "Model", B::Gorunur, 2},
    {"ANAGRUP", "Ana Grup", B::Gizli, 2},
    {"OZELKOD", "Özel Kod", B::Gorunur, 2},
    {"KALAN", "", B::Sunulmaz, 1},
    {"PKOD", "", B::Sunulmaz, 1},
    {"KDV", "", B::Gizli, 1},
    {"ALINANSIPARIS", "", B::Sunulmaz, 1},
    {"VERILENSIPARIS", "", B::Sunulmaz, 1},
    {"LISTEFIYAT1", "Liste Fiyatı", B::Gorunur, 2},
    {"KAMPFIYAT", "Kampanyalı Fiyat", B::Gorunur, 2},
    {"FIYAT", "Liste Fiyatı", B::Gizli, 2},
    {"Y", "Yeni", B::Gorunur, 1, CellKind::Icon, YeniSimgeleri},
    {"K", "Kampanyalı", B::Gorunur, 1, CellKind::Icon, KampanyaSimgeleri},
    {"INDIRIMYAZI", "İndirim Oran", B::Gorunur, 2},
    {"NETFIYAT", "Net Fiyatı", B::Gorunur, 2},
    {"KDVDAHIL", "KDV Dahil Fiyat", B::Gorunur, 3},
};

// The columns the width rule swaps for the price cell on narrow windows.
constexpr const char* kFiyatSutunlari[] = {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"};

std::string SutunAdi(std::string_view alan) { return kSutunOneki + std::string(alan); }

// The letters a Turkish keyboard gives that the catalogue's codes never hold.
char32_t HarfDuzelt(char32_t harf) {
  switch (harf) {
    case U'ğ': return U'g';
    case U'ü': return U'u';
    case U'ş': return U's';
    case U'ö': return U'o';
    case U'ç': return U'c';
    case U'Ğ': return U'G';
    case U'Ü': return U'U';
    case U'Ş': return U'S';
    case U'İ': return U'I';
    case U'Ö': return U'O';
    case U'Ç': return U'C';
    case U'ı': return U'I';
    default: return harf;
  }
}

}  // namespace

StokListesi::StokListesi(StokListesiCercevesi cerceve) : c_(cerceve) {
  SutunlariKur();
  MenuyuKur();
}

void StokListesi::SutunlariKur() {
  GridView& view = cxGrid1DBTableView1;
  SutunlariEkle(view, kSutunOneki, kSutunlar);
  GridColumn fiyat;
  fiyat.name = kFiyatBilgisi;
  fiyat.caption = "Fiyat Bilgisi";
  fiyat.visible = false;
  fiyat.tag = 2;
  fiyat.kind = CellKind::Custom;
  fiyat.customText = [this](std::size_t kayit) { return FiyatBilgisi(kayit); };
  view.AddColumn(std::move(fiyat));

  GridOptions& secenekler = view.Options();
  secenekler.headerHeight = 40;
  secenekler.rowHeight = 40;
  secenekler.greyEvenRows = true;
  secenekler.showFooter = true;
  view.FooterSummaries() = {{SummaryKind::Count, "", SutunAdi("OEM1"), ""}};
  view.popupMenu = &popstok;
  view.OnDblClick = [this] { OlayCalistir([this] { cxGrid1DBTableView1DblClick(); }); };
  view.OnResize = [this] { cxGrid1Resize(); };
  view.SetDataSource(&stok);
}

// The order lines and the stock movements of a part come with their own windows.
void StokListesi::MenuyuKur() {
  popstok.Add("S2", "Sepete Ekle", [this] { OlayCalistir([this] { cxGrid1DBTableView1DblClick(); }); });
  popstok.AddSeparator();
  popstok.Add("B1", "Sipariş Bakiyeleriniz");
  popstok.AddSeparator();
  popstok.Add("S3", "Siparişleri Göster");
  popstok.AddSeparator();
  popstok.Add("StokHareketleri1", "Stok Hareketleri");
}

void StokListesi::araeditKeyPress(char32_t& key) {
  key = HarfDuzelt(key);
  if (key == U'\r') AramaBaslat();
}

void StokListesi::SpeedButton2Click() {
  if (c_.araedit.Enabled()) AramaBaslat();
}

void StokListesi::AramaBaslat() {
  c_.sPageControl1.SetActivePage(kSayfa);
  if (Utf32(platform::Kirp(c_.araedit.Text())).size() < kEnAzHarf) {
    MesajGoster("Lütfen en az 3 harf giriniz !", kUyari, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
    return;
  }
  c_.araedit.SetEnabled(false);
  c_.gifstokara.SetVisible(true);
  GridView& view = cxGrid1DBTableView1;
  view.SetDataSource(nullptr);
  view.BeginUpdate();
  view.ClearFilters();
  // The text goes as typed: the server decides what its blanks mean.
  auto hata = std::make_shared<bool>(false);
  Async([this, hata, kod = c_.araedit.Text()] { *hata = StokListesiAl(kod); })->Await([this, hata] {
    AramaBitti(*hata);
  });
}

bool StokListesi::StokListesiAl(const std::string& kod) {
  auto kopya = std::make_unique<TSonucBilgisi>();
  kopya->Kopyala(c_.sbilgi);
  std::unique_ptr<Connection> klon = c_.bagc.Clone();
  if (!BaglantiDene(*klon, 0)) return true;
  try {
    TServerMethods1Client proxy(klon.get());
    stok.DisableControls();
    AssignPacket(proxy.StokAraGetir(kod, std::move(kopya)), stok);
    FloatAlanBicimle(stok);
    stok.EnableControls();
    klon->Close();
    return false;
  } catch (...) {
    if (stok.ControlsDisabled()) stok.EnableControls();
    return true;
  }
}

// A resize during the search was not laid out: the columns follow the window now.
void StokListesi::AramaBitti(bool hata) {
  c_.araedit.SetEnabled(true);
  cxGrid1DBTableView1.SetDataSource(&stok);
  cxGrid1DBTableView1.EndUpdate();
  StokKolonAyarla();
  if (!hata) BaslikYaz(SayacliBaslik(static_cast<long long>(stok.RecordCount()), kBaslik));
  c_.araedit.SelectAll();
  c_.araedit.SetFocus();
  c_.gifstokara.SetVisible(false);
  if (!hata) return;
  if (stok.Active()) stok.EmptyDataSet();
  MesajGoster(kBaglantiKurulamiyor, kHata, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
  BaslikYaz(kBaslik);
}

void StokListesi::SpeedButton1Click() {
  if (!c_.araedit.Enabled()) return;
  if (stok.Active()) {
    stok.EmptyDataSet();
    BaslikYaz(kBaslik);
  }
  c_.sPageControl1.SetActivePage(kSayfa);
  cxGrid1DBTableView1.ClearFilters();
  c_.araedit.SetText("");
  c_.araedit.SelectAll();
  c_.araedit.SetFocus();
}

void StokListesi::CariDegisti() {
  if (stok.Active()) stok.EmptyDataSet();
  BaslikYaz(SayacliBaslik(0, kBaslik));
  c_.sPageControl1.SetActivePage(kSayfa);
  c_.araedit.SelectAll();
  c_.araedit.SetFocus();
}

void StokListesi::BaslikYaz(std::string baslik) { c_.sPageControl1.SetCaption(kSayfa, std::move(baslik)); }

void StokListesi::cxGrid1DBTableView1DblClick() {
  const std::optional<std::size_t> kayit = cxGrid1DBTableView1.FocusedRecord();
  if (!kayit) return;
  const std::int64_t stokno = stok.FieldByName("STOK_STOKNO").LargeIntAt(*kayit);
  // The dialog reads the part from the current record.
  stok.Locate("STOK_STOKNO", stokno);
  if (SepeteGotur) SepeteGotur(stok, SepetKaynagi::StokListesi, static_cast<std::int32_t>(stokno));
}

void StokListesi::cxGrid1Resize() {
  if (c_.araedit.Enabled()) StokKolonAyarla();
}

// A price column the user's kind has taken out of the column chooser (the campaign price
// of customers without campaigns) stays hidden on wide windows too.
void StokListesi::StokKolonAyarla() {
  GridView& view = cxGrid1DBTableView1;
  const bool genis = anaPencereGenisligi() > kGenisPencere;
  view.BeginUpdate();
  for (const char* alan : kFiyatSutunlari) {
    const GridColumn& kolon = view.Column(SutunAdi(alan));
    view.SetColumnVisible(kolon.name, genis && kolon.offered);
  }
  view.SetColumnVisible(kFiyatBilgisi, !genis);
  view.Options().rowHeight = genis ? 60 : 100;
  KolonGenislikAyarla(view, view.Width());
  if (!genis) {
    // What the price cell needs beyond its share comes off the other columns, so that the
    // prices stay in sight without scrolling.
    const int fiyat = FiyatHucresiGenisligi();
    const int fazla = fiyat - view.Column(kFiyatBilgisi).width;
    if (fazla > 0) KolonGenislikAyarla(view, view.Width() - fazla);
    for (const char* alan : {"OEM1", "OEM2", "OEM3"}) view.SetColumnWidth(SutunAdi(alan), 80);
    view.SetColumnWidth(kFiyatBilgisi, fiyat);
  }
  view.ColumnsChanged();
  view.EndUpdate();
}

// 150 pixels, or what the longest line needs where the font is wider than the dealer's: a
// price cut off at the cell's edge would be misread.
int StokListesi::FiyatHucresiGenisligi() const {
  double enBuyuk = 0;
  for (const char* alan : kFiyatSutunlari) {
    const Field* field = stok.Active() ? stok.FindField(alan) : nullptr;
    for (std::size_t kayit = 0; field != nullptr && kayit < stok.RecordCount(); ++kayit) {
      enBuyuk = std::max(enBuyuk, std::abs(AlanSayisi(stok, kayit, alan)));
    }
  }
  const std::string enUzunSatir = "Kampanyalı Fiyat: " + FormatFloat(ParaBicimi, enBuyuk);
  return std::max(150, cxGrid1DBTableView1.TextWidth(enUzunSatir) + 2 * 10 + 4);
}

std::string StokListesi::FiyatBilgisi(std::size_t kayit) const {
  const auto satir = [&](const char* baslik, const char* alan) {
    return baslik + FormatFloat(ParaBicimi, AlanSayisi(stok, kayit, alan)) + "\r\n";
  };
  std::string metin = satir("Liste Fiyatı: ", "LISTEFIYAT1");
  if (AlanSayisi(stok, kayit, "KAMPFIYAT") > 0) metin += satir("Kampanyalı Fiyat: ", "KAMPFIYAT");
  metin += satir("NetFiyat: ", "NETFIYAT");
  metin += satir("KDV li Fiyat: ", "KDVDAHIL");
  return metin;
}

}  // namespace zorvat
