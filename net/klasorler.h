// Folders of the user that the client writes into, and where Chrome is installed.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvat {

// A path from UTF-8 text, whatever the system's own narrow encoding is.
std::filesystem::path Utf8Yol(std::string_view utf8);

// The user's Documents folder; empty when the system does not report one.
std::filesystem::path BelgelerKlasoru();

// The per-user settings folder "zorvatoto" (roaming application data on Windows,
// $XDG_CONFIG_HOME or ~/.config elsewhere), created when missing; empty when the system
// reports no place for it.
std::filesystem::path AyarKlasoru();

// The user's local application-data folder (not roaming; on Linux $XDG_DATA_HOME or
// ~/.local/share), created when missing; empty when the system reports none.
std::filesystem::path YerelVeriKlasoru();

enum class Sistem { Windows, Linux };

#ifdef _WIN32
inline constexpr Sistem kBuSistem = Sistem::Windows;
#else
inline constexpr Sistem kBuSistem = Sistem::Linux;
#endif

// The places Chrome is looked for, in order; on Windows the last one lies in the profile
// of `kullaniciAdi`.
std::vector<std::filesystem::path> ChromeAdaylari(Sistem sistem, std::string_view kullaniciAdi);

bool DosyaVarmi(const std::filesystem::path& yol);

// The first of `ChromeAdaylari` for this system and user that `varmi` finds; empty when none.
std::filesystem::path ChromeYoluBul(
    const std::function<bool(const std::filesystem::path&)>& varmi = DosyaVarmi);

#ifndef _WIN32
// Where a Linux user's folders start: the home folder and the configuration root.
struct KullaniciKlasorleri {
  std::filesystem::path ev;
  std::filesystem::path ayarKoku;
};

// From $HOME (else the passwd entry) and $XDG_CONFIG_HOME (else ~/.config).
KullaniciKlasorleri OrtamKlasorleri();

// XDG_DOCUMENTS_DIR of user-dirs.dirs, else ~/Documents; only a folder that exists.
std::filesystem::path BelgelerKlasoru(const KullaniciKlasorleri& klasorler);
std::filesystem::path AyarKlasoru(const KullaniciKlasorleri& klasorler);
#endif

}  // namespace zorvat
