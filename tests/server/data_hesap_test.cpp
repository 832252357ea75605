// The server's line arithmetic and search folding, which its SQL functions use too.
#include <gtest/gtest.h>

#include "server/arama_metni.h"
#include "server/database.h"
#include "server/fiyat.h"

namespace zorvat::server {
namespace {

struct SatirOrnegi {
  double miktar, fiyat;
  Oranlar oranlar;
  double kdv;
  SatirTutarlari beklenen;
};

// The add dialog's examples and what a basket line must hold for them: the dialog's
// VAT-inclusive total, and the VAT that makes net + VAT equal to it.
TEST(SatirHesapla, MatchesTheAddDialog) {
  const SatirOrnegi ornekler[] = {
      {3, 100, {10, 5, 0, 0}, 20, {300, 43.5, 256.5, 85.5, 307.8, 51.3}},
      {3, 9.99, {0, 0, 0, 0}, 20, {29.97, 0, 29.97, 9.99, 35.97, 6}},
      // A negative rate is skipped, not a surcharge.
      {1, 200, {-10, 50, 0, 0}, 20, {200, 100, 100, 100, 120, 20}},
      // Halves round away from zero at every step: 0.125 x 1 -> 0.13.
      {1, 0.125, {0, 0, 0, 0}, 0, {0.13, 0, 0.13, 0.13, 0.13, 0}},
      {2, 45.55, {12.5, 2.5, 0, 0}, 10, {91.1, 13.38, 77.72, 38.86, 85.5, 7.78}},
  };
  for (const SatirOrnegi& o : ornekler) {
    const SatirTutarlari t = SatirHesapla(o.miktar, o.fiyat, o.oranlar, o.kdv);
    SCOPED_TRACE(testing::Message() << o.miktar << " x " << o.fiyat);
    EXPECT_DOUBLE_EQ(t.tutar, o.beklenen.tutar);
    EXPECT_DOUBLE_EQ(t.indirimTutar, o.beklenen.indirimTutar);
    EXPECT_DOUBLE_EQ(t.netTutar, o.beklenen.netTutar);
    EXPECT_DOUBLE_EQ(t.netBirimFiyat, o.beklenen.netBirimFiyat);
    EXPECT_DOUBLE_EQ(t.kdvliTutar, o.beklenen.kdvliTutar);
    EXPECT_DOUBLE_EQ(t.vergiTutari, o.beklenen.vergiTutari);
  }
}

TEST(IndirimYazisi, JoinsTheRatesAboveZero) {
  EXPECT_EQ(IndirimYazisi({10, 5, 0, 0}), "10+5");
  EXPECT_EQ(IndirimYazisi({7.5, 0, 2, 0}), "7,5+2");
  EXPECT_EQ(IndirimYazisi({0, -5, 0, 0}), "");
}

TEST(AramaMetni, FoldsTurkishLettersAndCase) {
  const std::pair<const char*, const char*> ornekler[] = {
      {"ŞANZIMAN", "sanziman"},         {"şanzıman", "sanziman"},       {"SANZIMAN", "sanziman"},
      {"İSTANBUL ısı", "istanbul isi"}, {"ĞÜŞÖÇ ğüşöç", "gusoc gusoc"}, {"Âlâ Îmâ Ûmran", "ala ima umran"},
      {"1K0 698-151", "1k0 698-151"},   {"Zürich 5€", "zurich 5€"},
  };
  for (const auto& [metin, beklenen] : ornekler) EXPECT_EQ(AramaMetni(metin), beklenen) << metin;
}

TEST(AramaMetni, SplitsWordsWithoutRepeats) {
  EXPECT_EQ(AramaKelimeleri("  ön\tFREN ÖN  fren\n"), (std::vector<std::string>{"on", "fren"}));
  EXPECT_TRUE(AramaKelimeleri(" \t ").empty());
  EXPECT_EQ(HarfSayisi("ğü"), 2u);
  EXPECT_EQ(HarfSayisi("5€x"), 3u);
}

// The same arithmetic from SQL, as the stock lists use it.
TEST(SqlIslevleri, PriceAndSearchAsTheCode) {
  Database db(":memory:", true);
  Statement& sorgu = db.Prepare(
      "SELECT yuvarla2(2.675), yuvarla2(iskontolu(100, 10, 5, 0, 0)), kdv_dahil(85.5, 20), "
      "indirim_yazi(10, 5, 0, 0), arama_metni('ÖN FREN'), kelimeler_var('on fren balatasi', 'on' || char(10) || "
      "'ata'), "
      "kelimeler_var('on fren', 'arka'), kelimeler_var('x', ''), yuvarla2(NULL)");
  ASSERT_TRUE(sorgu.Step());
  EXPECT_DOUBLE_EQ(sorgu.Double(0), 2.68);
  EXPECT_DOUBLE_EQ(sorgu.Double(1), 85.5);
  EXPECT_DOUBLE_EQ(sorgu.Double(2), 102.6);
  EXPECT_EQ(sorgu.Text(3), "10+5");
  EXPECT_EQ(sorgu.Text(4), "on fren");
  EXPECT_EQ(sorgu.Int(5), 1);
  EXPECT_EQ(sorgu.Int(6), 0);
  EXPECT_EQ(sorgu.Int(7), 1);
  EXPECT_TRUE(sorgu.IsNull(8));
  sorgu.Reset();
}

}  // namespace
}  // namespace zorvat::server
