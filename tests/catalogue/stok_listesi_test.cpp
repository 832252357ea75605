// The stock list page against the reference server: the letters typed into the search box,
// the three-letter rule, the background search and what the page shows after it, the width
// rule, the price cell and the double-click that takes a part to the basket.
#include "catalogue/stok_listesi.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/kolon_genislik.h"
#include "net/baglanti_dene.h"
#include "net/bicim.h"
#include "net/connection.h"
#include "support/oturum_fiksturu.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class StokListesiTest : public testing::Test {
 protected:
  StokListesiTest() {
    bagc.Params() = f.Baglanti();
    sbilgi.Kopyala(f.Kayit("DEMO-AHMET"));
    sayfalar.AddPage("sstoklistesi", "Stok Listesi", Simge::StokListesi);
    sayfalar.AddPage("ssepet", "Sepet", Simge::Sepet);
    sayfalar.SetActivePage("sstoklistesi");
    araedit.SetCasing(CharCase::Upper);
    araedit.OnKeyPress = [this](char32_t& key) { liste.araeditKeyPress(key); };
    liste.anaPencereGenisligi = [this] { return pencereGenisligi; };
  }

  // Types the text and Enter into an empty box and waits for the search to end.
  void Ara(const std::string& metin) {
    araedit.SetText("");
    araedit.Type(metin + "\r");
    ASSERT_TRUE(f.Bekle([&] { return araedit.Enabled(); }));
  }

  // A part whose name holds the text, so that a search finds it and nothing else.
  void TekParca(const std::string& adi, const std::string& arama) {
    f.Sql("UPDATE stok SET adi = '" + adi + "', arama = '" + arama + "' WHERE stokno = 7");
    f.Sql("INSERT INTO stok_ara(stok_ara) VALUES('rebuild')");
  }

  std::vector<MesajPenceresi>& Mesajlar() { return f.hizmetler.dialogs.shownDialogs; }
  const std::string& Baslik() const { return sayfalar.Page(0).caption; }

  test::OturumFiksturu f;
  Connection bagc;
  TSonucBilgisi sbilgi;
  EditState araedit;
  BusyAnimationState gifstokara;
  PageControlState sayfalar;
  StokListesi liste{{bagc, sbilgi, araedit, gifstokara, sayfalar}};
  int pencereGenisligi = 1350;
};

TEST_F(StokListesiTest, TurkishLettersBecomePlainCapitalsWhileTyping) {
  araedit.Type("ğüşöçĞÜŞİÖÇı 9-a");
  EXPECT_EQ(araedit.Text(), "GUSOCGUSIOCI 9-A");
}

TEST_F(StokListesiTest, EnterSearchesWhatWasTypedAndShowsTheRows) {
  TekParca("YAĞ SOKETİ", "yag soketi");
  araedit.Type("şok\r");
  EXPECT_EQ(araedit.Text(), "SOK");
  // While the search runs the box, the grid and a second search rest.
  EXPECT_FALSE(araedit.Enabled());
  EXPECT_TRUE(gifstokara.Visible());
  EXPECT_EQ(liste.cxGrid1DBTableView1.DataSource(), nullptr);
  ASSERT_TRUE(f.Bekle([&] { return araedit.Enabled(); }));

  ASSERT_EQ(f.sunucu.Cagrilar("StokAraGetir").size(), 1u);
  EXPECT_EQ(f.sunucu.Cagrilar("StokAraGetir")[0].degerler.at(0), "SOK");
  ASSERT_EQ(liste.stok.RecordCount(), 1u);
  EXPECT_EQ(liste.stok.FieldByName("ADI").StringAt(0), "YAĞ SOKETİ");
  EXPECT_EQ(liste.stok.FieldByName("NETFIYAT").DisplayFormat(), ParaBicimi);
  EXPECT_EQ(Baslik(), "1=Stok Listesi");
  EXPECT_EQ(liste.cxGrid1DBTableView1.DataSource(), &liste.stok);
  EXPECT_FALSE(liste.cxGrid1DBTableView1.Locked());
  EXPECT_EQ(liste.cxGrid1DBTableView1.RowCount(), 1u);
  EXPECT_FALSE(gifstokara.Visible());
  EXPECT_TRUE(araedit.Focused());
  EXPECT_EQ(araedit.SelText(), "SOK");
  EXPECT_THAT(Mesajlar(), IsEmpty());
}

TEST_F(StokListesiTest, TheTextGoesWithItsBlanksOnceThreeLettersRemainWithoutThem) {
  struct Durum {
    const char* yazilan;
    bool aranir;
  };
  for (const Durum& d : {Durum{" AB ", false}, Durum{"ab", false}, Durum{"  ", false}, Durum{"ABC", true},
                         Durum{" FREN ", true}, Durum{"ÇİĞ", true}}) {
    SCOPED_TRACE(d.yazilan);
    const std::size_t onceki = f.sunucu.Cagrilar("StokAraGetir").size();
    Mesajlar().clear();
    Ara(d.yazilan);
    const auto cagrilar = f.sunucu.Cagrilar("StokAraGetir");
    if (d.aranir) {
      ASSERT_EQ(cagrilar.size(), onceki + 1);
      EXPECT_EQ(cagrilar.back().degerler.at(0), araedit.Text());
      EXPECT_THAT(Mesajlar(), IsEmpty());
    } else {
      EXPECT_EQ(cagrilar.size(), onceki);
      ASSERT_EQ(Mesajlar().size(), 1u);
      EXPECT_EQ(Mesajlar()[0].metin, "Lütfen en az 3 harf giriniz !");
      EXPECT_EQ(Mesajlar()[0].tur, 0);
    }
  }
  EXPECT_EQ(f.sunucu.Cagrilar("StokAraGetir")[1].degerler.at(0), " FREN ");
}

TEST_F(StokListesiTest, AShortTextOnAnotherPageShowsTheListFirstAndKeepsItsRows) {
  Ara("BALATA");
  const std::size_t satirlar = liste.stok.RecordCount();
  ASSERT_GT(satirlar, 0u);
  sayfalar.SetActivePage("ssepet");
  Ara("AB");
  EXPECT_EQ(sayfalar.ActivePageName(), "sstoklistesi");
  EXPECT_EQ(liste.stok.RecordCount(), satirlar);
  EXPECT_EQ(Baslik(), std::to_string(satirlar) + "=Stok Listesi");
}

TEST_F(StokListesiTest, NoRowsGiveAZeroCountWithoutAMessage) {
  Ara("QQQZZZ");
  EXPECT_TRUE(liste.stok.Active());
  EXPECT_EQ(liste.stok.RecordCount(), 0u);
  EXPECT_EQ(Baslik(), "0=Stok Listesi");
  EXPECT_THAT(Mesajlar(), IsEmpty());
}

TEST_F(StokListesiTest, AFailedSearchEmptiesTheListWithOneMessage) {
  Ara("BALATA");
  ASSERT_GT(liste.stok.RecordCount(), 0u);
  bagc.Params().Port = std::to_string(test::FreePort());
  Ara("FREN");
  EXPECT_TRUE(liste.stok.Active());
  EXPECT_EQ(liste.stok.RecordCount(), 0u);
  EXPECT_EQ(Baslik(), "Stok Listesi");
  ASSERT_EQ(Mesajlar().size(), 1u);
  EXPECT_EQ(Mesajlar()[0].metin, kBaglantiKurulamiyor);
  EXPECT_EQ(Mesajlar()[0].tur, 1);
  EXPECT_EQ(liste.cxGrid1DBTableView1.DataSource(), &liste.stok);
  EXPECT_FALSE(gifstokara.Visible());
  EXPECT_TRUE(araedit.Enabled());
}

TEST_F(StokListesiTest, AFailedFirstSearchLeavesTheListEmpty) {
  bagc.Params().Port = std::to_string(test::FreePort());
  Ara("FREN");
  EXPECT_FALSE(liste.stok.Active());
  EXPECT_EQ(liste.cxGrid1DBTableView1.RowCount(), 0u);
  EXPECT_EQ(Baslik(), "Stok Listesi");
  EXPECT_EQ(Mesajlar().size(), 1u);
}

TEST_F(StokListesiTest, SearchClearAndLayoutWaitWhileASearchRuns) {
  araedit.Type("BALATA\r");
  liste.SpeedButton2Click();
  liste.SpeedButton1Click();
  pencereGenisligi = 1000;
  liste.cxGrid1DBTableView1.ResizedTo(900);
  EXPECT_EQ(araedit.Text(), "BALATA");
  EXPECT_FALSE(liste.cxGrid1DBTableView1.Column("cxGrid1DBTableView1FiyatBilgisi").visible);
  ASSERT_TRUE(f.Bekle([&] { return araedit.Enabled(); }));
  EXPECT_EQ(f.sunucu.Cagrilar("StokAraGetir").size(), 1u);

  // Once it has ended, "Ara" searches again and "Temizle" clears.
  liste.SpeedButton2Click();
  ASSERT_TRUE(f.Bekle([&] { return araedit.Enabled(); }));
  EXPECT_EQ(f.sunucu.Cagrilar("StokAraGetir").size(), 2u);
  liste.cxGrid1DBTableView1.SetFilter("cxGrid1DBTableView1MARKA", {"TOVARA"});
  sayfalar.SetActivePage("ssepet");
  liste.SpeedButton1Click();
  EXPECT_EQ(liste.stok.RecordCount(), 0u);
  EXPECT_EQ(Baslik(), "Stok Listesi");
  EXPECT_EQ(sayfalar.ActivePageName(), "sstoklistesi");
  EXPECT_FALSE(liste.cxGrid1DBTableView1.Filtered("cxGrid1DBTableView1MARKA"));
  EXPECT_EQ(araedit.Text(), "");
  EXPECT_TRUE(araedit.Focused());
}

TEST_F(StokListesiTest, ACustomerChangeLeavesAnEmptyCountedList) {
  Ara("BALATA");
  sayfalar.SetActivePage("ssepet");
  liste.CariDegisti();
  EXPECT_EQ(liste.stok.RecordCount(), 0u);
  EXPECT_EQ(Baslik(), "0=Stok Listesi");
  EXPECT_EQ(sayfalar.ActivePageName(), "sstoklistesi");
  EXPECT_TRUE(araedit.Focused());
}

TEST_F(StokListesiTest, TheColumnsAsTheListShowsThem) {
  GridView& view = liste.cxGrid1DBTableView1;
  std::vector<std::string> gorunenler;
  for (std::size_t sira : view.VisibleColumns()) gorunenler.push_back(view.ColumnAt(sira).HeaderText());
  EXPECT_THAT(gorunenler, ElementsAre("Depo1", "Depo2", "Barkod", "Açıklama", "Resim", "Marka", "Model", "Özel Kod",
                                      "Liste Fiyatı", "Kampanyalı Fiyat", "Yeni", "Kampanyalı", "İndirim Oran",
                                      "Net Fiyatı", "KDV Dahil Fiyat"));
  for (const char* alan : {"STOK_STOKNO", "BARKOD_BARKODNO", "DPKOD", "PKOD", "KALAN", "ALINANSIPARIS",
                           "VERILENSIPARIS"}) {
    const GridColumn* kolon = view.FindColumn(std::string("cxGrid1DBTableView1") + alan);
    ASSERT_NE(kolon, nullptr) << alan;
    EXPECT_FALSE(kolon->visible || kolon->offered) << alan;
  }
  for (const auto& [alan, agirlik] : {std::pair{"DURUM", 1}, std::pair{"ADI", 3}, std::pair{"KDVDAHIL", 3},
                                      std::pair{"MARKA", 2}, std::pair{"FiyatBilgisi", 2}, std::pair{"K", 1}}) {
    EXPECT_EQ(view.FindColumn(std::string("cxGrid1DBTableView1") + alan)->tag, agirlik) << alan;
  }
  EXPECT_EQ(view.ColumnAt(view.ColumnCount() - 1).caption, "Fiyat Bilgisi");
  EXPECT_EQ(view.FooterSummaries().at(0).columnName, "cxGrid1DBTableView1OEM1");
}

TEST(KolonGenislikAyarla, SharesTheWidthByWeightsWithOneUnitForAll) {
  GridView view;
  for (const auto& [ad, agirlik] : {std::pair{"a", 1}, std::pair{"b", 2}, std::pair{"c", 2}, std::pair{"d", 3}}) {
    view.AddColumn(ad, ad).tag = agirlik;
  }
  view.AddColumn("gizli", "gizli").visible = false;
  KolonGenislikAyarla(view, 830);
  EXPECT_EQ(view.Column("a").width, 100);
  EXPECT_EQ(view.Column("b").width, 200);
  EXPECT_EQ(view.Column("c").width, 200);
  EXPECT_EQ(view.Column("d").width, 300);
  // 837 pixels: q = 807 / 8 truncated to 100 for every column alike.
  KolonGenislikAyarla(view, 837);
  EXPECT_EQ(view.Column("d").width, 300);
  // A zero-weight column keeps its width; no weight at all changes nothing.
  GridView bos;
  bos.AddColumn("sifir", "sifir").tag = 0;
  bos.Column("sifir").width = 55;
  KolonGenislikAyarla(bos, 500);
  EXPECT_EQ(bos.Column("sifir").width, 55);
}

TEST_F(StokListesiTest, TheWindowWidthDecidesBetweenPriceColumnsAndThePriceCell) {
  GridView& view = liste.cxGrid1DBTableView1;
  const auto gorunur = [&](const char* alan) { return view.Column(std::string("cxGrid1DBTableView1") + alan).visible; };
  struct Durum {
    int genislik;
    bool genis;
  };
  for (const Durum& d : {Durum{1152, false}, Durum{1153, true}, Durum{800, false}, Durum{1920, true}}) {
    SCOPED_TRACE(d.genislik);
    pencereGenisligi = d.genislik;
    view.ResizedTo(d.genislik - 40);
    for (const char* alan : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"}) EXPECT_EQ(gorunur(alan), d.genis);
    EXPECT_EQ(gorunur("FiyatBilgisi"), !d.genis);
    EXPECT_EQ(view.Options().rowHeight, d.genis ? 60 : 100);
    if (!d.genis) {
      EXPECT_EQ(view.Column("cxGrid1DBTableView1OEM2").width, 80);
      EXPECT_EQ(view.Column("cxGrid1DBTableView1FiyatBilgisi").width, 150);
    }
  }
  // Without campaigns (kind 4) the campaign price is out of the chooser and stays hidden.
  view.Column("cxGrid1DBTableView1KAMPFIYAT").offered = false;
  pencereGenisligi = 1400;
  view.ResizedTo(1300);
  EXPECT_FALSE(gorunur("KAMPFIYAT"));
  EXPECT_TRUE(gorunur("NETFIYAT"));
}

TEST_F(StokListesiTest, ThePriceCellShowsTheCampaignPriceOnlyWhenThereIsOne) {
  liste.stok.DefineFields({{"LISTEFIYAT1", FieldType::Float, 0},
                           {"KAMPFIYAT", FieldType::Float, 0},
                           {"NETFIYAT", FieldType::Float, 0},
                           {"KDVDAHIL", FieldType::Float, 0}});
  liste.stok.CreateDataSet();
  for (double kampanya : {0.0, 12.5}) {
    liste.stok.Append();
    liste.stok.FieldByName("LISTEFIYAT1").SetAsFloat(1234.5);
    liste.stok.FieldByName("KAMPFIYAT").SetAsFloat(kampanya);
    liste.stok.FieldByName("NETFIYAT").SetAsFloat(1000);
    liste.stok.FieldByName("KDVDAHIL").SetAsFloat(1200);
    liste.stok.Post();
  }
  const auto para = [](double v) { return FormatFloat(ParaBicimi, v); };
  EXPECT_EQ(liste.FiyatBilgisi(0), "Liste Fiyatı: " + para(1234.5) + "\r\nNetFiyat: " + para(1000) +
                                       "\r\nKDV li Fiyat: " + para(1200) + "\r\n");
  EXPECT_EQ(liste.FiyatBilgisi(1), "Liste Fiyatı: " + para(1234.5) + "\r\nKampanyalı Fiyat: " + para(12.5) +
                                       "\r\nNetFiyat: " + para(1000) + "\r\nKDV li Fiyat: " + para(1200) + "\r\n");
}

TEST_F(StokListesiTest, ADoubleClickTakesTheFocusedPartToTheBasket) {
  std::vector<std::int32_t> gidenler;
  liste.SepeteGotur = [&](const MemTable& kaynak, SepetKaynagi tur, std::int32_t stokno) {
    EXPECT_EQ(tur, SepetKaynagi::StokListesi);
    EXPECT_EQ(kaynak.FieldByName("STOK_STOKNO").AsInteger(), stokno);
    gidenler.push_back(stokno);
  };
  liste.cxGrid1DBTableView1DblClick();
  Ara("BALATA");
  liste.cxGrid1DBTableView1.SetFocusedRow(std::nullopt);
  liste.cxGrid1DBTableView1DblClick();
  EXPECT_THAT(gidenler, IsEmpty());
  liste.cxGrid1DBTableView1.SetFocusedRow(2);
  const auto kayit = *liste.cxGrid1DBTableView1.FocusedRecord();
  liste.popstok.Choose("S2");
  ASSERT_EQ(gidenler.size(), 1u);
  EXPECT_EQ(gidenler[0], liste.stok.FieldByName("STOK_STOKNO").LargeIntAt(kayit));
}

}  // namespace
}  // namespace zorvat
