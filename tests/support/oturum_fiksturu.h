// The client's logic against the reference server in process: the application server on a
// seeded copy of the demonstration database, the dealer's web server beside it (public
// address, request form, setup download), scripted services, a folder of the test's own for
// ayar.ini and downloads, and a machine whose computer ID is a demonstration user's.
//
//   OturumFiksturu f("DEMO-AHMET");
//   TForm1 form(f.Ortam());
#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "net/connection.h"
#include "platform/gecici_klasor.h"
#include "remote/proxim.h"
#include "server/database.h"
#include "server/schema.h"
#include "server/server_fixture.h"
#include "server/web_server.h"
#include "session/istemci_ortami.h"
#include "support/scripted_services.h"

namespace zorvat::test {

// A machine whose first disk reports the given serial, which becomes its computer ID.
class SahteMakine : public Makine {
 public:
  explicit SahteMakine(std::string diskSeri) : diskSeri_(std::move(diskSeri)) {}
  std::string BilgisayarAdi() const override { return "MUHASEBE-PC"; }
  std::string KullaniciAdi() const override { return "ayse"; }
  std::string IcIp() const override { return "192.168.1.20"; }
  std::string DiskSeri() const override {
    if (diskSeri_.empty()) throw std::runtime_error("disk yok");
    return diskSeri_;
  }
  void AdaptorleriSor(const std::function<bool(const AdaptorYaniti&)>&) const override {
    throw std::runtime_error("adaptör yok");
  }

 private:
  std::string diskSeri_;
};

class OturumFiksturu {
 public:
  explicit OturumFiksturu(std::string bilgisayarId = "DEMO-AHMET") : makine(std::move(bilgisayarId)) {
    webAyari_.setupProgram = (klasor.yol() / "yeni_kurulum.exe").string();
    webPortu_ = web_.Bind("127.0.0.1", 0);
    if (webPortu_ <= 0) throw std::runtime_error("web portu açılamadı");
    webIplik_ = std::thread([this] { web_.Listen(); });
    // An answer proves the server loop runs, so that Stop always finds it running.
    httplib::Client istemci("127.0.0.1", webPortu_);
    for (int deneme = 0; deneme < 500 && !istemci.Get("/ip"); ++deneme) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  ~OturumFiksturu() {
    web_.Stop();
    webIplik_.join();
  }

  // The endpoints of this fixture; an echo service that fails is asked once, without waiting.
  IstemciOrtami Ortam() const {
    IstemciOrtami ortam;
    ortam.sunucuPortu = std::to_string(sunucu.Port());
    ortam.disIpServisi = WebAdresi() + "ip";
    ortam.disIp.denemeSayisi = 1;
    ortam.disIp.bekle = [](std::chrono::milliseconds) {};
    ortam.ayarDosyasi = AyarDosyasi();
    ortam.makine = &makine;
    ortam.guncelleme.adres = WebAdresi() + "exe/ZorvatOtoSetup.exe";
    ortam.guncelleme.dosya = klasor.yol() / "indirilen" / "ZorvatOtoSetup.exe";
    return ortam;
  }

  std::string WebAdresi() const { return "http://127.0.0.1:" + std::to_string(webPortu_) + "/"; }
  std::filesystem::path AyarDosyasi() const { return klasor.yol() / "ayar.ini"; }

  // Changes the server's data as an administrator would.
  void Sql(const std::string& komut) const {
    server::Database db(sunucu.VeritabaniYolu());
    db.Execute(komut);
  }
  // The rows of a query on the server's data, each column as text.
  std::vector<std::vector<std::string>> Satirlar(const std::string& sorgu) const {
    server::Database db(sunucu.VeritabaniYolu());
    server::Statement& komut = db.Prepare(sorgu);
    std::vector<std::vector<std::string>> satirlar;
    while (komut.Step()) {
      std::vector<std::string>& satir = satirlar.emplace_back();
      for (int i = 0; i < komut.ColumnCount(); ++i) satir.emplace_back(komut.Text(i));
    }
    komut.Reset();
    return satirlar;
  }
  void IstemciSurumu(int surum) const {
    server::Database db(sunucu.VeritabaniYolu());
    server::SetClientVersion(db, surum);
  }

  // A connection to this fixture's application server, closed.
  ConnectionParams Baglanti() const {
    ConnectionParams params;
    params.HostName = "127.0.0.1";
    params.Port = std::to_string(sunucu.Port());
    return params;
  }

  // The session record the server keeps for the computer, as a login copies it.
  TSonucBilgisi Kayit(const std::string& bilgisayarId) const {
    Connection baglanti(Baglanti());
    baglanti.Open();
    TServerMethods1Client proxy(&baglanti);
    TSonucBilgisi kayit;
    kayit.Kopyala(*proxy.BuyukGetir(bilgisayarId));
    return kayit;
  }

  // Runs the user-interface thread's jobs until the condition holds.
  bool Bekle(const std::function<bool()>& kosul) {
    return hizmetler.dispatcher.ProcessUiEventsUntil(kosul, std::chrono::seconds(60));
  }

  ScriptedServices hizmetler;
  SunucuFiksturu sunucu;
  GeciciKlasor klasor;
  SahteMakine makine;

 private:
  server::Settings webAyari_;
  server::WebServer web_{webAyari_};
  int webPortu_ = 0;
  std::thread webIplik_;
};

}  // namespace zorvat::test
