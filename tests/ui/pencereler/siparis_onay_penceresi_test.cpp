// The order approval window on Qt's offscreen platform: a click on a cargo type and a choice
// in the carrier list reach the window's logic, and what the logic sets shows in the widgets.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "basket/siparis_onay.h"
#include "net/connection.h"
#include "net/services.h"
#include "support/stub_server.h"
#include "tests/ui/qt_test_hizmetleri.h"
#include "ui/siparis_onay_penceresi.h"

namespace zorvat {
namespace {

std::string Tablo(const std::string& kolonlar, const std::string& satirlar) {
  return R"({"result":[{"columns":[)" + kolonlar + R"(],"rows":[)" + satirlar + "]}]}";
}

// A server with three delivery states, two cargo types, and two carriers for the second
// type ("Ambar", key 7).
test::StubAnswer Cevap(const std::string& metot, const std::string& govde) {
  const std::string anahtarAd = R"({"name":"SIRANO","type":"int32"},{"name":"ADI","type":"string"})";
  if (metot == "TeslimVer") return {200, Tablo(anahtarAd, R"([1,"Acil"],[2,"Normal"],[3,"Müşteri Alacak"])")};
  if (metot == "KargoVer") return {200, Tablo(anahtarAd, R"([5,"Kargo"],[7,"Ambar"])")};
  const std::string kargolar = anahtarAd + R"(,{"name":"UYARI","type":"string"})";
  if (govde.find("[7]") != std::string::npos) {
    return {200, Tablo(kargolar, R"([14,"Ostim Ambarı","İrsaliye ambardan alınır."],[15,"Konya Yolu Ambarı",""])")};
  }
  return {200, Tablo(kargolar, "")};
}

class SiparisOnayPenceresiTest : public testing::Test, protected test::QtTestHizmetleri {
 protected:
  SiparisOnayPenceresiTest() : sunucu(Cevap) {
    bagc.Params().HostName = "127.0.0.1";
    bagc.Params().Port = std::to_string(sunucu.Port());
    sbilgi.SetADI("AHMET");
    sbilgi.SetCariAdi("YILDIZ OTO");
  }

  test::StubServer sunucu;
  Connection bagc;
  TSonucBilgisi sbilgi;
};

TEST_F(SiparisOnayPenceresiTest, ACargoTypeClickedAndACarrierChosenReachTheLogic) {
  TONAYSIP onay(bagc, "Vadesi geçmiş bakiyeniz var.", sbilgi, "1.234,50");
  SiparisOnayPenceresi pencere(onay, nullptr);
  pencere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pencere));
  EXPECT_EQ(pencere.windowTitle(), "Sipariş Onay");
  EXPECT_EQ(pencere.size(), QSize(894, 526));
  EXPECT_TRUE(pencere.windowFlags().testFlag(Qt::Tool));

  QRadioButton* normal = test::MetniOlan<QRadioButton>(pencere, "Normal");
  ASSERT_NE(normal, nullptr);
  EXPECT_TRUE(normal->isChecked()) << "the second delivery state is preselected";
  EXPECT_NE(test::MetniOlan<QLabel>(pencere, "Kullanıcı: AHMET\nCari     : YILDIZ OTO\nTutar    : 1.234,50"), nullptr);
  EXPECT_NE(test::MetniOlan<QLabel>(pencere, "Vadesi geçmiş bakiyeniz var."), nullptr);

  QRadioButton* ambar = test::MetniOlan<QRadioButton>(pencere, "Ambar");
  ASSERT_NE(ambar, nullptr);
  QTest::mouseClick(ambar, Qt::LeftButton);
  EXPECT_EQ(onay.boxkargo.ItemIndex(), 1);
  QComboBox* liste = pencere.findChild<QComboBox*>();
  ASSERT_NE(liste, nullptr);
  ASSERT_EQ(liste->count(), 3);
  EXPECT_EQ(liste->itemText(1), "Ostim Ambarı");

  liste->setFocus();
  QTest::keyClick(liste, Qt::Key_Down);  // the blank entry first
  QTest::keyClick(liste, Qt::Key_Down);
  EXPECT_EQ(onay.kargocombo.ItemIndex(), 1);
  EXPECT_NE(test::MetniOlan<QLabel>(pencere, "İrsaliye ambardan alınır."), nullptr) << "the carrier's warning shows";

  QTest::keyClicks(pencere.findChild<QPlainTextEdit*>(), "Sabah teslim");
  EXPECT_EQ(onay.aciklamagir.Text(), "Sabah teslim");

  test::MetniOlan<QPushButton>(pencere, "Evet")->click();
  EXPECT_TRUE(dialogs.shownDialogs.empty());
  EXPECT_EQ(onay.ModalResult(), mrOk);
  EXPECT_EQ(onay.td, 2);
  EXPECT_EQ(onay.kt, 7);
  EXPECT_EQ(onay.KN, 14);
  EXPECT_FALSE(pencere.isVisible()) << "OK closes the window";
}

TEST_F(SiparisOnayPenceresiTest, EvetWithoutACarrierWarnsAndPutsTheFocusOnTheList) {
  TONAYSIP onay(bagc, "", sbilgi, "0,00");
  SiparisOnayPenceresi pencere(onay, nullptr);
  pencere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pencere));
  pencere.activateWindow();
  QTest::mouseClick(test::MetniOlan<QRadioButton>(pencere, "Kargo"), Qt::LeftButton);
  QComboBox* liste = pencere.findChild<QComboBox*>();
  EXPECT_EQ(liste->count(), 1) << "only the blank entry";

  test::MetniOlan<QPushButton>(pencere, "Evet")->click();
  ASSERT_EQ(dialogs.shownDialogs.size(), 1u);
  EXPECT_EQ(dialogs.shownDialogs[0].metin, "Lütfen Kargo  Seçiniz !");
  EXPECT_TRUE(onay.kargocombo.Focused());
  EXPECT_TRUE(pencere.isVisible());

  const std::size_t istekler = sunucu.Requests().size();
  test::MetniOlan<QPushButton>(pencere, "Hayır")->click();
  EXPECT_EQ(onay.ModalResult(), mrCancel);
  EXPECT_FALSE(pencere.isVisible());
  EXPECT_EQ(sunucu.Requests().size(), istekler) << "\"Hayır\" asks the server nothing";
}

}  // namespace
}  // namespace zorvat
