// The connection to the application server: its parameters, open (a real round trip that
// proves a compatible server answers), close and clone. One connection holds one
// keep-alive HTTP connection from open to close and is used by one thread at a time.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace httplib {
class Client;
}

namespace zorvat {

struct ConnectionParams {
  std::string ConnectionName = "DataSnapCONNECTION";
  std::string DriverName = "DataSnap";
  bool LoginPrompt = false;
  std::string CommunicationProtocol = "tcp/ip";
  std::string HostName = "localhost";
  std::string Port = "9090";
  std::string DatasnapContext = "datasnap/";
  std::string Filters = "{}";
  std::string DSProxyPort = "8090";
};

struct HttpAnswer {
  int status = 0;
  std::string body;
};

class Connection {
 public:
  explicit Connection(ConnectionParams params = {});
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  ConnectionParams& Params() { return params_; }
  const ConnectionParams& Params() const { return params_; }

  // Connects and calls EchoString("ping"); throws TransportError naming the host, the port
  // and the cause when no compatible server answers.
  void Open();
  void Close();
  bool Connected() const { return client_ != nullptr; }
  // A new, closed connection with the same parameters.
  std::unique_ptr<Connection> Clone() const;

  // Posts one method call; throws TransportError when the connection is closed or breaks.
  HttpAnswer Call(std::string_view method, const std::string& body);

  // "host:port", for messages.
  std::string Endpoint() const;

 private:
  HttpAnswer Post(std::string_view method, const std::string& body);

  ConnectionParams params_;
  std::unique_ptr<httplib::Client> client_;
};

}  // namespace zorvat
