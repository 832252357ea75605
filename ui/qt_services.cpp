#include "ui/qt_services.h"

#include <cstdio>
#include <cstdlib>

#include "net/services.h"

namespace zorvat {

QtServices::QtServices() {
  Services services;
  services.dispatcher = &dispatcher;
  services.dialogs = &dialogs;
  services.kabuk = &kabuk;
  services.sonlandir = SureciBitir;
  HizmetleriKur(std::move(services));
}

QtServices::~QtServices() { HizmetleriKur(Services{}); }

void SureciBitir() {
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace zorvat
