// Widgets bound to state objects, both ways: what the user does reaches the state and its
// handler; what the logic sets shows in the widget.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include "net/bicim.h"
#include "tests/ui/klavye.h"
#include "ui/animations.h"
#include "ui/bindings.h"

namespace zorvat {
namespace {

using testing::ElementsAre;

// The letter normalisation of the stock search box.
void AramaTusu(char32_t& key) {
  switch (key) {
    case U'ş': key = U's'; break;
    case U'ö': key = U'o'; break;
    case U'ı': key = U'I'; break;
    default: break;
  }
}

class BaglamaTest : public testing::Test {
 protected:
  BaglamaTest() : duzen(new QVBoxLayout(&pencere)) {}

  template <class W>
  W* Ekle(W* widget) {
    duzen->addWidget(widget);
    return widget;
  }
  void Goster() {
    pencere.show();
    QApplication::setActiveWindow(&pencere);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pencere));
  }

  QWidget pencere;
  QVBoxLayout* duzen;
};

TEST_F(BaglamaTest, TypedKeysGoThroughTheKeyHandlerIntoAnUpperCaseBox) {
  EditState araedit;
  araedit.SetCasing(CharCase::Upper);
  std::vector<char32_t> tuslar;
  araedit.OnKeyPress = [&](char32_t& key) {
    tuslar.push_back(key);
    AramaTusu(key);
  };
  auto* kutu = Ekle(new QLineEdit);
  Bagla(kutu, araedit);
  Goster();

  test::Yaz(kutu, "şok fıl");
  EXPECT_EQ(araedit.Text(), "SOK FIL");
  EXPECT_EQ(kutu->text(), "SOK FIL");
  QTest::keyClick(kutu, Qt::Key_Backspace);
  QTest::keyClick(kutu, Qt::Key_Return);
  EXPECT_EQ(araedit.Text(), "SOK FI");
  EXPECT_EQ(tuslar.back(), U'\r') << "Enter reaches the handler as character 13";

  // What the logic sets shows in the box: the text, the selection, the state.
  araedit.SetText("FREN");
  araedit.SelectAll();
  EXPECT_EQ(kutu->text(), "FREN");
  EXPECT_EQ(kutu->selectedText(), "FREN");
  araedit.SetEnabled(false);
  EXPECT_FALSE(kutu->isEnabled());
}

TEST_F(BaglamaTest, TheSameTypingWorksWithoutAWidgetForTheLogicsTests) {
  EditState araedit;
  araedit.SetCasing(CharCase::Upper);
  araedit.OnKeyPress = AramaTusu;
  araedit.Type("şok");
  araedit.SetSelection(1, 1);
  araedit.Type("i\b\bx");
  EXPECT_EQ(araedit.Text(), "XK");
  EXPECT_EQ(araedit.SelStart(), 1);
}

TEST_F(BaglamaTest, FocusRequestsMoveTheKeyboardFocusAndTheUsersFocusIsKnown) {
  EditState birinci;
  EditState ikinci;
  auto* kutu1 = Ekle(new QLineEdit);
  auto* kutu2 = Ekle(new QLineEdit);
  Bagla(kutu1, birinci);
  Bagla(kutu2, ikinci);
  Goster();
  ikinci.SetFocus();
  EXPECT_TRUE(kutu2->hasFocus());
  kutu1->setFocus();
  EXPECT_TRUE(birinci.Focused());
  EXPECT_FALSE(ikinci.Focused());
}

TEST_F(BaglamaTest, ClicksAndChoicesReachTheStateAndTheirHandlers) {
  ButtonState dugme;
  dugme.SetCaption("Gönder");
  CheckBoxState kutu;
  ChoiceState liste;
  ChoiceState radyo;
  std::vector<std::string> olaylar;
  dugme.OnClick = [&] { olaylar.push_back("gönder"); };
  kutu.OnClick = [&] { olaylar.push_back(kutu.Checked() ? "işaretli" : "boş"); };
  liste.SetItems({"Kargo", "Ambar", "Elden"});
  liste.OnChange = [&] { olaylar.push_back("liste " + liste.SelectedText()); };
  radyo.SetItems({"Alıcı Öder", "Gönderici Öder"});
  radyo.OnChange = [&] { olaylar.push_back("radyo " + radyo.SelectedText()); };

  auto* qdugme = Ekle(new QPushButton);
  auto* qkutu = Ekle(new QCheckBox);
  auto* qliste = Ekle(new QComboBox);
  auto* qradyo = Ekle(new RadyoGrubu);
  Bagla(qdugme, dugme);
  Bagla(qkutu, kutu);
  Bagla(qliste, liste);
  Bagla(qradyo, radyo);
  Goster();

  EXPECT_EQ(qdugme->text(), "Gönder");
  QTest::mouseClick(qdugme, Qt::LeftButton);
  qkutu->click();
  qliste->activated(2);
  qradyo->Dugmeler()->button(1)->click();
  dugme.SetEnabled(false);
  QTest::mouseClick(qdugme, Qt::LeftButton);
  EXPECT_THAT(olaylar, ElementsAre("gönder", "işaretli", "liste Elden", "radyo Gönderici Öder"));
  EXPECT_EQ(liste.ItemIndex(), 2);

  // Set by the logic: shown, no handler runs.
  kutu.SetChecked(false);
  radyo.SetItemIndex(0);
  liste.SetItems({"Tek"});
  EXPECT_FALSE(qkutu->isChecked());
  EXPECT_TRUE(qradyo->Dugmeler()->button(0)->isChecked());
  EXPECT_EQ(qliste->count(), 1);
  EXPECT_EQ(qliste->currentIndex(), -1);
  EXPECT_EQ(olaylar.size(), 4u);
}

TEST_F(BaglamaTest, NumberBoxesShowTheMoneyFormatWithTheUsersSeparators) {
  AyiraclariAyarla(TurkceAyiraclar);
  NumberEditState miktar;
  miktar.SetValue(1234567.5);
  double bildirilen = 0;
  miktar.OnChange = [&] { bildirilen = miktar.Value(); };
  auto* kutu = Ekle(new SayiKutusu);
  Bagla(kutu, miktar);
  EXPECT_EQ(kutu->text(), "1.234.567,50");
  kutu->selectAll();
  test::Yaz(kutu, "12,25");
  kutu->interpretText();
  EXPECT_DOUBLE_EQ(miktar.Value(), 12.25);
  EXPECT_DOUBLE_EQ(bildirilen, 12.25);
  AyiraclariAyarla(IngilizceAyiraclar);
}

TEST_F(BaglamaTest, DatesTravelAsDaySerialsAndMemosKeepCrLf) {
  EXPECT_EQ(SeriTarihten(45352.5), QDateTime(QDate(2024, 3, 1), QTime(12, 0)));
  EXPECT_DOUBLE_EQ(SeriTarihe(QDateTime(QDate(1899, 12, 30), QTime(6, 0))), 0.25);

  DateEditState tarih;
  tarih.SetDate(45352);
  auto* qtarih = Ekle(new QDateTimeEdit);
  Bagla(qtarih, tarih);
  EXPECT_EQ(qtarih->date(), QDate(2024, 3, 1));
  qtarih->setDate(QDate(2024, 3, 5));
  EXPECT_DOUBLE_EQ(tarih.Date(), 45356);

  MemoState not_;
  not_.SetText("birinci\r\nikinci");
  auto* qnot = Ekle(new QPlainTextEdit);
  Bagla(qnot, not_);
  EXPECT_EQ(qnot->toPlainText(), "birinci\nikinci");
  qnot->appendPlainText("üçüncü");
  EXPECT_EQ(not_.Text(), "birinci\r\nikinci\r\nüçüncü");
}

TEST_F(BaglamaTest, BusyAnimationsAndLabelsFollowTheirStateAndAStateMayDieFirst) {
  auto etiket = std::make_unique<LabelState>();
  BusyAnimationState gifstokara;
  auto* qetiket = Ekle(new QLabel);
  auto* animasyon = Ekle(new MesgulAnimasyonu);
  Bagla(qetiket, *etiket);
  Bagla(animasyon, gifstokara);
  Goster();
  EXPECT_FALSE(animasyon->isVisible());
  gifstokara.SetVisible(true);
  EXPECT_TRUE(animasyon->isVisible());
  etiket->SetCaption("Kullanıcı: ALİ");
  EXPECT_EQ(qetiket->text(), "Kullanıcı: ALİ");
  etiket.reset();
  qetiket->setFocus();  // the widget outlives its state without touching it
  EXPECT_EQ(qetiket->text(), "Kullanıcı: ALİ");
}

}  // namespace
}  // namespace zorvat
