#include "net/adresler.h"

#include <gtest/gtest.h>

#include "zorvat_config.h"

namespace zorvat {
namespace {

TEST(AdreslerTest, InternetProfile) {
  InternetProfiliniYaz();
  EXPECT_EQ(SunucuAdresi(), yapi::kSunucuHost);
  EXPECT_EQ(WebAdresi(), std::string("http://") + yapi::kWebHost + "/");
  EXPECT_EQ(ResimAdresi(), std::string("http://") + yapi::kResimHost + "/resimgoster.ashx?id=");
}

TEST(AdreslerTest, OfficeAddressChoosesTheOfficeProfileAndKeepsIt) {
  InternetProfiliniYaz();
  EXPECT_FALSE(AdresProfiliSec("198.51.100.1"));
  EXPECT_EQ(SunucuAdresi(), yapi::kSunucuHost);

  EXPECT_TRUE(AdresProfiliSec(std::string("  ") + yapi::kOfisDisIp + " \r\n"));
  EXPECT_EQ(SunucuAdresi(), yapi::kOfisLanAdresi);
  EXPECT_EQ(WebAdresi(), std::string("http://") + yapi::kOfisWebHost + "/");
  EXPECT_EQ(ResimAdresi(), std::string("http://") + yapi::kOfisWebHost + "/resimgoster.ashx?id=");

  // A later click from elsewhere does not switch back.
  EXPECT_FALSE(AdresProfiliSec("198.51.100.1"));
  EXPECT_EQ(SunucuAdresi(), yapi::kOfisLanAdresi);
}

TEST(AdreslerTest, OtherDifferencesKeepTheInternetProfile) {
  InternetProfiliniYaz();
  for (const std::string& ip : {std::string(yapi::kOfisDisIp) + "0", std::string(), std::string("x") + yapi::kOfisDisIp}) {
    EXPECT_FALSE(AdresProfiliSec(ip)) << ip;
  }
  EXPECT_EQ(SunucuAdresi(), yapi::kSunucuHost);
}

}  // namespace
}  // namespace zorvat
