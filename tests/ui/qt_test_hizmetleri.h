// The logic's services for one widget test: Qt's dispatcher, so that background work and
// its hand-over to the user-interface thread run as in the program, scripted dialogs and
// shell, no waiting, and an end of the program that is only counted.
#pragma once

#include <QString>
#include <QWidget>

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
    services.kabuk = &kabuk;
    services.bekle = [](std::chrono::milliseconds) {};
    services.sonlandir = [this] { ++sonlandirma; };
    HizmetleriKur(std::move(services));
  }
  ~QtTestHizmetleri() { HizmetleriKur(Services{}); }
  QtTestHizmetleri(const QtTestHizmetleri&) = delete;
  QtTestHizmetleri& operator=(const QtTestHizmetleri&) = delete;

  ScriptedDialogs dialogs;
  ScriptedKabuk kabuk;
  QtDispatcher dispatcher;
  int sonlandirma = 0;
};

// The first widget of the kind under the root that shows the text.
template <class W>
W* MetniOlan(QWidget& kok, const QString& metin) {
  for (W* aday : kok.findChildren<W*>()) {
    if (aday->text() == metin) return aday;
  }
  return nullptr;
}

}  // namespace zorvat::test
