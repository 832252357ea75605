#include "session/kimlik.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/gecici_klasor.h"
#include "zorvat_config.h"

namespace zorvat {
namespace {

constexpr AdaptorAdresi kSifir{0, 0, 0, 0, 0, 0};
constexpr AdaptorAdresi kGercek{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
constexpr AdaptorAdresi kIkinci{0xAA, 0xBB, 0xCC, 0x01, 0x02, 0x03};
const AdaptorYaniti kHata = std::nullopt;
using Yanitlar = std::vector<AdaptorYaniti>;

// ---- The adapter scan on its own ---------------------------------------------------------

struct TaramaDurumu {
  const char* ad;
  std::vector<AdaptorYaniti> yanitlar;
  std::string beklenen;
  int sorulan;  // adapters asked before the scan stopped
};

class AdaptorTaramasiTest : public testing::TestWithParam<TaramaDurumu> {};

TEST_P(AdaptorTaramasiTest, IlkSifirOlmayanAdresiBulurVeGerektigiKadarSorar) {
  AdaptorTaramasi tarama;
  int sorulan = 0;
  for (const auto& yanit : GetParam().yanitlar) {
    ++sorulan;
    if (!tarama.Ekle(yanit)) break;
  }
  EXPECT_EQ(tarama.Sonuc(), GetParam().beklenen);
  EXPECT_EQ(sorulan, GetParam().sorulan);
}

INSTANTIATE_TEST_SUITE_P(
    Durumlar, AdaptorTaramasiTest,
    testing::Values(
        TaramaDurumu{"AdaptorYok", {}, "", 0},
        TaramaDurumu{"IlkAdaptor", {kGercek, kIkinci}, "00-1A-2B-3C-4D-5E", 1},
        TaramaDurumu{"SifirdanSonraki", {kSifir, kIkinci, kGercek}, "AA-BB-CC-01-02-03", 2},
        TaramaDurumu{"SifirdanSonraHataTaramayiSurdurur", {kSifir, kHata, kGercek},
                     "00-1A-2B-3C-4D-5E", 3},
        TaramaDurumu{"IlkHataTaramayiBitirir", {kHata, kGercek}, "", 1},
        TaramaDurumu{"HepsiSifir", {kSifir, kSifir}, "", 2}),
    [](const auto& bilgi) { return std::string(bilgi.param.ad); });

// ---- The computer ID on a scripted machine ------------------------------------------------

class SahteMakine : public Makine {
 public:
  std::optional<std::string> disk;                       // nothing: the disk question fails
  std::optional<std::vector<AdaptorYaniti>> adaptorler;  // nothing: the listing fails

  std::string BilgisayarAdi() const override { return "SAHTE"; }
  std::string KullaniciAdi() const override { return "ahmet"; }
  std::string IcIp() const override { return "10.0.0.5"; }
  std::string DiskSeri() const override {
    if (!disk) throw std::runtime_error("WMI yanıt vermedi");
    return *disk;
  }
  void AdaptorleriSor(const std::function<bool(const AdaptorYaniti&)>& yanit) const override {
    if (!adaptorler) throw std::runtime_error("NetBIOS yok");
    for (const auto& adaptor : *adaptorler) {
      if (!yanit(adaptor)) return;
    }
  }
};

struct KimlikDurumu {
  const char* ad;
  std::optional<std::string> disk;
  std::optional<std::vector<AdaptorYaniti>> adaptorler;
  std::string beklenen;
};

class BilgisayarIdTest : public testing::TestWithParam<KimlikDurumu> {};

TEST_P(BilgisayarIdTest, DiskAdaptorVeBosSirasiyla) {
  SahteMakine makine;
  makine.disk = GetParam().disk;
  makine.adaptorler = GetParam().adaptorler;
  EXPECT_EQ(BilgisayarIdAl(makine), GetParam().beklenen);
}

const std::string kTakmaSeri = yapi::kTakmaDiskSeri1;

INSTANTIATE_TEST_SUITE_P(
    Durumlar, BilgisayarIdTest,
    testing::Values(
        KimlikDurumu{"IcVeSondakiBosluklarGider", " WD-WX 41A 0 ", Yanitlar{kGercek}, "WD-WX41A0"},
        KimlikDurumu{"KucukHarfBuyur", "s4ewnx0n123", Yanitlar{kGercek}, "S4EWNX0N123"},
        KimlikDurumu{"WmiYoksaAdaptor", std::nullopt, Yanitlar{kGercek}, "00-1A-2B-3C-4D-5E"},
        KimlikDurumu{"BosSeriAdaptoraDuser", "   ", Yanitlar{kGercek}, "00-1A-2B-3C-4D-5E"},
        KimlikDurumu{"SifirAdaptorAtlanir", std::nullopt, Yanitlar{kSifir, kIkinci},
                     "AA-BB-CC-01-02-03"},
        KimlikDurumu{"HerSeyBasarisiz", std::nullopt, std::nullopt, ""},
        KimlikDurumu{"YalnizSifirAdaptor", std::nullopt, Yanitlar{kSifir}, ""},
        KimlikDurumu{"TakmaAdTablosu", " " + kTakmaSeri.substr(0, 4) + " " + kTakmaSeri.substr(4),
                     std::nullopt, yapi::kTakmaBilgisayarId}),
    [](const auto& bilgi) { return std::string(bilgi.param.ad); });

TEST(KimlikFonksiyonlari, MakineninBildirdiginiVerir) {
  SahteMakine makine;
  EXPECT_EQ(BilgisayarAdiAl(makine), "SAHTE");
  EXPECT_EQ(WindowsKullaniciAl(makine), "ahmet");
  EXPECT_EQ(IcIpAl(makine), "10.0.0.5");
  EXPECT_THROW(DiskSeriAl(makine), std::runtime_error);
  EXPECT_THROW(MacAdresiAl(makine), std::runtime_error);
}

// ---- The Linux machine on a laid-out /sys --------------------------------------------------

class LinuxMakinesiTest : public testing::Test {
 protected:
  void Disk(const std::string& ad, const std::string& goreliDosya = "", const std::string& icerik = "") {
    kok.Klasor("sys/block/" + ad + "/device");
    if (!goreliDosya.empty()) kok.Yaz("sys/block/" + ad + "/" + goreliDosya, icerik);
  }
  void Adaptor(const std::string& ad, const std::string& adres, bool aygitli) {
    kok.Yaz("sys/class/net/" + ad + "/address", adres + "\n");
    if (aygitli) kok.Klasor("sys/class/net/" + ad + "/device");
  }
  std::string Seri() { return DiskSeriAl(*LinuxMakinesi(kok.yol())); }
  std::string Mac() { return MacAdresiAl(*LinuxMakinesi(kok.yol())); }

  test::GeciciKlasor kok;
};

TEST_F(LinuxMakinesiTest, SanalVeCikarilabilirDiskleriAtlar) {
  kok.Yaz("sys/block/loop0/serial", "LOOP\n");  // no device behind it
  Disk("sr0", "device/serial", "CDROM\n");
  kok.Yaz("sys/block/sr0/removable", "1\n");
  Disk("sdb", "device/serial", "  ikinci-disk \n");
  EXPECT_EQ(Seri(), "IKINCI-DISK");
}

TEST_F(LinuxMakinesiTest, AdSirasindaSerisiOlanIlkDisk) {
  Disk("nvme0n1");  // reports no serial
  Disk("sda", "device/serial", "SATA1\n");
  Disk("vda", "serial", "VIRTIO1\n");
  EXPECT_EQ(Seri(), "SATA1");
}

TEST_F(LinuxMakinesiTest, VirtioVeUdevSerileri) {
  Disk("vda", "serial", "virtio-7\n");
  EXPECT_EQ(Seri(), "VIRTIO-7");

  test::GeciciKlasor ikinci;
  ikinci.Klasor("sys/block/sda/device");
  ikinci.Yaz("sys/block/sda/dev", "8:0\n");
  ikinci.Yaz("run/udev/data/b8:0", "S:disk/by-id/ata-X\nE:ID_SERIAL=WDC_X_WD-123\nE:ID_SERIAL_SHORT=WD-123\n");
  EXPECT_EQ(DiskSeriAl(*LinuxMakinesi(ikinci.yol())), "WD-123");
}

TEST_F(LinuxMakinesiTest, DiskYoksaHata) {
  Disk("sda");
  EXPECT_ANY_THROW(Seri());
  test::GeciciKlasor bos;
  EXPECT_ANY_THROW(DiskSeriAl(*LinuxMakinesi(bos.yol())));
}

TEST_F(LinuxMakinesiTest, AygitliAdaptorlerOnceAdSirasiyla) {
  Adaptor("lo", "00:00:00:00:00:00", false);
  Adaptor("br0", "02:42:ac:11:00:01", false);
  Adaptor("tun0", "", false);  // not a network card
  Adaptor("wlp2s0", "3c:22:fb:0a:1b:2c", true);
  Adaptor("enp3s0", "52:54:00:12:34:56", true);
  EXPECT_EQ(Mac(), "52-54-00-12-34-56");
}

TEST_F(LinuxMakinesiTest, YalnizSanalAdaptorlerVeAdaptorsuzMakine) {
  Adaptor("lo", "00:00:00:00:00:00", false);
  Adaptor("br0", "02:42:ac:11:00:01", false);
  EXPECT_EQ(Mac(), "02-42-AC-11-00-01");

  test::GeciciKlasor bos;
  EXPECT_ANY_THROW(MacAdresiAl(*LinuxMakinesi(bos.yol())));
  EXPECT_EQ(BilgisayarIdAl(*LinuxMakinesi(bos.yol())), "");
}

// ---- This machine ------------------------------------------------------------------------

TEST(BuMakine, KimlikDegerleriIcinKurallaraUyar) {
  EXPECT_LE(BilgisayarAdiAl().size(), 15u);
  in_addr adres{};
  EXPECT_EQ(inet_pton(AF_INET, IcIpAl().c_str(), &adres), 1) << IcIpAl();
  EXPECT_EQ(BilgisayarIdAl().find(' '), std::string::npos);
}

}  // namespace
}  // namespace zorvat
