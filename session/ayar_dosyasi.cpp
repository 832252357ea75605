#include "session/ayar_dosyasi.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

#include "net/klasorler.h"
#include "session/platform_metin.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#endif

namespace zorvat {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBolum = "kullanici";
constexpr std::string_view kIsim = "isim";
constexpr std::string_view kSifre = "sifre";
constexpr std::string_view kHatirla = "hatırla";

#ifdef _WIN32
constexpr std::string_view kSatirSonu = "\r\n";
#else
constexpr std::string_view kSatirSonu = "\n";
#endif

// ---- Encodings -------------------------------------------------------------------------

bool GecerliUtf8(std::string_view metin) {
  std::size_t i = 0;
  while (i < metin.size()) {
    const auto bayt = static_cast<unsigned char>(metin[i]);
    std::size_t uzunluk = 1;
    char32_t kod = bayt;
    char32_t enKucuk = 0;
    if (bayt >= 0x80) {
      if ((bayt & 0xE0) == 0xC0) {
        uzunluk = 2, kod = bayt & 0x1F, enKucuk = 0x80;
      } else if ((bayt & 0xF0) == 0xE0) {
        uzunluk = 3, kod = bayt & 0x0F, enKucuk = 0x800;
      } else if ((bayt & 0xF8) == 0xF0) {
        uzunluk = 4, kod = bayt & 0x07, enKucuk = 0x10000;
      } else {
        return false;
      }
    }
    if (i + uzunluk > metin.size()) return false;
    for (std::size_t k = 1; k < uzunluk; ++k) {
      const auto devam = static_cast<unsigned char>(metin[i + k]);
      if ((devam & 0xC0) != 0x80) return false;
      kod = (kod << 6) | (devam & 0x3F);
    }
    if (kod < enKucuk || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF)) return false;
    i += uzunluk;
  }
  return true;
}

#ifdef _WIN32

// A file that is not UTF-8 was written in this system's ANSI code page.
std::string Utf8eCevir(std::string_view ansi) { return platform::Utf8(platform::Genis(ansi, CP_ACP)); }

// ANSI when every character fits the code page, as the system's profile functions write it;
// otherwise UTF-8, which the reader accepts too, so that no typed letter turns into "?".
std::string DosyaKodlamasi(const std::string& utf8) {
  const std::wstring genis = platform::Genis(utf8);
  BOOL eksik = FALSE;
  const int boy = WideCharToMultiByte(CP_ACP, 0, genis.data(), static_cast<int>(genis.size()),
                                      nullptr, 0, nullptr, &eksik);
  if (eksik || (boy == 0 && !genis.empty())) return utf8;
  std::string ansi(static_cast<std::size_t>(boy), '\0');
  WideCharToMultiByte(CP_ACP, 0, genis.data(), static_cast<int>(genis.size()), ansi.data(), boy,
                      nullptr, nullptr);
  return ansi;
}

#else

// Windows-1254 (Turkish): 0x80..0x9F, then six Turkish letters in place of Latin-1's.
// Bytes the code page leaves undefined map to the control character of the same number.
constexpr std::array<char16_t, 32> kCp1254Ust = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
};

char16_t Cp1254Karakter(unsigned char bayt) {
  if (bayt >= 0x80 && bayt < 0xA0) return kCp1254Ust[bayt - 0x80];
  switch (bayt) {
    case 0xD0: return u'Ğ';
    case 0xDD: return u'İ';
    case 0xDE: return u'Ş';
    case 0xF0: return u'ğ';
    case 0xFD: return u'ı';
    case 0xFE: return u'ş';
    default: return bayt;
  }
}

void Utf8Ekle(std::string& metin, char16_t karakter) {
  if (karakter < 0x80) {
    metin += static_cast<char>(karakter);
  } else if (karakter < 0x800) {
    metin += static_cast<char>(0xC0 | (karakter >> 6));
    metin += static_cast<char>(0x80 | (karakter & 0x3F));
  } else {
    metin += static_cast<char>(0xE0 | (karakter >> 12));
    metin += static_cast<char>(0x80 | ((karakter >> 6) & 0x3F));
    metin += static_cast<char>(0x80 | (karakter & 0x3F));
  }
}

// A file that is not UTF-8 comes from a Turkish Windows.
std::string Utf8eCevir(std::string_view cp1254) {
  std::string sonuc;
  for (char bayt : cp1254) Utf8Ekle(sonuc, Cp1254Karakter(static_cast<unsigned char>(bayt)));
  return sonuc;
}

std::string DosyaKodlamasi(const std::string& utf8) { return utf8; }

#endif

std::string DosyaMetni(std::string bayt) {
  if (bayt.starts_with("\xEF\xBB\xBF")) bayt.erase(0, 3);
  return GecerliUtf8(bayt) ? bayt : Utf8eCevir(bayt);
}

// ---- Lines of an INI file ----------------------------------------------------------------

bool AyniAd(std::string_view a, std::string_view b) {
  auto kucuk = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return kucuk(x) == kucuk(y); });
}

std::vector<std::string> Satirlar(const std::string& metin) {
  std::vector<std::string> satirlar;
  std::istringstream girdi(metin);
  for (std::string satir; std::getline(girdi, satir);) {
    if (satir.ends_with('\r')) satir.pop_back();
    satirlar.push_back(std::move(satir));
  }
  return satirlar;
}

std::optional<std::string_view> BolumAdi(std::string_view satir) {
  satir = platform::Kirp(satir);
  const auto son = satir.find(']');
  if (!satir.starts_with('[') || son == std::string_view::npos) return std::nullopt;
  return platform::Kirp(satir.substr(1, son - 1));
}

struct AnahtarDeger {
  std::string_view anahtar;
  std::string_view deger;
};

std::optional<AnahtarDeger> AnahtarSatiri(std::string_view satir) {
  const auto esittir = satir.find('=');
  if (platform::Kirp(satir).starts_with(';') || esittir == std::string_view::npos) return std::nullopt;
  return AnahtarDeger{platform::Kirp(satir.substr(0, esittir)), satir.substr(esittir + 1)};
}

// The lines [ilk, son) of the first "kullanici" section, header excluded; none when absent.
struct BolumAraligi {
  std::size_t ilk;
  std::size_t son;
};

std::optional<BolumAraligi> KullaniciBolumu(const std::vector<std::string>& satirlar) {
  auto bolumMu = [](const std::string& satir) { return BolumAdi(satir).has_value(); };
  const auto baslik = std::ranges::find_if(satirlar, [](const std::string& satir) {
    const auto ad = BolumAdi(satir);
    return ad && AyniAd(*ad, kBolum);
  });
  if (baslik == satirlar.end()) return std::nullopt;
  const auto sonraki = std::find_if(baslik + 1, satirlar.end(), bolumMu);
  return BolumAraligi{static_cast<std::size_t>(baslik - satirlar.begin()) + 1,
                      static_cast<std::size_t>(sonraki - satirlar.begin())};
}

// A value surrounded by quotes loses them, as the profile functions read it.
std::string DegerOku(std::string_view ham) {
  std::string_view deger = platform::Kirp(ham);
  if (deger.size() >= 2 && (deger.front() == '"' || deger.front() == '\'') &&
      deger.back() == deger.front()) {
    deger = deger.substr(1, deger.size() - 2);
  }
  return std::string(deger);
}

// Line breaks would start a new line of the file and are dropped; a value that the reader
// would trim or unquote is put in quotes, so that it comes back exactly as typed.
std::string DegerYaz(std::string deger) {
  std::erase_if(deger, [](char c) { return c == '\r' || c == '\n'; });
  const bool kirpilir = deger != platform::Kirp(deger);
  const bool tirnakli = deger.size() >= 2 && (deger.front() == '"' || deger.front() == '\'') &&
                        deger.back() == deger.front();
  return kirpilir || tirnakli ? '"' + deger + '"' : deger;
}

std::optional<std::string> DegerBul(const std::vector<std::string>& satirlar, BolumAraligi bolum,
                                    std::string_view anahtar) {
  for (std::size_t i = bolum.ilk; i < bolum.son; ++i) {
    const auto satir = AnahtarSatiri(satirlar[i]);
    if (satir && AyniAd(satir->anahtar, anahtar)) return DegerOku(satir->deger);
  }
  return std::nullopt;
}

// Delphi-style boolean: an integer, non-zero meaning true; anything else keeps the default.
bool Mantiksal(const std::optional<std::string>& deger, bool varsayilan) {
  if (!deger) return varsayilan;
  std::istringstream girdi(*deger);
  long sayi = 0;
  if (!(girdi >> sayi) || !(girdi >> std::ws).eof()) return varsayilan;
  return sayi != 0;
}

// Replaces the key's line in the section, or adds it after the section's last key.
void DegerKoy(std::vector<std::string>& satirlar, BolumAraligi& bolum, std::string_view anahtar,
              const std::string& deger) {
  std::string yeni = std::string(anahtar) + "=" + DegerYaz(deger);
  std::size_t sonAnahtar = bolum.ilk;
  for (std::size_t i = bolum.ilk; i < bolum.son; ++i) {
    const auto satir = AnahtarSatiri(satirlar[i]);
    if (!satir) continue;
    if (AyniAd(satir->anahtar, anahtar)) {
      satirlar[i] = std::move(yeni);
      return;
    }
    sonAnahtar = i + 1;
  }
  satirlar.insert(satirlar.begin() + static_cast<std::ptrdiff_t>(sonAnahtar), std::move(yeni));
  ++bolum.son;
}

BolumAraligi BolumHazirla(std::vector<std::string>& satirlar) {
  if (const auto bolum = KullaniciBolumu(satirlar)) return *bolum;
  satirlar.push_back("[" + std::string(kBolum) + "]");
  return {satirlar.size(), satirlar.size()};
}

// ---- Files -------------------------------------------------------------------------------

std::optional<std::string> DosyaOku(const fs::path& dosya) {
  std::ifstream girdi(dosya, std::ios::binary);
  if (!girdi) return std::nullopt;
  std::ostringstream icerik;
  icerik << girdi.rdbuf();
  return icerik.str();
}

fs::path GeciciAd(const fs::path& dosya) {
#ifdef _WIN32
  const auto surec = GetCurrentProcessId();
#else
  const auto surec = getpid();
#endif
  fs::path gecici = dosya;
  gecici += "." + std::to_string(surec) + ".yeni";
  return gecici;
}

#ifdef _WIN32

bool TamYaz(const fs::path& dosya, const std::string& icerik) {
  HANDLE tutamak = CreateFileW(dosya.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (tutamak == INVALID_HANDLE_VALUE) return false;
  DWORD yazilan = 0;
  const bool tamam = WriteFile(tutamak, icerik.data(), static_cast<DWORD>(icerik.size()), &yazilan,
                               nullptr) &&
                     yazilan == icerik.size() && FlushFileBuffers(tutamak);
  return CloseHandle(tutamak) && tamam;
}

bool YerineKoy(const fs::path& gecici, const fs::path& dosya) {
  return MoveFileExW(gecici.c_str(), dosya.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

#else

// The file holds a password: only its owner may read it.
bool TamYaz(const fs::path& dosya, const std::string& icerik) {
  const int tutamak = open(dosya.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (tutamak < 0) return false;
  std::size_t yazilan = 0;
  while (yazilan < icerik.size()) {
    const ssize_t parca = write(tutamak, icerik.data() + yazilan, icerik.size() - yazilan);
    if (parca <= 0) break;
    yazilan += static_cast<std::size_t>(parca);
  }
  const bool tamam = yazilan == icerik.size() && fsync(tutamak) == 0;
  return close(tutamak) == 0 && tamam;
}

bool YerineKoy(const fs::path& gecici, const fs::path& dosya) {
  return std::rename(gecici.c_str(), dosya.c_str()) == 0;
}

#endif

bool GuvenliYaz(const fs::path& dosya, const std::string& icerik) {
  const fs::path gecici = GeciciAd(dosya);
  if (TamYaz(gecici, icerik) && YerineKoy(gecici, dosya)) return true;
  std::error_code hata;
  fs::remove(gecici, hata);
  return false;
}

}  // namespace

fs::path AyarDosyasiYolu() {
  const fs::path klasor = AyarKlasoru();
  return klasor.empty() ? fs::path() : klasor / "ayar.ini";
}

std::optional<KullaniciAyari> AyarDosyasiOku(const fs::path& dosya) {
  if (dosya.empty()) return std::nullopt;
  const auto icerik = DosyaOku(dosya);
  if (!icerik) return std::nullopt;
  const auto satirlar = Satirlar(DosyaMetni(*icerik));
  KullaniciAyari ayar;
  if (const auto bolum = KullaniciBolumu(satirlar)) {
    ayar.isim = DegerBul(satirlar, *bolum, kIsim).value_or("");
    ayar.sifre = DegerBul(satirlar, *bolum, kSifre).value_or("");
    ayar.hatirla = Mantiksal(DegerBul(satirlar, *bolum, kHatirla), true);
  }
  return ayar;
}

bool AyarDosyasiYaz(const KullaniciAyari& ayar, const fs::path& dosya) {
  if (dosya.empty()) return false;
  // A file that exists but cannot be read is not overwritten: its other sections would be lost.
  std::error_code hata;
  const auto eski = DosyaOku(dosya);
  if (!eski && fs::exists(dosya, hata)) return false;
  auto satirlar = Satirlar(DosyaMetni(eski.value_or("")));
  BolumAraligi bolum = BolumHazirla(satirlar);
  DegerKoy(satirlar, bolum, kIsim, ayar.isim);
  DegerKoy(satirlar, bolum, kSifre, ayar.sifre);
  DegerKoy(satirlar, bolum, kHatirla, ayar.hatirla ? "1" : "0");
  std::string metin;
  for (const auto& satir : satirlar) metin.append(satir).append(kSatirSonu);
  return GuvenliYaz(dosya, DosyaKodlamasi(metin));
}

}  // namespace zorvat
