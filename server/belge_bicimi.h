// How the documents the server renders (receipts, reports) write money and dates: with
// Turkish separators, days as dd.mm.yyyy.
#pragma once

#include <string>

namespace zorvat::server {

// "1.234,56": two decimals, thousands grouped.
std::string ParaYazisi(double tutar);

// A day serial (days since 30 December 1899) as "09.12.2025"; throws MethodError for a day
// outside the years 1 to 9999.
std::string TarihYazisi(double gunSeri);

// The same with the time of day: "09.12.2025 14:35".
std::string TarihSaatYazisi(double gunSeri);

}  // namespace zorvat::server
