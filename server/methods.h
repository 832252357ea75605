// The handlers of every remote method, by group.
#pragma once

#include "server/method_context.h"

namespace zorvat::server {

void RegisterSystemMethods(MethodRegistry& registry);

// All of them.
MethodRegistry AllMethods();

}  // namespace zorvat::server
