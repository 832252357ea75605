// The add-to-basket dialog's logic: what it shows when it opens, the recompute on every
// change and key, F4, Enter, and what customers and sales representatives may edit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/stok_ayrinti.h"
#include "net/adresler.h"
#include "net/dialogs.h"

namespace zorvat {
namespace {

constexpr int kVkA = 65;

// A part at 100 with 10 % and 5 % off and 20 % VAT, as an opener fills it.
class StokAyrintiTest : public testing::Test {
 protected:
  StokAyrintiTest() {
    InternetProfiliniYaz();
    pencere->kdvoran = 20;
    pencere->birimfiyat.SetValue(100);
    pencere->edindirim1.SetValue(10);
    pencere->edindirim2.SetValue(5);
  }

  // Every box whose released keys recompute, F4 included.
  std::vector<NumberEditState*> TusKutulari() {
    Tstokayarinti& p = *pencere;
    return {&p.birimfiyat, &p.indtutar, &p.kdvdahiltutar, &p.geneltutar,
            &p.edindirim1, &p.edindirim2, &p.edindirim3, &p.edindirim4};
  }

  std::unique_ptr<Tstokayarinti> pencere = Tstokayarinti::Ac(4711);
};

TEST_F(StokAyrintiTest, OpensAsDesignedForACustomer) {
  Tstokayarinti duz;
  EXPECT_EQ(duz.stokno, 0);
  EXPECT_EQ(pencere->stokno, 4711);
  EXPECT_EQ(duz.Caption(), "Sepete Ekle");
  EXPECT_EQ(duz.Label2.Caption(), "Fiyat:");
  EXPECT_EQ(duz.indirimoran.Caption(), "İndirim:");
  EXPECT_EQ(duz.ParcaliTus1.Caption(), "Sipariş ekle");
  EXPECT_EQ(duz.ParcaliTus2.Caption(), "Vazgeç");
  EXPECT_FALSE(duz.GridPanel2.Visible());
  EXPECT_EQ(duz.adet.Value(), 1);
  EXPECT_EQ(duz.adet.Minimum(), 1);
  EXPECT_EQ(duz.adet.Maximum(), 10000);
  EXPECT_EQ(duz.adet.DisplayText(), "1");
  EXPECT_FALSE(duz.adet.ReadOnly());
  for (NumberEditState* kutu : TusKutulari()) {
    EXPECT_TRUE(kutu->ReadOnly());
    EXPECT_EQ(kutu->DisplayFormat(), "#,###,##0.00");
  }
}

TEST_F(StokAyrintiTest, ShowingComputesTheAmountsAndAsksForThePictureByStockNumber) {
  pencere->adet.SetValue(3);
  pencere->FormShow();
  EXPECT_TRUE(pencere->indirimoran.Visible());
  EXPECT_TRUE(pencere->indtutar.Visible());
  EXPECT_EQ(pencere->indtutar.DisplayText(), "43.50");
  EXPECT_EQ(pencere->kdvdahiltutar.DisplayText(), "102.60");
  EXPECT_EQ(pencere->geneltutar.DisplayText(), "307.80");
  EXPECT_EQ(pencere->AsyncResim1.Url(), ResimAdresi() + "4711");
  EXPECT_THAT(pencere->AsyncResim1.Url(), testing::EndsWith("resimgoster.ashx?id=4711"));

  Tstokayarinti duz;
  duz.FormShow();
  EXPECT_EQ(duz.AsyncResim1.Url(), ResimAdresi() + "0");
}

TEST_F(StokAyrintiTest, TheDiscountLineShowsOnlyForRatesAddingUpToMoreThanOne) {
  struct Ornek {
    double oran1, oran2;
    bool gorunur;
  };
  for (const Ornek& ornek : {Ornek{1, 0, false}, Ornek{0.6, 0.6, true}, Ornek{0, 0, false}}) {
    SCOPED_TRACE(ornek.oran1 + ornek.oran2);
    Tstokayarinti p;
    p.birimfiyat.SetValue(100);
    p.edindirim1.SetValue(ornek.oran1);
    p.edindirim2.SetValue(ornek.oran2);
    p.FormShow();
    EXPECT_EQ(p.IndirimVarmi(), ornek.gorunur);
    EXPECT_EQ(p.indirimoran.Visible(), ornek.gorunur);
    EXPECT_EQ(p.indtutar.Visible(), ornek.gorunur);
  }
}

TEST_F(StokAyrintiTest, AChangedQuantityRecomputesAtOnce) {
  pencere->FormShow();
  EXPECT_EQ(pencere->geneltutar.DisplayText(), "102.60");
  pencere->adet.EditedByUser(3);
  EXPECT_EQ(pencere->geneltutar.DisplayText(), "307.80");
  EXPECT_EQ(pencere->indtutar.DisplayText(), "43.50");
  pencere->adet.EditedByUser(20000);  // beyond the limit: the most the box takes
  EXPECT_EQ(pencere->adet.Value(), 10000);
  EXPECT_EQ(pencere->geneltutar.DisplayText(), "1,026,000.00");
}

TEST_F(StokAyrintiTest, EnterInTheQuantityConfirmsAndInThePriceDoesNothing) {
  EXPECT_EQ(pencere->birimfiyat.KeyDown(kVkReturn), 0);
  EXPECT_EQ(pencere->ModalResult(), mrNone);
  EXPECT_EQ(pencere->adet.KeyDown(kVkA), kVkA);
  EXPECT_EQ(pencere->ModalResult(), mrNone);
  EXPECT_EQ(pencere->adet.KeyDown(kVkReturn), 0);
  EXPECT_EQ(pencere->ModalResult(), mrOk);
}

TEST_F(StokAyrintiTest, TheButtonsCloseWithOkAndCancel) {
  pencere->ParcaliTus2.Click();
  EXPECT_EQ(pencere->ModalResult(), mrCancel);
  pencere->ParcaliTus1.Click();
  EXPECT_EQ(pencere->ModalResult(), mrOk);
}

TEST_F(StokAyrintiTest, F4TakesTheVatOutOfThePriceFromEveryAmountBoxReadOnlyOrNot) {
  for (NumberEditState* kutu : TusKutulari()) {
    pencere->birimfiyat.SetValue(120);
    EXPECT_EQ(kutu->KeyUp(kVkF4), 0);
    EXPECT_DOUBLE_EQ(pencere->birimfiyat.Value(), 100);
    EXPECT_EQ(pencere->kdvdahiltutar.DisplayText(), "102.60");
    EXPECT_EQ(kutu->KeyUp(kVkF4), 0);
    EXPECT_EQ(pencere->birimfiyat.DisplayText(), "83.33");
    EXPECT_EQ(pencere->kdvdahiltutar.DisplayText(), "85.50");
  }
}

TEST_F(StokAyrintiTest, EveryOtherKeyReleasedInAnAmountBoxRecomputesAndPassesOn) {
  for (NumberEditState* kutu : TusKutulari()) {
    pencere->birimfiyat.SetValue(50);  // as an opener sets it: no handler runs
    pencere->kdvdahiltutar.SetValue(0);
    EXPECT_EQ(kutu->KeyUp(kVkA), kVkA);
    EXPECT_DOUBLE_EQ(pencere->birimfiyat.Value(), 50);
    EXPECT_EQ(pencere->kdvdahiltutar.DisplayText(), "51.30");
  }
}

TEST_F(StokAyrintiTest, ACustomerCannotEditPricesARepresentativeCanAndSeesTheEffect) {
  pencere->FormShow();
  pencere->birimfiyat.EditedByUser(1);
  pencere->edindirim1.EditedByUser(90);
  EXPECT_DOUBLE_EQ(pencere->birimfiyat.Value(), 100);
  EXPECT_DOUBLE_EQ(pencere->edindirim1.Value(), 10);

  pencere->FiyatlariAc(false);
  EXPECT_FALSE(pencere->GridPanel2.Visible());
  EXPECT_FALSE(pencere->birimfiyat.ReadOnly());
  EXPECT_TRUE(pencere->kdvdahiltutar.ReadOnly());
  pencere->birimfiyat.EditedByUser(200);
  EXPECT_EQ(pencere->kdvdahiltutar.DisplayText(), "205.20");
  pencere->edindirim3.EditedByUser(50);
  EXPECT_EQ(pencere->kdvdahiltutar.DisplayText(), "102.60");
  pencere->kdvdahiltutar.EditedByUser(1);
  EXPECT_EQ(pencere->kdvdahiltutar.DisplayText(), "102.60");

  Tstokayarinti temsilci;
  temsilci.FiyatlariAc(true);
  EXPECT_TRUE(temsilci.GridPanel2.Visible());
  for (NumberEditState* kutu : {&temsilci.edindirim1, &temsilci.edindirim2, &temsilci.edindirim3, &temsilci.edindirim4}) {
    EXPECT_FALSE(kutu->ReadOnly());
  }
}

TEST_F(StokAyrintiTest, ActivationGivesTheQuantityTheFocus) {
  pencere->birimfiyat.SetFocus();
  pencere->FormActivate();
  EXPECT_TRUE(pencere->adet.Focused());
}

}  // namespace
}  // namespace zorvat
