#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale>
#include <string>

#include "net/bicim.h"

namespace zorvat {
namespace {

using ::testing::EndsWith;
using ::testing::StartsWith;

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kSonsuz = std::numeric_limits<double>::infinity();

struct BicimDurumu {
  const char* desen;
  double deger;
  SayiAyiraclari ayiraclar;
  const char* beklenen;
};

class FormatFloatTest : public ::testing::TestWithParam<BicimDurumu> {};

TEST_P(FormatFloatTest, Bicimler) {
  const BicimDurumu& d = GetParam();
  EXPECT_EQ(FormatFloat(d.desen, d.deger, d.ayiraclar), d.beklenen)
      << d.desen << " " << d.deger;
}

INSTANTIATE_TEST_SUITE_P(
    ParaBicimi, FormatFloatTest,
    ::testing::Values(
        BicimDurumu{"#,###,##0.00", 1234567.5, IngilizceAyiraclar, "1,234,567.50"},
        BicimDurumu{"#,###,##0.00", 1234567.5, TurkceAyiraclar, "1.234.567,50"},
        BicimDurumu{"#,###,##0.00", 0, TurkceAyiraclar, "0,00"},
        BicimDurumu{"#,###,##0.00", 12.3, TurkceAyiraclar, "12,30"},
        BicimDurumu{"#,###,##0.00", 999, IngilizceAyiraclar, "999.00"},
        BicimDurumu{"#,###,##0.00", 1000, IngilizceAyiraclar, "1,000.00"},
        BicimDurumu{"#,###,##0.00", -1234.5, TurkceAyiraclar, "-1.234,50"},
        // Halves away from zero on the decimal form, not on the binary value.
        BicimDurumu{"#,###,##0.00", 0.125, IngilizceAyiraclar, "0.13"},
        BicimDurumu{"#,###,##0.00", 1.005, IngilizceAyiraclar, "1.01"},
        BicimDurumu{"#,###,##0.00", 2.675, IngilizceAyiraclar, "2.68"},
        BicimDurumu{"#,###,##0.00", -0.125, IngilizceAyiraclar, "-0.13"},
        BicimDurumu{"#,###,##0.00", 0.1 + 0.2, IngilizceAyiraclar, "0.30"},
        BicimDurumu{"#,###,##0.00", 0.124999, IngilizceAyiraclar, "0.12"},
        // The carry of a rounding reaches a new digit and a new group.
        BicimDurumu{"#,###,##0.00", 999.995, IngilizceAyiraclar, "1,000.00"},
        BicimDurumu{"#,###,##0.00", 999999.999, TurkceAyiraclar, "1.000.000,00"},
        BicimDurumu{"#,###,##0.00", 0.005, IngilizceAyiraclar, "0.01"},
        // What rounds to zero has no sign.
        BicimDurumu{"#,###,##0.00", -0.0, IngilizceAyiraclar, "0.00"},
        BicimDurumu{"#,###,##0.00", -0.004999, IngilizceAyiraclar, "0.00"},
        BicimDurumu{"#,###,##0.00", -1e-20, IngilizceAyiraclar, "0.00"},
        BicimDurumu{"#,###,##0.00", -0.005, IngilizceAyiraclar, "-0.01"},
        // Beyond 15 significant digits the places are zeros.
        BicimDurumu{"#,###,##0.00", 1e15, IngilizceAyiraclar, "1,000,000,000,000,000.00"},
        BicimDurumu{"#,###,##0.00", 123456789012345678.0, IngilizceAyiraclar,
                    "123,456,789,012,346,000.00"},
        BicimDurumu{"#,###,##0.00", 1.5e20, TurkceAyiraclar, "150.000.000.000.000.000.000,00"}));

INSTANTIATE_TEST_SUITE_P(
    DigerDesenler, FormatFloatTest,
    ::testing::Values(
        BicimDurumu{"#,###,##00.00", 5, TurkceAyiraclar, "05,00"},
        BicimDurumu{"#,###,##00.00", 0.5, TurkceAyiraclar, "00,50"},
        BicimDurumu{"#,###,##00.00", -5, TurkceAyiraclar, "-05,00"},
        BicimDurumu{"#,###,##00.00", 12345.675, TurkceAyiraclar, "12.345,68"},
        BicimDurumu{"0.00", 1234567.5, TurkceAyiraclar, "1234567,50"},
        BicimDurumu{"0.00", -1.5, IngilizceAyiraclar, "-1.50"},
        BicimDurumu{"0", 2.5, IngilizceAyiraclar, "3"},
        BicimDurumu{"0", -2.5, IngilizceAyiraclar, "-3"},
        BicimDurumu{"0", -0.4, IngilizceAyiraclar, "0"},
        BicimDurumu{"0", 1234567, IngilizceAyiraclar, "1234567"},
        BicimDurumu{"#,##0", 1234567.49, IngilizceAyiraclar, "1,234,567"},
        BicimDurumu{"0.0#", 1.5, IngilizceAyiraclar, "1.5"},
        BicimDurumu{"0.0#", 1.25, IngilizceAyiraclar, "1.25"},
        BicimDurumu{"0.0#", 1, IngilizceAyiraclar, "1.0"},
        BicimDurumu{"0.##", 1, IngilizceAyiraclar, "1"},
        BicimDurumu{"0.##", 1.005, IngilizceAyiraclar, "1.01"},
        BicimDurumu{"#.00", 0.5, IngilizceAyiraclar, ".50"},
        BicimDurumu{"0.0000", 1e-20, IngilizceAyiraclar, "0.0000"},
        BicimDurumu{"0.0000", 0.00005, IngilizceAyiraclar, "0.0001"}));

TEST(FormatFloat, SayiOlmayanDegerlerAdlariylaGorunur) {
  EXPECT_EQ(FormatFloat(ParaBicimi, kNan, IngilizceAyiraclar), "NAN");
  EXPECT_EQ(FormatFloat(ParaBicimi, kSonsuz, IngilizceAyiraclar), "INF");
  EXPECT_EQ(FormatFloat(ParaBicimi, -kSonsuz, IngilizceAyiraclar), "-INF");
}

TEST(FormatFloat, CokBuyukDegerlerBozulmaz) {
  const std::string metin = FormatFloat(ParaBicimi, 1e300, IngilizceAyiraclar);
  EXPECT_THAT(metin, StartsWith("1,000,000,"));
  EXPECT_THAT(metin, EndsWith(",000.00"));
  EXPECT_EQ(metin.size(), 301u + 100u + 3u);  // 301 digits, 100 separators, ".00"
  EXPECT_THAT(FormatFloat(ParaBicimi, -DBL_MAX, TurkceAyiraclar), StartsWith("-179.769.313.486.232.000"));
}

TEST(FormatFloat, DesteklenmeyenDesenReddedilir) {
  for (const char* desen : {"0.00;(0.00)", "0.0.0", "0.0,0", "TL 0", "0E+00"}) {
    EXPECT_THROW(FormatFloat(desen, 1, IngilizceAyiraclar), std::invalid_argument) << desen;
  }
}

// The process-wide separators are shared; each test leaves them as it found them.
class GecerliAyiraclarTest : public ::testing::Test {
 protected:
  void TearDown() override { AyiraclariAyarla(onceki_); }
  SayiAyiraclari onceki_ = GecerliAyiraclar();
};

TEST_F(GecerliAyiraclarTest, AyarlananAyiraclarKullanilir) {
  AyiraclariAyarla(TurkceAyiraclar);
  EXPECT_EQ(FormatFloat(ParaBicimi, 1234.5), "1.234,50");
  EXPECT_EQ(FloatToStr(1234.5), "1234,5");
  AyiraclariAyarla(IngilizceAyiraclar);
  EXPECT_EQ(FormatFloat(ParaBicimi, 1234.5), "1,234.50");
}

#if !defined(_WIN32)
TEST_F(GecerliAyiraclarTest, AcilamayanYerelAyarIngilizceAyiraclarVerir) {
  const char* onceki = std::getenv("LC_ALL");
  const std::string saklanan = onceki ? onceki : "";
  setenv("LC_ALL", "xx_YY.olmayan-kodlama", 1);
  const SayiAyiraclari bulunan = YerelAyiraclar();
  if (onceki) {
    setenv("LC_ALL", saklanan.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
  EXPECT_EQ(bulunan, IngilizceAyiraclar);
}
#endif

class SabitNoktalama : public std::numpunct<char> {
 public:
  SabitNoktalama(char ondalik, char binlik) : ondalik_(ondalik), binlik_(binlik) {}

 protected:
  char do_decimal_point() const override { return ondalik_; }
  char do_thousands_sep() const override { return binlik_; }

 private:
  char ondalik_;
  char binlik_;
};

struct YerelDurumu {
  char ondalik;
  char binlik;
  SayiAyiraclari beklenen;
};

class AyiraclariBulTest : public ::testing::TestWithParam<YerelDurumu> {};

TEST_P(AyiraclariBulTest, YerelAyarinNoktalamasi) {
  const YerelDurumu& d = GetParam();
  const std::locale yerel(std::locale::classic(), new SabitNoktalama(d.ondalik, d.binlik));
  EXPECT_EQ(AyiraclariBul(yerel), d.beklenen);
}

INSTANTIATE_TEST_SUITE_P(
    Yereller, AyiraclariBulTest,
    ::testing::Values(YerelDurumu{',', '.', TurkceAyiraclar},
                      YerelDurumu{'.', ',', IngilizceAyiraclar},
                      YerelDurumu{'.', '\'', SayiAyiraclari{'.', '\''}},
                      // First byte of a multi-byte separator (narrow no-break space).
                      YerelDurumu{',', '\xE2', TurkceAyiraclar},
                      YerelDurumu{'.', '\0', IngilizceAyiraclar},
                      YerelDurumu{',', ',', TurkceAyiraclar},
                      YerelDurumu{'\xD9', '.', IngilizceAyiraclar},
                      YerelDurumu{'\0', '\0', IngilizceAyiraclar}));

TEST(AyiraclariBul, KlasikYerelIngilizceAyiraclarVerir) {
  EXPECT_EQ(AyiraclariBul(std::locale::classic()), IngilizceAyiraclar);
}

struct MetinDurumu {
  double deger;
  SayiAyiraclari ayiraclar;
  const char* beklenen;
};

class FloatToStrTest : public ::testing::TestWithParam<MetinDurumu> {};

TEST_P(FloatToStrTest, GenelYazim) {
  const MetinDurumu& d = GetParam();
  EXPECT_EQ(FloatToStr(d.deger, d.ayiraclar), d.beklenen) << d.deger;
}

INSTANTIATE_TEST_SUITE_P(
    Degerler, FloatToStrTest,
    ::testing::Values(MetinDurumu{0, TurkceAyiraclar, "0"},
                      MetinDurumu{-0.0, TurkceAyiraclar, "0"},
                      MetinDurumu{1, TurkceAyiraclar, "1"},
                      MetinDurumu{1.5, TurkceAyiraclar, "1,5"},
                      MetinDurumu{1.5, IngilizceAyiraclar, "1.5"},
                      MetinDurumu{1234567.25, TurkceAyiraclar, "1234567,25"},
                      MetinDurumu{-0.1, IngilizceAyiraclar, "-0.1"},
                      MetinDurumu{0.1 + 0.2, IngilizceAyiraclar, "0.3"},
                      MetinDurumu{1.0 / 3, IngilizceAyiraclar, "0.333333333333333"},
                      MetinDurumu{2.0 / 3, IngilizceAyiraclar, "0.666666666666667"},
                      MetinDurumu{-12500.75, TurkceAyiraclar, "-12500,75"},
                      MetinDurumu{999999999999999, IngilizceAyiraclar, "999999999999999"},
                      MetinDurumu{1e15, IngilizceAyiraclar, "1E15"},
                      MetinDurumu{1.5e20, TurkceAyiraclar, "1,5E20"},
                      MetinDurumu{1234567890123456789.0, IngilizceAyiraclar,
                                  "1.23456789012346E18"},
                      MetinDurumu{0.0001, IngilizceAyiraclar, "0.0001"},
                      MetinDurumu{0.00001, IngilizceAyiraclar, "0.00001"},
                      MetinDurumu{0.000001, IngilizceAyiraclar, "1E-6"},
                      MetinDurumu{-2.5e-7, TurkceAyiraclar, "-2,5E-7"},
                      MetinDurumu{kNan, IngilizceAyiraclar, "NAN"},
                      MetinDurumu{-kSonsuz, IngilizceAyiraclar, "-INF"}));

struct YuvarlamaDurumu {
  double deger;
  double beklenen;
};

class Yuvarla2Test : public ::testing::TestWithParam<YuvarlamaDurumu> {};

TEST_P(Yuvarla2Test, IkiOndalik) {
  const YuvarlamaDurumu& d = GetParam();
  EXPECT_EQ(Yuvarla2(d.deger), d.beklenen) << d.deger;
}

INSTANTIATE_TEST_SUITE_P(
    Degerler, Yuvarla2Test,
    ::testing::Values(YuvarlamaDurumu{0.125, 0.13}, YuvarlamaDurumu{13.346, 13.35},
                      YuvarlamaDurumu{33.334, 33.33}, YuvarlamaDurumu{-2.345, -2.35},
                      YuvarlamaDurumu{1.005, 1.01}, YuvarlamaDurumu{2.675, 2.68},
                      YuvarlamaDurumu{0.1 + 0.2, 0.3}, YuvarlamaDurumu{100, 100},
                      YuvarlamaDurumu{1234567.891, 1234567.89},
                      YuvarlamaDurumu{99.995, 100}, YuvarlamaDurumu{0.004, 0},
                      YuvarlamaDurumu{1e20, 1e20}, YuvarlamaDurumu{DBL_MAX, DBL_MAX},
                      YuvarlamaDurumu{kSonsuz, kSonsuz}));

TEST(Yuvarla2, SifiraYuvarlananIsaretsizdir) {
  EXPECT_FALSE(std::signbit(Yuvarla2(-0.001)));
  EXPECT_FALSE(std::signbit(Yuvarla2(-0.0)));
}

TEST(Yuvarla2, SayiOlmayanDegerAynenDoner) { EXPECT_TRUE(std::isnan(Yuvarla2(kNan))); }

// Every sum is rounded after each addition; the running total must not drift.
TEST(Yuvarla2, ArdisikToplamlarKaymaz) {
  double toplam = 0;
  for (int i = 0; i < 1000; ++i) toplam = Yuvarla2(toplam + 0.1);
  EXPECT_EQ(toplam, 100.0);
}

}  // namespace
}  // namespace zorvat

namespace zorvat {
namespace {

TEST(GunSerisiTest, TarihVeSaat) {
  struct Ornek {
    double seri;
    const char* tarih;
    const char* saat;
  };
  for (const Ornek& o : {Ornek{0, "30.12.1899", "00:00:00"}, Ornek{46000, "09.12.2025", "00:00:00"},
                         Ornek{46000.75, "09.12.2025", "18:00:00"}, Ornek{45658.5, "01.01.2025", "12:00:00"},
                         Ornek{46000.9999999, "09.12.2025", "23:59:59"}, Ornek{-1, "29.12.1899", "00:00:00"}}) {
    EXPECT_EQ(TarihMetni(o.seri), o.tarih) << o.seri;
    EXPECT_EQ(SaatMetni(o.seri), o.saat) << o.seri;
  }
  EXPECT_EQ(SaatMetni(46000.6041666, false), "14:30");  // 14:29:59.99 rounds to the second first
  EXPECT_THROW(TarihMetni(3e6), std::out_of_range);
  EXPECT_THROW(TarihMetni(std::nan("")), std::out_of_range);
}

}  // namespace
}  // namespace zorvat
