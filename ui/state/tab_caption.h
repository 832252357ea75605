// Page captions that carry a counter: "12=Yeni Stoklar" is the title "Yeni Stoklar" with
// the count 12, which the tab draws as a red "(12)".
#pragma once

#include <string>
#include <string_view>

namespace zorvat {

// The tab caption record: the counter and the title.
struct TSonuc {
  int sayi = 0;
  std::string baslik;

  bool operator==(const TSonuc&) const = default;
};

// Splits a caption at its first "=": the whole number before it is the counter, at most
// 100 characters after it the title. A caption without "=" is all title. A counter that is
// not a whole number (a balance such as "1250,5") or does not fit counts as 0, so such a
// caption shows its title without a counter instead of failing.
TSonuc BaslikAyir(std::string_view caption);

// The caption of a page that shows a count: "12=Yeni Stoklar".
std::string SayacliBaslik(long long count, std::string_view title);

}  // namespace zorvat
