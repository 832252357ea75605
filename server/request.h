// Turning a request into checked arguments: the method must be published, the body must be
// {"_parameters":[...]} with one value per input parameter of the declared kind.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "server/method_context.h"

namespace zorvat::server {

// The request cannot be served; status is 400 or 404, the message says why.
class RequestRejected : public std::runtime_error {
 public:
  RequestRejected(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
  int Status() const { return status_; }

 private:
  int status_;
};

struct DecodedRequest {
  const MethodDecl* method = nullptr;
  std::vector<Argument> arguments;
};

DecodedRequest DecodeRequest(std::string_view method, std::string_view body);

}  // namespace zorvat::server
