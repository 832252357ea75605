// The logic's services for one widget test: Qt's dispatcher, so that background work and
// its hand-over to the user-interface thread run as in the program, and scripted dialogs.
#pragma once

#include "net/services.h"
#include "tests/support/scripted_services.h"
#include "ui/qt_dispatcher.h"

namespace zorvat::test {

class QtTestHizmetleri {
 public:
  QtTestHizmetleri() {
    Services services;
    services.dispatcher = &dispatcher;
    services.dialogs = &dialogs;
    services.bekle = [](std::chrono::milliseconds) {};
    HizmetleriKur(std::move(services));
  }
  ~QtTestHizmetleri() { HizmetleriKur(Services{}); }
  QtTestHizmetleri(const QtTestHizmetleri&) = delete;
  QtTestHizmetleri& operator=(const QtTestHizmetleri&) = delete;

  ScriptedDialogs dialogs;
  QtDispatcher dispatcher;
};

}  // namespace zorvat::test
