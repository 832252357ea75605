// The real services of the program, installed once the application object exists.
#pragma once

#include "ui/qt_dialogs.h"
#include "ui/qt_dispatcher.h"
#include "ui/qt_kabuk.h"

namespace zorvat {

class QtServices {
 public:
  // Installs the dispatcher, the dialogs, the shell, real waiting and ending the process;
  // removes them again when it dies.
  QtServices();
  ~QtServices();
  QtServices(const QtServices&) = delete;
  QtServices& operator=(const QtServices&) = delete;

  QtDispatcher dispatcher;
  QtKabuk kabuk;
  QtDialogs dialogs{kabuk};
};

// Ends the process at once with exit code 0: no window closes, nothing is saved.
[[noreturn]] void SureciBitir();

}  // namespace zorvat
