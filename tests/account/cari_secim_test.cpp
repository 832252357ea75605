// The customer selection window of the sales representatives against the reference server:
// the counts of the status buttons, searching and listing by state, the card, choosing.
#include "account/cari_secim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "net/bicim.h"
#include "net/connection.h"
#include "net/dialogs.h"
#include "support/oturum_fiksturu.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

using testing::Each;
using testing::ElementsAre;
using testing::Gt;
using testing::IsEmpty;

class CariSecimTest : public testing::Test {
 protected:
  CariSecimTest() : bag(f.Baglanti()), sbilgi(f.Kayit("DEMO-MURAT")), seccari(bag, sbilgi) {}

  std::vector<std::string> DurumSayilari() {
    std::vector<std::string> sayilar;
    for (ButtonState* dugme : {&seccari.sepettus, &seccari.alinditus, &seccari.onaylanditus, &seccari.goruldutus,
                               &seccari.parcalihazirlandi, &seccari.hazirlanditus, &seccari.sevktus}) {
      sayilar.push_back(dugme->Caption());
    }
    return sayilar;
  }

  std::vector<std::int64_t> Sutun(const char* alan) const {
    std::vector<std::int64_t> degerler;
    const Field& field = seccari.CARILER.FieldByName(alan);
    for (std::size_t i = 0; i < seccari.CARILER.RecordCount(); ++i) degerler.push_back(field.LargeIntAt(i));
    return degerler;
  }

  // How many customers of the representative the server's data holds.
  std::string MuratinCarileri(const std::string& kosul = "1") const {
    return f.Satirlar("SELECT count(*) FROM cari c WHERE c.satici_no = 1 AND " + kosul)[0][0];
  }

  test::OturumFiksturu f{"DEMO-MURAT"};
  Connection bag;
  TSonucBilgisi sbilgi;
  Tseccari seccari;
};

TEST_F(CariSecimTest, StatusButtonsShowTheServersCountsAndAnEmptyBasketCountShowsNothing) {
  seccari.SepetSayisiYaz();
  seccari.TusSonuclari();
  EXPECT_EQ(seccari.sepettus.Caption(), MuratinCarileri("EXISTS (SELECT 1 FROM sepet b WHERE b.carino = c.carino)"));
  EXPECT_EQ(seccari.sevktus.Caption(), f.Satirlar("SELECT count(*) FROM siparis o JOIN cari c ON c.carino = o.carino "
                                                  "WHERE c.satici_no = 1 AND o.durum = 7")[0][0]);
  EXPECT_FALSE(bag.Connected()) << "the connection is closed after each call";

  f.Sql("DELETE FROM sepet; UPDATE siparis SET durum = 7");
  seccari.SepetSayisiYaz();
  seccari.TusSonuclari();
  const std::string hepsi =
      f.Satirlar("SELECT count(*) FROM siparis o JOIN cari c ON c.carino = o.carino WHERE c.satici_no = 1")[0][0];
  EXPECT_THAT(DurumSayilari(), ElementsAre("", "0", "0", "0", "0", "0", hepsi));
  EXPECT_EQ(seccari.alinditus.Hint(), "Yeni Alınan \r\nSiparişleri Listeler");
}

TEST_F(CariSecimTest, AllCustomersAreListedWithTheCardOfTheFirst) {
  seccari.NEdit1.SetText("FREN");
  seccari.sBitBtn2.Click();
  EXPECT_EQ(seccari.NEdit1.Text(), "");
  EXPECT_TRUE(seccari.NEdit1.Focused());
  EXPECT_EQ(std::to_string(seccari.CARILER.RecordCount()), MuratinCarileri());
  EXPECT_EQ(seccari.cxGrid1DBTableView1.FooterText("cxGrid1DBTableView1CARIKOD"), MuratinCarileri());
  EXPECT_EQ(seccari.cxGrid1DBTableView1.FocusedRow(), std::optional<std::size_t>(0));
  EXPECT_EQ(seccari.CARILER.FieldByName("TLBAKIYE").DisplayFormat(), "#,###,##0.00");

  ASSERT_TRUE(seccari.GroupBox1.Visible());
  const MemTable& t = seccari.CARILER;
  const std::size_t ilk = *seccari.cxGrid1DBTableView1.FocusedRecord();
  const auto metin = [&](const char* alan) { return t.FieldByName(alan).StringAt(ilk); };
  EXPECT_EQ(seccari.kart[0].Caption(), metin("CARIKOD"));
  EXPECT_EQ(seccari.kart[6].Caption(),
            metin("ADRES1") + "\r\n" + metin("ADRES2") + "\r\n" + metin("ILCE") + "/" + metin("IL"));
  EXPECT_EQ(seccari.kart[7].Caption(), metin("VERGIDAIRESI") + "/" + metin("VERGINO"));
  EXPECT_EQ(seccari.kart[14].Caption(),
            FormatFloat("#,###,##0.00", t.FieldByName("TLBAKIYE").FloatAt(ilk)) + " " + metin("DURUM"));
  EXPECT_EQ(Tseccari::kKartBasliklari[14], std::string("Bakiye:"));

  seccari.cxGrid1DBTableView1.SetFocusedRow(3);
  EXPECT_EQ(seccari.kart[1].Caption(), t.FieldByName("CARIADI").StringAt(*seccari.cxGrid1DBTableView1.FocusedRecord()));
}

TEST_F(CariSecimTest, ASearchWithoutResultHidesTheCard) {
  seccari.sBitBtn2.Click();
  ASSERT_TRUE(seccari.GroupBox1.Visible());
  seccari.NEdit1.Type("QQQXYZ\r");
  EXPECT_EQ(seccari.CARILER.RecordCount(), 0u);
  EXPECT_FALSE(seccari.GroupBox1.Visible());
  EXPECT_EQ(seccari.NEdit1.SelText(), "QQQXYZ");
}

TEST_F(CariSecimTest, AStatusButtonListsTheCustomersInThatState) {
  seccari.Button1.SetFocus();
  seccari.alinditus.Click();
  ASSERT_GT(seccari.CARILER.RecordCount(), 0u);
  EXPECT_THAT(Sutun("ALINDI"), Each(Gt(0)));
  EXPECT_TRUE(seccari.Button1.Focused()) << "the other status buttons leave the focus where it is";

  seccari.sepettus.Click();
  EXPECT_THAT(Sutun("SEPET"), Each(Gt(0)));
  EXPECT_TRUE(seccari.NEdit1.Focused());
}

TEST_F(CariSecimTest, ChoosingTakesOnlyACustomerWithAPositiveNumber) {
  seccari.sBitBtn2.Click();
  seccari.cxGrid1DBTableView1.SetFocusedRow(1);
  const std::size_t kayit = *seccari.cxGrid1DBTableView1.FocusedRecord();
  seccari.CARILER.MoveTo(kayit);
  const std::int32_t carino = seccari.CARILER.FieldByName("CARINO").AsInteger();
  const std::string cariadi = seccari.CARILER.FieldByName("CARIADI").AsString();
  const std::string carikod = seccari.CARILER.FieldByName("CARIKOD").AsString();

  seccari.CARILER.Edit();
  seccari.CARILER.FieldByName("CARINO").SetAsLargeInt(0);
  seccari.CARILER.Post();
  seccari.cxGrid1DBTableView1.DblClick();
  EXPECT_EQ(seccari.ModalResult(), mrNone);
  EXPECT_NE(sbilgi.CariAdi(), cariadi);

  seccari.CARILER.Edit();
  seccari.CARILER.FieldByName("CARINO").SetAsLargeInt(carino);
  seccari.CARILER.Post();
  seccari.Button1.Click();
  EXPECT_EQ(seccari.ModalResult(), mrOk);
  EXPECT_EQ(sbilgi.CARINO(), carino);
  EXPECT_EQ(sbilgi.CariAdi(), cariadi);
  EXPECT_EQ(sbilgi.carikod(), carikod);
  EXPECT_EQ(sbilgi.ADI(), "MURAT") << "only the customer changes";
}

TEST_F(CariSecimTest, VazgecEndsTheProgram) {
  seccari.Button2.Click();
  EXPECT_EQ(f.hizmetler.exitRequests, 1);
}

TEST_F(CariSecimTest, AServerErrorIsShownAndTheWindowKeepsWhatItShowed) {
  seccari.sBitBtn2.Click();
  const std::size_t satirlar = seccari.CARILER.RecordCount();
  bag.Params().Port = std::to_string(test::FreePort());
  seccari.alinditus.Click();
  EXPECT_EQ(f.hizmetler.dialogs.plainMessages.size(), 1u);
  EXPECT_EQ(seccari.CARILER.RecordCount(), satirlar);
}

// What the search sends: the dotless small i as i, no blanks around.
TEST(CariAramaMetniTest, TheSearchTextIsSentWithPlainIsAndTrimmed) {
  test::ScriptedServices hizmetler;
  test::StubServer sunucu([](const std::string&, const std::string&) {
    return test::StubAnswer{200, R"({"result":[{"columns":[{"name":"CARINO","type":"int32"}],"rows":[]}]})"};
  });
  ConnectionParams params;
  params.HostName = "127.0.0.1";
  params.Port = std::to_string(sunucu.Port());
  Connection bag(params);
  TSonucBilgisi bilgi;
  Tseccari seccari(bag, bilgi);
  seccari.NEdit1.SetText("  kılıç ");
  seccari.CariListeAra();
  ASSERT_EQ(sunucu.Requests().size(), 1u);
  EXPECT_EQ(sunucu.Requests()[0].method, "CariAra");
  EXPECT_NE(sunucu.Requests()[0].body.find(R"("kiliç"])"), std::string::npos) << sunucu.Requests()[0].body;
}

}  // namespace
}  // namespace zorvat
