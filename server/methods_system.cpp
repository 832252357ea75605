// The methods that prove a compatible server answers.
#include <algorithm>

#include "server/methods.h"

namespace zorvat::server {

void RegisterSystemMethods(MethodRegistry& registry) {
  registry.Add("EchoString", [](MethodContext& call) { call.ReturnText(call.Text(0)); });
  registry.Add("ReverseString", [](MethodContext& call) {
    std::string text = call.Text(0);
    std::reverse(text.begin(), text.end());
    call.ReturnText(text);
  });
}

}  // namespace zorvat::server
