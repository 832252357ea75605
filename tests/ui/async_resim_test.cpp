// The picture controls of the add-to-basket dialog: TAsyncResim against a small web server
// of the test's own, and pictures from bytes bound to their state.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <httplib.h>

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QThreadPool>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include "tests/ui/qt_test_hizmetleri.h"
#include "ui/async_resim.h"
#include "ui/bindings.h"

namespace zorvat {
namespace {

using testing::IsEmpty;

std::string Png(QColor renk, QSize boyut = {8, 6}) {
  QImage resim(boyut, QImage::Format_RGB32);
  resim.fill(renk);
  QByteArray baytlar;
  QBuffer tampon(&baytlar);
  tampon.open(QIODevice::WriteOnly);
  resim.save(&tampon, "PNG");
  return baytlar.toStdString();
}

QColor OrtaRenk(const QPixmap& resim) {
  const QImage goruntu = resim.toImage();
  return goruntu.pixelColor(goruntu.width() / 2, goruntu.height() / 2);
}

// The dealer's picture server as the test needs it: each path answers one way and counts
// its requests; "/yavas" answers only once the test lets it.
class ResimSunucusu {
 public:
  ResimSunucusu() {
    Yol("/png", "image/png", Png(Qt::blue));
    Yol("/buyuk-harfli", "IMAGE/PNG", Png(Qt::green));
    Yol("/gif", "image/gif", "GIF89a\x01\x00\x01\x00\x00\x00\x00;");
    Yol("/bozuk", "image/jpeg", std::string("\xFF\xD8\xFF\xE0", 4) + std::string(200, 'x'));
    Yol("/bos", "image/png", "");
    sunucu_.Get("/yok", [this](const httplib::Request& istek, httplib::Response& cevap) {
      Say(istek.path);
      cevap.status = 404;
      cevap.set_content(Png(Qt::red), "image/png");
    });
    sunucu_.Get("/yavas", [this](const httplib::Request& istek, httplib::Response& cevap) {
      Say(istek.path);
      std::unique_lock kilit(kilit_);
      serbest_.wait_for(kilit, std::chrono::seconds(10), [this] { return birak_; });
      cevap.set_content(Png(Qt::red), "image/png");
    });
    port_ = sunucu_.bind_to_any_port("127.0.0.1");
    iplik_ = std::thread([this] { sunucu_.listen_after_bind(); });
    httplib::Client deneme("127.0.0.1", port_);
    for (int i = 0; i < 500 && !deneme.Get("/png"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::lock_guard kilit(kilit_);
    sayilar_.clear();
  }
  ~ResimSunucusu() {
    Birak();
    sunucu_.stop();
    iplik_.join();
  }

  std::string Adres(const std::string& yol) const { return "http://127.0.0.1:" + std::to_string(port_) + yol; }
  int Sayi(const std::string& yol) {
    std::lock_guard kilit(kilit_);
    return sayilar_[yol];
  }
  void Birak() {
    std::lock_guard kilit(kilit_);
    birak_ = true;
    serbest_.notify_all();
  }

 private:
  void Yol(const std::string& yol, std::string tur, std::string govde) {
    sunucu_.Get(yol, [this, tur, govde](const httplib::Request& istek, httplib::Response& cevap) {
      Say(istek.path);
      cevap.set_content(govde, tur);
    });
  }
  void Say(const std::string& yol) {
    std::lock_guard kilit(kilit_);
    ++sayilar_[yol];
  }

  httplib::Server sunucu_;
  int port_ = 0;
  std::thread iplik_;
  std::mutex kilit_;
  std::condition_variable serbest_;
  bool birak_ = false;
  std::map<std::string, int> sayilar_;
};

class AsyncResimTest : public testing::Test {
 protected:
  AsyncResimTest() { resim->resize(100, 80); }
  ~AsyncResimTest() override {
    resim.reset();
    sunucu.Birak();
    Bitir();
  }

  // Every started download has ended and what it handed to the user-interface thread ran.
  static void Bitir() {
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
  }

  ResimSunucusu sunucu;
  test::QtTestHizmetleri hizmetler;
  test::ScriptedDialogs& dialogs = hizmetler.dialogs;
  std::unique_ptr<TAsyncResim> resim = std::make_unique<TAsyncResim>();
};

TEST_F(AsyncResimTest, APngAnswerIsShownStretchedProportionalAndCentred) {
  EXPECT_TRUE(resim->Esniyor());
  EXPECT_FALSE(resim->autoFillBackground());
  resim->SetUrl(sunucu.Adres("/png"));
  EXPECT_EQ(resim->Url(), sunucu.Adres("/png"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !resim->pixmap().isNull(); }));
  EXPECT_EQ(resim->pixmap().size(), QSize(8, 6));
  EXPECT_EQ(OrtaRenk(resim->pixmap()), QColor(Qt::blue));

  // Drawn over the whole width, centred in height, the rest left transparent.
  QImage cizim(100, 80, QImage::Format_ARGB32);
  cizim.fill(Qt::transparent);
  resim->render(&cizim, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(cizim.pixelColor(2, 40), QColor(Qt::blue));
  EXPECT_EQ(cizim.pixelColor(97, 40), QColor(Qt::blue));
  EXPECT_EQ(cizim.pixelColor(50, 0).alpha(), 0);
  EXPECT_EQ(cizim.pixelColor(50, 79).alpha(), 0);
}

TEST_F(AsyncResimTest, TheContentTypeIsReadWithoutRegardToCase) {
  resim->SetUrl(sunucu.Adres("/buyuk-harfli"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !resim->pixmap().isNull(); }));
  EXPECT_EQ(OrtaRenk(resim->pixmap()), QColor(Qt::green));
}

TEST_F(AsyncResimTest, AnswersThatAreNoPictureShowNothingAndReportNothing) {
  for (const char* yol : {"/gif", "/bozuk", "/bos", "/yok", "/hic-yok"}) {
    SCOPED_TRACE(yol);
    TAsyncResim kutu;
    kutu.SetUrl(sunucu.Adres(yol));
    Bitir();
    EXPECT_TRUE(kutu.pixmap().isNull());
  }
  EXPECT_EQ(sunucu.Sayi("/bozuk"), 1);
  EXPECT_THAT(dialogs.plainMessages, IsEmpty());
  EXPECT_THAT(dialogs.shownDialogs, IsEmpty());
}

TEST_F(AsyncResimTest, TheSameAddressIsFetchedOnceAndAnEmptyOneNotAtAll) {
  resim->SetUrl("");
  resim->SetUrl(sunucu.Adres("/png"));
  resim->SetUrl(sunucu.Adres("/png"));
  Bitir();
  EXPECT_EQ(sunucu.Sayi("/png"), 1);
  EXPECT_FALSE(resim->pixmap().isNull());

  // Through the state the dialog's logic sets.
  UrlPictureState AsyncResim1;
  TAsyncResim bagli;
  Bagla(&bagli, AsyncResim1);
  AsyncResim1.SetUrl(sunucu.Adres("/png"));
  AsyncResim1.SetVisible(false);  // shown again: the address is not fetched again
  EXPECT_EQ(bagli.Url(), sunucu.Adres("/png"));
  Bitir();
  EXPECT_EQ(sunucu.Sayi("/png"), 2);
}

TEST_F(AsyncResimTest, OnlyTheLastAddressCountsAndTheOneBeforeIsBrokenOff) {
  resim->SetUrl(sunucu.Adres("/yavas"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return sunucu.Sayi("/yavas") == 1; }));
  resim->SetUrl(sunucu.Adres("/png"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !resim->pixmap().isNull(); }));
  sunucu.Birak();
  Bitir();
  EXPECT_EQ(OrtaRenk(resim->pixmap()), QColor(Qt::blue));
}

TEST_F(AsyncResimTest, DestroyingTheControlWhileItDownloadsNeitherShowsNorCrashes) {
  resim->SetUrl(sunucu.Adres("/yavas"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return sunucu.Sayi("/yavas") == 1; }));
  resim.reset();
  // The cancelled request lets its worker go long before the server would answer.
  EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(5000));
  sunucu.Birak();
  Bitir();
  EXPECT_THAT(dialogs.plainMessages, IsEmpty());
}

TEST_F(AsyncResimTest, APictureQueuedForAControlDestroyedMeanwhileIsDropped) {
  resim->SetUrl(sunucu.Adres("/png"));
  QThreadPool::globalInstance()->waitForDone();  // the display step waits in the queue
  resim.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(sunucu.Sayi("/png"), 1);
  EXPECT_THAT(dialogs.plainMessages, IsEmpty());
}

TEST(ResimBaglama, BytesShowTheirPictureNoneTheDesignTimeOneAndBadOnesChangeNothing) {
  QPixmap tasarim(4, 4);
  tasarim.fill(Qt::gray);
  QLabel Image1;
  Image1.setPixmap(tasarim);
  PictureState durum;
  Bagla(&Image1, durum);
  EXPECT_EQ(OrtaRenk(Image1.pixmap()), QColor(Qt::gray));

  durum.SetBytes(Png(Qt::blue));
  EXPECT_EQ(OrtaRenk(Image1.pixmap()), QColor(Qt::blue));
  durum.SetBytes("bu bir resim değil");
  EXPECT_EQ(OrtaRenk(Image1.pixmap()), QColor(Qt::blue));
  durum.SetBytes("");
  EXPECT_EQ(OrtaRenk(Image1.pixmap()), QColor(Qt::gray));
}

TEST(OrantiliResim, ASmallPictureKeepsItsSizeUnlessTheControlStretches) {
  OrantiliResim kutu;
  kutu.resize(40, 40);
  QPixmap kucuk(10, 10);
  kucuk.fill(Qt::red);
  kutu.setPixmap(kucuk);
  QImage cizim(40, 40, QImage::Format_ARGB32);
  cizim.fill(Qt::transparent);
  kutu.render(&cizim, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(cizim.pixelColor(20, 20), QColor(Qt::red));
  EXPECT_EQ(cizim.pixelColor(5, 20).alpha(), 0);

  kutu.Esnet(true);
  cizim.fill(Qt::transparent);
  kutu.render(&cizim, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(cizim.pixelColor(5, 20), QColor(Qt::red));
}

}  // namespace
}  // namespace zorvat
