// What the proxy makes of the server's answers: results of every kind, and every way a
// call can fail.
#include <gtest/gtest.h>

#include "net/connection.h"
#include "remote/errors.h"
#include "remote/proxim.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

// A server that gives every call the same answer.
class ProxyAnswerTest : public ::testing::Test {
 protected:
  ProxyAnswerTest()
      : server([this](const std::string&, const std::string&) { return answer; }) {
    connection.Params().HostName = "127.0.0.1";
    connection.Params().Port = std::to_string(server.Port());
    connection.Open();
  }

  void Answer(int status, std::string body) { answer = {status, std::move(body)}; }

  test::StubAnswer answer;
  test::StubServer server;
  Connection connection;
};

TEST_F(ProxyAnswerTest, ScalarResults) {
  TServerMethods1Client proxy(&connection);
  Answer(200, R"({"result":["Vadesi 12 gün geçmiş bakiyeniz var"]})");
  EXPECT_EQ(proxy.CariVadeGunGecmismiBul(1), "Vadesi 12 gün geçmiş bakiyeniz var");
  Answer(200, R"({"result":[1]})");
  EXPECT_EQ(proxy.SepetEkle2(nullptr, 1, 2, "", "", 1, 20, 1, 0, 1, 0, 0, 0, 0), 1);
  Answer(200, R"({"result":[true]})");
  EXPECT_TRUE(proxy.SiparisKaydet(nullptr, 1, 1, 1, "", 1, 1));
  Answer(200, R"({"result":[]})");
  EXPECT_NO_THROW(proxy.SepetSecimGuncelle(1, 1));
}

TEST_F(ProxyAnswerTest, RecordResultsAndNull) {
  TServerMethods1Client proxy(&connection);
  Answer(200,
         R"({"result":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FAlindi":3,"FGoruldu":2}}]})");
  TTusSonuclari* counters = proxy.TusSonuclariVer(nullptr);
  ASSERT_NE(counters, nullptr);
  EXPECT_EQ(counters->Alindi(), 3);
  EXPECT_EQ(counters->Goruldu(), 2);
  EXPECT_EQ(counters->Onaylandi(), 0);

  // A result of another method leaves this one alone: it belongs to its own command.
  Answer(200, R"({"result":[null]})");
  EXPECT_EQ(proxy.BuyukGetir("X"), nullptr);
  EXPECT_EQ(counters->Alindi(), 3);

  Answer(200, R"({"result":[{"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[]}}]})");
  TAcilisEkranlariki* list = proxy.AcilisEkranlarVer2();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->Ekranlar().empty());
}

TEST_F(ProxyAnswerTest, TableAndPacketResultsLoadIntoTables) {
  TServerMethods1Client proxy(&connection);
  Answer(200,
         R"({"result":[{"columns":[{"name":"SIRANO","type":"int32"},{"name":"ADI","type":"string"}],)"
         R"("rows":[[1,"Kargo"],[2,"Elden"]]}]})");
  TableReader* reader = proxy.TeslimVer();
  ASSERT_NE(reader, nullptr);
  MemTable table;
  LoadTable(*reader, table);
  EXPECT_EQ(table.RecordCount(), 2u);
  EXPECT_EQ(table.FieldByName("ADI").AsString(), "Elden");

  MemTable packetTable;
  const DataPacket packet = proxy.SepetVer2(1);
  // The packet is the caller's copy: it outlives the proxy.
  TableReader* again = proxy.TeslimVer();
  AssignPacket(packet, packetTable);
  EXPECT_EQ(packetTable.RecordCount(), 2u);
  EXPECT_NE(again, nullptr);
}

TEST_F(ProxyAnswerTest, StreamsCountOnlyWithTheirAnnouncedLength) {
  TServerMethods1Client proxy(&connection);
  std::int64_t length = 0;
  Answer(200, R"({"result":[4,"AAEC/w=="]})");
  MemoryStream* picture = proxy.ResimVer5(101, length);
  EXPECT_EQ(length, 4);
  EXPECT_EQ(ReceiveStream(picture, length), (std::vector<std::uint8_t>{0, 1, 2, 255}));

  Answer(200, R"({"result":[10,"AAEC/w=="]})");
  picture = proxy.ResimVer5(101, length);
  EXPECT_EQ(length, 10);
  EXPECT_FALSE(ReceiveStream(picture, length));

  Answer(200, R"({"result":[0,""]})");
  picture = proxy.BannerResimVer(length);
  EXPECT_EQ(length, 0);
  EXPECT_FALSE(ReceiveStream(picture, length));
}

TEST_F(ProxyAnswerTest, FailuresLeaveAsExceptionsWithClearMessages) {
  struct Case {
    int status;
    std::string body;
    std::string message;  // the exact message, or a part of it when partial is set
    bool serverError;
    bool partial;
  };
  const std::vector<Case> cases = {
      {500, R"({"error":"Stok kartı bulunamadı"})", "Stok kartı bulunamadı", true, false},
      {404, R"({"error":"Method TServerMethods1.BuyukGetir not found"})",
       "Method TServerMethods1.BuyukGetir not found", true, false},
      {400, R"({"error":"parameter 0: expected string"})", "parameter 0: expected string", true, false},
      {200, "bu JSON değil", "JSON değil", false, true},
      {200, R"({"sonuc":[]})", "\"result\" dizisi yok", false, true},
      {200, R"({"result":[]})", "1 değer bekleniyordu, 0 geldi", false, true},
      {200, R"({"result":[null,null]})", "1 değer bekleniyordu, 2 geldi", false, true},
      {200, R"({"result":[[1,2]]})", "The input value is not a valid Object", false, false},
      {200, R"({"result":["metin"]})", "The input value is not a valid Object", false, false},
      {200, R"({"result":[{"type":"baglantiu.TBilinmeyen","id":1,"fields":{}}]})",
       "Beklenmeyen kayıt türü", false, true},
      {502, "Bad Gateway", "HTTP 502", false, true},
      {500, "iç hata", "HTTP 500", false, true},
  };
  for (const Case& c : cases) {
    Answer(c.status, c.body);
    TServerMethods1Client proxy(&connection);
    try {
      proxy.BuyukGetir("X");
      ADD_FAILURE() << "no exception for " << c.body;
    } catch (const RemoteError& error) {
      EXPECT_EQ(dynamic_cast<const ServerError*>(&error) != nullptr, c.serverError) << c.body;
      if (c.partial) {
        EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
            << c.body << " -> " << error.what();
      } else {
        EXPECT_EQ(error.what(), c.message) << c.body;
      }
    }
  }
}

TEST_F(ProxyAnswerTest, ValuesOfTheWrongKindAreRefused) {
  const std::vector<std::string> bodies = {
      R"({"result":[1.5]})",
      R"({"result":[4294967296]})",
      R"({"result":["1"]})",
  };
  for (const std::string& body : bodies) {
    Answer(200, body);
    TServerMethods1Client proxy(&connection);
    EXPECT_THROW(proxy.AcilisReklamAdet(), ProtocolError) << body;
  }
  Answer(200, R"({"result":[4,"%%%"]})");
  TServerMethods1Client proxy(&connection);
  std::int64_t length = 0;
  EXPECT_THROW(proxy.ResimVer5(1, length), ProtocolError);
}

TEST(ConnectionTest, RefusedConnectionNamesHostAndPort) {
  Connection connection;
  connection.Params().HostName = "127.0.0.1";
  connection.Params().Port = std::to_string(test::FreePort());
  try {
    connection.Open();
    FAIL() << "nothing listens there";
  } catch (const TransportError& error) {
    EXPECT_NE(std::string(error.what()).find("127.0.0.1:" + connection.Params().Port), std::string::npos)
        << error.what();
  }
  EXPECT_FALSE(connection.Connected());
}

TEST(ConnectionTest, ServerThatIsNotOursFailsToOpen) {
  test::StubServer server([](const std::string&, const std::string&) { return test::StubAnswer{}; });
  Connection connection;
  connection.Params().HostName = "127.0.0.1";
  connection.Params().Port = std::to_string(server.Port());
  connection.Params().DatasnapContext = "baska/";
  EXPECT_THROW(connection.Open(), TransportError);
  EXPECT_FALSE(connection.Connected());
}

TEST(ConnectionTest, CallOnAClosedConnectionFails) {
  Connection connection;
  TServerMethods1Client proxy(&connection);
  EXPECT_THROW(proxy.KayanYaziGetir(), TransportError);
}

TEST(ConnectionTest, CloneHasTheSameParametersAndIsClosed) {
  Connection connection;
  connection.Params().HostName = "sunucu.ornek";
  connection.Params().Port = "9091";
  const auto copy = connection.Clone();
  EXPECT_EQ(copy->Params().HostName, "sunucu.ornek");
  EXPECT_EQ(copy->Params().Port, "9091");
  EXPECT_EQ(copy->Params().DatasnapContext, "datasnap/");
  EXPECT_EQ(copy->Params().ConnectionName, "DataSnapCONNECTION");
  EXPECT_FALSE(copy->Connected());
}

}  // namespace
}  // namespace zorvat
