// The machine as Linux reports it: host name, passwd entry, name resolution, and the disks and
// network adapters listed under /sys. Nothing here starts another program.
#include <netdb.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <arpa/inet.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "session/kimlik.h"
#include "session/platform_metin.h"

namespace zorvat {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNetBiosAdUzunlugu = 15;

std::optional<std::string> DosyaOku(const fs::path& yol) {
  std::ifstream dosya(yol, std::ios::binary);
  if (!dosya) return std::nullopt;
  std::ostringstream icerik;
  icerik << dosya.rdbuf();
  if (dosya.bad()) return std::nullopt;
  return icerik.str();
}

// The trimmed content of a small text file; empty when it is missing or blank.
std::string KirpilmisIcerik(const fs::path& yol) {
  const auto icerik = DosyaOku(yol);
  return icerik ? std::string(platform::Kirp(*icerik)) : std::string();
}

std::vector<fs::path> AltKlasorler(const fs::path& klasor) {
  std::vector<fs::path> sonuc;
  for (const auto& girdi : fs::directory_iterator(klasor)) sonuc.push_back(girdi.path());
  return sonuc;
}

// The disk's serial from udev's record of the block device ("E:ID_SERIAL_SHORT=...").
std::string UdevSeri(const fs::path& kok, const fs::path& disk) {
  const std::string aygit = KirpilmisIcerik(disk / "dev");
  if (aygit.empty()) return {};
  std::istringstream kayit(DosyaOku(kok / "run/udev/data" / ("b" + aygit)).value_or(""));
  constexpr std::string_view kAnahtar = "E:ID_SERIAL_SHORT=";
  for (std::string satir; std::getline(kayit, satir);) {
    if (satir.starts_with(kAnahtar)) return std::string(platform::Kirp(satir.substr(kAnahtar.size())));
  }
  return {};
}

// NVMe and SCSI disks name their serial in the device folder, virtio disks beside it, and udev
// knows the serial of ATA disks.
std::string DiskinSerisi(const fs::path& kok, const fs::path& disk) {
  for (const fs::path& dosya : {disk / "device/serial", disk / "serial"}) {
    std::string seri = KirpilmisIcerik(dosya);
    if (!seri.empty()) return seri;
  }
  return UdevSeri(kok, disk);
}

// A physical, fixed disk: it has a device behind it and is not removable (USB sticks,
// card readers and optical drives are).
bool SabitDiskMi(const fs::path& disk) {
  std::error_code hata;
  return fs::exists(disk / "device", hata) && KirpilmisIcerik(disk / "removable") != "1";
}

std::optional<AdaptorAdresi> AdresCoz(std::string_view metin) {
  AdaptorAdresi adres{};
  std::size_t okunan = 0;
  std::istringstream girdi{std::string(metin)};
  for (std::string parca; std::getline(girdi, parca, ':');) {
    if (okunan == adres.size() || parca.size() != 2 ||
        !std::all_of(parca.begin(), parca.end(), [](unsigned char c) { return std::isxdigit(c); })) {
      return std::nullopt;
    }
    adres[okunan++] = static_cast<std::uint8_t>(std::stoi(parca, nullptr, 16));
  }
  if (okunan != adres.size()) return std::nullopt;
  return adres;
}

// Adapters backed by a device first (they keep their address), then virtual ones; by name
// within each group, so the order does not depend on the order the kernel lists them.
void AdaptorSirala(std::vector<fs::path>& adaptorler) {
  auto sanal = [](const fs::path& adaptor) {
    std::error_code hata;
    return !fs::exists(adaptor / "device", hata);
  };
  std::sort(adaptorler.begin(), adaptorler.end(), [&](const fs::path& a, const fs::path& b) {
    return std::pair(sanal(a), a.filename()) < std::pair(sanal(b), b.filename());
  });
}

class LinuxMakine final : public Makine {
 public:
  explicit LinuxMakine(fs::path kok) : kok_(std::move(kok)) {}

  // The first label of the host name, as Samba forms the NetBIOS name: upper case, 15 at most.
  std::string BilgisayarAdi() const override {
    char ad[256] = {};
    if (gethostname(ad, sizeof ad - 1) != 0) return {};
    const std::string_view tam(ad);
    std::string sonuc(tam.substr(0, std::min(tam.find('.'), kNetBiosAdUzunlugu)));
    for (char& c : sonuc) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return sonuc;
  }

  // The full login name, however long it is.
  std::string KullaniciAdi() const override {
    long boy = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> tampon(boy > 0 ? static_cast<std::size_t>(boy) : 16384);
    passwd kayit{};
    passwd* bulunan = nullptr;
    if (getpwuid_r(geteuid(), &kayit, tampon.data(), tampon.size(), &bulunan) == 0 && bulunan) {
      return bulunan->pw_name;
    }
    char ad[256] = {};
    return getlogin_r(ad, sizeof ad) == 0 ? std::string(ad) : std::string();
  }

  std::string IcIp() const override {
    char ad[256] = {};
    addrinfo istek{};
    istek.ai_family = AF_INET;
    addrinfo* adresler = nullptr;
    if (gethostname(ad, sizeof ad - 1) != 0 || getaddrinfo(ad, nullptr, &istek, &adresler) != 0) {
      return "127.0.0.1";
    }
    char metin[INET_ADDRSTRLEN] = "127.0.0.1";
    if (adresler) {
      const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(adresler->ai_addr);
      inet_ntop(AF_INET, &ipv4->sin_addr, metin, sizeof metin);
    }
    freeaddrinfo(adresler);
    return metin;
  }

  // The first fixed disk, in name order, that reports a serial.
  std::string DiskSeri() const override {
    std::vector<fs::path> diskler = AltKlasorler(kok_ / "sys/block");
    std::sort(diskler.begin(), diskler.end());
    for (const auto& disk : diskler) {
      if (!SabitDiskMi(disk)) continue;
      std::string seri = DiskinSerisi(kok_, disk);
      if (!seri.empty()) return seri;
    }
    throw std::runtime_error("Disk seri numarası bulunamadı");
  }

  // Adapters whose address is not six bytes (tunnels, for example) are not network cards and
  // are left out; an adapter whose address cannot be read answers with a failure.
  void AdaptorleriSor(const std::function<bool(const AdaptorYaniti&)>& yanit) const override {
    std::vector<fs::path> adaptorler = AltKlasorler(kok_ / "sys/class/net");
    AdaptorSirala(adaptorler);
    for (const auto& adaptor : adaptorler) {
      const auto metin = DosyaOku(adaptor / "address");
      AdaptorYaniti cevap;  // stays empty when the address cannot be read
      if (metin) {
        cevap = AdresCoz(platform::Kirp(*metin));
        if (!cevap) continue;
      }
      if (!yanit(cevap)) return;
    }
  }

 private:
  fs::path kok_;
};

}  // namespace

std::unique_ptr<Makine> LinuxMakinesi(const fs::path& kok) {
  return std::make_unique<LinuxMakine>(kok);
}

const Makine& BuMakine() {
  static const LinuxMakine makine{"/"};
  return makine;
}

}  // namespace zorvat
