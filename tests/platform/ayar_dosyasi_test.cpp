#include "session/ayar_dosyasi.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/gecici_klasor.h"

namespace zorvat {
namespace {

class AyarDosyasiTest : public testing::Test {
 protected:
  std::filesystem::path Dosya(std::string_view icerik) { return klasor.Yaz("ayar.ini", icerik); }
  std::string Icerik() const { return test::GeciciKlasor::Oku(dosya); }

  test::GeciciKlasor klasor;
  std::filesystem::path dosya = klasor.yol() / "ayar.ini";
};

TEST_F(AyarDosyasiTest, YeniDosyaTamOlarakBuBicimde) {
  ASSERT_TRUE(AyarDosyasiYaz({"AHMET", "GİZLİ", true}, dosya));
  EXPECT_EQ(Icerik(), "[kullanici]\nisim=AHMET\nsifre=GİZLİ\nhatırla=1\n");
}

TEST_F(AyarDosyasiTest, DosyaYoksaOkumaHicbirSeyVermez) {
  EXPECT_FALSE(AyarDosyasiOku(dosya).has_value());
  EXPECT_FALSE(std::filesystem::exists(dosya));
}

struct GidisDonus {
  const char* ad;
  KullaniciAyari ayar;
  KullaniciAyari beklenen;
};

class AyarGidisDonusTest : public AyarDosyasiTest, public testing::WithParamInterface<GidisDonus> {};

TEST_P(AyarGidisDonusTest, YazilaniGeriOkur) {
  ASSERT_TRUE(AyarDosyasiYaz(GetParam().ayar, dosya));
  const auto okunan = AyarDosyasiOku(dosya);
  ASSERT_TRUE(okunan.has_value());
  EXPECT_EQ(okunan->isim, GetParam().beklenen.isim);
  EXPECT_EQ(okunan->sifre, GetParam().beklenen.sifre);
  EXPECT_EQ(okunan->hatirla, GetParam().beklenen.hatirla);
}

INSTANTIATE_TEST_SUITE_P(
    Durumlar, AyarGidisDonusTest,
    testing::Values(
        GidisDonus{"TurkceHarfler", {"ŞÜKRÜ ÇAĞLAR", "İĞÖ=1;ı", false}, {"ŞÜKRÜ ÇAĞLAR", "İĞÖ=1;ı", false}},
        GidisDonus{"BosDegerler", {"", "", true}, {"", "", true}},
        GidisDonus{"KenarBosluklariKorunur", {" AHMET", "  A B  ", true}, {" AHMET", "  A B  ", true}},
        GidisDonus{"TirnaklarKorunur", {"\"AHMET\"", "'X'", true}, {"\"AHMET\"", "'X'", true}},
        GidisDonus{"SatirSonuYeniAnahtarAcamaz", {"AHMET\n[kullanici]\nisim=X", "S", true},
                   {"AHMET[kullanici]isim=X", "S", true}}),
    [](const auto& bilgi) { return std::string(bilgi.param.ad); });

TEST_F(AyarDosyasiTest, Windows1254DosyasiniOkur) {
  Dosya("[kullanici]\r\nisim=\xDE\xDCKR\xDC \xC7\x41\xD0LAR\r\nsifre=\xDD\xD0\xFD\xFE\r\nhat\xFDrla=0\r\n");
  const auto okunan = AyarDosyasiOku(dosya);
  ASSERT_TRUE(okunan.has_value());
  EXPECT_EQ(okunan->isim, "ŞÜKRÜ ÇAĞLAR");
  EXPECT_EQ(okunan->sifre, "İĞış");
  EXPECT_FALSE(okunan->hatirla);
}

TEST_F(AyarDosyasiTest, Utf8BomluDosyaVeBuyukHarfliAdlar) {
  Dosya("\xEF\xBB\xBF[KULLANICI]\nISIM = AHMET \nhatırla=0\n");
  const auto okunan = AyarDosyasiOku(dosya);
  ASSERT_TRUE(okunan.has_value());
  EXPECT_EQ(okunan->isim, "AHMET");
  EXPECT_FALSE(okunan->hatirla);
}

struct HatirlaDurumu {
  const char* ad;
  const char* dosya;
  bool beklenen;
};

class HatirlaTest : public AyarDosyasiTest, public testing::WithParamInterface<HatirlaDurumu> {};

TEST_P(HatirlaTest, EksikVeOkunamayanDegerDogruSayilir) {
  Dosya(GetParam().dosya);
  const auto okunan = AyarDosyasiOku(dosya);
  ASSERT_TRUE(okunan.has_value());
  EXPECT_EQ(okunan->hatirla, GetParam().beklenen);
}

INSTANTIATE_TEST_SUITE_P(
    Durumlar, HatirlaTest,
    testing::Values(HatirlaDurumu{"Sifir", "[kullanici]\nhatırla=0\n", false},
                    HatirlaDurumu{"Bir", "[kullanici]\nhatırla=1\n", true},
                    HatirlaDurumu{"BaskaSayi", "[kullanici]\nhatırla=2\n", true},
                    HatirlaDurumu{"Yazi", "[kullanici]\nhatırla=evet\n", true},
                    HatirlaDurumu{"Bos", "[kullanici]\nhatırla=\n", true},
                    HatirlaDurumu{"AnahtarYok", "[kullanici]\nisim=AHMET\n", true},
                    HatirlaDurumu{"BolumYok", "[baska]\nhatırla=0\n", true},
                    HatirlaDurumu{"BosDosya", "", true}),
    [](const auto& bilgi) { return std::string(bilgi.param.ad); });

TEST_F(AyarDosyasiTest, EksikAnahtarlarBosKalir) {
  Dosya("[kullanici]\nisim=AHMET\n");
  const auto okunan = AyarDosyasiOku(dosya);
  ASSERT_TRUE(okunan.has_value());
  EXPECT_EQ(okunan->isim, "AHMET");
  EXPECT_EQ(okunan->sifre, "");
}

TEST_F(AyarDosyasiTest, BaskaBolumVeAnahtarlarKorunur) {
  Dosya("; not\n[pencere]\nen=800\nsifre=DOKUNMA\n\n[kullanici]\nisim=ESKI\nek=5\nhatırla=0\n\n[son]\na=b");
  ASSERT_TRUE(AyarDosyasiYaz({"YENI", "S", true}, dosya));
  EXPECT_EQ(Icerik(),
            "; not\n[pencere]\nen=800\nsifre=DOKUNMA\n\n[kullanici]\nisim=YENI\nek=5\nhatırla=1\n"
            "sifre=S\n\n[son]\na=b\n");
}

TEST_F(AyarDosyasiTest, BolumsuzDosyayaBolumEklenir) {
  Dosya("[pencere]\nen=800\n");
  ASSERT_TRUE(AyarDosyasiYaz({"AHMET", "X", false}, dosya));
  EXPECT_EQ(Icerik(), "[pencere]\nen=800\n[kullanici]\nisim=AHMET\nsifre=X\nhatırla=0\n");
}

TEST_F(AyarDosyasiTest, Windows1254DosyasiUtf8OlarakYenidenYazilir) {
  Dosya("[eski]\nad=\xDE\x45\x4B\x45R\n[kullanici]\nisim=A\n");
  ASSERT_TRUE(AyarDosyasiYaz({"B", "", true}, dosya));
  EXPECT_EQ(Icerik(), "[eski]\nad=ŞEKER\n[kullanici]\nisim=B\nsifre=\nhatırla=1\n");
}

TEST_F(AyarDosyasiTest, YalnizSahibiOkurVeGeciciDosyaKalmaz) {
  ASSERT_TRUE(AyarDosyasiYaz({"AHMET", "GIZLI", true}, dosya));
  struct stat bilgi {};
  ASSERT_EQ(stat(dosya.c_str(), &bilgi), 0);
  EXPECT_EQ(bilgi.st_mode & 0777, 0600u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(klasor.yol()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(AyarDosyasiTest, YazilamayanYerHataVerir) {
  EXPECT_FALSE(AyarDosyasiYaz({"AHMET", "X", true}, klasor.yol() / "yok" / "ayar.ini"));
  EXPECT_FALSE(AyarDosyasiYaz({"AHMET", "X", true}, {}));
  EXPECT_FALSE(AyarDosyasiOku({}).has_value());
  EXPECT_TRUE(std::filesystem::is_empty(klasor.yol()));
}

}  // namespace
}  // namespace zorvat
