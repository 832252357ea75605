#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "remote/base64.h"

namespace zorvat {
namespace {

std::vector<std::uint8_t> Baytlar(std::string_view metin) { return {metin.begin(), metin.end()}; }

struct Rfc4648Durumu {
  const char* baytlar;
  const char* metin;
};

class Base64RfcTest : public ::testing::TestWithParam<Rfc4648Durumu> {};

TEST_P(Base64RfcTest, IkiYonde) {
  EXPECT_EQ(Base64Encode(Baytlar(GetParam().baytlar)), GetParam().metin);
  EXPECT_EQ(Base64Decode(GetParam().metin), Baytlar(GetParam().baytlar));
}

INSTANTIATE_TEST_SUITE_P(
    Rfc4648, Base64RfcTest,
    ::testing::Values(Rfc4648Durumu{"", ""}, Rfc4648Durumu{"f", "Zg=="},
                      Rfc4648Durumu{"fo", "Zm8="}, Rfc4648Durumu{"foo", "Zm9v"},
                      Rfc4648Durumu{"foob", "Zm9vYg=="}, Rfc4648Durumu{"fooba", "Zm9vYmE="},
                      Rfc4648Durumu{"foobar", "Zm9vYmFy"},
                      // The two last letters of the alphabet.
                      Rfc4648Durumu{"\xFB\xFF\xBF", "+/+/"}));

TEST(Base64, KisaUzunluklarGeriDoner) {
  for (std::size_t uzunluk = 0; uzunluk <= 5; ++uzunluk) {
    for (const std::uint8_t dolgu : {0x00, 0x7F, 0x80, 0xFF}) {
      const std::vector<std::uint8_t> baytlar(uzunluk, dolgu);
      const std::string metin = Base64Encode(baytlar);
      EXPECT_EQ(metin.size(), (uzunluk + 2) / 3 * 4);
      EXPECT_EQ(Base64Decode(metin), baytlar) << uzunluk << " x " << int{dolgu};
    }
  }
}

TEST(Base64, ResimBuyuklugundeVeriGeriDoner) {
  std::mt19937 uretec(42);
  std::vector<std::uint8_t> baytlar(300 * 1024 + 1);
  for (auto& bayt : baytlar) bayt = static_cast<std::uint8_t>(uretec());
  EXPECT_EQ(Base64Decode(Base64Encode(baytlar)), baytlar);
}

class Base64RetTest : public ::testing::TestWithParam<const char*> {};

TEST_P(Base64RetTest, SonucYok) { EXPECT_FALSE(Base64Decode(GetParam()).has_value()) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(
    Metinler, Base64RetTest,
    ::testing::Values("Z", "Zg", "Zg=", "Zm9vY", "====", "Z===", "=Zm9", "Zg==Zg==", "Zm9v====",
                      "Zm=v", "Zg=a",
                      // Padding that leaves bits set: not the form any encoder writes.
                      "Zh==", "Zm9=",
                      // Other alphabets, blanks and line breaks.
                      "Zm9-", "Zm9_", "Zm 9", "Zm9\nYmFy", "Zm9v\r\nYm", "Zm9\xC3"));

}  // namespace
}  // namespace zorvat
