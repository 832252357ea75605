#include "tools/screenshots/demo_sunucusu.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <thread>

#include "remote/proxim.h"
#include "server/application_server.h"
#include "server/database.h"
#include "server/methods.h"
#include "server/schema.h"
#include "server/seed.h"

namespace zorvat::ekran {

namespace {

constexpr int kStokSayisi = 300;

class DemoSunucusu {
 public:
  DemoSunucusu() : methods_(server::AllMethods()) {
    std::string sablon = (std::filesystem::temp_directory_path() / "zorvat-ekran-XXXXXX").string();
    if (mkdtemp(sablon.data()) == nullptr) throw std::runtime_error("geçici klasör açılamadı");
    klasor_ = sablon;
    settings_.databasePath = (klasor_ / "demo.db").string();
    {
      server::Database db(settings_.databasePath, /*create=*/true);
      server::CreateSchema(db);
      server::SeedDemo(db, kStokSayisi);
    }
    sunucu_ = std::make_unique<server::ApplicationServer>(settings_, methods_);
    port_ = sunucu_->Bind("127.0.0.1", 0);
    if (port_ <= 0) throw std::runtime_error("demo sunucusunun portu açılamadı");
    iplik_ = std::thread([this] { sunucu_->Listen(); });
    // A first answer proves the server loop runs, so that Stop always finds it running.
    Connection baglanti(Baglanti());
    for (int deneme = 0; !baglanti.Connected() && deneme < 500; ++deneme) {
      try {
        baglanti.Open();
      } catch (const std::exception&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    }
  }

  ~DemoSunucusu() {
    sunucu_->Stop();
    iplik_.join();
    std::error_code hata;
    std::filesystem::remove_all(klasor_, hata);
  }

  ConnectionParams Baglanti() const {
    ConnectionParams params;
    params.HostName = "127.0.0.1";
    params.Port = std::to_string(port_);
    return params;
  }

 private:
  std::filesystem::path klasor_;
  server::Settings settings_;
  server::MethodRegistry methods_;
  std::unique_ptr<server::ApplicationServer> sunucu_;
  int port_ = 0;
  std::thread iplik_;
};

DemoSunucusu& Sunucu() {
  static DemoSunucusu sunucu;
  return sunucu;
}

}  // namespace

ConnectionParams DemoBaglantisi() { return Sunucu().Baglanti(); }

TSonucBilgisi DemoKaydi(const std::string& bilgisayarId) {
  Connection baglanti(DemoBaglantisi());
  baglanti.Open();
  TServerMethods1Client proxy(&baglanti);
  TSonucBilgisi kayit;
  kayit.Kopyala(*proxy.BuyukGetir(bilgisayarId));
  return kayit;
}

}  // namespace zorvat::ekran
