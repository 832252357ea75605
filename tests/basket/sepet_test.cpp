// The basket page against the reference server: the page's load with its caption, totals
// and warning, the ticks (one call per line, undone when the server did not take them),
// changing and deleting lines, sending the ticked lines as an order, and the export.
#include "basket/sepet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "basket/siparis_onay.h"
#include "net/baglanti_dene.h"
#include "net/bicim.h"
#include "net/connection.h"
#include "support/oturum_fiksturu.h"
#include "support/stub_server.h"
#include "support/xls_okuyucu.h"

namespace zorvat {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

// ---- Totals

struct Satir {
  int sec;
  double tutar;
  double indirim;
  double vergi;
};

void Doldur(MemTable& sepet, const std::vector<Satir>& satirlar) {
  sepet.DefineFields({{"SEC", FieldType::Integer, 0},
                      {"TUTAR", FieldType::Float, 0},
                      {"INDIRIMTUTAR", FieldType::Float, 0},
                      {"VERGITUTARI", FieldType::Float, 0}});
  sepet.CreateDataSet();
  for (const Satir& s : satirlar) {
    sepet.Append();
    sepet.FieldByName("SEC").SetAsLargeInt(s.sec);
    sepet.FieldByName("TUTAR").SetAsFloat(s.tutar);
    sepet.FieldByName("INDIRIMTUTAR").SetAsFloat(s.indirim);
    sepet.FieldByName("VERGITUTARI").SetAsFloat(s.vergi);
    sepet.Post();
  }
}

TEST(SepetToplami, SumsTheTickedLinesRoundingAfterEveryAddition) {
  struct Durum {
    const char* ad;
    std::vector<Satir> satirlar;
    SepetToplami beklenen;
  };
  const Durum durumlar[] = {
      {"two halves of a cent round up one by one", {{1, 0.125, 0, 0}, {1, 0.125, 0, 0}}, {0.26, 0, 0.26, 0, 0.26}},
      {"the subtotal and grand total come from the rounded sums",
       {{1, 100, 33.334, 13.346}},
       {100.00, 33.33, 66.67, 13.35, 80.02}},
      {"unticked lines count for nothing", {{0, 500, 50, 90}, {1, 10, 1, 1.8}}, {10, 1, 9, 1.8, 10.8}},
      {"nothing ticked", {{0, 500, 50, 90}}, {}},
  };
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.ad);
    MemTable sepet;
    Doldur(sepet, d.satirlar);
    const SepetToplami t = SepetToplamiHesapla(sepet);
    EXPECT_DOUBLE_EQ(t.toplam, d.beklenen.toplam);
    EXPECT_DOUBLE_EQ(t.indirim, d.beklenen.indirim);
    EXPECT_DOUBLE_EQ(t.araToplam, d.beklenen.araToplam);
    EXPECT_DOUBLE_EQ(t.vergi, d.beklenen.vergi);
    EXPECT_DOUBLE_EQ(t.genelToplam, d.beklenen.genelToplam);
  }
  MemTable kapali;
  EXPECT_DOUBLE_EQ(SepetToplamiHesapla(kapali).genelToplam, 0);
}

// ---- The page against the server

class SepetTest : public testing::Test {
 protected:
  explicit SepetTest(const std::string& kullanici = "DEMO-AHMET") {
    bagc.Params() = f.Baglanti();
    sbilgi.Kopyala(f.Kayit(kullanici));
    sayfalar.AddPage("sstoklistesi", "Stok Listesi", Simge::StokListesi);
    sayfalar.AddPage("ssepet", "Sepet", Simge::Sepet);
  }

  void SayfaGoster() {
    sayfa.ssepetShow();
    ASSERT_TRUE(f.Bekle([&] { return !sayfa.Yukleniyor(); }));
  }

  // The account's basket lines on the server: sirano and tick, in line order.
  std::vector<std::vector<std::string>> Sunucudakiler() {
    return f.Satirlar("SELECT sirano, sec FROM sepet WHERE carino = " + std::to_string(sbilgi.CARINO()) +
                      " ORDER BY sirano");
  }
  std::vector<std::int32_t> Siranolar() {
    std::vector<std::int32_t> siranolar;
    for (std::size_t i = 0; i < sayfa.sepet.RecordCount(); ++i)
      siranolar.push_back(static_cast<std::int32_t>(sayfa.sepet.FieldByName("SIRANO").LargeIntAt(i)));
    return siranolar;
  }
  std::vector<std::int64_t> Secimler() {
    std::vector<std::int64_t> secimler;
    for (std::size_t i = 0; i < sayfa.sepet.RecordCount(); ++i)
      secimler.push_back(sayfa.sepet.FieldByName("SEC").LargeIntAt(i));
    return secimler;
  }
  std::vector<test::KayitliCagri> SecimCagrilari(std::int32_t secim) {
    std::vector<test::KayitliCagri> cagrilar;
    for (std::int32_t sirano : Siranolar())
      cagrilar.push_back({"SepetSecimGuncelle", {std::to_string(sirano), std::to_string(secim)}});
    return cagrilar;
  }
  // Focuses the line on the named column, as a click of the user does.
  void Odakla(std::size_t satir, const char* alan) {
    sayfa.cxGridDBTableView1.SetFocusedRow(satir);
    sayfa.cxGridDBTableView1.SetFocusedColumn(std::string("cxGridDBTableView1") + alan);
  }
  void SunucuKapansin() { bagc.Params().Port = std::to_string(test::FreePort()); }
  std::vector<MesajPenceresi>& Mesajlar() { return f.hizmetler.dialogs.shownDialogs; }
  std::vector<std::string> MesajMetinleri() {
    std::vector<std::string> metinler;
    for (const MesajPenceresi& m : Mesajlar()) metinler.push_back(m.metin);
    return metinler;
  }
  const std::string& Baslik() const { return sayfalar.Page(1).caption; }

  test::OturumFiksturu f;
  Connection bagc;
  TSonucBilgisi sbilgi;
  EditState araedit;
  BusyAnimationState gifsepet;
  PageControlState sayfalar;
  Sepet sayfa{{bagc, sbilgi, araedit, gifsepet, sayfalar}};
};

TEST_F(SepetTest, ShowingThePageLoadsTheBasketWithItsCaptionTotalsAndWarning) {
  f.Sql("UPDATE cari SET uyari = 'Lütfen muhasebeyi arayınız.' WHERE carino = 1");
  const std::string uyari = [&] {
    Connection baglanti(f.Baglanti());
    baglanti.Open();
    TServerMethods1Client proxy(&baglanti);
    return proxy.CariVadeGunGecmismiBul(sbilgi.CARINO());
  }();
  sayfa.lbluyarbakiye.SetCaption("eski uyarı");
  sayfa.ssepetShow();
  EXPECT_TRUE(gifsepet.Visible());
  EXPECT_FALSE(sayfa.cxGrid2.Enabled());
  EXPECT_EQ(sayfa.cxGridDBTableView1.DataSource(), nullptr);
  EXPECT_EQ(sayfa.lbluyarbakiye.Caption(), "");
  ASSERT_TRUE(f.Bekle([&] { return !sayfa.Yukleniyor(); }));
  ASSERT_NE(uyari.find("Lütfen muhasebeyi arayınız."), std::string::npos);
  ASSERT_TRUE(f.Bekle([&] { return sayfa.lbluyarbakiye.Caption() == uyari; }));

  ASSERT_EQ(sayfa.sepet.RecordCount(), Sunucudakiler().size());
  EXPECT_EQ(Baslik(), std::to_string(Sunucudakiler().size()) + "=Sepet");
  const SepetToplami t = SepetToplamiHesapla(sayfa.sepet);
  EXPECT_GT(t.genelToplam, 0);
  EXPECT_EQ(sayfa.aratoplaml.Caption(), FormatFloat(ParaBicimi, t.toplam));
  EXPECT_EQ(sayfa.geneltoplaml.Caption(), FormatFloat(ParaBicimi, t.genelToplam));
  EXPECT_EQ(sayfa.sepet.FieldByName("TUTAR").DisplayFormat(), ParaBicimi);
  EXPECT_TRUE(sayfa.cxGrid2.Enabled());
  EXPECT_EQ(sayfa.cxGridDBTableView1.DataSource(), &sayfa.sepet);
  EXPECT_FALSE(sayfa.cxGridDBTableView1.Locked());
  EXPECT_FALSE(sayfa.sepet.ControlsDisabled());
  EXPECT_FALSE(gifsepet.Visible());
  EXPECT_THAT(Mesajlar(), IsEmpty());
}

TEST_F(SepetTest, ShowingThePageAgainWhileItLoadsStartsNoSecondLoad) {
  sayfa.ssepetShow();
  sayfa.ssepetShow();
  ASSERT_TRUE(f.Bekle([&] { return !sayfa.Yukleniyor(); }));
  EXPECT_EQ(f.sunucu.Cagrilar("SepetVer2").size(), 1u);
  // A reload asked for meanwhile follows the load instead of writing the table beside it.
  sayfa.ssepetShow();
  sayfa.SepetiYenile();
  ASSERT_TRUE(f.Bekle([&] { return f.sunucu.Cagrilar("SepetVer2").size() == 3u; }));
  EXPECT_EQ(sayfa.sepet.RecordCount(), Sunucudakiler().size());
}

TEST_F(SepetTest, AFailedFirstLoadLeavesAUsablePage) {
  SunucuKapansin();
  SayfaGoster();
  // The warning's own thread tries as long as the load: eleven attempts each, every failure
  // shown; it ends without a warning.
  ASSERT_TRUE(f.Bekle([&] { return f.hizmetler.dialogs.plainMessages.size() == 22; }));
  EXPECT_EQ(sayfa.lbluyarbakiye.Caption(), "");
  EXPECT_TRUE(sayfa.cxGrid2.Enabled());
  EXPECT_EQ(sayfa.cxGridDBTableView1.DataSource(), &sayfa.sepet);
  EXPECT_FALSE(gifsepet.Visible());
  EXPECT_FALSE(sayfa.sepet.Active());
  EXPECT_EQ(Baslik(), "Sepet");
  EXPECT_EQ(sayfa.geneltoplaml.Caption(), FormatFloat(ParaBicimi, 0));
  EXPECT_THAT(MesajMetinleri(), ElementsAre(kBaglantiKurulamiyor));
  Mesajlar().clear();
  sayfa.Button4.Click();
  sayfa.Button5.Click();
  sayfa.Button1.Click();
  EXPECT_THAT(MesajMetinleri(), ElementsAre("Gönderilecek Parça Yok "));
}

TEST_F(SepetTest, TickingAndUntickingAllMakesOneCallPerLineInTableOrder) {
  SayfaGoster();
  ASSERT_EQ(sayfa.sepet.RecordCount(), 3u);
  araedit.SetFocus();
  sayfa.Button5.Click();
  EXPECT_THAT(f.sunucu.Cagrilar("SepetSecimGuncelle"), ElementsAreArray(SecimCagrilari(0)));
  EXPECT_THAT(Secimler(), ElementsAre(0, 0, 0));
  for (const auto& satir : Sunucudakiler()) EXPECT_EQ(satir[1], "0");
  EXPECT_EQ(sayfa.geneltoplaml.Caption(), FormatFloat(ParaBicimi, 0));
  EXPECT_TRUE(araedit.Focused());

  sayfa.Button4.Click();
  const auto tumu = f.sunucu.Cagrilar("SepetSecimGuncelle");
  ASSERT_EQ(tumu.size(), 6u);
  EXPECT_THAT(std::vector(tumu.begin() + 3, tumu.end()), ElementsAreArray(SecimCagrilari(1)));
  for (const auto& satir : Sunucudakiler()) EXPECT_EQ(satir[1], "1");
  EXPECT_EQ(sayfa.geneltoplaml.Caption(), FormatFloat(ParaBicimi, SepetToplamiHesapla(sayfa.sepet).genelToplam));
  EXPECT_THAT(Mesajlar(), IsEmpty());
}

TEST_F(SepetTest, ATickTheServerDidNotTakeIsUndoneAndTheWalkStops) {
  SayfaGoster();
  const std::vector<std::int64_t> once = Secimler();
  const auto sunucuOnce = Sunucudakiler();
  const std::string toplamOnce = sayfa.geneltoplaml.Caption();
  SunucuKapansin();
  sayfa.Button4.Click();
  EXPECT_EQ(Secimler(), once);
  EXPECT_EQ(sayfa.geneltoplaml.Caption(), toplamOnce);
  EXPECT_THAT(MesajMetinleri(), ElementsAre(kBaglantiKurulamiyor));
  Mesajlar().clear();
  Odakla(0, "SEC");
  sayfa.cxGridDBTableView1.DblClick();
  EXPECT_EQ(Secimler(), once);
  EXPECT_THAT(MesajMetinleri(), ElementsAre(kBaglantiKurulamiyor));
  EXPECT_EQ(Sunucudakiler(), sunucuOnce);
  EXPECT_THAT(f.sunucu.Cagrilar("SepetSecimGuncelle"), IsEmpty());
}

TEST_F(SepetTest, ADoubleClickOnTheTickTogglesItAndElsewhereOpensTheChangeDialog) {
  SayfaGoster();
  const std::vector<std::int64_t> once = Secimler();
  Odakla(0, "SEC");
  sayfa.cxGridDBTableView1.DblClick();
  EXPECT_EQ(Secimler()[0], 1 - once[0]);
  EXPECT_EQ(Sunucudakiler()[0][1], std::to_string(1 - once[0]));
  EXPECT_EQ(sayfa.geneltoplaml.Caption(), FormatFloat(ParaBicimi, SepetToplamiHesapla(sayfa.sepet).genelToplam));
  EXPECT_EQ(f.hizmetler.dialogs.windowsShown, 0);

  Odakla(1, "STOKADI");
  sayfa.cxGridDBTableView1.DblClick();
  EXPECT_EQ(f.hizmetler.dialogs.windowsShown, 1);
  EXPECT_THAT(f.sunucu.Cagrilar("SepetGuncelle2"), IsEmpty());
}

TEST_F(SepetTest, AChangedLineSendsTheDialogsQuantityAndPriceWithTheLinesRates) {
  SayfaGoster();
  const std::size_t satir = 1;
  const std::int32_t sirano = Siranolar()[satir];
  const auto alan = [&](const char* ad) { return sayfa.sepet.FieldByName(ad).StringAt(satir); };
  const std::string oran1 = FormatFloat("0.####", sayfa.sepet.FieldByName("INDIRIMORANI1").FloatAt(satir));
  const std::string barkod = alan("BARKOD");
  const std::string stokadi = alan("STOKADI");
  f.hizmetler.dialogs.onWindow = [&](FormState& pencere) {
    auto& dialog = dynamic_cast<Tstokayarinti&>(pencere);
    EXPECT_EQ(dialog.stokno, 0);
    EXPECT_EQ(dialog.barkod.Caption(), barkod);
    EXPECT_EQ(dialog.adi.Caption(), stokadi);
    EXPECT_EQ(dialog.Label2.Caption(), "Fiyat:");
    EXPECT_FALSE(dialog.GridPanel2.Visible());
    dialog.adet.EditedByUser(7);
    dialog.edindirim1.SetValue(20);
    return mrOk;
  };
  Odakla(satir, "BARKOD");
  sayfa.PopupMenu1.Choose("Deitir1");

  const auto cagrilar = f.sunucu.Cagrilar("SepetGuncelle2");
  ASSERT_EQ(cagrilar.size(), 1u);
  const auto& d = cagrilar[0].degerler;
  EXPECT_EQ(d.at(2), "0");                       // stokno
  EXPECT_EQ(d.at(3), barkod);                    // barkod
  EXPECT_EQ(d.at(5), "7");                       // miktar
  EXPECT_EQ(d.at(8), oran1);                     // ind1: the line's, not the dialog's 20
  EXPECT_EQ(d.at(10), std::to_string(sirano));   // _sepetsirano
  EXPECT_EQ(f.Satirlar("SELECT miktar FROM sepet WHERE sirano = " + std::to_string(sirano)).at(0).at(0), "7.0");
  EXPECT_EQ(sayfa.sepet.FieldByName("MIKTAR").FloatAt(satir), 7);
  // One reload shows the server's line whatever it answered.
  EXPECT_EQ(f.sunucu.Cagrilar("SepetVer2").size(), 2u);
}

TEST_F(SepetTest, ACancelledChangeSendsNothing) {
  SayfaGoster();
  f.hizmetler.dialogs.onWindow = [](FormState&) { return mrCancel; };
  Odakla(0, "BARKOD");
  sayfa.Deitir1Click();
  EXPECT_THAT(f.sunucu.Cagrilar("SepetGuncelle2"), IsEmpty());
  EXPECT_EQ(f.sunucu.Cagrilar("SepetVer2").size(), 1u);
}

TEST_F(SepetTest, DeletingALineAsksFirst) {
  SayfaGoster();
  const std::int32_t sirano = Siranolar()[2];
  const std::string aciklama =
      sayfa.sepet.FieldByName("BARKOD").StringAt(2) + "-" + sayfa.sepet.FieldByName("STOKADI").StringAt(2);
  Odakla(2, "BARKOD");
  f.hizmetler.dialogs.answers = {mrNo};
  sayfa.PopupMenu1.Choose("SatrSil1");
  EXPECT_THAT(f.sunucu.Cagrilar("SepetSatirSil"), IsEmpty());
  ASSERT_EQ(Mesajlar().size(), 1u);
  EXPECT_EQ(Mesajlar()[0].metin, "Satırı silmek istiyor musunuz ");
  EXPECT_EQ(Mesajlar()[0].tur, 3);
  EXPECT_EQ(Mesajlar()[0].sekmeSirasi.front(), MsgDlgBtn::No);

  Mesajlar().clear();
  f.hizmetler.dialogs.answers = {mrYes, mrOk};
  Odakla(2, "BARKOD");
  sayfa.PopupMenu1.Choose("SatrSil1");
  const auto cagrilar = f.sunucu.Cagrilar("SepetSatirSil");
  ASSERT_EQ(cagrilar.size(), 1u);
  EXPECT_EQ(cagrilar[0].degerler.at(1), std::to_string(sirano));
  EXPECT_EQ(cagrilar[0].degerler.at(2), aciklama);
  EXPECT_THAT(MesajMetinleri(), ElementsAre("Satırı silmek istiyor musunuz ", "Satır silindi !"));
  EXPECT_EQ(sayfa.sepet.RecordCount(), 2u);
  EXPECT_EQ(Sunucudakiler().size(), 2u);
  EXPECT_EQ(Baslik(), "2=Sepet");
}

TEST_F(SepetTest, DeletingTheWholeBasketAsksFirstAndNothingOnAnEmptyOne) {
  SayfaGoster();
  for (int cevap : {mrNo, mrCancel}) {
    f.hizmetler.dialogs.answers = {cevap};
    sayfa.PopupMenu1.Choose("HepsiniSil1");
  }
  EXPECT_THAT(f.sunucu.Cagrilar("SepetHepsiniSil"), IsEmpty());
  EXPECT_EQ(Sunucudakiler().size(), 3u);

  Mesajlar().clear();
  f.hizmetler.dialogs.answers = {mrYes, mrOk};
  sayfa.PopupMenu1.Choose("HepsiniSil1");
  EXPECT_EQ(f.sunucu.Cagrilar("SepetHepsiniSil").size(), 1u);
  EXPECT_THAT(MesajMetinleri(), ElementsAre("Tüm Sepeti Silmek İstiyor musunuz ", "Sepet Silindi !"));
  EXPECT_THAT(Sunucudakiler(), IsEmpty());
  EXPECT_EQ(sayfa.sepet.RecordCount(), 0u);
  EXPECT_EQ(Baslik(), "0=Sepet");
  EXPECT_EQ(sayfa.geneltoplaml.Caption(), FormatFloat(ParaBicimi, 0));

  Mesajlar().clear();
  sayfa.PopupMenu1.Choose("HepsiniSil1");
  EXPECT_THAT(Mesajlar(), IsEmpty());
}

TEST_F(SepetTest, AnOrderTakesExactlyTheTickedLinesAndLeavesTheOthers) {
  SayfaGoster();
  std::vector<std::string> isaretliler;
  std::vector<std::string> kalanlar;
  for (const auto& satir : Sunucudakiler()) (satir[1] == "1" ? isaretliler : kalanlar).push_back(satir[0]);
  ASSERT_FALSE(isaretliler.empty());
  ASSERT_FALSE(kalanlar.empty());
  sayfa.lbluyarbakiye.SetCaption("Vadesi geçmiş borcunuz var");
  const std::string genelToplam = sayfa.geneltoplaml.Caption();
  std::vector<std::string> secimler;  // delivery state, cargo type, carrier
  f.hizmetler.dialogs.onWindow = [&](FormState& pencere) {
    auto& onay = dynamic_cast<TONAYSIP&>(pencere);
    EXPECT_EQ(onay.Label3.Caption(), "Vadesi geçmiş borcunuz var");
    EXPECT_NE(onay.Label2.Caption().find(genelToplam), std::string::npos);
    onay.boxkargo.ChosenByUser(0);
    onay.kargocombo.ChosenByUser(1);
    onay.aciklamagir.SetText("Öğleden önce lütfen");
    onay.Button1.Click();
    secimler = {std::to_string(onay.td), std::to_string(onay.kt), std::to_string(onay.KN)};
    return onay.ModalResult();
  };
  sayfa.Button1.Click();
  EXPECT_THAT(MesajMetinleri(), ElementsAre("Siparişiniz Gönderildi !"));
  const auto siparis = f.Satirlar(
      "SELECT idno, teslim, kargo_turu, kargo, aciklama FROM siparis WHERE carino = 1 ORDER BY idno DESC LIMIT 1");
  ASSERT_EQ(siparis.size(), 1u);
  EXPECT_EQ(std::vector(siparis[0].begin() + 1, siparis[0].begin() + 4), secimler);
  EXPECT_EQ(siparis[0][4], "Öğleden önce lütfen");
  std::vector<std::string> siparisSatirlari;
  for (const auto& s : f.Satirlar("SELECT sepet_sirano FROM siparis_satir WHERE idno = " + siparis[0][0] +
                                  " ORDER BY sepet_sirano")) {
    siparisSatirlari.push_back(s[0]);
  }
  EXPECT_EQ(siparisSatirlari, isaretliler);
  std::vector<std::string> sepettekiler;
  for (const auto& satir : Sunucudakiler()) sepettekiler.push_back(satir[0]);
  EXPECT_EQ(sepettekiler, kalanlar);
  EXPECT_EQ(sayfa.sepet.RecordCount(), kalanlar.size());
  EXPECT_EQ(Baslik(), std::to_string(kalanlar.size()) + "=Sepet");
}

TEST_F(SepetTest, NothingTickedGivesAWarningAndNoCall) {
  SayfaGoster();
  sayfa.Button5.Click();
  sayfa.Button1.Click();
  EXPECT_THAT(MesajMetinleri(), ElementsAre("Gönderilecek Parça Yok "));
  EXPECT_EQ(f.hizmetler.dialogs.windowsShown, 0);
  EXPECT_THAT(f.sunucu.Cagrilar("TeslimVer"), IsEmpty());
  EXPECT_THAT(f.sunucu.Cagrilar("SiparisKaydet"), IsEmpty());
}

TEST_F(SepetTest, SayingNoInTheApprovalWindowSendsNothing) {
  SayfaGoster();
  f.hizmetler.dialogs.onWindow = [](FormState& pencere) {
    dynamic_cast<TONAYSIP&>(pencere).Button2.Click();
    return pencere.ModalResult();
  };
  sayfa.Button1.Click();
  EXPECT_THAT(f.sunucu.Cagrilar("SiparisKaydet"), IsEmpty());
  EXPECT_EQ(Sunucudakiler().size(), 3u);
  EXPECT_THAT(Mesajlar(), IsEmpty());
}

TEST_F(SepetTest, TheExportHoldsTheVisibleColumnsAndTheLines) {
  SayfaGoster();
  sayfa.cxGridDBTableView1.SetColumnVisible("cxGridDBTableView1VEREN", false);
  sayfa.cxGridDBTableView1.SetColumnVisible("cxGridDBTableView1MARKA", true);
  const std::filesystem::path klasor = f.klasor.yol();
  f.hizmetler.dialogs.saveAnswers.push_back((klasor / "sepet.xlsx").string());
  sayfa.Button2.Click();
  ASSERT_EQ(f.hizmetler.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(f.hizmetler.dialogs.saveRequests[0].filtreDeseni, "*.xls*");
  ASSERT_TRUE(std::filesystem::exists(klasor / "sepet.xls"));
  const test::OkunanDosya dosya = test::Oku(klasor / "sepet.xls");
  ASSERT_EQ(dosya.satirlar, 1 + sayfa.sepet.RecordCount());
  std::vector<std::string> basliklar;
  for (const auto& hucre : dosya.hucreler[0]) basliklar.push_back(std::get<std::string>(hucre));
  std::vector<std::string> gorunenler;
  for (std::size_t sira : sayfa.cxGridDBTableView1.VisibleColumns())
    gorunenler.push_back(sayfa.cxGridDBTableView1.ColumnAt(sira).HeaderText());
  EXPECT_EQ(basliklar, gorunenler);
  EXPECT_THAT(basliklar, testing::Contains("Marka"));
  EXPECT_THAT(basliklar, testing::Not(testing::Contains("Veren")));
  const auto sutun = [&](const char* baslik) {
    return static_cast<std::size_t>(std::find(basliklar.begin(), basliklar.end(), baslik) - basliklar.begin());
  };
  for (std::size_t satir = 0; satir < sayfa.sepet.RecordCount(); ++satir) {
    const auto& hucreler = dosya.hucreler[satir + 1];
    EXPECT_EQ(std::get<std::string>(hucreler[sutun("Stok Açıklama")]), sayfa.sepet.FieldByName("STOKADI").StringAt(satir));
    EXPECT_DOUBLE_EQ(std::get<double>(hucreler[sutun("Miktar")]), sayfa.sepet.FieldByName("MIKTAR").FloatAt(satir));
    EXPECT_DOUBLE_EQ(std::get<double>(hucreler[sutun("Tutar")]), sayfa.sepet.FieldByName("TUTAR").FloatAt(satir));
  }
}

}  // namespace
}  // namespace zorvat
