#include "net/bicim.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <cmath>

namespace zorvat {

namespace {

std::atomic<SayiAyiraclari> gecerliAyiraclar{IngilizceAyiraclar};

bool KullanilirAyirac(char c) { return c >= ' ' && c <= '~' && (c < '0' || c > '9'); }

// A finite number as (-)0.d1d2d3... x 10^us, without trailing zero digits; no digits is zero.
struct OndalikSayi {
  bool negatif = false;
  std::string rakamlar;
  int us = 0;

  bool Sifir() const { return rakamlar.empty(); }
};

void SondakiSifirlariAt(OndalikSayi& sayi) {
  const auto sonRakam = sayi.rakamlar.find_last_not_of('0');
  sayi.rakamlar.erase(sonRakam == std::string::npos ? 0 : sonRakam + 1);
  if (sayi.Sifir()) sayi.us = 0;
}

// The decimal form with 15 significant digits, the precision money values are shown with.
// std::to_chars is exact and ignores the C locale, which the toolkit may have changed.
OndalikSayi OnBesBasamakli(double deger) {
  char metin[32];
  const auto son = std::to_chars(metin, metin + sizeof metin, deger,
                                 std::chars_format::scientific, 14).ptr;
  // metin is "[-]d.dddddddddddddde(+|-)xx".
  OndalikSayi sayi;
  const char* p = metin;
  if (*p == '-') {
    sayi.negatif = true;
    ++p;
  }
  for (; *p != 'e'; ++p) {
    if (*p != '.') sayi.rakamlar.push_back(*p);
  }
  ++p;
  if (*p == '+') ++p;
  std::from_chars(p, son, sayi.us);
  ++sayi.us;
  SondakiSifirlariAt(sayi);
  return sayi;
}

void SonRakamaBirEkle(OndalikSayi& sayi) {
  for (auto i = sayi.rakamlar.size(); i-- > 0;) {
    if (sayi.rakamlar[i] != '9') {
      ++sayi.rakamlar[i];
      return;
    }
    sayi.rakamlar[i] = '0';
  }
  sayi.rakamlar.insert(0, 1, '1');
  ++sayi.us;
}

// Rounds to the given number of decimals, halves away from zero.
void Yuvarla(OndalikSayi& sayi, int ondalik) {
  const long kalan = static_cast<long>(sayi.us) + ondalik;
  if (kalan >= static_cast<long>(sayi.rakamlar.size())) return;
  if (kalan < 0) {
    sayi.rakamlar.clear();
    sayi.us = 0;
    return;
  }
  const bool yukari = sayi.rakamlar[static_cast<std::size_t>(kalan)] >= '5';
  sayi.rakamlar.erase(static_cast<std::size_t>(kalan));
  if (yukari) SonRakamaBirEkle(sayi);
  SondakiSifirlariAt(sayi);
}

// The digits before the decimal point, padded with zeros to the given count.
std::string TamRakamlar(const OndalikSayi& sayi, int enAz) {
  std::string tam;
  if (sayi.us > 0) {
    const auto us = static_cast<std::size_t>(sayi.us);
    tam = sayi.rakamlar.substr(0, us);
    tam.append(us - tam.size(), '0');
  }
  if (tam.size() < static_cast<std::size_t>(enAz)) tam.insert(0, enAz - tam.size(), '0');
  return tam;
}

std::string KesirRakamlari(const OndalikSayi& sayi) {
  if (sayi.us >= 0) {
    const auto us = static_cast<std::size_t>(sayi.us);
    return us < sayi.rakamlar.size() ? sayi.rakamlar.substr(us) : std::string();
  }
  return std::string(static_cast<std::size_t>(-sayi.us), '0') + sayi.rakamlar;
}

std::string Grupla(std::string_view tam, char binlik) {
  std::string sonuc;
  sonuc.reserve(tam.size() + tam.size() / 3);
  for (std::size_t i = 0; i < tam.size(); ++i) {
    if (i > 0 && (tam.size() - i) % 3 == 0) sonuc.push_back(binlik);
    sonuc.push_back(tam[i]);
  }
  return sonuc;
}

std::string SayiOlmayanMetin(double deger) {
  if (std::isnan(deger)) return "NAN";
  return deger < 0 ? "-INF" : "INF";
}

struct SayiDeseni {
  bool grupla = false;
  int enAzTamRakam = 0;
  int enAzOndalik = 0;
  int enCokOndalik = 0;
};

[[noreturn]] void DesenHatasi(std::string_view desen) {
  throw std::invalid_argument("Desteklenmeyen sayı biçimi: \"" + std::string(desen) + "\"");
}

SayiDeseni DeseniCoz(std::string_view desen) {
  SayiDeseni d;
  bool kesirde = false;
  for (const char c : desen) {
    if (c == '0' && kesirde) {
      d.enAzOndalik = ++d.enCokOndalik;
    } else if (c == '0') {
      ++d.enAzTamRakam;
    } else if (c == '#') {
      if (kesirde) ++d.enCokOndalik;
    } else if (c == ',' && !kesirde) {
      d.grupla = true;
    } else if (c == '.' && !kesirde) {
      kesirde = true;
    } else {
      DesenHatasi(desen);
    }
  }
  return d;
}

std::string IsaretliMetin(const OndalikSayi& sayi, std::string_view mutlak) {
  std::string metin = sayi.negatif && !sayi.Sifir() ? "-" : "";
  metin += mutlak;
  return metin;
}

std::string DuzYazim(const OndalikSayi& sayi, char ondalik) {
  std::string metin = TamRakamlar(sayi, 1);
  const std::string kesir = KesirRakamlari(sayi);
  if (!kesir.empty()) metin += ondalik + kesir;
  return metin;
}

std::string BilimselYazim(const OndalikSayi& sayi, char ondalik) {
  std::string metin(1, sayi.rakamlar.front());
  if (sayi.rakamlar.size() > 1) metin += ondalik + sayi.rakamlar.substr(1);
  return metin + 'E' + std::to_string(sayi.us - 1);
}

bool HexRakam(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexDeger(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return c - 'a' + 10;
}

// Characters that would end or split a query value if they went through as they are.
bool SorguAyiraci(char c) { return c == '&' || c == '=' || c == '+' || c == '#' || c == '%'; }

void YuzdeKoduEkle(std::string& metin, unsigned char bayt) {
  static constexpr char rakamlar[] = "0123456789ABCDEF";
  metin.push_back('%');
  metin.push_back(rakamlar[bayt >> 4]);
  metin.push_back(rakamlar[bayt & 0x0F]);
}

[[noreturn]] void HexHatasi(std::string_view parca, std::size_t konum) {
  std::string gorunen;
  for (const char c : parca) gorunen.push_back(c >= ' ' && c <= '~' ? c : '?');
  throw HexCozmeHatasi("Onaltılık metin çözülemedi: " + std::to_string(konum + 1) +
                       ". karakterdeki \"" + gorunen + "\" onaltılık bir sayı değil.");
}

bool TirnakGerekir(std::string_view satir) {
  return std::any_of(satir.begin(), satir.end(), [](char c) {
    const auto bayt = static_cast<unsigned char>(c);
    return bayt <= ' ' || bayt == 0x7F || c == ',' || c == '"';
  });
}

void TirnakIcindeEkle(std::string& metin, std::string_view satir) {
  metin.push_back('"');
  for (const char c : satir) {
    if (c == '"') metin.push_back('"');
    metin.push_back(c);
  }
  metin.push_back('"');
}

}  // namespace

SayiAyiraclari GecerliAyiraclar() { return gecerliAyiraclar.load(std::memory_order_relaxed); }

void AyiraclariAyarla(SayiAyiraclari ayiraclar) {
  gecerliAyiraclar.store(ayiraclar, std::memory_order_relaxed);
}

SayiAyiraclari AyiraclariBul(const std::locale& yerel) {
  const auto& noktalama = std::use_facet<std::numpunct<char>>(yerel);
  SayiAyiraclari ayiraclar{noktalama.decimal_point(), noktalama.thousands_sep()};
  if (!KullanilirAyirac(ayiraclar.ondalik)) return IngilizceAyiraclar;
  if (!KullanilirAyirac(ayiraclar.binlik) || ayiraclar.binlik == ayiraclar.ondalik) {
    ayiraclar.binlik = ayiraclar.ondalik == ',' ? '.' : ',';
  }
  return ayiraclar;
}

SayiAyiraclari YerelAyiraclar() {
  try {
    return AyiraclariBul(std::locale(""));
  } catch (const std::runtime_error&) {
    return IngilizceAyiraclar;
  }
}

std::string FormatFloat(std::string_view desen, double deger, SayiAyiraclari ayiraclar) {
  const SayiDeseni d = DeseniCoz(desen);
  if (!std::isfinite(deger)) return SayiOlmayanMetin(deger);
  OndalikSayi sayi = OnBesBasamakli(deger);
  Yuvarla(sayi, d.enCokOndalik);
  std::string metin = TamRakamlar(sayi, d.enAzTamRakam);
  if (d.grupla) metin = Grupla(metin, ayiraclar.binlik);
  std::string kesir = KesirRakamlari(sayi);
  if (kesir.size() < static_cast<std::size_t>(d.enAzOndalik)) kesir.resize(d.enAzOndalik, '0');
  if (!kesir.empty()) metin += ayiraclar.ondalik + kesir;
  return IsaretliMetin(sayi, metin);
}

std::string FloatToStr(double deger, SayiAyiraclari ayiraclar) {
  if (!std::isfinite(deger)) return SayiOlmayanMetin(deger);
  const OndalikSayi sayi = OnBesBasamakli(deger);
  if (sayi.Sifir()) return "0";
  const bool bilimsel = sayi.us > 15 || sayi.us < -4;
  return IsaretliMetin(sayi, bilimsel ? BilimselYazim(sayi, ayiraclar.ondalik)
                                      : DuzYazim(sayi, ayiraclar.ondalik));
}

double Yuvarla2(double deger) {
  if (!std::isfinite(deger)) return deger;
  OndalikSayi sayi = OnBesBasamakli(deger);
  Yuvarla(sayi, 2);
  if (sayi.Sifir()) return 0.0;
  const std::string metin =
      (sayi.negatif ? "-0." : "0.") + sayi.rakamlar + 'e' + std::to_string(sayi.us);
  double sonuc = deger;
  // Only the largest doubles can round past the range; they have no decimals to round.
  const auto okunan = std::from_chars(metin.data(), metin.data() + metin.size(), sonuc);
  return okunan.ec == std::errc() ? sonuc : deger;
}

std::string UrlKodla(std::string_view metin) {
  std::string sonuc;
  sonuc.reserve(metin.size() + metin.size() / 2);
  for (std::size_t i = 0; i < metin.size(); ++i) {
    const char c = metin[i];
    const auto bayt = static_cast<unsigned char>(c);
    if (c == '%' && i + 2 < metin.size() && HexRakam(metin[i + 1]) && HexRakam(metin[i + 2])) {
      sonuc.append(metin.substr(i, 3));
      i += 2;
    } else if (bayt < '!' || bayt > '~' || SorguAyiraci(c)) {
      YuzdeKoduEkle(sonuc, bayt);
    } else {
      sonuc.push_back(c);
    }
  }
  return sonuc;
}

std::vector<std::uint8_t> HexCoz(std::string_view metin) {
  std::vector<std::uint8_t> baytlar;
  baytlar.reserve((metin.size() + 1) / 2);
  for (std::size_t i = 0; i < metin.size(); i += 2) {
    const std::string_view parca = metin.substr(i, 2);
    int deger = 0;
    for (const char c : parca) {
      if (!HexRakam(c)) HexHatasi(parca, i);
      deger = deger * 16 + HexDeger(c);
    }
    baytlar.push_back(static_cast<std::uint8_t>(deger));
  }
  return baytlar;
}

std::string VirgulMetni(std::span<const std::string> satirlar) {
  std::string metin;
  for (std::size_t i = 0; i < satirlar.size(); ++i) {
    if (i > 0) metin.push_back(',');
    if (TirnakGerekir(satirlar[i])) {
      TirnakIcindeEkle(metin, satirlar[i]);
    } else {
      metin += satirlar[i];
    }
  }
  return metin;
}

std::string TarihMetni(double gunSeri) {
  using namespace std::chrono;
  constexpr sys_days kSifirGunu = sys_days{year{1899} / December / 30};
  // 1 January of the year 1 and 1 January of the year 10000.
  constexpr double kIlkGun = -693593;
  constexpr double kSonGunSonrasi = 2958466;
  if (!(gunSeri >= kIlkGun && gunSeri < kSonGunSonrasi)) throw std::out_of_range("Geçersiz tarih");
  const year_month_day gun{kSifirGunu + days{static_cast<int>(std::floor(gunSeri))}};
  char metin[16];
  std::snprintf(metin, sizeof metin, "%02u.%02u.%04d", static_cast<unsigned>(gun.day()),
                static_cast<unsigned>(gun.month()), static_cast<int>(gun.year()) % 10000);
  return metin;
}

std::string SaatMetni(double gunSeri, bool saniyeli) {
  const double kesir = gunSeri - std::floor(gunSeri);
  const long saniye = std::min(86399L, std::lround(kesir * 86400));
  char metin[16];
  if (saniyeli) {
    std::snprintf(metin, sizeof metin, "%02ld:%02ld:%02ld", saniye / 3600 % 24, saniye / 60 % 60, saniye % 60);
  } else {
    std::snprintf(metin, sizeof metin, "%02ld:%02ld", saniye / 3600 % 24, saniye / 60 % 60);
  }
  return metin;
}

}  // namespace zorvat
