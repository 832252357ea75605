// Tab captions with counters, the tab painter and the page control's tabs in rows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>

#include "ui/look.h"
#include "ui/state/tab_caption.h"
#include "ui/tabs.h"

namespace zorvat {
namespace {

TEST(BaslikAyir, SplitsTheCountFromTheTitleAndNeverFails) {
  struct Case {
    std::string caption;
    TSonuc expected;
  };
  const Case cases[] = {
      {"0=Stok Listesi", {0, "Stok Listesi"}},
      {"12=Yeni Stoklar", {12, "Yeni Stoklar"}},
      {"Sepet", {0, "Sepet"}},
      {"1250,5=Bakiyeler", {0, "Bakiyeler"}},  // a balance, not a count
      {"1250=Bakiyeler", {1250, "Bakiyeler"}},
      {"-3=Sepet", {-3, "Sepet"}},
      {"99999999999=Sepet", {0, "Sepet"}},  // too large for a count
      {"=Duyurular", {0, "Duyurular"}},
      {"5=a=b", {5, "a=b"}},
      {"", {0, ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(BaslikAyir(c.caption), c.expected) << c.caption;

  const TSonuc uzun = BaslikAyir("3=" + std::string(60, 'a') + std::string(30, 'x') + "ŞŞŞŞŞŞŞŞŞŞŞŞ");
  EXPECT_EQ(uzun.baslik, std::string(60, 'a') + std::string(30, 'x') + "ŞŞŞŞŞŞŞŞŞŞ") << "at most 100 characters";
  EXPECT_EQ(SayacliBaslik(12, "Yeni Stoklar"), "12=Yeni Stoklar");
}

// Draws one tab and counts its red pixels (the counter) and the pixels of its text.
struct Cizim {
  QImage resim;
  int kirmizi = 0;
};

Cizim SekmeCiz(const QString& baslik, TTabColorControlStyleHook::Durum durum = TTabColorControlStyleHook::Durum::Normal) {
  Cizim cizim{QImage(130, 54, QImage::Format_RGB32)};
  cizim.resim.fill(Qt::black);
  QPainter p(&cizim.resim);
  TTabColorControlStyleHook::Ciz(p, {baslik, QPixmap(), durum, QRect(0, 2, 130, 50), true}, gorunum::Tahoma(13));
  p.end();
  for (int y = 0; y < cizim.resim.height(); ++y) {
    for (int x = 0; x < cizim.resim.width(); ++x) {
      const QColor renk = cizim.resim.pixelColor(x, y);
      if (renk.red() > 150 && renk.green() < 90 && renk.blue() < 90) ++cizim.kirmizi;
    }
  }
  return cizim;
}

TEST(TabPainter, DrawsTheRedCounterOnlyForACountAboveZero) {
  EXPECT_EQ(SekmeCiz("0=Stok Listesi").kirmizi, 0);
  EXPECT_EQ(SekmeCiz("0=Stok Listesi").resim, SekmeCiz("Stok Listesi").resim) << "the title alone";

  const Cizim sayacli = SekmeCiz("12=Yeni Stoklar");
  EXPECT_GT(sayacli.kirmizi, 20);
  // The counter stands at the top right.
  int sagUstte = 0;
  for (int y = 0; y < 22; ++y) {
    for (int x = 75; x < 130; ++x) {
      const QColor renk = sayacli.resim.pixelColor(x, y);
      if (renk.red() > 150 && renk.green() < 90 && renk.blue() < 90) ++sagUstte;
    }
  }
  EXPECT_EQ(sagUstte, sayacli.kirmizi);

  EXPECT_EQ(SekmeCiz("Sepet").kirmizi, 0);
  EXPECT_NE(SekmeCiz("Sepet").resim, SekmeCiz("Sepetim").resim) << "the caption is drawn";
  EXPECT_EQ(SekmeCiz("1250,5=Bakiyeler").resim, SekmeCiz("Bakiyeler").resim);
  // Selected and hot tabs keep the counter.
  EXPECT_GT(SekmeCiz("3=Sepet", TTabColorControlStyleHook::Durum::Secili).kirmizi, 20);
  EXPECT_GT(SekmeCiz("3=Sepet", TTabColorControlStyleHook::Durum::Sicak).kirmizi, 20);
}

class SayfaKontroluTest : public testing::Test {
 protected:
  SayfaKontroluTest() {
    for (int i = 0; i < 10; ++i) {
      const std::string ad = "sayfa" + std::to_string(i);
      sayfalar.AddPage({ad, "Sayfa " + std::to_string(i), Simge::Sepet, true, [this, ad] { olaylar.push_back("show " + ad); },
                        [this, ad] { olaylar.push_back("hide " + ad); }});
    }
  }

  PageControlState sayfalar;
  std::vector<std::string> olaylar;
};

TEST_F(SayfaKontroluTest, TabsWrapIntoRowsByWidthAndTheFirstRowStandsNextToThePages) {
  SekmeCubugu cubuk(sayfalar);
  EXPECT_EQ(cubuk.heightForWidth(1300), 50 + 4);
  EXPECT_EQ(cubuk.heightForWidth(700), 2 * 50 + 4);
  EXPECT_EQ(cubuk.heightForWidth(390), 4 * 50 + 4);
  cubuk.resize(700, cubuk.heightForWidth(700));
  EXPECT_EQ(cubuk.SekmeAlani(0), QRect(0, 52, 130, 50));
  EXPECT_EQ(cubuk.SekmeAlani(5), QRect(0, 2, 130, 50));

  sayfalar.SetTabVisible("sayfa1", false);
  EXPECT_TRUE(cubuk.SekmeAlani(1).isNull());
  EXPECT_EQ(cubuk.SekmeAlani(2), QRect(130, 52, 130, 50)) << "a hidden tab leaves no gap";
}

TEST_F(SayfaKontroluTest, AClickOnATabShowsItsPageAndRunsTheHideAndShowEvents) {
  SayfaKontrolu kontrol(sayfalar);
  for (int i = 0; i < 10; ++i) kontrol.SayfaEkle(new QWidget);
  kontrol.resize(1300, 600);
  kontrol.show();
  QTest::mouseClick(kontrol.Cubuk(), Qt::LeftButton, {}, kontrol.Cubuk()->SekmeAlani(3).center());
  EXPECT_EQ(sayfalar.ActivePageName(), "sayfa3");
  EXPECT_THAT(olaylar, testing::ElementsAre("hide sayfa0", "show sayfa3"));
  // The same tab again changes nothing.
  QTest::mouseClick(kontrol.Cubuk(), Qt::LeftButton, {}, kontrol.Cubuk()->SekmeAlani(3).center());
  EXPECT_EQ(olaylar.size(), 2u);

  sayfalar.SetCaption("sayfa3", "7=Sepet");
  EXPECT_EQ(sayfalar.Page(3).caption, "7=Sepet");
}

}  // namespace
}  // namespace zorvat
