#include "net/await.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "support/scripted_services.h"

namespace zorvat {
namespace {

TEST(AwaitTest, BackgroundOnAWorkerThenCompletionOnTheUserInterfaceThread) {
  test::ScriptedServices services;
  std::thread::id background;
  std::thread::id completion;
  std::atomic<bool> done = false;
  Async([&] { background = std::this_thread::get_id(); })->Await([&] {
    completion = std::this_thread::get_id();
    done = true;
  });
  ASSERT_TRUE(services.dispatcher.ProcessUiEventsUntil([&] { return done.load(); }));
  EXPECT_NE(background, std::this_thread::get_id());
  EXPECT_EQ(completion, std::this_thread::get_id());
}

TEST(AwaitTest, ABackgroundExceptionIsShownAfterTheCompletion) {
  test::ScriptedServices services;
  std::atomic<bool> done = false;
  std::size_t messagesAtCompletion = 99;
  Async([] { throw std::runtime_error("Sunucu hatası"); })->Await([&] {
    messagesAtCompletion = services.dialogs.plainMessages.size();
    done = true;
  });
  ASSERT_TRUE(services.dispatcher.ProcessUiEventsUntil([&] { return done.load(); }));
  services.dispatcher.ProcessUiEvents();
  EXPECT_EQ(messagesAtCompletion, 0u);
  EXPECT_EQ(services.dialogs.plainMessages, std::vector<std::string>{"Sunucu hatası"});
}

TEST(AwaitTest, SeveralLoadsRunAtOnce) {
  test::ScriptedServices services;
  std::atomic<int> finished = 0;
  for (int i = 0; i < 8; ++i) Async([] {})->Await([&] { ++finished; });
  ASSERT_TRUE(services.dispatcher.ProcessUiEventsUntil([&] { return finished.load() == 8; }));
}

}  // namespace
}  // namespace zorvat
