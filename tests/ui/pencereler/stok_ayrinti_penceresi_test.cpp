// The add-to-basket dialog on Qt's offscreen platform: what the user types and presses in
// the boxes reaches the dialog's logic, and what the logic computes shows in the boxes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "catalogue/stok_ayrinti.h"
#include "net/dialogs.h"
#include "tests/ui/klavye.h"
#include "tests/ui/qt_test_hizmetleri.h"
#include "ui/bindings.h"
#include "ui/stok_ayrinti_penceresi.h"

namespace zorvat {
namespace {

// A part at 100 with 10 % and 5 % off and 20 % VAT, as the opener fills it.
class StokAyrintiPenceresiTest : public testing::Test {
 protected:
  StokAyrintiPenceresiTest() {
    form->kdvoran = 20;
    form->barkod.SetCaption("FRN-100051");
    form->adi.SetCaption("ARKA FREN BALATASI");
    form->birimfiyat.SetValue(100);
    form->edindirim1.SetValue(10);
    form->edindirim2.SetValue(5);
    form->indirimoran.SetCaption("İndirim: %10+5");
  }
  // The window, shown and activated as a modal showing would.
  std::unique_ptr<StokAyrintiPenceresi> Ac() {
    auto pencere = std::make_unique<StokAyrintiPenceresi>(*form, nullptr);
    pencere->show();
    QApplication::setActiveWindow(pencere.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(pencere.get()));
    return pencere;
  }
  static SayiKutusu* Kutu(QWidget& pencere, const char* ad) {
    auto* kutu = pencere.findChild<SayiKutusu*>(ad);
    EXPECT_NE(kutu, nullptr) << ad;
    return kutu;
  }

  test::QtTestHizmetleri hizmetler;
  std::unique_ptr<Tstokayarinti> form = Tstokayarinti::Ac(4711);
};

TEST_F(StokAyrintiPenceresiTest, OpensWithTheAmountsAndTheQuantityReadyToBeTypedOver) {
  auto pencere = Ac();
  EXPECT_EQ(pencere->windowTitle(), "Sepete Ekle");
  EXPECT_EQ(pencere->size(), QSize(662, 631));
  SayiKutusu* adet = Kutu(*pencere, "adet");
  EXPECT_TRUE(adet->hasFocus());
  EXPECT_EQ(adet->findChild<QLineEdit*>()->selectedText(), "1");
  EXPECT_EQ(Kutu(*pencere, "indtutar")->text(), "14.50");
  EXPECT_EQ(Kutu(*pencere, "kdvdahiltutar")->text(), "102.60");
  EXPECT_TRUE(Kutu(*pencere, "indtutar")->isVisible());
  EXPECT_TRUE(Kutu(*pencere, "birimfiyat")->isReadOnly());
  EXPECT_FALSE(pencere->findChild<QWidget*>("GridPanel2")->isVisible());
  QStringList yazilar;
  for (QLabel* etiket : pencere->findChildren<QLabel*>()) yazilar << etiket->text();
  EXPECT_THAT(yazilar, testing::IsSupersetOf({"Barkod:", "Açıklama:", "Finish Kod:", "Marka:", "Model:", "Adet:",
                                              "Fiyat:", "İndirim: %10+5", "KDV Dahil:", "Tutar:", "FRN-100051",
                                              "ARKA FREN BALATASI"}));

  test::Yaz(adet, "3");
  EXPECT_EQ(form->adet.Value(), 3);
  EXPECT_EQ(Kutu(*pencere, "geneltutar")->text(), "307.80");
  EXPECT_EQ(Kutu(*pencere, "indtutar")->text(), "43.50");
}

TEST_F(StokAyrintiPenceresiTest, F4InAReadOnlyBoxTakesTheVatOutAndEnterInThePriceDoesNothing) {
  form->birimfiyat.SetValue(120);
  auto pencere = Ac();
  SayiKutusu* kdvdahil = Kutu(*pencere, "kdvdahiltutar");
  kdvdahil->setFocus();
  QTest::keyClick(kdvdahil, Qt::Key_F4);
  EXPECT_EQ(Kutu(*pencere, "birimfiyat")->text(), "100.00");
  QTest::keyClick(kdvdahil, Qt::Key_F4);
  EXPECT_EQ(Kutu(*pencere, "birimfiyat")->text(), "83.33");
  EXPECT_EQ(kdvdahil->text(), "85.50");

  SayiKutusu* fiyat = Kutu(*pencere, "birimfiyat");
  fiyat->setFocus();
  QTest::keyClick(fiyat, Qt::Key_Return);
  EXPECT_TRUE(pencere->isVisible());
  EXPECT_EQ(form->ModalResult(), mrNone);
}

TEST_F(StokAyrintiPenceresiTest, EnterInTheQuantityConfirmsTheModalShowing) {
  StokAyrintiPenceresi pencere(*form, nullptr);
  QTimer::singleShot(0, &pencere, [&] {
    QApplication::setActiveWindow(&pencere);
    SayiKutusu* adet = Kutu(pencere, "adet");
    adet->selectAll();
    test::Yaz(adet, "4");
    QTest::keyClick(adet, Qt::Key_Return);
  });
  EXPECT_EQ(pencere.ModalGoster(), mrOk);
  EXPECT_EQ(form->adet.Value(), 4);
  EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(StokAyrintiPenceresiTest, ARepresentativeTypesThePriceAndTheRates) {
  form->FiyatlariAc(true);
  auto pencere = Ac();
  EXPECT_TRUE(pencere->findChild<QWidget*>("GridPanel2")->isVisible());
  SayiKutusu* fiyat = Kutu(*pencere, "birimfiyat");
  EXPECT_FALSE(fiyat->isReadOnly());
  fiyat->setFocus();
  fiyat->selectAll();
  test::Yaz(fiyat, "200");
  EXPECT_EQ(form->birimfiyat.Value(), 200);
  EXPECT_EQ(Kutu(*pencere, "kdvdahiltutar")->text(), "205.20");

  SayiKutusu* oran3 = Kutu(*pencere, "edindirim3");
  oran3->setFocus();
  oran3->selectAll();
  test::Yaz(oran3, "50");
  EXPECT_EQ(form->edindirim3.Value(), 50);
  EXPECT_EQ(Kutu(*pencere, "kdvdahiltutar")->text(), "102.60");

  QPushButton* vazgec = nullptr;
  for (QPushButton* dugme : pencere->findChildren<QPushButton*>()) {
    if (dugme->text() == "Vazgeç") vazgec = dugme;
  }
  ASSERT_NE(vazgec, nullptr);
  vazgec->click();
  EXPECT_EQ(form->ModalResult(), mrCancel);
}

TEST_F(StokAyrintiPenceresiTest, ASmallDiscountKeepsTheDiscountLineHidden) {
  form->edindirim1.SetValue(1);
  form->edindirim2.SetValue(0);
  auto pencere = Ac();
  EXPECT_FALSE(Kutu(*pencere, "indtutar")->isVisible());
  EXPECT_EQ(Kutu(*pencere, "kdvdahiltutar")->text(), "118.80");
}

}  // namespace
}  // namespace zorvat
