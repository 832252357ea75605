#include "ui/state/text.h"

#include <cstdint>

namespace zorvat {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes the code point at `pos` and moves past it; a malformed byte reads as U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t value = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    value = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    value = lead & 0x07;
  } else {
    return kReplacement;
  }
  for (int i = 0; i < extra; ++i) {
    if (pos >= text.size()) return kReplacement;
    const auto next = static_cast<unsigned char>(text[pos]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    value = (value << 6) | (next & 0x3F);
    ++pos;
  }
  return value;
}

// Case and the dotted or dotless I do not matter when a user searches or filters.
char32_t Folded(char32_t c) {
  const char32_t upper = UpperCase(c);
  return upper == U'\u0130' ? U'I' : upper;
}

// Letters sort by the Turkish alphabet after every other character.
std::uint32_t SortWeight(char32_t c) {
  constexpr std::uint32_t kLetters = 0x110000;
  if (c == U'i' || c == U'\u0130') return kLetters + ('I' - 'A') * 2 + 1;
  const char32_t upper = UpperCase(c);
  if (upper >= U'A' && upper <= U'Z') return kLetters + (upper - U'A') * 2;
  switch (upper) {
    case U'\u00C7': return kLetters + ('C' - 'A') * 2 + 1;
    case U'\u011E': return kLetters + ('G' - 'A') * 2 + 1;
    case U'\u00D6': return kLetters + ('O' - 'A') * 2 + 1;
    case U'\u015E': return kLetters + ('S' - 'A') * 2 + 1;
    case U'\u00DC': return kLetters + ('U' - 'A') * 2 + 1;
    default: return upper;
  }
}

}  // namespace

std::u32string Utf32(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) out.push_back(NextCodePoint(utf8, pos));
  return out;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string Utf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

char32_t UpperCase(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (c == U'\u0131') return U'I';
  // Latin-1 small letters à to þ, except the division sign.
  if (c >= U'\u00E0' && c <= U'\u00FE' && c != U'\u00F7') return c - 32;
  if (c == U'\u00FF') return U'\u0178';
  // Latin Extended-A pairs capital/small (ğ, ş, ő, ž and their kin).
  const bool evenPairs = (c >= U'\u0100' && c <= U'\u0137') || (c >= U'\u014A' && c <= U'\u0177');
  const bool oddPairs = (c >= U'\u0139' && c <= U'\u0148') || (c >= U'\u0179' && c <= U'\u017E');
  if (evenPairs && c % 2 == 1) return c - 1;
  if (oddPairs && c % 2 == 0) return c - 1;
  return c;
}

std::string UpperCase(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) AppendUtf8(out, UpperCase(NextCodePoint(utf8, pos)));
  return out;
}

int CompareTurkish(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const std::uint32_t left = SortWeight(NextCodePoint(a, i));
    const std::uint32_t right = SortWeight(NextCodePoint(b, j));
    if (left != right) return left < right ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

bool StartsWithFolded(std::string_view text, std::string_view prefix) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (j < prefix.size()) {
    if (i >= text.size()) return false;
    if (Folded(NextCodePoint(text, i)) != Folded(NextCodePoint(prefix, j))) return false;
  }
  return true;
}

}  // namespace zorvat
