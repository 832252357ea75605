#include "session/dis_ip.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <thread>
#include <vector>

namespace zorvat {
namespace {

using std::chrono::milliseconds;

// An echo service on a free port of this machine that answers its requests with the given
// statuses in turn (the last one repeats).
class EchoServisi {
 public:
  EchoServisi(std::vector<int> durumlar, std::string govde) {
    sunucu_.Get("/ip", [this, durumlar, govde](const httplib::Request&, httplib::Response& cevap) {
      const auto sira = std::min<std::size_t>(istekSayisi_++, durumlar.size() - 1);
      cevap.status = durumlar[sira];
      cevap.set_content(cevap.status == 200 ? govde : "hata", "text/plain");
    });
    port_ = sunucu_.bind_to_any_port("127.0.0.1");
    dinleyici_ = std::thread([this] { sunucu_.listen_after_bind(); });
    while (!sunucu_.is_running()) std::this_thread::yield();
  }
  ~EchoServisi() {
    sunucu_.stop();
    dinleyici_.join();
  }

  std::string Adres() const { return "http://127.0.0.1:" + std::to_string(port_) + "/ip"; }
  int IstekSayisi() const { return istekSayisi_; }

 private:
  httplib::Server sunucu_;
  std::thread dinleyici_;
  int port_ = 0;
  std::atomic<int> istekSayisi_{0};
};

// Options whose waits are only recorded.
struct Bekleyici {
  std::vector<milliseconds> beklemeler;
  DisIpSecenekleri Secenekler() {
    DisIpSecenekleri secenek;
    secenek.baglanmaSuresi = milliseconds(2000);
    secenek.bekle = [this](milliseconds sure) { beklemeler.push_back(sure); };
    return secenek;
  }
};

struct DisIpDurumu {
  const char* ad;
  std::vector<int> durumlar;
  std::string beklenen;
  int istekSayisi;
};

class DisIpTest : public testing::TestWithParam<DisIpDurumu> {};

TEST_P(DisIpTest, SinirliDenemeyleAdresiAlir) {
  EchoServisi servis(GetParam().durumlar, " 203.0.113.7\r\n");
  Bekleyici bekleyici;
  EXPECT_EQ(DisIpAl(servis.Adres(), bekleyici.Secenekler()), GetParam().beklenen);
  EXPECT_EQ(servis.IstekSayisi(), GetParam().istekSayisi);
  EXPECT_EQ(bekleyici.beklemeler,
            std::vector<milliseconds>(GetParam().istekSayisi - 1, milliseconds(1000)));
}

INSTANTIATE_TEST_SUITE_P(
    Durumlar, DisIpTest,
    testing::Values(DisIpDurumu{"IlkDenemedeYanit", {200}, "203.0.113.7", 1},
                    DisIpDurumu{"IkiHatadanSonraYanit", {500, 503, 200}, "203.0.113.7", 3},
                    DisIpDurumu{"HepHata", {500}, "", 3}),
    [](const auto& bilgi) { return std::string(bilgi.param.ad); });

TEST(DisIp, DinleyenYoksaBosDoner) {
  std::string adres;
  {
    EchoServisi kapanan({200}, "x");
    adres = kapanan.Adres();
  }
  Bekleyici bekleyici;
  EXPECT_EQ(DisIpAl(adres, bekleyici.Secenekler()), "");
  EXPECT_EQ(bekleyici.beklemeler.size(), 2u);
}

TEST(DisIp, GecersizAdresBosDoner) {
  Bekleyici bekleyici;
  EXPECT_EQ(DisIpAl("ftp://127.0.0.1/ip", bekleyici.Secenekler()), "");
}

}  // namespace
}  // namespace zorvat
