// The windows of the start-up on Qt's offscreen platform: what the user does in a widget
// reaches the window's logic, and what the logic sets shows in the widgets.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "account/cari_secim.h"
#include "app/ana_form.h"
#include "info/dosya_indir.h"
#include "net/services.h"
#include "session/giris_formu.h"
#include "support/stub_server.h"
#include "tests/ui/klavye.h"
#include "tests/ui/qt_test_hizmetleri.h"
#include "ui/ana_pencere.h"
#include "ui/cari_secim_penceresi.h"
#include "ui/dosya_indir_penceresi.h"
#include "ui/giris_penceresi.h"
#include "ui/grid.h"

namespace zorvat {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// The logic's services on Qt's dispatcher, with scripted dialogs and shell.
class PencereTest : public testing::Test, protected test::QtTestHizmetleri {
 protected:
  PencereTest() {
    ortam.ayarDosyasi = std::filesystem::temp_directory_path() / "zorvat-pencere-testi-yok" / "ayar.ini";
    ortam.sunucuPortu = std::to_string(test::FreePort());
  }

  IstemciOrtami ortam;
};

TEST_F(PencereTest, TheStockListFollowsTheWindowsWidthAndTheBasketGridItsLoad) {
  TForm1 form(ortam);
  AnaPencere pencere(form);
  pencere.resize(1100, 652);
  pencere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pencere));
  const GridView& stok = form.stokListesi.cxGrid1DBTableView1;
  const auto gorunur = [&](const char* alan) {
    return stok.FindColumn(std::string("cxGrid1DBTableView1") + alan)->visible;
  };
  EXPECT_TRUE(QTest::qWaitFor([&] { return gorunur("FiyatBilgisi") && !gorunur("NETFIYAT"); }, 2000));
  pencere.resize(1300, 652);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !gorunur("FiyatBilgisi") && gorunur("NETFIYAT"); }, 2000));

  Izgara* sepet = nullptr;
  for (QWidget* cocuk : pencere.findChildren<QWidget*>()) {
    auto* izgara = dynamic_cast<Izgara*>(cocuk);
    if (izgara != nullptr && &izgara->View() == &form.sepetSayfasi.cxGridDBTableView1) sepet = izgara;
  }
  ASSERT_NE(sepet, nullptr);
  form.sepetSayfasi.cxGrid2.SetEnabled(false);
  EXPECT_FALSE(sepet->isEnabled());
  form.sepetSayfasi.cxGrid2.SetEnabled(true);
  EXPECT_TRUE(sepet->isEnabled());
}

TEST_F(PencereTest, TheLoginWindowTakesTheKeysIntoItsLogic) {
  Connection bagc;
  TSonucBilgisi sbilgi;
  Tgirisform giris(bagc, sbilgi, ortam);
  GirisPenceresi pencere(giris, nullptr);
  pencere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pencere));

  const QList<QLineEdit*> kutular = pencere.findChildren<QLineEdit*>();
  ASSERT_EQ(kutular.size(), 2);
  QLineEdit* adi = kutular[0];
  QLineEdit* sifre = kutular[1];
  EXPECT_EQ(sifre->echoMode(), QLineEdit::Password);
  EXPECT_EQ(pencere.windowTitle(), "Giriş");
  EXPECT_EQ(pencere.size(), QSize(368, 550));

  QTest::keyClick(adi, Qt::Key_Return);
  EXPECT_THAT(dialogs.warnings, ElementsAre("Lütfen kullanıcı adını giriniz !"));
  test::Yaz(adi, "ahmet");
  EXPECT_EQ(giris.adi.Text(), "AHMET");
  EXPECT_EQ(adi->text(), "AHMET");
  QTest::keyClick(adi, Qt::Key_Return);
  EXPECT_TRUE(giris.sifre.Focused());

  // The program's tab order: "Giriş", "Vazgeç", the box, the name, the password.
  QPushButton* girisDugmesi = test::MetniOlan<QPushButton>(pencere, "Giriş");
  ASSERT_NE(girisDugmesi, nullptr);
  std::vector<QString> sira;
  QWidget* odak = girisDugmesi;
  for (int i = 0; i < 5; ++i, odak = odak->nextInFocusChain()) {
    while (!(odak->focusPolicy() & Qt::TabFocus)) odak = odak->nextInFocusChain();
    sira.push_back(odak == adi ? "adi" : odak == sifre ? "sifre" : odak->property("text").toString());
  }
  EXPECT_THAT(sira, ElementsAre("Giriş", "Vazgeç", "Beni hatırla", "adi", "sifre"));

  test::MetniOlan<QPushButton>(pencere, "Vazgeç")->click();
  EXPECT_EQ(sonlandirma, 1);
}

TEST_F(PencereTest, TheMainWindowAsksBeforeClosingAndItsMenuFollowsTheKind) {
  TForm1 form(ortam);
  AnaPencere pencere(form);
  pencere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pencere));
  EXPECT_EQ(pencere.windowTitle(), "Zorvat Oto B2B Programı");

  dialogs.answers = {mrNo};
  EXPECT_FALSE(pencere.close()) << "No keeps the window";
  EXPECT_TRUE(pencere.isVisible());
  ASSERT_EQ(dialogs.shownDialogs.size(), 1u);
  EXPECT_EQ(dialogs.shownDialogs[0].metin, "Programdan Çıkmak İstiyor musunuz ?");
  EXPECT_EQ(sonlandirma, 0);

  form.kullanicilbl.SetCaption("MURAT");
  EXPECT_NE(test::MetniOlan<QLabel>(pencere, "MURAT"), nullptr);
  QPushButton* baskaCari = test::MetniOlan<QPushButton>(pencere, "Başka Cari Seç");
  ASSERT_NE(baskaCari, nullptr);
  EXPECT_FALSE(baskaCari->isVisible());
  form.sbilgi.SetMusteriTipi(1);
  form.KullaniciTuruneGoreAyarla();
  EXPECT_TRUE(baskaCari->isVisible());

  QMenu* menu = pencere.findChild<QToolButton*>()->menu();
  ASSERT_NE(menu, nullptr);
  emit menu->aboutToShow();
  std::vector<QString> ogeler;
  for (QAction* eylem : menu->actions()) {
    if (!eylem->isSeparator()) ogeler.push_back(eylem->text());
  }
  EXPECT_THAT(ogeler, ElementsAre("Mail Gönder", "Şifre Değiştirme İsteği", "127.0.0.1:8080", "Çıkış", "Raporlar"));

  // "Çıkış" runs once the menu has closed.
  dialogs.answers = {mrYes};
  for (QAction* eylem : menu->actions()) {
    if (eylem->text() == "Çıkış") eylem->trigger();
  }
  EXPECT_EQ(sonlandirma, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return sonlandirma == 1; }, 2000));
}

TEST_F(PencereTest, TheUpdateWindowDownloadsWhenShownAndCannotBeClosed) {
  IndirmeAyari ayar;
  ayar.adres = "http://127.0.0.1:" + std::to_string(test::FreePort()) + "/exe/ZorvatOtoSetup.exe";
  ayar.dosya = std::filesystem::temp_directory_path() / "zorvat-pencere-testi-kurulum.exe";
  Tdosyaindir indir(4, ayar);
  DosyaIndirPenceresi pencere(indir, nullptr);
  pencere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pencere));
  QTest::keyClick(&pencere, Qt::Key_Escape);
  pencere.reject();
  EXPECT_TRUE(pencere.isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return sonlandirma == 1; }, 10000)) << "the failed download ends the program";
  EXPECT_TRUE(indir.basladi);
  ASSERT_EQ(dialogs.plainMessages.size(), 1u);
  EXPECT_THAT(dialogs.plainMessages[0], testing::StartsWith("Hata Oluştu !\r\nHata: "));
  EXPECT_NE(test::MetniOlan<QLabel>(pencere,
                        "Zorvat Oto B2B Programının\nYeni versiyonu indirilecektir\nLütfen "
                        "Bekleyiniz...!\nVersion: 4-3"),
            nullptr)
      << "CR LF breaks the label's lines";
}

TEST_F(PencereTest, TheCustomerSelectionShowsItsCountsAndTheCardOnlyWithAFocusedRow) {
  Connection bag;
  TSonucBilgisi bilgi;
  Tseccari seccari(bag, bilgi);
  CariSecimPenceresi pencere(seccari, nullptr);
  pencere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pencere));
  QGroupBox* kart = pencere.findChild<QGroupBox*>();
  ASSERT_NE(kart, nullptr);
  EXPECT_FALSE(kart->isVisible());
  EXPECT_EQ(kart->title(), "Cari Bilgileri");

  seccari.alinditus.SetCaption("12");
  QToolButton* alindi = test::MetniOlan<QToolButton>(pencere, "12");
  ASSERT_NE(alindi, nullptr);
  EXPECT_EQ(alindi->toolTip(), "Yeni Alınan \nSiparişleri Listeler");

  seccari.kart[0].SetCaption("120.01.1001");
  seccari.GroupBox1.SetVisible(true);
  EXPECT_TRUE(kart->isVisible());
  EXPECT_NE(test::MetniOlan<QLabel>(pencere, "120.01.1001"), nullptr);
}

}  // namespace
}  // namespace zorvat
