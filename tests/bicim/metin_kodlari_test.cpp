#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "net/bicim.h"

namespace zorvat {
namespace {

using ::testing::HasSubstr;

struct KodlamaDurumu {
  const char* metin;
  const char* beklenen;
};

class UrlKodlaTest : public ::testing::TestWithParam<KodlamaDurumu> {};

TEST_P(UrlKodlaTest, SorguDegeri) {
  EXPECT_EQ(UrlKodla(GetParam().metin), GetParam().beklenen) << GetParam().metin;
}

INSTANTIATE_TEST_SUITE_P(
    Metinler, UrlKodlaTest,
    ::testing::Values(
        KodlamaDurumu{"", ""},
        KodlamaDurumu{"12345", "12345"},
        // Blanks and every byte of a Turkish letter are coded.
        KodlamaDurumu{"A&B OTOMOTİV", "A%26B%20OTOMOT%C4%B0V"},
        KodlamaDurumu{"ŞUBE 1", "%C5%9EUBE%201"},
        KodlamaDurumu{"\t\x7F\x01", "%09%7F%01"},
        // Characters that would split or cut the query.
        KodlamaDurumu{"a=b+c#d&e", "a%3Db%2Bc%23d%26e"},
        // An existing code passes through; a lone '%' is coded.
        KodlamaDurumu{"%41", "%41"},
        KodlamaDurumu{"%c4%B0", "%c4%B0"},
        KodlamaDurumu{"100%", "100%25"},
        KodlamaDurumu{"%4", "%254"},
        KodlamaDurumu{"%zz", "%25zz"},
        KodlamaDurumu{"%%41", "%25%41"},
        // Other printable characters stay as they are.
        KodlamaDurumu{"/odeme?x", "/odeme?x"},
        KodlamaDurumu{"!\"$'()*,-.:;<>@[\\]^_`{|}~", "!\"$'()*,-.:;<>@[\\]^_`{|}~"},
        KodlamaDurumu{"1.234,50", "1.234,50"}));

class HexCozTest : public ::testing::TestWithParam<std::pair<const char*, std::vector<std::uint8_t>>> {};

TEST_P(HexCozTest, Baytlar) { EXPECT_EQ(HexCoz(GetParam().first), GetParam().second); }

INSTANTIATE_TEST_SUITE_P(
    Metinler, HexCozTest,
    ::testing::Values(std::pair{"", std::vector<std::uint8_t>{}},
                      std::pair{"00FFa0", std::vector<std::uint8_t>{0x00, 0xFF, 0xA0}},
                      std::pair{"ffD8ffE0", std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE0}},
                      // A single character at the end is read alone.
                      std::pair{"ABC", std::vector<std::uint8_t>{0xAB, 0x0C}},
                      std::pair{"f", std::vector<std::uint8_t>{0x0F}}));

struct HexHatasiDurumu {
  const char* metin;
  const char* mesajParcasi;
};

class HexCozHataTest : public ::testing::TestWithParam<HexHatasiDurumu> {};

TEST_P(HexCozHataTest, HataliParcaAdlandirilir) {
  try {
    HexCoz(GetParam().metin);
    FAIL() << "hata bekleniyordu: " << GetParam().metin;
  } catch (const HexCozmeHatasi& hata) {
    EXPECT_THAT(hata.what(), HasSubstr(GetParam().mesajParcasi));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Metinler, HexCozHataTest,
    ::testing::Values(HexHatasiDurumu{"0G12", "1. karakterdeki \"0G\""},
                      HexHatasiDurumu{"FF 1", "3. karakterdeki \" 1\""},
                      HexHatasiDurumu{"12Z", "3. karakterdeki \"Z\""},
                      HexHatasiDurumu{"-1", "\"-1\""},
                      HexHatasiDurumu{"0x1F", "\"0x\""},
                      // A Turkish letter's bytes are not shown as broken text.
                      HexHatasiDurumu{"12Ç4", "3. karakterdeki \"??\""}));

TEST(HexCoz, HataBirCalismaHatasidir) {
  EXPECT_THROW(HexCoz("zz"), std::runtime_error);
}

struct VirgulDurumu {
  std::vector<std::string> satirlar;
  const char* beklenen;
};

class VirgulMetniTest : public ::testing::TestWithParam<VirgulDurumu> {};

TEST_P(VirgulMetniTest, Satirlar) {
  EXPECT_EQ(VirgulMetni(GetParam().satirlar), GetParam().beklenen);
}

INSTANTIATE_TEST_SUITE_P(
    Listeler, VirgulMetniTest,
    ::testing::Values(VirgulDurumu{{}, ""},
                      VirgulDurumu{{""}, ""},
                      VirgulDurumu{{"abc"}, "abc"},
                      VirgulDurumu{{"a", "", "b"}, "a,,b"},
                      VirgulDurumu{{"ŞUBE", "İade"}, "ŞUBE,İade"},
                      VirgulDurumu{{"a b"}, "\"a b\""},
                      VirgulDurumu{{" "}, "\" \""},
                      VirgulDurumu{{"1,5 adet"}, "\"1,5 adet\""},
                      VirgulDurumu{{"x,y", "z"}, "\"x,y\",z"},
                      VirgulDurumu{{"dedi:\"tamam\""}, "\"dedi:\"\"tamam\"\"\""},
                      VirgulDurumu{{"\""}, "\"\"\"\""},
                      VirgulDurumu{{"a\tb"}, "\"a\tb\""},
                      VirgulDurumu{{"Merhaba,", "Fren balatası lazım.", "", "Teşekkürler"},
                                   "\"Merhaba,\",\"Fren balatası lazım.\",,Teşekkürler"}));

}  // namespace
}  // namespace zorvat
