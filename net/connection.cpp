#include "net/connection.h"

#include <httplib.h>
#include <simdjson.h>

#include <charconv>

#include "remote/errors.h"

namespace zorvat {

namespace {

constexpr time_t kConnectSeconds = 5;
// A search over a large catalogue may take a while; a hung server must not hang the call.
constexpr time_t kReadSeconds = 120;

std::string CauseText(httplib::Error error) {
  switch (error) {
    case httplib::Error::Connection:
      return "sunucuya bağlanılamadı (sunucu çalışmıyor ya da bağlantıyı reddetti)";
    case httplib::Error::ConnectionTimeout:
      return "bağlantı zaman aşımına uğradı";
    case httplib::Error::Read:
      return "sunucunun yanıtı okunamadı";
    case httplib::Error::Write:
      return "istek sunucuya gönderilemedi";
    case httplib::Error::BindIPAddress:
    case httplib::Error::SSLConnection:
    case httplib::Error::SSLLoadingCerts:
    case httplib::Error::SSLServerVerification:
    case httplib::Error::UnsupportedMultipartBoundaryChars:
    case httplib::Error::Compression:
    case httplib::Error::ExceedRedirectCount:
    case httplib::Error::Canceled:
    case httplib::Error::Unknown:
    case httplib::Error::Success:
      break;
  }
  return "ağ hatası (" + httplib::to_string(error) + ")";
}

bool IsEchoOf(const std::string& body, std::string_view expected) {
  simdjson::dom::parser parser;
  simdjson::dom::element document;
  if (parser.parse(body).get(document)) return false;
  simdjson::dom::array result;
  if (document["result"].get_array().get(result) || result.size() != 1) return false;
  std::string_view text;
  return !result.at(0).get_string().get(text) && text == expected;
}

}  // namespace

Connection::Connection(ConnectionParams params) : params_(std::move(params)) {}

Connection::~Connection() = default;

std::string Connection::Endpoint() const { return params_.HostName + ":" + params_.Port; }

void Connection::Open() {
  Close();
  int port = 0;
  const std::string& portText = params_.Port;
  auto parsed = std::from_chars(portText.data(), portText.data() + portText.size(), port);
  if (parsed.ec != std::errc() || port <= 0 || port > 65535) {
    throw TransportError(Endpoint() + " sunucusuna bağlanılamadı: geçersiz port");
  }
  client_ = std::make_unique<httplib::Client>(params_.HostName, port);
  client_->set_keep_alive(true);
  // Headers and body go out in separate writes; without this every call waits for a
  // delayed acknowledgement.
  client_->set_tcp_nodelay(true);
  client_->set_connection_timeout(kConnectSeconds, 0);
  client_->set_read_timeout(kReadSeconds, 0);
  client_->set_write_timeout(kReadSeconds, 0);
  HttpAnswer answer;
  try {
    answer = Post("EchoString", R"({"_parameters":["ping"]})");
  } catch (...) {
    Close();
    throw;
  }
  if (answer.status != 200 || !IsEchoOf(answer.body, "ping")) {
    Close();
    throw TransportError(Endpoint() + " adresinde uyumlu bir uygulama sunucusu yanıt vermedi (HTTP " +
                         std::to_string(answer.status) + ")");
  }
}

void Connection::Close() {
  if (client_) client_->stop();
  client_.reset();
}

std::unique_ptr<Connection> Connection::Clone() const { return std::make_unique<Connection>(params_); }

HttpAnswer Connection::Call(std::string_view method, const std::string& body) {
  if (!client_) throw TransportError(Endpoint() + " sunucusuna bağlantı açık değil");
  return Post(method, body);
}

HttpAnswer Connection::Post(std::string_view method, const std::string& body) {
  const std::string path =
      "/" + params_.DatasnapContext + "rest/TServerMethods1/" + std::string(method);
  httplib::Result result = client_->Post(path, body, "application/json; charset=utf-8");
  if (!result) {
    throw TransportError(Endpoint() + " sunucusuyla bağlantı kurulamadı: " + CauseText(result.error()));
  }
  return HttpAnswer{result->status, std::move(result->body)};
}

}  // namespace zorvat
