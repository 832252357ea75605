// The money of a line, computed as the add-to-basket dialog computes it: a basket line
// shows the amounts the dialog showed when it was added.
#pragma once

#include <array>
#include <string>

namespace zorvat::server {

// The four chained discount rates of an account or a line, in percent, in their order.
using Oranlar = std::array<double, 4>;

// The gross amount after the chained rates, not rounded; rates of 0 or below are skipped.
double IskontoUygula(double brut, const Oranlar& oranlar);

// The VAT-inclusive unit price of a net unit price at a VAT rate in percent.
double KdvDahil(double netBirimFiyat, double kdv);

// The rates above 0 joined with "+" in the general number form with a decimal comma
// ("10+5", "7,5"); empty when there is no discount.
std::string IndirimYazisi(const Oranlar& oranlar);

struct SatirTutarlari {
  double tutar = 0;          // quantity x unit price
  double indirimTutar = 0;   // tutar - netTutar
  double netTutar = 0;       // after the discounts
  double netBirimFiyat = 0;  // netTutar / quantity
  double kdvliTutar = 0;     // VAT-inclusive unit price x quantity
  double vergiTutari = 0;    // kdvliTutar - netTutar
};

// Every amount rounded to two decimals, halves away from zero. The VAT-inclusive total is
// the rounded VAT-inclusive unit price times the quantity, and the VAT is what that adds
// to the net amount, so the basket's totals add up to the sum of the lines' totals.
SatirTutarlari SatirHesapla(double miktar, double birimFiyat, const Oranlar& oranlar, double kdv);

}  // namespace zorvat::server
