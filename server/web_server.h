// The dealer's web server: product pictures, the contact page, the access request form,
// the card payment demonstration page, the setup download and the public-address echo.
#pragma once

#include <memory>
#include <string>

#include "server/settings.h"

namespace httplib {
class Server;
}

namespace zorvat::server {

class WebServer {
 public:
  explicit WebServer(const Settings& settings);
  ~WebServer();

  int Bind(const std::string& address, int port);
  void Listen();
  void Stop();

 private:
  const Settings& settings_;
  std::unique_ptr<httplib::Server> http_;
};

// Text made safe inside HTML.
std::string HtmlKacis(std::string_view text);

}  // namespace zorvat::server
