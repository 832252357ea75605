#include "net/baglanti_dene.h"

#include <gtest/gtest.h>

#include <atomic>

#include "net/await.h"
#include "net/connection.h"
#include "support/scripted_services.h"
#include "support/stub_server.h"

namespace zorvat {
namespace {

using namespace std::chrono_literals;

Connection ConnectionTo(int port) {
  ConnectionParams params;
  params.HostName = "127.0.0.1";
  params.Port = std::to_string(port);
  return Connection(params);
}

TEST(BaglantiDeneTest, ServerUpOpensAtOnceAndShowsNothing) {
  test::ScriptedServices services;
  test::StubServer server([](const std::string&, const std::string&) { return test::StubAnswer{}; });
  Connection connection = ConnectionTo(server.Port());
  EXPECT_TRUE(BaglantiDene(connection, 1));
  EXPECT_TRUE(connection.Connected());
  EXPECT_TRUE(services.dialogs.plainMessages.empty());
  EXPECT_TRUE(services.dialogs.shownDialogs.empty());
  EXPECT_TRUE(services.waits.empty());
}

TEST(BaglantiDeneTest, ServerDownTriesElevenTimesAndReportsEachCause) {
  for (int goster : {0, 1, 2}) {
    test::ScriptedServices services;
    const int port = test::FreePort();
    Connection connection = ConnectionTo(port);
    EXPECT_FALSE(BaglantiDene(connection, goster));
    EXPECT_FALSE(connection.Connected());

    ASSERT_EQ(services.dialogs.plainMessages.size(), 11u);
    for (const std::string& message : services.dialogs.plainMessages) {
      EXPECT_NE(message.find("127.0.0.1:" + std::to_string(port)), std::string::npos) << message;
    }
    EXPECT_EQ(services.waits, std::vector<std::chrono::milliseconds>(11, 500ms));

    if (goster == 1) {
      ASSERT_EQ(services.dialogs.shownDialogs.size(), 1u);
      const MesajPenceresi& final = services.dialogs.shownDialogs.front();
      EXPECT_EQ(final.metin, "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");
      EXPECT_EQ(final.baslik, "Hata");
      ASSERT_EQ(final.dugmeler.size(), 1u);
      EXPECT_EQ(final.dugmeler.front().baslik, "Tamam");
    } else {
      EXPECT_TRUE(services.dialogs.shownDialogs.empty()) << "show flag " << goster;
    }
  }
}

TEST(BaglantiDeneTest, OnAWorkerTheBoxesAreShownOnTheUserInterfaceThread) {
  test::ScriptedServices services;
  Connection connection = ConnectionTo(test::FreePort());
  std::atomic<bool> done = false;
  bool result = true;
  Async([&] { result = BaglantiDene(connection, 1); })->Await([&] { done = true; });
  ASSERT_TRUE(services.dispatcher.ProcessUiEventsUntil([&] { return done.load(); }));
  EXPECT_FALSE(result);
  ASSERT_EQ(services.dialogs.threads.size(), 12u);
  for (std::thread::id thread : services.dialogs.threads) EXPECT_EQ(thread, std::this_thread::get_id());
}

}  // namespace
}  // namespace zorvat
