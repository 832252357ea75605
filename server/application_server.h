// The application server: remote method calls over HTTP, one handler per method.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "server/method_context.h"
#include "server/settings.h"

namespace httplib {
class Server;
}

namespace zorvat::server {

struct Reply {
  int status = 200;
  std::string body;
};

class ApplicationServer {
 public:
  ApplicationServer(const Settings& settings, const MethodRegistry& methods);
  ~ApplicationServer();

  // Serves one call: decoding, the handler in this thread's database connection, the
  // answer or the error. Every failure is an answer; nothing escapes.
  Reply Handle(std::string_view method, std::string_view body) const;

  // Binds to the address and port (0: any free port); returns the port, or -1.
  int Bind(const std::string& address, int port);
  // Serves until Stop.
  void Listen();
  void Stop();

 private:
  const Settings& settings_;
  const MethodRegistry& methods_;
  std::unique_ptr<httplib::Server> http_;
};

// {"error":"<message>"}
std::string ErrorBody(std::string_view message);

}  // namespace zorvat::server
