// Malformed requests get the protocol's error answers, on both ports, and the server keeps
// serving.
#include <gtest/gtest.h>
#include <httplib.h>
#include <simdjson.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "server/application_server.h"
#include "server/database.h"
#include "server/methods.h"
#include "server/schema.h"
#include "server/web_server.h"

namespace zorvat::server {
namespace {

// Both servers on free ports over an empty database.
class ServersOnEmptyDatabase : public ::testing::Test {
 protected:
  ServersOnEmptyDatabase() {
    settings.databasePath = (std::filesystem::temp_directory_path() /
                             ("zorvat-protokol-" + std::to_string(::getpid()) + ".db"))
                                .string();
    std::filesystem::remove(settings.databasePath);
    {
      Database db(settings.databasePath, true);
      CreateSchema(db);
      db.Prepare("INSERT INTO stok_resim(stokno, icerik_turu, veri) VALUES(101, 'image/jpeg', x'FFD8FFD9')").Run();
    }
    applicationPort = application.Bind("127.0.0.1", 0);
    webPort = web.Bind("127.0.0.1", 0);
    applicationThread = std::thread([this] { application.Listen(); });
    webThread = std::thread([this] { web.Listen(); });
    // Stop before the listen loops run would leave them running: wait until both answer.
    while (!Call("EchoString", R"({"_parameters":["ping"]})")) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    while (!httplib::Client("127.0.0.1", webPort).Get("/ip")) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~ServersOnEmptyDatabase() override {
    application.Stop();
    web.Stop();
    applicationThread.join();
    webThread.join();
    std::filesystem::remove(settings.databasePath);
  }

  httplib::Result Call(const std::string& method, const std::string& body) {
    httplib::Client client("127.0.0.1", applicationPort);
    return client.Post("/datasnap/rest/TServerMethods1/" + method, body, "application/json");
  }

  Settings settings;
  MethodRegistry methods = AllMethods();
  ApplicationServer application{settings, methods};
  WebServer web{settings};
  int applicationPort = 0;
  int webPort = 0;
  std::thread applicationThread;
  std::thread webThread;
};

TEST(MethodRegistryTest, EveryPublishedMethodHasAHandler) {
  const MethodRegistry registry = AllMethods();
  for (const MethodDecl& method : RemoteMethods()) {
    EXPECT_NE(registry.Find(method.name), nullptr) << method.name;
  }
  EXPECT_EQ(registry.Names().size(), RemoteMethods().size());
}

std::string ErrorText(const std::string& body) {
  simdjson::dom::parser parser;
  std::string_view text;
  if (parser.parse(body).get_object()["error"].get_string().get(text)) return "<no error member: " + body + ">";
  return std::string(text);
}

TEST_F(ServersOnEmptyDatabase, MalformedCallsGetTheirClearError) {
  struct Case {
    const char* name;
    std::string method;
    std::string body;
    int status;
    const char* messagePart;
  };
  const std::vector<Case> cases = {
      {"not JSON", "EchoString", "ping", 400, "geçerli JSON değil"},
      {"no parameter list", "EchoString", R"({"params":["ping"]})", 400, "_parameters"},
      {"parameters not a list", "EchoString", R"({"_parameters":"ping"})", 400, "_parameters"},
      {"too few", "EchoString", R"({"_parameters":[]})", 400, "1 parametre alır, 0 gönderildi"},
      {"too many", "EchoString", R"({"_parameters":["a","b"]})", 400, "1 parametre alır, 2 gönderildi"},
      {"wrong kind", "EchoString", R"({"_parameters":[5]})", 400, "Parametre 0 (Value): metin"},
      {"integer out of range", "YenilerVer2", R"({"_parameters":[2147483648]})", 400, "Parametre 0 (carino): 32 bitlik"},
      {"fraction for an integer", "YenilerVer2", R"({"_parameters":[1.5]})", 400, "32 bitlik"},
      {"number out of double range", "RaporAlinanSiparisler", R"({"_parameters":[null,1e999,1]})", 400, "JSON"},
      {"record not an object", "SepetSayisi", R"({"_parameters":[[1]]})", 400, "Parametre 0 (bil)"},
      {"record of another class", "SepetSayisi",
       R"({"_parameters":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{}}]})", 400, "Beklenmeyen kayıt türü"},
      {"unknown method", "YokBoyleBirMetot", R"({"_parameters":[]})", 404,
       "Method TServerMethods1.YokBoyleBirMetot not found"},
      {"method name in the wrong case", "echostring", R"({"_parameters":["x"]})", 404, "not found"},
  };
  for (const Case& c : cases) {
    const auto result = Call(c.method, c.body);
    ASSERT_TRUE(result) << c.name;
    EXPECT_EQ(result->status, c.status) << c.name;
    EXPECT_NE(ErrorText(result->body).find(c.messagePart), std::string::npos)
        << c.name << ": " << ErrorText(result->body);
  }
  // Still serving.
  const auto echo = Call("EchoString", R"({"_parameters":["ping"]})");
  ASSERT_TRUE(echo);
  EXPECT_EQ(echo->body, R"({"result":["ping"]})");
}

TEST_F(ServersOnEmptyDatabase, APortInUseIsRefusedNotShared) {
  ApplicationServer second(settings, methods);
  EXPECT_EQ(second.Bind("127.0.0.1", applicationPort), -1);
  WebServer secondWeb(settings);
  EXPECT_EQ(secondWeb.Bind("127.0.0.1", webPort), -1);
}

TEST_F(ServersOnEmptyDatabase, OversizedBodyIsRefusedWithAnErrorMember) {
  const std::string body = R"({"_parameters":[")" + std::string(17 * 1024 * 1024, 'x') + R"("]})";
  const auto result = Call("EchoString", body);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 413);
  EXPECT_NE(ErrorText(result->body).find("16 MiB"), std::string::npos) << result->body;
  EXPECT_TRUE(Call("EchoString", R"({"_parameters":["ping"]})"));
}

TEST_F(ServersOnEmptyDatabase, TurkishTextTravelsIntact) {
  const auto result = Call("ReverseString", R"({"_parameters":["abc"]})");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->body, R"({"result":["cba"]})");
  const auto echo = Call("EchoString", R"({"_parameters":["ŞİŞLİ \"ığüçö\" \\ /"]})");
  ASSERT_TRUE(echo);
  EXPECT_EQ(echo->body, R"({"result":["ŞİŞLİ \"ığüçö\" \\ /"]})");
}

TEST_F(ServersOnEmptyDatabase, WebServerServesOnlyItsOwnPaths) {
  httplib::Client client("127.0.0.1", webPort);
  struct Case {
    std::string path;
    int status;
    std::string contentType;
  };
  const std::vector<Case> cases = {
      {"/resimgoster.ashx?id=101", 200, "image/jpeg"},
      {"/resimgoster.ashx?id=102", 404, ""},
      {"/resimgoster.ashx?id=abc", 404, ""},
      {"/resimgoster.ashx", 404, ""},
      {"/iletisim.html", 200, "text/html; charset=utf-8"},
      {"/formmailgonder.aspx?carino=0&kullanici=%20&id=ZV-1", 200, "text/html; charset=utf-8"},
      {"/pelikart2.html?carino=1042&sube=MERKEZ&firmasi=A%26B%20OTOMOT%C4%B0V&bakiye=1.250%2C50", 200,
       "text/html; charset=utf-8"},
      {"/exe/ZorvatOtoSetup.exe", 404, ""},
      {"/../../../etc/passwd", 404, ""},
      {"/exe/../../../../etc/passwd", 404, ""},
      {"/%2e%2e/%2e%2e/etc/passwd", 404, ""},
      {"/server/main.cpp", 404, ""},
  };
  for (const Case& c : cases) {
    const auto result = client.Get(c.path);
    ASSERT_TRUE(result) << c.path;
    EXPECT_EQ(result->status, c.status) << c.path;
    if (!c.contentType.empty()) {
      EXPECT_EQ(result->get_header_value("Content-Type"), c.contentType) << c.path;
    }
    EXPECT_EQ(result->body.find("root:"), std::string::npos) << c.path;
  }
  const auto picture = client.Get("/resimgoster.ashx?id=101");
  EXPECT_EQ(picture->body, std::string("\xFF\xD8\xFF\xD9"));
  const auto payment = client.Get("/pelikart2.html?firmasi=%3Cscript%3Ealert(1)%3C%2Fscript%3E&carino=1");
  EXPECT_EQ(payment->body.find("<script>"), std::string::npos);
  EXPECT_NE(payment->body.find("&lt;script&gt;"), std::string::npos);
  const auto ip = client.Get("/ip");
  EXPECT_EQ(ip->body, "127.0.0.1");
}

TEST_F(ServersOnEmptyDatabase, PostedAccessRequestIsStored) {
  httplib::Client client("127.0.0.1", webPort);
  const auto result = client.Post("/formmailgonder.aspx",
                                  httplib::Params{{"id", "ZV-9"}, {"firma", "ÖZ GÜNEŞ OTO"}, {"telefon", "0212"}});
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 200);
  Database db(settings.databasePath);
  Statement& stored = db.Prepare("SELECT bilgisayar_id, alanlar FROM erisim_istegi");
  ASSERT_TRUE(stored.Step());
  EXPECT_EQ(stored.Text(0), "ZV-9");
  EXPECT_NE(std::string(stored.Text(1)).find("firma=ÖZ GÜNEŞ OTO"), std::string::npos);
}

TEST_F(ServersOnEmptyDatabase, SetupProgramIsServedWhenConfigured) {
  const std::string setup = settings.databasePath + ".exe";
  {
    std::ofstream file(setup, std::ios::binary);
    file << "MZ kurulum";
  }
  settings.setupProgram = setup;
  httplib::Client client("127.0.0.1", webPort);
  const auto result = client.Get("/exe/ZorvatOtoSetup.exe");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 200);
  EXPECT_EQ(result->body, "MZ kurulum");
  std::filesystem::remove(setup);
}

}  // namespace
}  // namespace zorvat::server
