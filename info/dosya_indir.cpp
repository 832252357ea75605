#include "info/dosya_indir.h"

#include <httplib.h>

#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>

#include "net/await.h"
#include "net/bicim.h"
#include "net/mesaj.h"
#include "net/services.h"

namespace zorvat {

namespace {

constexpr std::chrono::seconds kBaglanmaSuresi{60};
constexpr std::chrono::seconds kYanitSuresi{60};

// "http://host:port/exe/x.exe" -> {"http://host:port", "/exe/x.exe"}.
std::pair<std::string, std::string> AdresiBol(const std::string& adres) {
  const auto semaSonu = adres.find("://");
  const auto yolBasi = adres.find('/', semaSonu == std::string::npos ? 0 : semaSonu + 3);
  if (yolBasi == std::string::npos) return {adres, "/"};
  return {adres.substr(0, yolBasi), adres.substr(yolBasi)};
}

std::string Utf8Metin(const std::filesystem::path& yol) {
  const std::u8string metin = yol.u8string();
  return std::string(metin.begin(), metin.end());
}

// Delphi's "%f": two decimals in the user's separators, no grouping.
std::string Ondalik2(double deger) { return FormatFloat("0.00", deger); }

}  // namespace

std::string HttpIndir(const std::string& adres,
                      const std::function<void(std::int64_t toplam, std::int64_t okunan)>& ilerleme) {
  const auto [sunucu, yol] = AdresiBol(adres);
  httplib::Client istemci(sunucu);
  istemci.set_connection_timeout(kBaglanmaSuresi);
  istemci.set_read_timeout(kYanitSuresi);
  istemci.set_follow_location(true);
  const httplib::Headers basliklar = {
      {"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8"},
      {"Accept-Encoding", "gzip, deflate"},
      {"Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4"},
      {"User-Agent",
       "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
       "Chrome/60.0.3112.32 Safari/537.36"},
  };
  auto cevap = istemci.Get(yol, basliklar, [&ilerleme](std::uint64_t okunan, std::uint64_t toplam) {
    ilerleme(static_cast<std::int64_t>(toplam), static_cast<std::int64_t>(okunan));
    return true;
  });
  if (!cevap) throw std::runtime_error(httplib::to_string(cevap.error()));
  // An error page saved as the setup program and started would be worse than no update.
  if (cevap->status != 200) {
    throw std::runtime_error("HTTP " + std::to_string(cevap->status) + " " + cevap->reason);
  }
  return std::move(cevap->body);
}

Tdosyaindir::Tdosyaindir(int _y, IndirmeAyari ayar) : ayar_(std::move(ayar)) {
  SetCaption("Dosya İndir");
  sLabel1.SetCaption(
      "Zorvat Oto B2B Programının\r\nYeni versiyonu indirilecektir\r\nLütfen Bekleyiniz...!\r\nVersion: " +
      std::to_string(_y) + "-" + std::to_string(yapi::kIstemciSurumu));
}

void Tdosyaindir::FormActivate() {
  if (basladi) return;
  basladi = true;
  std::filesystem::remove(ayar_.dosya);

  struct Indirme {
    std::string govde;
    std::optional<std::string> hata;
    int yuzde = -1;
  };
  auto indirme = std::make_shared<Indirme>();
  Async([this, indirme] {
    try {
      indirme->govde = HttpIndir(ayar_.adres, [this, indirme](std::int64_t toplam, std::int64_t okunan) {
        // One repaint per percent: a large file must not flood the user-interface thread.
        if (toplam <= 0) return;
        const int yuzde = static_cast<int>(okunan * 100 / toplam);
        if (yuzde == indirme->yuzde) return;
        indirme->yuzde = yuzde;
        Dagitici().PostToUi([this, toplam, okunan] { NetHTTPClient1ReceiveData(toplam, okunan); });
      });
    } catch (const std::exception& hata) {
      indirme->hata = hata.what();
    }
  })->Await([this, indirme] {
    if (indirme->hata) {
      NetHTTPClient1RequestError(*indirme->hata);
      return;
    }
    Indirildi(indirme->govde);
  });
}

void Tdosyaindir::NetHTTPClient1ReceiveData(std::int64_t AContentLength, std::int64_t AReadCount) {
  if (AContentLength <= 0) return;
  constexpr double kMb = 1024.0 * 1024.0;
  const double yuzde = static_cast<double>(AReadCount) / static_cast<double>(AContentLength) * 100.0;
  bilgi.SetCaption("Bilgi: %" + Ondalik2(yuzde) + "  İndirilen: " + Ondalik2(static_cast<double>(AReadCount) / kMb) +
                   "/" + Ondalik2(static_cast<double>(AContentLength) / kMb) + " Mb");
  ProgressBar1.SetMax(AContentLength);
  ProgressBar1.SetPosition(AReadCount);
}

void Tdosyaindir::NetHTTPClient1RequestError(const std::string& AError) {
  Diyaloglar().DuzMesajGoster("Hata Oluştu !\r\nHata: " + AError);
  Sonlandir();
}

// A file that cannot be written reaches the default error report; the window stays.
void Tdosyaindir::Indirildi(const std::string& govde) {
  std::ofstream dosya(ayar_.dosya, std::ios::binary | std::ios::trunc);
  dosya.write(govde.data(), static_cast<std::streamsize>(govde.size()));
  dosya.close();
  if (!dosya) throw std::runtime_error("Kurulum dosyası yazılamadı: " + Utf8Metin(ayar_.dosya));
  KurulumuBaslat();
}

void Tdosyaindir::KurulumuBaslat() {
  const std::string dosya = Utf8Metin(ayar_.dosya);
  if (ayar_.kurulumCalisir) {
    if (!Kabugu().ProgramBaslat(dosya, {"/silent"})) {
      MesajGoster("Kurulum programı başlatılamadı:\r\n" + dosya, kHata, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
    }
    Sonlandir();
    return;
  }
  sLabel1.SetCaption("Yeni versiyon indirildi.\r\nKurulum bu sistemde otomatik\r\nbaşlatılamaz; program kapanıyor.");
  bilgi.SetCaption("Kurulum dosyası: " + dosya);
  Async([bekleme = ayar_.okumaSuresi] { Bekle(bekleme); })->Await([] { Sonlandir(); });
}

}  // namespace zorvat
