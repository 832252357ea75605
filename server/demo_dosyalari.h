// The demonstration pictures of server/demo/, compiled into the server.
#pragma once

#include <string_view>

namespace zorvat::server {

// The bytes of the file of that name in server/demo/ (for example "parca_fren.jpg");
// throws std::out_of_range for a name that is not there.
std::string_view DemoDosyasi(std::string_view ad);

}  // namespace zorvat::server
