// How both servers take their port.
#pragma once

namespace httplib {
class Server;
}

namespace zorvat::server {

// A port in use must be refused, not shared: the HTTP library's own socket options include
// SO_REUSEPORT, with which a second server could bind the same port and take part of its
// calls. Only SO_REUSEADDR stays, so a restarted server can take its port at once.
void PortuPaylasma(httplib::Server& server);

}  // namespace zorvat::server
