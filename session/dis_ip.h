// The computer's public IPv4 address, as an echo service on the internet sees it.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "zorvat_config.h"

namespace zorvat {

struct DisIpSecenekleri {
  // A login without internet must end with a message, not hang: the tries are bounded.
  int denemeSayisi = 3;
  std::chrono::milliseconds denemeArasi{1000};
  std::chrono::milliseconds baglanmaSuresi{15000};
  std::chrono::milliseconds okumaSuresi{1500};
  // Waits between two tries; tests pass one that only records the wait.
  std::function<void(std::chrono::milliseconds)> bekle = [](std::chrono::milliseconds sure) {
    std::this_thread::sleep_for(sure);
  };
};

// Asks the echo service at `url` ("http://host[:port]/path" or https) with a GET and returns its
// answer trimmed. A try fails when nothing answers or the answer is not 200; after the last
// failed try the result is empty.
std::string DisIpAl(const std::string& url = yapi::kDisIpServisi, const DisIpSecenekleri& secenek = {});

}  // namespace zorvat
