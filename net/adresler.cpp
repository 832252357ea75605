#include "net/adresler.h"

#include "zorvat_config.h"

namespace zorvat {

namespace {

// Written on the user-interface thread only, before any background call reads them.
struct Adresler {
  std::string sunucu;
  std::string web;
  std::string resim;
};

Adresler& Gecerli() {
  static Adresler adresler;
  return adresler;
}

std::string Kirp(const std::string& metin) {
  const auto ilk = metin.find_first_not_of(" \t\r\n");
  if (ilk == std::string::npos) return {};
  const auto son = metin.find_last_not_of(" \t\r\n");
  return metin.substr(ilk, son - ilk + 1);
}

}  // namespace

const std::string& SunucuAdresi() { return Gecerli().sunucu; }
const std::string& WebAdresi() { return Gecerli().web; }
const std::string& ResimAdresi() { return Gecerli().resim; }

void InternetProfiliniYaz() {
  Gecerli() = {yapi::kSunucuHost, std::string("http://") + yapi::kWebHost + "/",
               std::string("http://") + yapi::kResimHost + "/resimgoster.ashx?id="};
}

void OfisProfiliniYaz() {
  Gecerli() = {yapi::kOfisLanAdresi, std::string("http://") + yapi::kOfisWebHost + "/",
               std::string("http://") + yapi::kOfisWebHost + "/resimgoster.ashx?id="};
}

bool AdresProfiliSec(const std::string& disIp) {
  if (Kirp(disIp) != yapi::kOfisDisIp) return false;
  OfisProfiliniYaz();
  return true;
}

}  // namespace zorvat
