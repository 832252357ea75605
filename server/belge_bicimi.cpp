#include "server/belge_bicimi.h"

#include "net/bicim.h"
#include "server/method_context.h"

namespace zorvat::server {

std::string ParaYazisi(double tutar) { return FormatFloat(ParaBicimi, tutar, TurkceAyiraclar); }

std::string TarihYazisi(double gunSeri) {
  try {
    return TarihMetni(gunSeri);
  } catch (const std::out_of_range&) {
    throw MethodError("Geçersiz tarih");
  }
}

std::string TarihSaatYazisi(double gunSeri) { return TarihYazisi(gunSeri) + " " + SaatMetni(gunSeri, false); }

}  // namespace zorvat::server
