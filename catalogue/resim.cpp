#include "catalogue/resim.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "net/baglanti_dene.h"
#include "net/connection.h"
#include "net/services.h"
#include "remote/errors.h"
#include "remote/memory_stream.h"
#include "remote/proxim.h"
#include "session/platform_metin.h"

namespace zorvat {

namespace {

// Bytes that do not start like a JPEG file.
class JpegHatasi : public std::runtime_error {
 public:
  JpegHatasi() : std::runtime_error("Resim verisi geçerli bir JPEG değil") {}
};

bool JpegMi(const std::vector<std::uint8_t>& baytlar) {
  return baytlar.size() >= 3 && baytlar[0] == 0xFF && baytlar[1] == 0xD8 && baytlar[2] == 0xFF;
}

// The kind of the error as the message box names it.
const char* HataTuru(const std::exception& hata) {
  if (dynamic_cast<const JpegHatasi*>(&hata)) return "EJPEG";
  if (dynamic_cast<const ServerError*>(&hata)) return "ServerError";
  if (dynamic_cast<const ProtocolError*>(&hata)) return "ProtocolError";
  if (dynamic_cast<const TransportError*>(&hata)) return "TransportError";
  if (dynamic_cast<const RemoteError*>(&hata)) return "RemoteError";
  return "Exception";
}

std::string Kucuk(std::string_view metin) {
  std::string sonuc(metin);
  for (char& c : sonuc) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return sonuc;
}

}  // namespace

void ResimYukle(Connection& bagc, std::int32_t stokno, PictureState& resim) {
  if (!BaglantiDene(bagc, 1)) return;
  struct Kapatici {
    Connection& baglanti;
    ~Kapatici() { baglanti.Close(); }
  } kapatici{bagc};
  try {
    TServerMethods1Client proxy(&bagc);
    std::int64_t boy = 0;
    MemoryStream* akis = proxy.ResimVer5(stokno, boy);
    const std::optional<std::vector<std::uint8_t>> baytlar = ReceiveStream(akis, boy);
    if (!baytlar) return;
    if (!JpegMi(*baytlar)) throw JpegHatasi();
    resim.SetBytes(std::string(baytlar->begin(), baytlar->end()));
  } catch (const std::exception& hata) {
    Diyaloglar().DuzMesajGoster(std::string(HataTuru(hata)) + ": " + hata.what());
  }
}

ResimTuru ResimTuruBul(std::string_view contentType) {
  const std::string tur = Kucuk(platform::Kirp(contentType));
  constexpr std::string_view kOnEk = "image/";
  if (tur.compare(0, kOnEk.size(), kOnEk) != 0) return ResimTuru::Yok;
  std::string_view alt = std::string_view(tur).substr(kOnEk.size());
  alt = platform::Kirp(alt.substr(0, alt.find(';')));
  if (alt == "jpeg" || alt == "jpg") return ResimTuru::Jpeg;
  if (alt == "bmp") return ResimTuru::Bmp;
  if (alt == "png") return ResimTuru::Png;
  return ResimTuru::Yok;
}

}  // namespace zorvat
