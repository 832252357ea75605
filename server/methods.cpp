#include "server/methods.h"

namespace zorvat::server {

MethodRegistry AllMethods() {
  MethodRegistry registry;
  RegisterSystemMethods(registry);
  RegisterOturumMethods(registry);
  RegisterKatalogMethods(registry);
  RegisterSepetMethods(registry);
  RegisterSiparisMethods(registry);
  RegisterCariSecimMethods(registry);
  RegisterSiparisGecmisiMethods(registry);
  RegisterBakiyeMethods(registry);
  RegisterEvrakMethods(registry);
  RegisterEkstreMethods(registry);
  RegisterRaporMethods(registry);
  RegisterBilgiMethods(registry);
  return registry;
}

}  // namespace zorvat::server
