// A small application server for tests: answers EchoString as the real one does and every
// other method with what the test's handler returns, recording each request body.
#pragma once

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zorvat::test {

struct StubAnswer {
  int status = 200;
  std::string body = R"({"result":[]})";
};

struct StubRequest {
  std::string method;
  std::string body;
};

class StubServer {
 public:
  using Handler = std::function<StubAnswer(const std::string& method, const std::string& body)>;

  explicit StubServer(Handler handler) : handler_(std::move(handler)) {
    server_.Post(R"(/datasnap/rest/TServerMethods1/([A-Za-z0-9_]+))",
                 [this](const httplib::Request& request, httplib::Response& response) {
                   const std::string method = request.matches[1];
                   StubAnswer answer;
                   if (method == "EchoString") {
                     answer.body = R"({"result":["ping"]})";
                   } else {
                     {
                       std::lock_guard lock(mutex_);
                       requests_.push_back({method, request.body});
                     }
                     answer = handler_(method, request.body);
                   }
                   response.status = answer.status;
                   response.set_content(answer.body, "application/json");
                 });
    server_.set_tcp_nodelay(true);
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~StubServer() {
    server_.stop();
    thread_.join();
  }

  int Port() const { return port_; }
  std::vector<StubRequest> Requests() {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  Handler handler_;
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::vector<StubRequest> requests_;
};

// A port on 127.0.0.1 where nothing listens (bound, then released).
inline int FreePort() {
  const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(socket);
  return ntohs(address.sin_port);
}

}  // namespace zorvat::test
