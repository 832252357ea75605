#include "server/port_ayari.h"

#include <httplib.h>

namespace zorvat::server {

void PortuPaylasma(httplib::Server& server) {
  server.set_socket_options([](socket_t socket) {
    int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&yes), sizeof yes);
  });
}

}  // namespace zorvat::server
