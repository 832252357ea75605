// Text rules of the controls, without a toolkit: UTF-8 code points, the forced upper case
// of an edit box, the Turkish alphabetical order and case-blind prefix matching of grids.
#pragma once

#include <string>
#include <string_view>

namespace zorvat {

std::u32string Utf32(std::string_view utf8);
std::string Utf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t codePoint);

// The capital of a Latin letter as an upper-case edit box writes it: "i" and "ı" both
// become "I", "ş" becomes "Ş". Characters without a capital come back unchanged.
char32_t UpperCase(char32_t c);
std::string UpperCase(std::string_view utf8);

// Turkish alphabetical order, blind to case: C < Ç < D, G < Ğ < H, I < İ, O < Ö < P,
// S < Ş < T, U < Ü < V; texts equal but for case keep a fixed order by their bytes.
int CompareTurkish(std::string_view a, std::string_view b);

// Whether the text starts with the prefix, blind to case and to the four forms of I.
bool StartsWithFolded(std::string_view text, std::string_view prefix);

}  // namespace zorvat
