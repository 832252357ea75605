#include "server/arama_metni.h"

#include <algorithm>

#include "server/method_context.h"

namespace zorvat::server {

namespace {

// The two-byte UTF-8 letters of Turkish and their plain forms.
struct TurkceHarf {
  unsigned char ilk, ikinci;
  char duz;
};

constexpr TurkceHarf kTurkceHarfler[] = {
    {0xC3, 0x87, 'c'}, {0xC3, 0xA7, 'c'},  // Ç ç
    {0xC4, 0x9E, 'g'}, {0xC4, 0x9F, 'g'},  // Ğ ğ
    {0xC4, 0xB0, 'i'}, {0xC4, 0xB1, 'i'},  // İ ı
    {0xC3, 0x96, 'o'}, {0xC3, 0xB6, 'o'},  // Ö ö
    {0xC5, 0x9E, 's'}, {0xC5, 0x9F, 's'},  // Ş ş
    {0xC3, 0x9C, 'u'}, {0xC3, 0xBC, 'u'},  // Ü ü
    {0xC3, 0x82, 'a'}, {0xC3, 0xA2, 'a'},  // Â â
    {0xC3, 0x8E, 'i'}, {0xC3, 0xAE, 'i'},  // Î î
    {0xC3, 0x9B, 'u'}, {0xC3, 0xBB, 'u'},  // Û û
};

// The plain letter of a two-byte letter of Turkish, or 0.
char DuzHarf(unsigned char ilk, unsigned char ikinci) {
  for (const TurkceHarf& harf : kTurkceHarfler) {
    if (harf.ilk == ilk && harf.ikinci == ikinci) return harf.duz;
  }
  return 0;
}

bool Bosluk(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

}  // namespace

std::string AramaMetni(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 'A' && c <= 'Z') {
      folded.push_back(static_cast<char>(c - 'A' + 'a'));
      continue;
    }
    if (c >= 0xC3 && c <= 0xC5 && i + 1 < text.size()) {
      if (const char plain = DuzHarf(c, static_cast<unsigned char>(text[i + 1]))) {
        folded.push_back(plain);
        ++i;
        continue;
      }
    }
    folded.push_back(static_cast<char>(c));
  }
  return folded;
}

std::vector<std::string> AramaKelimeleri(std::string_view text) {
  const std::string folded = AramaMetni(text);
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < folded.size()) {
    while (i < folded.size() && Bosluk(folded[i])) ++i;
    const std::size_t start = i;
    while (i < folded.size() && !Bosluk(folded[i])) ++i;
    if (i > start) {
      std::string word = folded.substr(start, i - start);
      if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(std::move(word));
    }
  }
  return words;
}

std::size_t HarfSayisi(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::vector<std::string> AranacakKelimeler(std::string_view text) {
  constexpr std::size_t kEnCokHarf = 100;
  if (HarfSayisi(text) > kEnCokHarf) throw MethodError("Arama metni en fazla 100 harf olabilir !");
  return AramaKelimeleri(text);
}

}  // namespace zorvat::server
