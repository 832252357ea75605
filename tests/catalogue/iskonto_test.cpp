// The money arithmetic of a basket line: chained discounts, net and VAT-inclusive unit
// prices and the line total.
#include <gtest/gtest.h>

#include "catalogue/iskonto.h"

namespace zorvat {
namespace {

struct SatirOrnegi {
  const char* ad;
  double fiyat;
  double miktar;
  IskontoOranlari oranlar;
  double kdv;
  SatirTutari beklenen;
};

const SatirOrnegi kSatirlar[] = {
    {"two rates", 100, 3, {10, 5, 0, 0}, 20, {43.50, 85.50, 102.60, 307.80}},
    // The total is the rounded VAT-inclusive unit price times the quantity: 35.97, not 35.96.
    {"no discount", 9.99, 3, {0, 0, 0, 0}, 20, {0, 9.99, 11.99, 35.97}},
    {"all four rates chained", 200, 2, {10, 10, 10, 10}, 18, {137.56, 131.22, 154.84, 309.68}},
    {"a negative rate is skipped", 100, 2, {-10, 0, 0, 5}, 0, {10, 95, 95, 190}},
    {"no quantity", 100, 0, {10, 5, 0, 0}, 20, {0, 0, 0, 0}},
    {"no VAT", 12.5, 4, {0, 0, 0, 0}, 0, {0, 12.5, 12.5, 50}},
};

TEST(SatirTutari, DiscountsVatAndTotalAsTheDealerComputesThem) {
  for (const SatirOrnegi& ornek : kSatirlar) {
    SCOPED_TRACE(ornek.ad);
    const SatirTutari tutar = SatirTutariHesapla(ornek.fiyat, ornek.miktar, ornek.oranlar, ornek.kdv);
    EXPECT_NEAR(tutar.indirim, ornek.beklenen.indirim, 1e-9);
    EXPECT_DOUBLE_EQ(tutar.netBirim, ornek.beklenen.netBirim);
    EXPECT_DOUBLE_EQ(tutar.kdvDahilBirim, ornek.beklenen.kdvDahilBirim);
    EXPECT_DOUBLE_EQ(tutar.toplam, ornek.beklenen.toplam);
  }
}

TEST(IskontoUygula, TheDiscountIsExactAndTheNetAmountRounded) {
  const IskontoSonucu sonuc = IskontoUygula(10, {33.333, 0, 0, 0});
  EXPECT_NEAR(sonuc.indirim, 3.3333, 1e-12);
  EXPECT_DOUBLE_EQ(sonuc.net, 6.67);
  EXPECT_DOUBLE_EQ(IskontoUygula(10, {100, 50, 0, 0}).net, 0);
}

TEST(IndirimSatiriGorunur, OnlyRatesAddingUpToMoreThanOneShowTheDiscount) {
  EXPECT_FALSE(IndirimSatiriGorunur({0, 0, 0, 0}));
  EXPECT_FALSE(IndirimSatiriGorunur({1, 0, 0, 0}));
  EXPECT_TRUE(IndirimSatiriGorunur({0.6, 0.6, 0, 0}));
  EXPECT_TRUE(IndirimSatiriGorunur({0, 0, 0, 1.5}));
}

}  // namespace
}  // namespace zorvat
