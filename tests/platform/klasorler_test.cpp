#include "net/klasorler.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gecici_klasor.h"

namespace zorvat {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Metinler(const std::vector<fs::path>& yollar) {
  std::vector<std::string> sonuc;
  for (const auto& yol : yollar) sonuc.push_back(yol.string());
  return sonuc;
}

TEST(ChromeAdaylari, WindowsBesYoluSirasiylaKullaniciyaGore) {
  EXPECT_EQ(Metinler(ChromeAdaylari(Sistem::Windows, "ŞÜKRÜ")),
            (std::vector<std::string>{
                R"(C:\Program Files (x86)\Google\Chrome\Application\chrome.exe)",
                R"(C:\Program Files (x86)\Google\Application\chrome.exe)",
                R"(C:\Program Files\Google\Chrome\Application\chrome.exe)",
                R"(C:\Program Files\Google\Chrome\chrome.exe)",
                R"(C:\Users\ŞÜKRÜ\AppData\Local\Google\Chrome\Application\chrome.exe)",
            }));
}

TEST(ChromeYoluBul, VarOlanIlkAdayiVerir) {
  const auto adaylar = ChromeAdaylari(kBuSistem, "");
  ASSERT_GE(adaylar.size(), 3u);
  auto yalniz = [](std::vector<fs::path> var) {
    return [var](const fs::path& yol) { return std::find(var.begin(), var.end(), yol) != var.end(); };
  };
  EXPECT_EQ(ChromeYoluBul(yalniz({adaylar.back()})), adaylar.back());
  EXPECT_EQ(ChromeYoluBul(yalniz({adaylar[2], adaylar[1]})), adaylar[1]);
  EXPECT_EQ(ChromeYoluBul(yalniz({})), fs::path());
}

class KullaniciKlasorleriTest : public testing::Test {
 protected:
  KullaniciKlasorleri Klasorler() const { return {ev.yol(), ev.yol() / ".config"}; }
  void UserDirs(std::string_view satir) {
    ev.Yaz(".config/user-dirs.dirs", "# xdg-user-dirs\nXDG_DESKTOP_DIR=\"$HOME/Masaüstü\"\n" +
                                         std::string(satir) + "\n");
  }

  test::GeciciKlasor ev;
};

TEST_F(KullaniciKlasorleriTest, XdgBelgelerKlasoru) {
  const auto belgeler = ev.Klasor("Belgeler");
  ev.Klasor("Documents");
  UserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Belgeler\"");
  EXPECT_EQ(BelgelerKlasoru(Klasorler()), belgeler);
}

TEST_F(KullaniciKlasorleriTest, XdgMutlakYol) {
  test::GeciciKlasor baska;
  UserDirs("XDG_DOCUMENTS_DIR=\"" + baska.yol().string() + "\"");
  EXPECT_EQ(BelgelerKlasoru(Klasorler()), baska.yol());
}

TEST_F(KullaniciKlasorleriTest, XdgKlasoruYoksaDocuments) {
  const auto documents = ev.Klasor("Documents");
  UserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Silinmis\"");
  EXPECT_EQ(BelgelerKlasoru(Klasorler()), documents);
}

TEST_F(KullaniciKlasorleriTest, KapatilmisXdgVeDocumentsYoksaBos) {
  UserDirs("XDG_DOCUMENTS_DIR=\"$HOME/\"");
  EXPECT_EQ(BelgelerKlasoru(Klasorler()), fs::path());
  EXPECT_EQ(BelgelerKlasoru(KullaniciKlasorleri{}), fs::path());
}

TEST_F(KullaniciKlasorleriTest, AyarKlasoruEksikKlasorlerleOlusturulur) {
  const auto klasor = AyarKlasoru(Klasorler());
  EXPECT_EQ(klasor, ev.yol() / ".config" / "zorvatoto");
  EXPECT_TRUE(fs::is_directory(klasor));
  EXPECT_EQ(AyarKlasoru(KullaniciKlasorleri{}), fs::path());
}

// Changes the process environment for one test and puts it back.
class OrtamDegiskeni {
 public:
  OrtamDegiskeni(const char* ad, const char* deger) : ad_(ad) {
    if (const char* eski = std::getenv(ad)) eski_ = eski;
    deger ? setenv(ad, deger, 1) : unsetenv(ad);
  }
  ~OrtamDegiskeni() { eski_ ? setenv(ad_, eski_->c_str(), 1) : unsetenv(ad_); }

 private:
  const char* ad_;
  std::optional<std::string> eski_;
};

TEST_F(KullaniciKlasorleriTest, OrtamdanOkunur) {
  OrtamDegiskeni home("HOME", ev.yol().c_str());
  {
    OrtamDegiskeni xdg("XDG_CONFIG_HOME", "goreli/yol");  // only an absolute path counts
    EXPECT_EQ(OrtamKlasorleri().ayarKoku, ev.yol() / ".config");
  }
  OrtamDegiskeni xdg("XDG_CONFIG_HOME", "/etc/baska");
  EXPECT_EQ(OrtamKlasorleri().ev, ev.yol());
  EXPECT_EQ(OrtamKlasorleri().ayarKoku, fs::path("/etc/baska"));
}

}  // namespace
}  // namespace zorvat
