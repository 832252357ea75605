// Services for tests: dialogs that record what they were asked to show and answer from a
// script, a waiting that only records, and a pool dispatcher whose user-interface thread
// is the test's own.
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/dialogs.h"
#include "net/services.h"
#include "net/thread_pool_dispatcher.h"

namespace zorvat::test {

class ScriptedDialogs : public Dialogs {
 public:
  int MesajPenceresiGoster(const MesajPenceresi& pencere) override {
    std::lock_guard lock(mutex_);
    shownDialogs.push_back(pencere);
    threads.push_back(std::this_thread::get_id());
    if (answers.empty()) return pencere.dugmeler.empty() ? mrOk : pencere.dugmeler.front().sonuc;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void DuzMesajGoster(const std::string& metin) override {
    std::lock_guard lock(mutex_);
    plainMessages.push_back(metin);
    threads.push_back(std::this_thread::get_id());
  }

  std::deque<int> answers;  // results of the next message dialogs, in order
  std::vector<MesajPenceresi> shownDialogs;
  std::vector<std::string> plainMessages;
  std::vector<std::thread::id> threads;  // where each dialog was shown

 private:
  std::mutex mutex_;
};

// Installs the scripted services for one test and removes them afterwards.
class ScriptedServices {
 public:
  ScriptedServices() : dispatcher(2) {
    Services services;
    services.dispatcher = &dispatcher;
    services.dialogs = &dialogs;
    services.bekle = [this](std::chrono::milliseconds sure) {
      std::lock_guard lock(mutex_);
      waits.push_back(sure);
    };
    services.sonlandir = [this] { ++exitRequests; };
    HizmetleriKur(std::move(services));
  }
  ~ScriptedServices() { HizmetleriKur(Services{}); }

  ScriptedDialogs dialogs;
  ThreadPoolDispatcher dispatcher;
  std::vector<std::chrono::milliseconds> waits;
  int exitRequests = 0;

 private:
  std::mutex mutex_;
};

}  // namespace zorvat::test
