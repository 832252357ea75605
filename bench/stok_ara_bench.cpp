// StokAraGetir on the 100,000-item demonstration catalogue, over HTTP to the server running
// in this process: latency of one call, and calls per second with several clients at once.
#include <benchmark/benchmark.h>
#include <httplib.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>

#include "remote/json_writer.h"
#include "remote/record_codec.h"
#include "server/application_server.h"
#include "server/database.h"
#include "server/methods.h"
#include "server/seed.h"

namespace zorvat::server {
namespace {

constexpr int kStokSayisi = 100000;

// Searches a user types: a name, two words, a code, an OEM number, a brand and model.
constexpr std::array<const char*, 6> kAramalar = {"debriyaj seti", "ön fren balata", "FRN-1000",
                                                  "93616",         "amortisör kora", "yağ filtresi"};

// The server on a seeded catalogue, made once for the whole run.
class AramaSunucusu {
 public:
  AramaSunucusu() {
    settings_.databasePath =
        (std::filesystem::temp_directory_path() / ("zorvat-arama-" + std::to_string(::getpid()) + ".db")).string();
    std::filesystem::remove(settings_.databasePath);
    {
      Database db(settings_.databasePath, true);
      SeedDemo(db, kStokSayisi);
    }
    server_ = std::make_unique<ApplicationServer>(settings_, methods_);
    port_ = server_->Bind("127.0.0.1", 0);
    thread_ = std::thread([this] { server_->Listen(); });
    while (!httplib::Client("127.0.0.1", port_).Post("/datasnap/rest/TServerMethods1/EchoString",
                                                     R"({"_parameters":["ping"]})", "application/json")) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  ~AramaSunucusu() {
    server_->Stop();
    thread_.join();
    std::filesystem::remove(settings_.databasePath);
    std::filesystem::remove(settings_.databasePath + "-wal");
    std::filesystem::remove(settings_.databasePath + "-shm");
  }
  int Port() const { return port_; }

 private:
  Settings settings_;
  MethodRegistry methods_ = AllMethods();
  std::unique_ptr<ApplicationServer> server_;
  int port_ = 0;
  std::thread thread_;
};

AramaSunucusu& Sunucu() {
  static AramaSunucusu sunucu;
  return sunucu;
}

std::string AramaGovdesi(const char* metin) {
  TSonucBilgisi bilgi;
  bilgi.SetSirano(3);
  bilgi.SetCARINO(1);
  bilgi.SetMusteriTipi(0);
  bilgi.SetAKTIF(1);
  JsonWriter writer;
  writer.BeginObject();
  writer.Key("_parameters");
  writer.BeginArray();
  writer.String(metin);
  int id = 1;
  WriteRecord(writer, bilgi, id);
  writer.EndArray();
  writer.EndObject();
  return writer.Take();
}

void BM_StokAraGetir(benchmark::State& state) {
  const int port = Sunucu().Port();
  httplib::Client client("127.0.0.1", port);
  client.set_keep_alive(true);
  client.set_tcp_nodelay(true);
  std::vector<std::string> govdeler;
  for (const char* arama : kAramalar) govdeler.push_back(AramaGovdesi(arama));
  std::size_t sira = static_cast<std::size_t>(state.thread_index());
  std::int64_t bayt = 0;
  for (auto _ : state) {
    const auto yanit = client.Post("/datasnap/rest/TServerMethods1/StokAraGetir", govdeler[sira++ % govdeler.size()],
                                   "application/json");
    if (!yanit || yanit->status != 200) {
      state.SkipWithError("StokAraGetir başarısız");
      break;
    }
    bayt += static_cast<std::int64_t>(yanit->body.size());
  }
  state.SetBytesProcessed(bayt);
  state.counters["aramalar/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StokAraGetir)->Threads(1)->Threads(4)->Threads(8)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvat::server
