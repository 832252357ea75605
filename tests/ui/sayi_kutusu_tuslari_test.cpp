// Number boxes and their keys: what goes down and up reaches the state as Windows virtual
// key codes, a consumed key stays out of the box, and a read-only box follows its state.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include "tests/ui/klavye.h"
#include "ui/bindings.h"

namespace zorvat {
namespace {

using testing::ElementsAre;

class SayiKutusuTuslariTest : public testing::Test {
 protected:
  SayiKutusuTuslariTest() {
    durum.SetLimits(0, 100);
    durum.SetValue(5);
    durum.OnKeyDown = [this](int& tus) {
      basilan.push_back(tus);
      if (tus == yutulacak) tus = 0;
    };
    durum.OnKeyUp = [this](int& tus) {
      birakilan.push_back(tus);
      if (tus == yutulacak) tus = 0;
    };
    auto* duzen = new QVBoxLayout(&pencere);
    duzen->addWidget(kutu);
    Bagla(kutu, durum);
    pencere.show();
    QApplication::setActiveWindow(&pencere);
    kutu->setFocus();
  }

  QWidget pencere;
  SayiKutusu* kutu = new SayiKutusu;
  NumberEditState durum;
  std::vector<int> basilan;
  std::vector<int> birakilan;
  int yutulacak = -1;
};

TEST_F(SayiKutusuTuslariTest, KeysArriveAsVirtualKeyCodes) {
  QTest::keyClick(kutu, Qt::Key_F4);
  QTest::keyClick(kutu, Qt::Key_Return);
  QTest::keyClick(kutu, Qt::Key_A);
  QTest::keyClick(kutu, Qt::Key_7);
  QTest::keyClick(kutu, Qt::Key_7, Qt::KeypadModifier);
  QTest::keyClick(kutu, Qt::Key_Escape);
  EXPECT_THAT(basilan, ElementsAre(115, 13, 65, 55, 103, 27));
  EXPECT_THAT(birakilan, ElementsAre(115, 13, 65, 55, 103, 27));
}

TEST_F(SayiKutusuTuslariTest, AConsumedKeyDoesNotReachTheBox) {
  QTest::keyClick(kutu, Qt::Key_Up);
  EXPECT_EQ(durum.Value(), 6);
  yutulacak = 38;
  QTest::keyClick(kutu, Qt::Key_Up);
  EXPECT_EQ(durum.Value(), 6);
  EXPECT_THAT(basilan, ElementsAre(38, 38));
}

TEST_F(SayiKutusuTuslariTest, EnterFirstTakesWhatWasTyped) {
  double enterdeki = -1;
  durum.OnKeyDown = [&](int& tus) {
    if (tus == 13) enterdeki = durum.Value();
  };
  kutu->selectAll();
  QTest::keyClick(kutu, Qt::Key_Backspace);
  QTest::keyClick(kutu, Qt::Key_Return);
  EXPECT_EQ(enterdeki, 0);  // an emptied box counts as its lowest value, and shows it
  EXPECT_EQ(kutu->text(), "0.00");
}

TEST_F(SayiKutusuTuslariTest, AHeldKeyIsReportedUpOnlyOnce) {
  QKeyEvent tekrar(QEvent::KeyRelease, Qt::Key_F4, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(kutu, &tekrar);
  EXPECT_THAT(birakilan, testing::IsEmpty());
  QTest::keyRelease(kutu, Qt::Key_F4);
  EXPECT_THAT(birakilan, ElementsAre(115));
}

TEST_F(SayiKutusuTuslariTest, AReadOnlyBoxTakesNoTypingButReportsItsKeys) {
  durum.SetReadOnly(true);
  EXPECT_TRUE(kutu->isReadOnly());
  kutu->selectAll();
  test::Yaz(kutu, "42");
  QTest::keyClick(kutu, Qt::Key_Up);
  EXPECT_EQ(durum.Value(), 5);
  QTest::keyClick(kutu, Qt::Key_F4);
  EXPECT_THAT(birakilan, ElementsAre(38, 115));
  durum.EditedByUser(9);  // a read-only state takes no user's value either
  EXPECT_EQ(durum.Value(), 5);

  durum.SetReadOnly(false);
  EXPECT_FALSE(kutu->isReadOnly());
  kutu->selectAll();
  test::Yaz(kutu, "42");
  EXPECT_EQ(durum.Value(), 42);
}

}  // namespace
}  // namespace zorvat
