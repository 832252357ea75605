// From the stock list to the basket through the main window: a part not yet in the basket
// opens the add dialog and goes to the server as a new line; a part already there opens the
// change dialog of its first line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/ana_form.h"
#include "net/bicim.h"
#include "support/oturum_fiksturu.h"

namespace zorvat {
namespace {

using testing::IsEmpty;

class SepeteEklemeTest : public testing::Test {
 protected:
  explicit SepeteEklemeTest(const std::string& kullanici = "DEMO-AHMET") : form(f.Ortam()) {
    form.bagc.Params() = f.Baglanti();
    form.sbilgi.Kopyala(f.Kayit(kullanici));
    form.KullaniciTuruneGoreAyarla();
  }

  // Searches and focuses the first row whose stock number is not in the account's basket.
  std::int32_t SepetteOlmayanParca() {
    form.araedit.Type("BALATA\r");
    EXPECT_TRUE(f.Bekle([&] { return form.araedit.Enabled(); }));
    const MemTable& stok = form.stokListesi.stok;
    for (std::size_t satir = 0; satir < stok.RecordCount(); ++satir) {
      const auto stokno = stok.FieldByName("STOK_STOKNO").LargeIntAt(satir);
      if (f.Satirlar("SELECT 1 FROM sepet WHERE carino = " + std::to_string(form.sbilgi.CARINO()) +
                     " AND stokno = " + std::to_string(stokno))
              .empty()) {
        form.stokListesi.cxGrid1DBTableView1.SetFocusedRow(satir);
        return static_cast<std::int32_t>(stokno);
      }
    }
    ADD_FAILURE() << "her parça sepette";
    return 0;
  }

  test::OturumFiksturu f;
  TForm1 form;
};

TEST_F(SepeteEklemeTest, APartNotInTheBasketIsAddedThroughTheDialog) {
  const std::int32_t stokno = SepetteOlmayanParca();
  const MemTable& stok = form.stokListesi.stok;
  const std::size_t satir = *form.stokListesi.cxGrid1DBTableView1.FocusedRecord();
  const auto alan = [&](const char* ad) { return stok.FieldByName(ad).StringAt(satir); };
  const auto sayi = [&](const char* ad) { return FormatFloat("0.####", stok.FieldByName(ad).FloatAt(satir)); };
  f.hizmetler.dialogs.onWindow = [&](FormState& pencere) {
    auto& dialog = dynamic_cast<Tstokayarinti&>(pencere);
    EXPECT_EQ(dialog.stokno, stokno);
    EXPECT_EQ(dialog.barkod.Caption(), alan("BARKOD"));
    EXPECT_EQ(dialog.marka.Caption(), alan("MARKA"));
    EXPECT_EQ(dialog.indirimoran.Caption(), "İndirim: %" + alan("INDIRIMYAZI"));
    EXPECT_FALSE(dialog.GridPanel2.Visible());
    EXPECT_TRUE(dialog.birimfiyat.ReadOnly());
    dialog.adet.EditedByUser(3);
    return mrOk;
  };
  form.stokListesi.cxGrid1DBTableView1.DblClick();

  const auto cagrilar = f.sunucu.Cagrilar("SepetEkle2");
  ASSERT_EQ(cagrilar.size(), 1u);
  const std::vector<std::string> beklenen = {"kayıt",        std::to_string(form.sbilgi.CARINO()),
                                             std::to_string(stokno), alan("BARKOD"),
                                             alan("ADI"),   "3",
                                             sayi("KDV"),   sayi("FIYAT"),
                                             sayi("IND1"),  std::to_string(form.sbilgi.Sirano()),
                                             sayi("K"),     sayi("IND2"),
                                             sayi("IND3"),  sayi("IND4")};
  EXPECT_EQ(cagrilar[0].degerler, beklenen);
  // The basket was reloaded with the new line, its caption and totals with it.
  const MemTable& sepet = form.sepetSayfasi.sepet;
  ASSERT_TRUE(sepet.Active());
  EXPECT_TRUE(const_cast<MemTable&>(sepet).Locate("STOKNO", stokno));
  EXPECT_EQ(form.sPageControl1.Page(1).caption, std::to_string(sepet.RecordCount()) + "=Sepet");
  EXPECT_THAT(f.hizmetler.dialogs.shownDialogs, IsEmpty());
}

TEST_F(SepeteEklemeTest, APartAlreadyInTheBasketOpensTheChangeDialogOfItsFirstLine) {
  const std::int32_t stokno = SepetteOlmayanParca();
  const auto ekle = [&](int adet) {
    f.hizmetler.dialogs.onWindow = [adet](FormState& pencere) {
      dynamic_cast<Tstokayarinti&>(pencere).adet.EditedByUser(adet);
      return mrOk;
    };
  };
  ekle(2);
  form.stokListesi.cxGrid1DBTableView1DblClick();
  // A second line of the same part, as another program may have put it in.
  {
    Connection baglanti(f.Baglanti());
    baglanti.Open();
    TServerMethods1Client proxy(&baglanti);
    auto kopya = std::make_unique<TSonucBilgisi>();
    kopya->Kopyala(form.sbilgi);
    proxy.SepetEkle2(std::move(kopya), form.sbilgi.CARINO(), stokno, "X", "X", 5, 20, 10, 0, form.sbilgi.Sirano(), 0,
                     0, 0, 0);
  }
  form.sepetSayfasi.SepetiYenile();
  const auto ilkSatir = f.Satirlar("SELECT MIN(sirano) FROM sepet WHERE stokno = " + std::to_string(stokno));

  const std::size_t eklemeler = f.sunucu.Cagrilar("SepetEkle2").size();
  int acilan = 0;
  f.hizmetler.dialogs.onWindow = [&](FormState& pencere) {
    auto& dialog = dynamic_cast<Tstokayarinti&>(pencere);
    ++acilan;
    EXPECT_EQ(dialog.stokno, 0);
    EXPECT_EQ(dialog.adet.Value(), 2);
    EXPECT_EQ(dialog.Label2.Caption(), "Fiyat:");
    return mrCancel;
  };
  form.stokListesi.popstok.Choose("S2");
  EXPECT_EQ(acilan, 1);
  EXPECT_EQ(f.sunucu.Cagrilar("SepetEkle2").size(), eklemeler);
  EXPECT_EQ(form.sepetSayfasi.sepet.FieldByName("SIRANO").AsString(), ilkSatir.at(0).at(0));
}

class TemsilciSepeteEklemeTest : public SepeteEklemeTest {
 protected:
  TemsilciSepeteEklemeTest() : SepeteEklemeTest("DEMO-MURAT") {
    form.sbilgi.SetCARINO(1);
    form.sbilgi.SetCariAdi("Demo");
  }
};

TEST_F(TemsilciSepeteEklemeTest, ARepresentativeMayChangeThePriceAndTheRates) {
  SepetteOlmayanParca();
  f.hizmetler.dialogs.onWindow = [&](FormState& pencere) {
    auto& dialog = dynamic_cast<Tstokayarinti&>(pencere);
    EXPECT_TRUE(dialog.GridPanel2.Visible());
    EXPECT_FALSE(dialog.birimfiyat.ReadOnly());
    EXPECT_FALSE(dialog.edindirim2.ReadOnly());
    dialog.birimfiyat.EditedByUser(80);
    dialog.edindirim1.EditedByUser(12);
    return mrOk;
  };
  form.stokListesi.cxGrid1DBTableView1DblClick();
  const auto cagrilar = f.sunucu.Cagrilar("SepetEkle2");
  ASSERT_EQ(cagrilar.size(), 1u);
  EXPECT_EQ(cagrilar[0].degerler.at(7), "80");
  EXPECT_EQ(cagrilar[0].degerler.at(8), "12");
  EXPECT_EQ(cagrilar[0].degerler.at(9), std::to_string(form.sbilgi.Sirano()));
}

}  // namespace
}  // namespace zorvat
