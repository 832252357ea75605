// The money arithmetic of a basket line: the four chained discount rates, the net and
// VAT-inclusive unit prices and the line total, every sum rounded to two decimals.
#pragma once

#include <array>

namespace zorvat {

// The four discount rates in percent, applied in this order.
using IskontoOranlari = std::array<double, 4>;

struct IskontoSonucu {
  double indirim = 0;  // the gross amount minus the discounted one, not rounded
  double net = 0;      // the discounted amount, rounded to two decimals
};

// Applies the rates one after the other to what the previous ones left; a rate of 0 or
// below is skipped, never applied as a surcharge.
IskontoSonucu IskontoUygula(double brut, const IskontoOranlari& oranlar);

struct SatirTutari {
  double indirim = 0;        // the discount amount of the whole line
  double netBirim = 0;       // the discounted unit price, VAT excluded
  double kdvDahilBirim = 0;  // the discounted unit price with VAT
  double toplam = 0;         // the VAT-inclusive unit price times the quantity
};

// The amounts of a line of `miktar` units at `fiyat` (VAT excluded) with the rates and the
// VAT rate in percent. The total is the rounded VAT-inclusive unit price times the
// quantity, so that it always matches what the unit price shown promises. A quantity of 0
// gives 0 unit prices.
SatirTutari SatirTutariHesapla(double fiyat, double miktar, const IskontoOranlari& oranlar, double kdvoran);

// Whether the discount line is worth showing: the rates add up to more than 1.
bool IndirimSatiriGorunur(const IskontoOranlari& oranlar);

}  // namespace zorvat
