#include "session/kimlik.h"

#include <cstdio>
#include <string_view>

#include "session/platform_metin.h"
#include "zorvat_config.h"

namespace zorvat {

namespace {

constexpr std::string_view kSifirAdres = "00-00-00-00-00-00";

std::string AdresBicimle(const AdaptorAdresi& adres) {
  char metin[18];
  std::snprintf(metin, sizeof metin, "%02X-%02X-%02X-%02X-%02X-%02X", adres[0], adres[1], adres[2],
                adres[3], adres[4], adres[5]);
  return metin;
}

// Two particular computers log in as one account: their disk serials map to one computer ID.
// An empty entry of the table never matches, so a machine without any identity is not taken
// for one of them.
std::string TakmaAdUygula(std::string kimlik) {
  for (std::string_view takma : {yapi::kTakmaDiskSeri1, yapi::kTakmaDiskSeri2}) {
    if (!takma.empty() && kimlik == takma) return yapi::kTakmaBilgisayarId;
  }
  return kimlik;
}

std::string KirpilmisDiskSeri(const Makine& makine) {
  try {
    return std::string(platform::Kirp(DiskSeriAl(makine)));
  } catch (...) {
    return {};
  }
}

std::string KirpilmisMacAdresi(const Makine& makine) {
  try {
    return std::string(platform::Kirp(MacAdresiAl(makine)));
  } catch (...) {
    return {};
  }
}

}  // namespace

bool AdaptorTaramasi::Ekle(const AdaptorYaniti& yanit) {
  if (yanit) sonuc_ = AdresBicimle(*yanit);
  return sonuc_ == kSifirAdres;
}

std::string AdaptorTaramasi::Sonuc() const { return sonuc_ == kSifirAdres ? std::string() : sonuc_; }

std::string BilgisayarAdiAl(const Makine& makine) { return makine.BilgisayarAdi(); }

std::string WindowsKullaniciAl(const Makine& makine) { return makine.KullaniciAdi(); }

std::string IcIpAl(const Makine& makine) { return makine.IcIp(); }

std::string DiskSeriAl(const Makine& makine) {
  std::string seri = makine.DiskSeri();
  // ASCII only, whatever locale the process runs under: serials are ASCII.
  for (char& c : seri) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return seri;
}

std::string MacAdresiAl(const Makine& makine) {
  AdaptorTaramasi tarama;
  makine.AdaptorleriSor([&tarama](const AdaptorYaniti& yanit) { return tarama.Ekle(yanit); });
  return tarama.Sonuc();
}

std::string BilgisayarIdAl(const Makine& makine) {
  std::string kimlik = KirpilmisDiskSeri(makine);
  if (kimlik.empty()) kimlik = KirpilmisMacAdresi(makine);
  std::erase(kimlik, ' ');
  return TakmaAdUygula(std::move(kimlik));
}

}  // namespace zorvat
