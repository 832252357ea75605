#include "server/methods.h"

namespace zorvat::server {

MethodRegistry AllMethods() {
  MethodRegistry registry;
  RegisterSystemMethods(registry);
  return registry;
}

}  // namespace zorvat::server
