// zorvatoto-server: the reference application server and the dealer's web server.
#include <charconv>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "server/application_server.h"
#include "server/methods.h"
#include "server/schema.h"
#include "server/seed.h"
#include "server/web_server.h"

namespace {

using namespace zorvat::server;

// Exit codes.
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kBadOptions = 2;

constexpr const char* kHelp = R"(Kullanım: zorvatoto-server [seçenekler]

Zorvat Oto B2B başvuru uygulama sunucusu ve bayi web sunucusu.

  --database YOL          veritabanı dosyası (varsayılan: zorvatoto.db)
  --bind ADRES            dinlenecek adres (varsayılan: 127.0.0.1)
  --port N                uygulama sunucusu portu (varsayılan: 9090)
  --web-port N            web sunucusu portu (varsayılan: 8080)
  --setup-program YOL     /exe/ZorvatOtoSetup.exe adresinde sunulacak kurulum dosyası
  --seed-demo [N]         veritabanını N stok kartlı tanıtım verisiyle yeniden kurar ve çıkar
                          (varsayılan N: 3000)
  --register KIMLIK KULLANICI
                          bilgisayar kimliğini kullanıcı adına kaydeder ve çıkar
  --client-version N      sunucunun önerdiği istemci sürümünü ayarlar ve çıkar
  --help                  bu metni gösterir

Çıkış kodları: 0 başarılı, 1 çalışma hatası, 2 hatalı seçenek.
)";

struct Options {
  Settings settings;
  std::optional<int> seedCount;
  std::optional<std::pair<std::string, std::string>> registration;
  std::optional<int> clientVersion;
  bool help = false;
};

class BadOption : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

int Number(const std::string& option, const std::string& text, int low, int high) {
  int value = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
  if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || value < low || value > high) {
    throw BadOption(option + " için " + std::to_string(low) + " ile " + std::to_string(high) +
                    " arasında bir sayı gerekir: '" + text + "'");
  }
  return value;
}

Options Parse(const std::vector<std::string>& args) {
  Options options;
  options.settings.databasePath = "zorvatoto.db";
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw BadOption(option + " bir değer bekliyor");
      return args[++i];
    };
    if (option == "--help" || option == "-h") {
      options.help = true;
    } else if (option == "--database") {
      options.settings.databasePath = value();
    } else if (option == "--bind") {
      options.settings.bindAddress = value();
    } else if (option == "--port") {
      options.settings.applicationPort = Number(option, value(), 1, 65535);
    } else if (option == "--web-port") {
      options.settings.webPort = Number(option, value(), 1, 65535);
    } else if (option == "--setup-program") {
      options.settings.setupProgram = value();
    } else if (option == "--seed-demo") {
      const bool counted = i + 1 < args.size() && !args[i + 1].starts_with("--");
      options.seedCount = counted ? Number(option, value(), 1, 1000000) : kDefaultDemoStockCount;
    } else if (option == "--register") {
      const std::string id = value();
      options.registration = std::make_pair(id, value());
    } else if (option == "--client-version") {
      options.clientVersion = Number(option, value(), 1, 1000000);
    } else {
      throw BadOption("Bilinmeyen seçenek: " + option + " (--help ile seçenekleri görün)");
    }
  }
  return options;
}

// The command-line changes to the database; true when one was asked for.
bool ApplyCommands(const Options& options) {
  if (!options.seedCount && !options.registration && !options.clientVersion) return false;
  Database db(options.settings.databasePath, /*create=*/true);
  CreateSchema(db);
  if (options.seedCount) {
    SeedDemo(db, *options.seedCount);
    std::cout << "Tanıtım verisi yazıldı: " << *options.seedCount << " stok kartı\n";
  }
  if (options.registration) {
    RegisterComputer(db, options.registration->first, options.registration->second);
    std::cout << "Bilgisayar kaydedildi: " << options.registration->first << " -> "
              << options.registration->second << "\n";
  }
  if (options.clientVersion) {
    SetClientVersion(db, *options.clientVersion);
    std::cout << "İstemci sürümü: " << *options.clientVersion << "\n";
  }
  return true;
}

int Serve(const Settings& settings) {
  {
    Database db(settings.databasePath, /*create=*/true);
    CreateSchema(db);
  }
  const MethodRegistry methods = AllMethods();
  ApplicationServer application(settings, methods);
  WebServer web(settings);
  if (application.Bind(settings.bindAddress, settings.applicationPort) < 0) {
    std::cerr << "Uygulama portu açılamadı: " << settings.bindAddress << ":" << settings.applicationPort << "\n";
    return kFailed;
  }
  if (web.Bind(settings.bindAddress, settings.webPort) < 0) {
    std::cerr << "Web portu açılamadı: " << settings.bindAddress << ":" << settings.webPort << "\n";
    return kFailed;
  }
  std::cout << "Uygulama sunucusu " << settings.bindAddress << ":" << settings.applicationPort << ", web sunucusu "
            << settings.bindAddress << ":" << settings.webPort << " dinleniyor" << std::endl;
  std::thread webThread([&web] { web.Listen(); });
  application.Listen();
  web.Stop();
  webThread.join();
  return kOk;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options options = Parse(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::cout << kHelp;
      return kOk;
    }
    if (ApplyCommands(options)) return kOk;
    return Serve(options.settings);
  } catch (const BadOption& error) {
    std::cerr << "zorvatoto-server: " << error.what() << "\n";
    return kBadOptions;
  } catch (const std::exception& error) {
    std::cerr << "zorvatoto-server: " << error.what() << "\n";
    return kFailed;
  }
}
