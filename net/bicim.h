// Number and text forms shared by every layer: money formats with the user's separators,
// two-decimal rounding, the general number text, URL query coding, hexadecimal pictures
// and the comma form of a list of lines.
#pragma once

#include <cstdint>
#include <locale>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorvat {

// The decimal and thousands separators numbers are shown with.
struct SayiAyiraclari {
  char ondalik = '.';
  char binlik = ',';

  friend bool operator==(const SayiAyiraclari&, const SayiAyiraclari&) = default;
};

inline constexpr SayiAyiraclari IngilizceAyiraclar{'.', ','};
inline constexpr SayiAyiraclari TurkceAyiraclar{',', '.'};

// Display format of every money column and box: thousands grouped, always two decimals.
inline constexpr std::string_view ParaBicimi = "#,###,##0.00";

// The separators of the process. The program sets them once at start, before any worker
// runs; until then they are the English ones.
SayiAyiraclari GecerliAyiraclar();
void AyiraclariAyarla(SayiAyiraclari ayiraclar);

// The separators of the given locale. A separator that is not a single printable ASCII
// character (none, or a multi-byte one such as a narrow no-break space) is unusable: an
// unusable decimal separator gives the English pair, an unusable or clashing thousands
// separator is replaced by whichever of '.' and ',' the decimal separator is not.
SayiAyiraclari AyiraclariBul(const std::locale& yerel);

// The separators of the user's locale; the English pair when the locale cannot be opened.
SayiAyiraclari YerelAyiraclar();

// Formats a number by a pattern of '#', '0', ',' and one '.':
// - a ',' before the '.' groups the integer part by thousands;
// - the count of '0' before the '.' is the least number of integer digits (none: a value
//   below one shows no integer digit, as in ".50");
// - each '0' or '#' after the '.' is one decimal; decimals after the last '0' are dropped
//   when they are zero.
// The value is first taken to 15 significant digits, then rounded at the last decimal
// with halves away from zero, so 2.675 gives "2.68". A value that rounds to zero has no
// sign. Infinities and NaN show as "INF", "-INF" and "NAN".
// Any other character in the pattern throws std::invalid_argument.
std::string FormatFloat(std::string_view desen, double deger,
                        SayiAyiraclari ayiraclar = GecerliAyiraclar());

// The general number text: up to 15 significant digits, no thousands separator, the
// decimal separator only when there is a fraction. Magnitudes from 1e-5 up to fifteen
// integer digits are written plainly; others in scientific form with an "E" and an
// exponent without '+' or leading zeros ("1E20", "-2,5E-7"). Zero (also -0) is "0".
std::string FloatToStr(double deger, SayiAyiraclari ayiraclar = GecerliAyiraclar());

// Rounds to two decimals as if written with two decimals (halves away from zero, on the
// 15-significant-digit decimal form) and read back: 0.125 -> 0.13, -2.345 -> -2.35.
// Infinities and NaN come back unchanged.
double Yuvarla2(double deger);

// Day serials: days since 30 December 1899, the fraction being the time of day.
// The day as "09.12.2025"; throws std::out_of_range outside the years 1 to 9999.
std::string TarihMetni(double gunSeri);
// The time of day as "14:35:07", or "14:35" without seconds; a time a hair before midnight
// stays on its day.
std::string SaatMetni(double gunSeri, bool saniyeli = true);

// Codes a UTF-8 text as a URL query value. Bytes below '!' or above '~' become "%XX" with
// upper-case digits; a '%' already followed by two hexadecimal digits passes through with
// them. '&', '=', '+' and '#' are coded too, so that a name like "A&B OTOMOTİV" stays one
// value, and a '%' without two hexadecimal digits after it becomes "%25" so that the
// receiver does not read the following characters as a code. Other printable ASCII
// characters, '/' and '?' included, pass through.
std::string UrlKodla(std::string_view metin);

// Hexadecimal text that is not a picture: the message names the faulty piece and its place.
class HexCozmeHatasi : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Pictures sent as hexadecimal text: two digits per byte from the start, either case; a
// single character left at the end is read alone as one byte. A piece that is not
// hexadecimal throws HexCozmeHatasi.
std::vector<std::uint8_t> HexCoz(std::string_view metin);

// The comma form of a list of lines: a line that holds a blank, a control character, a
// comma or a double quote is put in double quotes with its inner double quotes doubled;
// other lines stand bare; the lines are joined with "," and no blanks. An empty line is an
// empty item ("a,,b"); no lines and one empty line both give "".
std::string VirgulMetni(std::span<const std::string> satirlar);

}  // namespace zorvat
