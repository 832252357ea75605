// The settings file ayar.ini: the remembered user name and password of the login window.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zorvat {

// Section "kullanici" of ayar.ini.
struct KullaniciAyari {
  std::string isim;     // key "isim"
  std::string sifre;    // key "sifre"
  bool hatirla = true;  // key "hatırla", "1" or "0"; true when missing or unreadable
};

// AyarKlasoru() + "ayar.ini"; empty when the settings folder is not known.
std::filesystem::path AyarDosyasiYolu();

// The file's values; nothing when the file does not exist or cannot be read. Accepts a file
// in UTF-8 or in the Windows code page it was written in (Windows-1254 on other systems).
std::optional<KullaniciAyari> AyarDosyasiOku(const std::filesystem::path& dosya = AyarDosyasiYolu());

// Writes the three keys into section "kullanici", keeping every other section and key of the
// file. The new content replaces the file in one step, so it is never left half written.
// Returns false when the file could not be written.
bool AyarDosyasiYaz(const KullaniciAyari& ayar,
                    const std::filesystem::path& dosya = AyarDosyasiYolu());

}  // namespace zorvat
