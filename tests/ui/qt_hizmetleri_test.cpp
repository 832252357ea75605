// The Qt dispatcher under the background-call pattern, and the animated and picture pieces.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QThread>
#include <thread>

#include "net/await.h"
#include "net/services.h"
#include "tests/support/scripted_services.h"
#include "tests/ui/gif_ornegi.h"
#include "ui/animations.h"
#include "ui/qt_dispatcher.h"

namespace zorvat {
namespace {

using testing::ElementsAre;

class QtHizmetleriTest : public testing::Test {
 protected:
  QtHizmetleriTest() {
    Services services;
    services.dispatcher = &dispatcher;
    services.dialogs = &dialogs;
    HizmetleriKur(services);
  }
  ~QtHizmetleriTest() override { HizmetleriKur(Services{}); }

  static bool ArayuzIpligi() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

  test::ScriptedDialogs dialogs;
  QtDispatcher dispatcher;
};

TEST_F(QtHizmetleriTest, BackgroundThenCompletionOnTheUserInterfaceThreadThenTheError) {
  std::vector<std::string> olaylar;
  bool arkaPlanArayuzde = true;
  Async([&] {
    arkaPlanArayuzde = ArayuzIpligi();
    olaylar.push_back("arka plan");
    throw std::runtime_error("Sunucuya ulaşılamadı");
  })->Await([&] {
    EXPECT_TRUE(ArayuzIpligi());
    olaylar.push_back("tamamlama");
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.plainMessages.empty(); }, 5000));
  EXPECT_FALSE(arkaPlanArayuzde);
  EXPECT_THAT(olaylar, ElementsAre("arka plan", "tamamlama"));
  EXPECT_THAT(dialogs.plainMessages, ElementsAre("Sunucuya ulaşılamadı"));
}

TEST_F(QtHizmetleriTest, AWorkerRunsOnTheUserInterfaceThreadAndWaitsGettingItsErrorBack) {
  bool arayuzde = false;
  std::string hata;
  bool bitti = false;
  dispatcher.RunInBackground([&] {
    dispatcher.RunOnUiAndWait([&] { arayuzde = ArayuzIpligi(); });
    try {
      dispatcher.RunOnUiAndWait([] { throw std::runtime_error("kutu açılamadı"); });
    } catch (const std::exception& e) {
      hata = e.what();
    }
    // A job that lets its error escape is reported, not fatal.
    dispatcher.PostToUi([&] { bitti = true; });
    throw std::runtime_error("iş yarıda kaldı");
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return bitti && !dialogs.plainMessages.empty(); }, 5000));
  EXPECT_TRUE(arayuzde);
  EXPECT_EQ(hata, "kutu açılamadı");
  EXPECT_THAT(dialogs.plainMessages, ElementsAre("iş yarıda kaldı"));
}

TEST_F(QtHizmetleriTest, GifAnimatorsSizeThemselvesToTheirPicture) {
  GifAnimator baslikBanneri(GifAnimator::Boyutlama::GenislikResmeUyar);
  baslikBanneri.setFixedHeight(100);
  GifAnimator ustSerit(GifAnimator::Boyutlama::YukseklikResmeUyar);
  EXPECT_EQ(ustSerit.height(), 0) << "an empty top strip takes no room";

  ASSERT_TRUE(baslikBanneri.GifYukle(test::BosGif(320, 60)));
  EXPECT_EQ(baslikBanneri.width(), 320);
  EXPECT_EQ(baslikBanneri.height(), 100);
  ASSERT_TRUE(ustSerit.GifYukle(test::BosGif(40, 75)));
  EXPECT_EQ(ustSerit.height(), 75);

  EXPECT_FALSE(ustSerit.GifYukle(QByteArray("\xFF\xD8 bu bir GIF değil", 20)));
  EXPECT_TRUE(ustSerit.Bos());
  EXPECT_EQ(ustSerit.height(), 0);
}

QByteArray PngBaytlari(QColor renk) {
  QImage resim(8, 8, QImage::Format_RGB32);
  resim.fill(renk);
  QByteArray baytlar;
  QBuffer tampon(&baytlar);
  tampon.open(QIODevice::WriteOnly);
  resim.save(&tampon, "PNG");
  return baytlar;
}

std::vector<std::uint8_t> Vektor(const QByteArray& baytlar) { return {baytlar.begin(), baytlar.end()}; }

TEST_F(QtHizmetleriTest, AnAddressPictureShowsOnlyTheLastAskedAddress) {
  std::vector<bool> gelenler;
  UrlResmi resim([](const std::string& adres) {
    if (adres == "yavas") {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      return Vektor(PngBaytlari(Qt::red));
    }
    if (adres == "bozuk") throw std::runtime_error("404");
    return Vektor(PngBaytlari(Qt::blue));
  });
  resim.Yuklendi = [&](bool geldi) { gelenler.push_back(geldi); };
  resim.resize(100, 100);

  resim.Yukle("yavas");
  resim.Yukle("hizli");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !resim.Yukleniyor(); }, 5000));
  EXPECT_THAT(gelenler, ElementsAre(true)) << "the slow, earlier answer is dropped";
  EXPECT_EQ(resim.Resim().toImage().pixelColor(0, 0), QColor(Qt::blue));

  resim.Yukle("bozuk");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !resim.Yukleniyor(); }, 5000));
  EXPECT_THAT(gelenler, ElementsAre(true, false));
  EXPECT_EQ(resim.Resim().toImage().pixelColor(0, 0), QColor(Qt::blue)) << "a failed load keeps the picture";
}

TEST_F(QtHizmetleriTest, TheMarqueeRunsWithOneItemOrNone) {
  KayanYazi kayanyazi;
  kayanyazi.resize(400, 40);
  kayanyazi.HtmlOgesi("<b>Kampanya</b> başladı");
  EXPECT_TRUE(kayanyazi.OgesiVar());
  kayanyazi.Baslat();
  EXPECT_TRUE(kayanyazi.Calisiyor());
  kayanyazi.Durdur();
  kayanyazi.OgeleriTemizle();
  kayanyazi.Baslat();
  EXPECT_FALSE(kayanyazi.OgesiVar());
  EXPECT_TRUE(kayanyazi.Calisiyor());
}

}  // namespace
}  // namespace zorvat
