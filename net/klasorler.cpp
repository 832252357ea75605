#include "net/klasorler.h"

#include "session/kimlik.h"

#ifdef _WIN32
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
#else
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "session/platform_metin.h"
#endif

namespace zorvat {

namespace fs = std::filesystem;

namespace {

constexpr const char* kAyarKlasoruAdi = "zorvatoto";

// The folder is created with its parents: a new Linux account may not have ~/.config yet.
fs::path Olustur(const fs::path& klasor) {
  std::error_code hata;
  fs::create_directories(klasor, hata);
  return klasor;
}

#ifdef _WIN32

fs::path BilinenKlasor(REFKNOWNFOLDERID kimlik) {
  PWSTR yol = nullptr;
  fs::path sonuc;
  if (SUCCEEDED(SHGetKnownFolderPath(kimlik, 0, nullptr, &yol))) sonuc = yol;
  CoTaskMemFree(yol);
  return sonuc;
}

#else

fs::path OrtamYolu(const char* ad) {
  const char* deger = std::getenv(ad);
  return deger ? fs::path(deger) : fs::path();
}

fs::path ParolaKaydindakiEv() {
  const long boy = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::string tampon(boy > 0 ? static_cast<std::size_t>(boy) : 16384, '\0');
  passwd kayit{};
  passwd* bulunan = nullptr;
  if (getpwuid_r(geteuid(), &kayit, tampon.data(), tampon.size(), &bulunan) != 0 || !bulunan) {
    return {};
  }
  return bulunan->pw_dir;
}

bool AyniKlasor(const fs::path& a, const fs::path& b) {
  return (a / "").lexically_normal() == (b / "").lexically_normal();
}

// XDG_DOCUMENTS_DIR="$HOME/Belgeler" or an absolute path; a folder equal to the home folder
// means the user switched it off.
fs::path XdgBelgeler(const KullaniciKlasorleri& klasorler) {
  std::ifstream dosya(klasorler.ayarKoku / "user-dirs.dirs");
  constexpr std::string_view kAnahtar = "XDG_DOCUMENTS_DIR=";
  for (std::string satir; std::getline(dosya, satir);) {
    std::string_view deger = platform::Kirp(satir);
    if (!deger.starts_with(kAnahtar)) continue;
    deger.remove_prefix(kAnahtar.size());
    if (deger.size() >= 2 && deger.front() == '"' && deger.back() == '"') {
      deger = deger.substr(1, deger.size() - 2);
    }
    fs::path yol;
    if (deger.starts_with("$HOME") && !klasorler.ev.empty()) {
      yol = klasorler.ev.string() + std::string(deger.substr(5));
    } else if (deger.starts_with("/")) {
      yol = deger;
    }
    if (!yol.is_absolute() || AyniKlasor(yol, klasorler.ev)) return {};
    return yol;
  }
  return {};
}

#endif

}  // namespace

fs::path Utf8Yol(std::string_view utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

#ifdef _WIN32

fs::path BelgelerKlasoru() { return BilinenKlasor(FOLDERID_Documents); }

fs::path AyarKlasoru() {
  const fs::path dolasan = BilinenKlasor(FOLDERID_RoamingAppData);
  return dolasan.empty() ? fs::path() : Olustur(dolasan / kAyarKlasoruAdi);
}

fs::path YerelVeriKlasoru() { return BilinenKlasor(FOLDERID_LocalAppData); }

#else

KullaniciKlasorleri OrtamKlasorleri() {
  KullaniciKlasorleri klasorler{OrtamYolu("HOME"), OrtamYolu("XDG_CONFIG_HOME")};
  if (!klasorler.ev.is_absolute()) klasorler.ev = ParolaKaydindakiEv();
  if (!klasorler.ayarKoku.is_absolute()) {
    klasorler.ayarKoku = klasorler.ev.empty() ? fs::path() : klasorler.ev / ".config";
  }
  return klasorler;
}

fs::path BelgelerKlasoru(const KullaniciKlasorleri& klasorler) {
  std::error_code hata;
  const fs::path xdg = XdgBelgeler(klasorler);
  if (fs::is_directory(xdg, hata)) return xdg;
  const fs::path varsayilan = klasorler.ev / "Documents";
  if (klasorler.ev.is_absolute() && fs::is_directory(varsayilan, hata)) return varsayilan;
  return {};
}

fs::path AyarKlasoru(const KullaniciKlasorleri& klasorler) {
  return klasorler.ayarKoku.empty() ? fs::path() : Olustur(klasorler.ayarKoku / kAyarKlasoruAdi);
}

fs::path BelgelerKlasoru() { return BelgelerKlasoru(OrtamKlasorleri()); }

fs::path AyarKlasoru() { return AyarKlasoru(OrtamKlasorleri()); }

fs::path YerelVeriKlasoru() {
  const fs::path xdg = OrtamYolu("XDG_DATA_HOME");
  if (xdg.is_absolute()) return Olustur(xdg);
  const fs::path ev = OrtamKlasorleri().ev;
  return ev.empty() ? fs::path() : Olustur(ev / ".local" / "share");
}

#endif

std::vector<fs::path> ChromeAdaylari(Sistem sistem, std::string_view kullaniciAdi) {
  if (sistem == Sistem::Linux) {
    return {"/usr/bin/google-chrome", "/usr/bin/google-chrome-stable", "/usr/bin/chromium",
            "/usr/bin/chromium-browser", "/snap/bin/chromium"};
  }
  return {
      R"(C:\Program Files (x86)\Google\Chrome\Application\chrome.exe)",
      R"(C:\Program Files (x86)\Google\Application\chrome.exe)",
      R"(C:\Program Files\Google\Chrome\Application\chrome.exe)",
      R"(C:\Program Files\Google\Chrome\chrome.exe)",
      Utf8Yol(std::string(R"(C:\Users\)") + std::string(kullaniciAdi) +
              R"(\AppData\Local\Google\Chrome\Application\chrome.exe)"),
  };
}

bool DosyaVarmi(const fs::path& yol) {
  std::error_code hata;
  return fs::is_regular_file(yol, hata);
}

fs::path ChromeYoluBul(const std::function<bool(const fs::path&)>& varmi) {
  for (const fs::path& aday : ChromeAdaylari(kBuSistem, WindowsKullaniciAl())) {
    if (varmi(aday)) return aday;
  }
  return {};
}

}  // namespace zorvat
