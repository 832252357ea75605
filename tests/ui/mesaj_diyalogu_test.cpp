// The message dialog as a user meets it: captions by kind, Turkish buttons, where the
// focus starts, what Tab, Enter, Escape and the close box do, the kind's sound.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "net/mesaj.h"
#include "net/services.h"
#include "tests/support/scripted_services.h"
#include "ui/bindings.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_dispatcher.h"

namespace zorvat {
namespace {

using testing::ElementsAre;

QString OdakMetni(QDialog& dialog) {
  auto* dugme = qobject_cast<QPushButton*>(dialog.focusWidget());
  return dugme == nullptr ? QString() : dugme->text();
}

QStringList DugmeMetinleri(QDialog& dialog) {
  QStringList metinler;
  for (QPushButton* dugme : dialog.findChildren<QPushButton*>()) metinler << dugme->text();
  return metinler;
}

class MesajDiyaloguTest : public testing::Test {
 protected:
  MesajDiyaloguTest() {
    Services services;
    services.dispatcher = &dispatcher;
    services.dialogs = &dialogs;
    services.kabuk = &kabuk;
    HizmetleriKur(services);
  }
  ~MesajDiyaloguTest() override { HizmetleriKur(Services{}); }

  // Opens the dialog the way the program does and plays the user with `kullanici` once it
  // is up; returns the dialog's result.
  int Goster(const std::string& metin, int tur, MsgDlgButtons dugmeler, MsgDlgBtn ilkSekme,
             const std::function<void(QDialog&)>& kullanici) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      kullanici(*dialog);
      // A step that left the dialog open must not hang the test.
      if (dialog->isVisible()) dialog->done(-1);
    });
    return MesajGoster(metin, tur, dugmeler, ilkSekme);
  }

  test::ScriptedKabuk kabuk;
  QtDispatcher dispatcher;
  QtDialogs dialogs{kabuk};
};

TEST_F(MesajDiyaloguTest, QuestionWithTabFirstNoOpensOnEvetAndAnswersEachWayOut) {
  struct Case {
    const char* name;
    std::function<void(QDialog&)> action;
    int result;
  };
  const Case cases[] = {
      {"Enter presses the focused Evet", [](QDialog& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }, mrYes},
      {"Escape answers No", [](QDialog& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Escape); }, mrNo},
      {"the close box answers Cancel", [](QDialog& d) { d.close(); }, mrCancel},
      {"Tab moves to Hayır, Enter presses it",
       [](QDialog& d) {
         QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
         EXPECT_EQ(OdakMetni(d), "Hayır");
         QTest::keyClick(d.focusWidget(), Qt::Key_Return);
       },
       mrNo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QString baslik;
    QString odak;
    QStringList dugmeler;
    const int sonuc = Goster("Programdan Çıkmak İstiyor musunuz ?", 3, {MsgDlgBtn::Yes, MsgDlgBtn::No}, MsgDlgBtn::No,
                             [&](QDialog& d) {
                               baslik = d.windowTitle();
                               odak = OdakMetni(d);
                               dugmeler = DugmeMetinleri(d);
                               c.action(d);
                             });
    EXPECT_EQ(sonuc, c.result);
    EXPECT_EQ(baslik, "Soru");
    EXPECT_EQ(odak, "Evet");
    EXPECT_EQ(dugmeler, QStringList({"Evet", "Hayır"}));
  }
  EXPECT_THAT(kabuk.sounds, ElementsAre(MesajSesi::Soru, MesajSesi::Soru, MesajSesi::Soru, MesajSesi::Soru));
}

TEST_F(MesajDiyaloguTest, EachKindHasItsCaptionAndSoundAndTheTextIn15PointType) {
  struct Case {
    int tur;
    const char* baslik;
    MesajSesi ses;
  };
  const Case cases[] = {
      {0, "Uyarı", MesajSesi::Unlem},
      {1, "Hata", MesajSesi::Hata},
      {2, "Bilgi", MesajSesi::Bilgi},
      {3, "Soru", MesajSesi::Soru},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.baslik);
    kabuk.sounds.clear();
    QString baslik;
    QStringList dugmeler;
    int yaziBoyu = 0;
    const int sonuc = Goster("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!", c.tur, {MsgDlgBtn::OK}, MsgDlgBtn::OK,
                             [&](QDialog& d) {
                               baslik = d.windowTitle();
                               dugmeler = DugmeMetinleri(d);
                               yaziBoyu = d.findChild<QLabel*>()->font().pointSize();
                               QTest::keyClick(d.focusWidget(), Qt::Key_Return);
                             });
    EXPECT_EQ(sonuc, mrOk);
    EXPECT_EQ(baslik, c.baslik);
    EXPECT_EQ(dugmeler, QStringList({"Tamam"}));
    EXPECT_EQ(yaziBoyu, 15);
    EXPECT_THAT(kabuk.sounds, ElementsAre(c.ses));
  }
}

TEST_F(MesajDiyaloguTest, HelpLeavesTheDialogOpenAndEscapeWithoutCancelOrNoAnswersOk) {
  const int sonuc = Goster("Yardım?", 2, {MsgDlgBtn::OK, MsgDlgBtn::Help}, MsgDlgBtn::OK, [](QDialog& d) {
    for (QPushButton* dugme : d.findChildren<QPushButton*>()) {
      if (dugme->text() == "Yardım") dugme->click();
    }
    EXPECT_TRUE(d.isVisible());
    QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
  });
  EXPECT_EQ(sonuc, mrOk);
}

TEST_F(MesajDiyaloguTest, AWorkerWaitsForTheDialogOnTheUserInterfaceThread) {
  int sonuc = mrNone;
  bool bitti = false;
  QTimer zamanlayici;
  // The worker's dialog opens modally on this thread; the user answers No.
  QObject::connect(&zamanlayici, &QTimer::timeout, [] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
  });
  zamanlayici.start(10);
  dispatcher.RunInBackground([&] {
    sonuc = MesajGoster("Devam?", 3, {MsgDlgBtn::Yes, MsgDlgBtn::No}, MsgDlgBtn::Yes);
    dispatcher.PostToUi([&] { bitti = true; });
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return bitti; }, 5000));
  EXPECT_EQ(sonuc, mrNo);
}

TEST_F(MesajDiyaloguTest, PlainBoxAndWarningDialogAnswerWithTamam) {
  QString baslik;
  QStringList dugmeler;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    baslik = d->windowTitle();
    dugmeler = DugmeMetinleri(*d);
    d->close();
  });
  dialogs.DuzMesajGoster("Sunucu hatası");
  EXPECT_EQ(baslik, "Zorvat Oto B2B");
  EXPECT_EQ(dugmeler, QStringList({"Tamam"}));
  EXPECT_TRUE(kabuk.sounds.empty()) << "the plain box makes no sound";

  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    baslik = d->windowTitle();
    QTest::keyClick(d->focusWidget(), Qt::Key_Return);
  });
  dialogs.UyariGoster("Lütfen kullanıcı adını giriniz !");
  EXPECT_EQ(baslik, "Uyarı");
  EXPECT_THAT(kabuk.sounds, ElementsAre(MesajSesi::Unlem));
}

// A window's logic and its view, as every modal window of the program is made.
class OrnekForm : public FormState {
 public:
  OrnekForm() { SetCaption("Sipariş Onay"); }
  ButtonState Button1;
};

TEST_F(MesajDiyaloguTest, AModalWindowAnswersWithTheModalResultItsLogicSetsOrCancelOnClose) {
  dialogs.PencereTuru<OrnekForm>([](OrnekForm& form, QWidget* sahip) {
    auto pencere = std::make_unique<FormPenceresi>(form, sahip);
    auto* dugme = new QPushButton("Tamam", pencere.get());
    Bagla(dugme, form.Button1);
    form.Button1.OnClick = [&form] { form.SetModalResult(mrOk); };
    return pencere;
  });
  struct Case {
    const char* name;
    std::function<void(QDialog&)> action;
    int result;
  };
  const Case cases[] = {
      {"the button sets OK", [](QDialog& d) { d.findChild<QPushButton*>()->click(); }, mrOk},
      {"Escape does not close it",
       [](QDialog& d) {
         QTest::keyClick(&d, Qt::Key_Escape);
         EXPECT_TRUE(d.isVisible());
         d.close();
       },
       mrCancel},
      {"the close box answers Cancel", [](QDialog& d) { d.close(); }, mrCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OrnekForm form;
    QString baslik;
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      baslik = d->windowTitle();
      c.action(*d);
    });
    EXPECT_EQ(Diyaloglar().PencereGoster(form), c.result);
    EXPECT_EQ(form.ModalResult(), c.result);
    EXPECT_EQ(baslik, "Sipariş Onay");
  }
}

}  // namespace
}  // namespace zorvat
