// Services for tests: dialogs that record what they were asked to show and answer from a
// script, a waiting that only records, and a pool dispatcher whose user-interface thread
// is the test's own.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/dialogs.h"
#include "net/kabuk.h"
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
  void UyariGoster(const std::string& metin) override {
    std::lock_guard lock(mutex_);
    warnings.push_back(metin);
    threads.push_back(std::this_thread::get_id());
  }
  std::optional<std::string> KayitDosyasiSor(const KayitDosyasiIstegi& istek) override {
    std::lock_guard lock(mutex_);
    saveRequests.push_back(istek);
    if (saveAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }
  int PencereGoster(FormState& pencere) override {
    ++windowsShown;
    return onWindow ? onWindow(pencere) : mrCancel;
  }

  std::deque<int> answers;  // results of the next message dialogs, in order
  std::vector<MesajPenceresi> shownDialogs;
  std::vector<std::string> plainMessages;
  std::vector<std::string> warnings;
  std::deque<std::optional<std::string>> saveAnswers;  // files chosen in the next save dialogs
  std::vector<KayitDosyasiIstegi> saveRequests;
  // Plays the user of a modal window: acts on it and returns its modal result.
  std::function<int(FormState&)> onWindow;
  int windowsShown = 0;
  std::vector<std::thread::id> threads;  // where each dialog was shown

 private:
  std::mutex mutex_;
};

class ScriptedKabuk : public Kabuk {
 public:
  bool Ac(const std::string& dosyaVeyaAdres) override {
    opened.push_back(dosyaVeyaAdres);
    return true;
  }
  bool ProgramBaslat(const std::string& program, const std::vector<std::string>& parametreler) override {
    started.push_back({program, parametreler});
    return true;
  }
  void SesCal(MesajSesi ses) override { sounds.push_back(ses); }

  std::vector<std::string> opened;
  std::vector<std::pair<std::string, std::vector<std::string>>> started;
  std::vector<MesajSesi> sounds;
};

// Installs the scripted services for one test and removes them afterwards.
class ScriptedServices {
 public:
  ScriptedServices() : dispatcher(2) {
    Services services;
    services.dispatcher = &dispatcher;
    services.dialogs = &dialogs;
    services.kabuk = &kabuk;
    services.bekle = [this](std::chrono::milliseconds sure) {
      std::lock_guard lock(mutex_);
      waits.push_back(sure);
    };
    services.sonlandir = [this] { ++exitRequests; };
    HizmetleriKur(std::move(services));
  }
  ~ScriptedServices() { HizmetleriKur(Services{}); }

  ScriptedDialogs dialogs;
  ScriptedKabuk kabuk;
  ThreadPoolDispatcher dispatcher;
  std::vector<std::chrono::milliseconds> waits;
  int exitRequests = 0;

 private:
  std::mutex mutex_;
};

}  // namespace zorvat::test
