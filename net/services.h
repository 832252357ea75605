// The services the logic calls, set once by the program (or a test) before anything runs.
#pragma once

#include <chrono>
#include <exception>
#include <functional>

#include "net/dialogs.h"
#include "net/dispatcher.h"
#include "net/kabuk.h"

namespace zorvat {

struct Services {
  Dispatcher* dispatcher = nullptr;
  Dialogs* dialogs = nullptr;
  Kabuk* kabuk = nullptr;
  // Waits on the calling thread; tests pass one that only records.
  std::function<void(std::chrono::milliseconds)> bekle;
  // Ends the process at once with exit code 0; tests intercept it.
  std::function<void()> sonlandir;
};

// The process-wide services; throws when a service is used before it was set.
Services& Hizmetler();
void HizmetleriKur(Services services);

Dispatcher& Dagitici();
Dialogs& Diyaloglar();
Kabuk& Kabugu();
void Bekle(std::chrono::milliseconds sure);

// The application's default error handling: the message text in a plain message box.
void VarsayilanHataGoster(std::exception_ptr error);

// Ends the process at once with exit code 0, through the installed service.
void Sonlandir();

// Runs an event handler as the application runs it: an exception that escapes the handler
// ends the action, and the default error handling shows its text.
void OlayCalistir(const std::function<void()>& isleyici);

}  // namespace zorvat
