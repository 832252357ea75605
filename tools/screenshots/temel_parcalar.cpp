// The reusable pieces in a sample window and on their own: a filled stock grid under the
// page control with counters, the message dialog of each kind, the tab bar, a grouped
// report grid and a detail grid with the dark header.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "net/bicim.h"
#include "net/mesaj.h"
#include "tools/screenshots/sahne.h"
#include "ui/animations.h"
#include "ui/bindings.h"
#include "ui/grid.h"
#include "ui/icons.h"
#include "ui/legend.h"
#include "ui/look.h"
#include "ui/message_dialog.h"
#include "ui/tabs.h"

namespace zorvat::ekran {
namespace {

constexpr std::array kParcalar = {
    "FREN BALATASI ÖN",  "FREN DİSKİ ARKA",   "YAĞ FİLTRESİ",      "HAVA FİLTRESİ",     "POLEN FİLTRESİ",
    "AMORTİSÖR ÖN SAĞ",  "ROTİL SOL",         "TRİGER SETİ",       "DEVİRDAİM POMPASI", "BUJİ TAKIMI",
    "ATEŞLEME BOBİNİ",   "RADYATÖR",          "TERMOSTAT",         "DEBRİYAJ SETİ",     "SİLECEK SÜPÜRGESİ",
    "FAR AMPULÜ H7",     "ŞANZIMAN YAĞI 75W", "ÇAMURLUK SAĞ",      "KAPI KOLU DIŞ",     "MOTOR KULAĞI",
};
constexpr std::array kMarkalar = {"ZORBAK", "TEKNOPAR", "AKSOY", "ÖZDEMİR OTO", "MEGAFREN", "ÇINAR"};
constexpr std::array kModeller = {"DOBLO 1.3", "EGEA 1.6", "CLIO IV", "CORSA D", "FOCUS III", "ŞAHİN 1.6"};
constexpr std::array kSaticilar = {"AHMET YILMAZ", "ŞEBNEM ÖZTÜRK", "İSMAİL ÇELİK"};

template <std::size_t N>
const char* Sec(const std::array<const char*, N>& liste, int i) {
  return liste[static_cast<std::size_t>(i) % N];
}

// A stock search answer with the stock list's main columns.
void StokTablosu(MemTable& tablo, int satirlar) {
  tablo.DefineFields({{"DURUM", FieldType::SmallInt},      {"DEPO2", FieldType::String, 3},
                      {"OEM1", FieldType::String, 30},     {"BARKOD", FieldType::String, 30},
                      {"ADI", FieldType::String, 100},     {"STOK_STOKNO", FieldType::Integer},
                      {"RESIM", FieldType::SmallInt},      {"MARKA", FieldType::String, 50},
                      {"MODEL", FieldType::String, 50},    {"OZELKOD", FieldType::String, 20},
                      {"LISTEFIYAT1", FieldType::Float},   {"KAMPFIYAT", FieldType::Float},
                      {"Y", FieldType::SmallInt},          {"K", FieldType::SmallInt},
                      {"INDIRIMYAZI", FieldType::String, 30}, {"NETFIYAT", FieldType::Float},
                      {"KDVDAHIL", FieldType::Float}});
  tablo.BeginRows(static_cast<std::size_t>(satirlar));
  for (int i = 0; i < satirlar; ++i) {
    const double liste = 85.0 + (i * 137 % 2400) + (i % 4) * 0.25;
    const bool kampanyali = i % 5 == 2;
    const double net = Yuvarla2(liste * (kampanyali ? 0.55 : 0.65));
    tablo.Fields(0).AppendInt(i * 7 % 6);
    tablo.Fields(1).AppendText(i % 3 == 0 ? "YOK" : "VAR");
    tablo.Fields(2).AppendText(std::to_string(4400000 + i * 9173));
    tablo.Fields(3).AppendText("ZV-" + std::to_string(10200 + i * 17));
    tablo.Fields(4).AppendText(Sec(kParcalar, i));
    tablo.Fields(5).AppendInt(1000 + i);
    tablo.Fields(6).AppendInt(i % 2);
    tablo.Fields(7).AppendText(Sec(kMarkalar, i));
    tablo.Fields(8).AppendText(Sec(kModeller, i / 2));
    tablo.Fields(9).AppendText(i % 4 == 0 ? "ORJİNAL" : "");
    tablo.Fields(10).AppendReal(liste);
    tablo.Fields(11).AppendReal(kampanyali ? Yuvarla2(liste * 0.85) : 0.0);
    tablo.Fields(12).AppendInt(i % 7 == 1 ? 1 : 0);
    tablo.Fields(13).AppendInt(kampanyali ? 1 : 0);
    tablo.Fields(14).AppendText(kampanyali ? "45+5+3" : "35");
    tablo.Fields(15).AppendReal(net);
    tablo.Fields(16).AppendReal(Yuvarla2(net * 1.2));
  }
  tablo.EndRows();
  for (const char* alan : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"}) {
    tablo.FieldByName(alan).SetDisplayFormat(std::string(ParaBicimi));
  }
  tablo.First();
}

GridColumn& Simgeli(GridView& view, std::string ad, std::string alan, std::string baslik, std::vector<IconValue> simgeler) {
  GridColumn& sutun = view.AddColumn(std::move(ad), std::move(alan), std::move(baslik));
  sutun.kind = CellKind::Icon;
  sutun.icons = std::move(simgeler);
  sutun.width = 74;
  return sutun;
}

// The price cell of narrow windows: list, campaign (when there is one), net and VAT prices.
std::string FiyatBilgisi(const MemTable& tablo, std::size_t kayit) {
  const auto satir = [&](const char* baslik, const char* alan) {
    return std::string(baslik) + FormatFloat(ParaBicimi, tablo.FieldByName(alan).FloatAt(kayit)) + "\r\n";
  };
  std::string metin = satir("Liste Fiyatı: ", "LISTEFIYAT1");
  if (tablo.FieldByName("KAMPFIYAT").FloatAt(kayit) > 0) metin += satir("Kampanyalı Fiyat: ", "KAMPFIYAT");
  return metin + satir("NetFiyat: ", "NETFIYAT") + satir("KDV li Fiyat: ", "KDVDAHIL");
}

void StokSutunlari(GridView& view, const MemTable& tablo, bool dar) {
  Simgeli(view, "colDURUM", "DURUM", "Depo1", DurumSimgeleri());
  Simgeli(view, "colDEPO2", "DEPO2", "Depo2", DepoSimgeleri());
  view.AddColumn("colOEM1", "OEM1", "Oem1").width = 90;
  view.AddColumn("colBARKOD", "BARKOD", "Barkod").width = 100;
  view.AddColumn("colADI", "ADI", "Açıklama").width = dar ? 190 : 210;
  GridColumn& stokno = view.AddColumn("colSTOK_STOKNO", "STOK_STOKNO");
  stokno.visible = false;
  stokno.offered = false;
  Simgeli(view, "colRESIM", "RESIM", "Resim", EvetHayirSimgeleri(Simge::Resim));
  view.AddColumn("colMARKA", "MARKA", "Marka").width = 100;
  for (auto [alan, baslik] : {std::pair{"MODEL", "Model"}, std::pair{"OZELKOD", "Özel Kod"}}) {
    GridColumn& sutun = view.AddColumn(std::string("col") + alan, alan, baslik);
    sutun.visible = !dar;
    sutun.width = 90;
  }
  for (auto [alan, baslik] : {std::pair{"LISTEFIYAT1", "Liste Fiyatı"}, std::pair{"KAMPFIYAT", "Kampanyalı Fiyat"},
                              std::pair{"NETFIYAT", "Net Fiyatı"}}) {
    GridColumn& sutun = view.AddColumn(std::string("col") + alan, alan, baslik);
    sutun.visible = !dar;
    sutun.width = 95;
  }
  Simgeli(view, "colY", "Y", "Yeni", EvetHayirSimgeleri(Simge::Yeni));
  Simgeli(view, "colK", "K", "Kampanyalı", EvetHayirSimgeleri(Simge::Kampanya)).width = 100;
  view.AddColumn("colINDIRIMYAZI", "INDIRIMYAZI", "İndirim Oran").width = 80;
  GridColumn& kdvli = view.AddColumn("colKDVDAHIL", "KDVDAHIL", "KDV Dahil Fiyat");
  kdvli.visible = !dar;
  kdvli.width = 105;
  GridColumn& fiyat = view.AddColumn("cxGrid1DBTableView1FiyatBilgisi", "", "Fiyat Bilgisi");
  fiyat.kind = CellKind::Custom;
  fiyat.visible = dar;
  fiyat.width = 190;
  fiyat.customText = [&tablo](std::size_t kayit) { return FiyatBilgisi(tablo, kayit); };
  view.FooterSummaries() = {{SummaryKind::Count, "", "colOEM1", ""}};
  view.Options().showFooter = true;
  view.Options().rowHeight = dar ? 100 : 40;
}

QWidget* Panel(int yukseklik, QColor renk) {
  auto* panel = new QWidget;
  panel->setFixedHeight(yukseklik);
  panel->setAutoFillBackground(true);
  QPalette palet = panel->palette();
  palet.setColor(QPalette::Window, renk);
  panel->setPalette(palet);
  return panel;
}

QLabel* Yazi(const QString& metin, const QFont& yazi, QColor renk = QColor(33, 37, 41)) {
  auto* etiket = new QLabel(metin);
  etiket->setFont(yazi);
  QPalette palet = etiket->palette();
  palet.setColor(QPalette::WindowText, renk);
  etiket->setPalette(palet);
  return etiket;
}

// The header: the logo, the user information and the general menu's button.
QWidget* Baslik() {
  QWidget* panel = Panel(100, Qt::white);
  auto* duzen = new QHBoxLayout(panel);
  duzen->addWidget(Yazi("ZORVAT OTO", gorunum::Arial(34, true), gorunum::kKirmiziBaslik));
  duzen->addSpacing(40);
  auto* bilgi = new QGridLayout;
  const std::pair<const char*, const char*> satirlar[] = {
      {"Kullanıcı: ", "MEHMET KARA"},
      {"Firma: ", "KARA OTOMOTİV YEDEK PARÇA LTD. ŞTİ."},
      {"Temsilci: ", "ŞEBNEM ÖZTÜRK Telefonu: 0532 000 00 00 email: sebnem@zorvatoto.com.tr"},
  };
  for (int i = 0; i < 3; ++i) {
    auto* baslik = Yazi(satirlar[i].first, gorunum::Tahoma(13, true));
    baslik->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bilgi->addWidget(baslik, i, 0);
    bilgi->addWidget(Yazi(satirlar[i].second, gorunum::Tahoma(13)), i, 1);
  }
  duzen->addLayout(bilgi, 1);
  auto* menu = new QToolButton;
  menu->setIcon(SimgeIkonu(Simge::Menu));
  menu->setIconSize(QSize(48, 48));
  menu->setFixedWidth(84);
  menu->setPopupMode(QToolButton::MenuButtonPopup);
  duzen->addWidget(menu);
  return panel;
}

// The search bar: the box, its two buttons and a running busy animation.
QWidget* AramaCubugu(SahnePenceresi& pencere) {
  QWidget* panel = Panel(35, QColor(236, 238, 241));
  auto* duzen = new QHBoxLayout(panel);
  duzen->setContentsMargins(6, 2, 6, 2);
  auto* simge = new QLabel;
  simge->setPixmap(SimgeResmi(Simge::Ara, 24));
  duzen->addWidget(simge);
  auto& araedit = pencere.Durum<EditState>();
  araedit.SetCasing(CharCase::Upper);
  araedit.SetText("FREN");
  auto* kutu = new QLineEdit;
  kutu->setFont(gorunum::Tahoma(20));
  kutu->setFixedWidth(340);
  duzen->addWidget(kutu);
  Bagla(kutu, araedit);
  for (Simge dugmeSimgesi : {Simge::Ara, Simge::Temizle}) {
    auto* dugme = new QToolButton;
    dugme->setIcon(SimgeIkonu(dugmeSimgesi));
    dugme->setAutoRaise(true);
    duzen->addWidget(dugme);
  }
  auto* musteritus = new QPushButton("Başka Cari Seç");
  musteritus->setMinimumWidth(130);
  duzen->addWidget(musteritus);
  auto& gifstokara = pencere.Durum<BusyAnimationState>();
  auto* animasyon = new MesgulAnimasyonu;
  duzen->addWidget(animasyon);
  Bagla(animasyon, gifstokara);
  gifstokara.SetVisible(true);
  duzen->addStretch();
  return panel;
}

void SayfalariEkle(PageControlState& sayfalar) {
  const std::pair<const char*, Simge> kSayfalar[] = {
      {"48=Stok Listesi", Simge::StokListesi}, {"3=Sepet", Simge::Sepet},
      {"Önceki Siparişler", Simge::OncekiSiparisler}, {"Cari Ekstre", Simge::CariEkstre},
      {"12=Yeni Stoklar", Simge::YeniStoklar}, {"5=Kampanyalı", Simge::Kampanyali},
      {"2=Duyurular", Simge::Duyurular}, {"1250,5=Bakiyeler", Simge::Bakiyeler},
      {"Sanal Pos", Simge::SanalPos}, {"İletişim", Simge::Iletisim},
  };
  int sira = 0;
  for (const auto& [baslik, simge] : kSayfalar) sayfalar.AddPage("sayfa" + std::to_string(sira++), baslik, simge);
}

std::unique_ptr<QWidget> OrnekPencere(int genislik, bool dar) {
  auto pencere = std::make_unique<SahnePenceresi>();
  pencere->setWindowTitle("Zorvat Oto B2B Programı");
  pencere->resize(genislik, 652);
  auto& stok = pencere->Durum<MemTable>();
  StokTablosu(stok, 48);
  auto& view = pencere->Durum<GridView>("cxGrid1DBTableView1");
  StokSutunlari(view, stok, dar);
  view.SetDataSource(&stok);
  view.SetFocusedRow(2);
  auto& sayfalar = pencere->Durum<PageControlState>();
  SayfalariEkle(sayfalar);

  auto* duzen = new QVBoxLayout(pencere.get());
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->setSpacing(0);
  duzen->addWidget(Baslik());
  duzen->addWidget(AramaCubugu(*pencere));
  auto* kontrol = new SayfaKontrolu(sayfalar);
  kontrol->SayfaEkle(new Izgara(view));
  for (std::size_t i = 1; i < sayfalar.PageCount(); ++i) kontrol->SayfaEkle(new QWidget);
  duzen->addWidget(kontrol, 1);
  duzen->addWidget(new DurumAciklamasi);
  QWidget* alt = Panel(40, Qt::white);
  auto* altDuzen = new QHBoxLayout(alt);
  altDuzen->setContentsMargins(0, 0, 0, 0);
  auto* kayanyazi = new KayanYazi;
  kayanyazi->setFont(gorunum::Arial(24));
  kayanyazi->HtmlOgesi("<span style='color:#c41e24'><b>KAMPANYA:</b></span> Fren balatalarında <b>%15</b> indirim, "
                       "siparişleriniz aynı gün kargoda!");
  kayanyazi->Baslat();
  altDuzen->addWidget(kayanyazi);
  duzen->addWidget(alt);
  return pencere;
}

std::unique_ptr<QWidget> Mesaj(const std::string& metin, int tur, MsgDlgButtons dugmeler, MsgDlgBtn ilk) {
  auto diyalog = std::make_unique<MesajDiyalogu>(MesajPenceresiHazirla(metin, tur, dugmeler, ilk), nullptr);
  return diyalog;
}

std::unique_ptr<QWidget> SekmeCubuguSahnesi() {
  auto pencere = std::make_unique<SahnePenceresi>();
  auto& sayfalar = pencere->Durum<PageControlState>();
  SayfalariEkle(sayfalar);
  sayfalar.SetActivePage("sayfa4");
  auto* duzen = new QVBoxLayout(pencere.get());
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->addWidget(new SekmeCubugu(sayfalar));
  duzen->addStretch();
  pencere->resize(700, 120);
  return pencere;
}

// The received-orders report: grouped by sales representative, some groups collapsed.
std::unique_ptr<QWidget> RaporSahnesi() {
  auto pencere = std::make_unique<SahnePenceresi>();
  auto& siparis = pencere->Durum<MemTable>();
  siparis.DefineFields({{"SATICIADI", FieldType::String, 50}, {"TARIH", FieldType::Date}, {"IDNO", FieldType::Float},
                        {"CARIADI", FieldType::String, 100}, {"KARGO", FieldType::String, 50},
                        {"NETTUTAR", FieldType::Float}, {"TUTAR", FieldType::Float}});
  siparis.BeginRows(18);
  for (int i = 0; i < 18; ++i) {
    const double net = 450.0 + i * 1234.75;
    siparis.Fields(0).AppendText(Sec(kSaticilar, i * 5 / 4));
    siparis.Fields(1).AppendReal(45350 + i);
    siparis.Fields(2).AppendReal(7100 + i);
    siparis.Fields(3).AppendText(std::string(Sec(kMarkalar, i)) + " OTOMOTİV");
    siparis.Fields(4).AppendText(i % 2 ? "YURTİÇİ KARGO" : "ARAS KARGO");
    siparis.Fields(5).AppendReal(net);
    siparis.Fields(6).AppendReal(Yuvarla2(net * 1.2));
  }
  siparis.EndRows();
  for (const char* alan : {"IDNO", "NETTUTAR", "TUTAR"}) siparis.FieldByName(alan).SetDisplayFormat(std::string(ParaBicimi));
  auto& view = pencere->Durum<GridView>();
  GridColumn& satici = view.AddColumn("colSATICIADI", "SATICIADI");
  satici.visible = false;
  view.AddColumn("colTARIH", "TARIH").width = 110;
  view.AddColumn("colIDNO", "IDNO").width = 100;
  view.AddColumn("colCARIADI", "CARIADI").width = 260;
  view.AddColumn("colKARGO", "KARGO").width = 140;
  view.AddColumn("colNETTUTAR", "NETTUTAR").width = 120;
  view.AddColumn("colTUTAR", "TUTAR").width = 120;
  view.Options().showIndicator = true;
  view.Options().showFooter = true;
  view.Options().groupFootersAlwaysVisible = true;
  view.Options().rowHeight = 30;
  const std::vector<SummaryItem> ozet = {{SummaryKind::Sum, "TUTAR", "colTUTAR", ""}, {SummaryKind::Count, "", "colTARIH", ""}};
  view.FooterSummaries() = ozet;
  view.GroupSummaries() = ozet;
  view.SetDataSource(&siparis);
  view.GroupBy("SATICIADI");
  view.SetGroupExpanded(0, false);
  auto* duzen = new QVBoxLayout(pencere.get());
  duzen->addWidget(new Izgara(view));
  pencere->resize(1000, 560);
  return pencere;
}

// A detail list: the dark header, averages in the footer, a filter set on a column.
std::unique_ptr<QWidget> KoyuBaslikSahnesi() {
  auto pencere = std::make_unique<SahnePenceresi>();
  auto& stok = pencere->Durum<MemTable>();
  StokTablosu(stok, 30);
  auto& view = pencere->Durum<GridView>();
  Simgeli(view, "colDURUM", "DURUM", "Durum", DurumSimgeleri());
  view.AddColumn("colBARKOD", "BARKOD", "Barkod").width = 110;
  view.AddColumn("colADI", "ADI", "Açıklama").width = 220;
  view.AddColumn("colMARKA", "MARKA", "Marka").width = 120;
  view.AddColumn("colNETFIYAT", "NETFIYAT", "Net Birim Fiyat").width = 130;
  view.AddColumn("colKDVDAHIL", "KDVDAHIL", "KDV Dahil Tutar").width = 130;
  view.Options().header = HeaderLook::DarkGrey;
  view.Options().showFooter = true;
  view.FooterSummaries() = {{SummaryKind::Count, "", "colBARKOD", ""},
                            {SummaryKind::Average, "NETFIYAT", "colNETFIYAT", ""},
                            {SummaryKind::Average, "KDVDAHIL", "colKDVDAHIL", ""}};
  view.SetDataSource(&stok);
  view.SetFilter("colMARKA", {"ZORBAK", "AKSOY", "ÇINAR"});
  view.SortBy("colADI", true);
  auto* duzen = new QVBoxLayout(pencere.get());
  duzen->addWidget(new Izgara(view));
  pencere->resize(800, 420);
  return pencere;
}

const SahneKaydi kOrnek("ornek_pencere", [] { return OrnekPencere(1350, false); });
const SahneKaydi kDar("ornek_pencere_dar", [] { return OrnekPencere(1100, true); });
const SahneKaydi kUyari("mesaj_uyari", [] {
  return Mesaj("Lütfen en az 3 harf giriniz !", 0, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
});
const SahneKaydi kHata("mesaj_hata", [] {
  return Mesaj("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!", 1, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
});
const SahneKaydi kBilgi("mesaj_bilgi", [] {
  return Mesaj("Siparişiniz kaydedildi.\r\nSipariş numaranız: 7124", 2, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
});
const SahneKaydi kSoru("mesaj_soru", [] {
  return Mesaj("Programdan Çıkmak İstiyor musunuz ?", 3, {MsgDlgBtn::Yes, MsgDlgBtn::No}, MsgDlgBtn::Yes);
});
const SahneKaydi kSekmeler("sekme_cubugu", SekmeCubuguSahnesi);
const SahneKaydi kRapor("rapor_gruplari", RaporSahnesi);
const SahneKaydi kKoyu("koyu_baslikli_izgara", KoyuBaslikSahnesi);

}  // namespace
}  // namespace zorvat::ekran
