// How the running server is set up.
#pragma once

#include <string>

namespace zorvat::server {

struct Settings {
  std::string databasePath;
  std::string bindAddress = "127.0.0.1";
  int applicationPort = 9090;
  int webPort = 8080;
  // The client's setup program served at /exe/ZorvatOtoSetup.exe; none when empty.
  std::string setupProgram;
};

}  // namespace zorvat::server
