#include "session/dis_ip.h"

#include <httplib.h>

#include <utility>

#include "session/platform_metin.h"

namespace zorvat {

namespace {

// "http://host:port/ip?x" -> {"http://host:port", "/ip?x"}.
std::pair<std::string, std::string> AdresiBol(const std::string& url) {
  const auto semaSonu = url.find("://");
  const auto yolBasi = url.find('/', semaSonu == std::string::npos ? 0 : semaSonu + 3);
  if (yolBasi == std::string::npos) return {url, "/"};
  return {url.substr(0, yolBasi), url.substr(yolBasi)};
}

std::string Sor(const std::string& url, const DisIpSecenekleri& secenek) {
  const auto [sunucu, yol] = AdresiBol(url);
  httplib::Client istemci(sunucu);
  istemci.set_connection_timeout(secenek.baglanmaSuresi);
  istemci.set_read_timeout(secenek.okumaSuresi);
  for (int deneme = 1; deneme <= secenek.denemeSayisi; ++deneme) {
    if (deneme > 1) secenek.bekle(secenek.denemeArasi);
    const auto cevap = istemci.Get(yol);
    if (cevap && cevap->status >= 200 && cevap->status < 300) {
      return std::string(platform::Kirp(cevap->body));
    }
  }
  return {};
}

}  // namespace

// An address the HTTP client refuses (an unknown scheme) ends like an unreachable service.
std::string DisIpAl(const std::string& url, const DisIpSecenekleri& secenek) {
  try {
    return Sor(url, secenek);
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace zorvat
