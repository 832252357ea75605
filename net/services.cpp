#include "net/services.h"

#include <stdexcept>
#include <thread>

namespace zorvat {

namespace {

Services& Current() {
  static Services services;
  return services;
}

}  // namespace

Services& Hizmetler() { return Current(); }

void HizmetleriKur(Services services) {
  if (!services.bekle) {
    services.bekle = [](std::chrono::milliseconds sure) { std::this_thread::sleep_for(sure); };
  }
  Current() = std::move(services);
}

Dispatcher& Dagitici() {
  if (Current().dispatcher == nullptr) throw std::logic_error("Görev dağıtıcısı kurulmadı");
  return *Current().dispatcher;
}

Dialogs& Diyaloglar() {
  if (Current().dialogs == nullptr) throw std::logic_error("Diyalog hizmeti kurulmadı");
  return *Current().dialogs;
}

Kabuk& Kabugu() {
  if (Current().kabuk == nullptr) throw std::logic_error("Kabuk hizmeti kurulmadı");
  return *Current().kabuk;
}

void Bekle(std::chrono::milliseconds sure) {
  if (Current().bekle) {
    Current().bekle(sure);
  } else {
    std::this_thread::sleep_for(sure);
  }
}

void VarsayilanHataGoster(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    Diyaloglar().DuzMesajGoster(e.what());
  } catch (...) {
    Diyaloglar().DuzMesajGoster("Beklenmeyen bir hata oluştu");
  }
}

void Sonlandir() {
  if (!Current().sonlandir) throw std::logic_error("Süreç sonlandırma hizmeti kurulmadı");
  Current().sonlandir();
}

void OlayCalistir(const std::function<void()>& isleyici) {
  try {
    isleyici();
  } catch (...) {
    VarsayilanHataGoster(std::current_exception());
  }
}

}  // namespace zorvat
