#include "server/application_server.h"

#include <httplib.h>

#include "server/port_ayari.h"
#include "server/request.h"

namespace zorvat::server {

namespace {

constexpr std::size_t kMaxRequestBytes = 16 * 1024 * 1024;

}  // namespace

std::string ErrorBody(std::string_view message) {
  JsonWriter writer;
  writer.BeginObject();
  writer.Key("error");
  writer.String(message);
  writer.EndObject();
  return writer.Take();
}

ApplicationServer::ApplicationServer(const Settings& settings, const MethodRegistry& methods)
    : settings_(settings), methods_(methods), http_(std::make_unique<httplib::Server>()) {
  http_->set_tcp_nodelay(true);
  PortuPaylasma(*http_);
  http_->set_keep_alive_max_count(100000);
  http_->set_payload_max_length(kMaxRequestBytes);
  http_->Post(R"(/datasnap/rest/TServerMethods1/([^/]*))",
              [this](const httplib::Request& request, httplib::Response& response) {
                const Reply reply = Handle(request.matches[1].str(), request.body);
                response.status = reply.status;
                response.set_content(reply.body, "application/json; charset=utf-8");
              });
  // Everything the router does not serve, including an oversized body, answers in the
  // protocol's error form. Answers of the methods already carry theirs.
  http_->set_error_handler([](const httplib::Request& request, httplib::Response& response) {
    if (!response.body.empty()) return;
    std::string message;
    switch (response.status) {
      case 413:
        message = "İstek gövdesi 16 MiB sınırını aşıyor";
        break;
      case 404:
        message = "Böyle bir adres yok: " + request.path;
        break;
      default:
        message = "İstek işlenemedi (HTTP " + std::to_string(response.status) + ")";
    }
    response.set_content(ErrorBody(message), "application/json; charset=utf-8");
  });
}

ApplicationServer::~ApplicationServer() = default;

Reply ApplicationServer::Handle(std::string_view method, std::string_view body) const {
  try {
    DecodedRequest request = DecodeRequest(method, body);
    const MethodHandler* handler = methods_.Find(request.method->name);
    if (handler == nullptr) return {404, ErrorBody("Method TServerMethods1." + std::string(method) + " not found")};
    MethodContext context(*request.method, std::move(request.arguments),
                          Database::ForThisThread(settings_.databasePath), settings_);
    (*handler)(context);
    return {200, context.Answer()};
  } catch (const RequestRejected& rejected) {
    return {rejected.Status(), ErrorBody(rejected.what())};
  } catch (const std::exception& error) {
    return {500, ErrorBody(error.what())};
  }
}

int ApplicationServer::Bind(const std::string& address, int port) {
  if (port == 0) return http_->bind_to_any_port(address);
  return http_->bind_to_port(address, port) ? port : -1;
}

void ApplicationServer::Listen() { http_->listen_after_bind(); }

void ApplicationServer::Stop() { http_->stop(); }

}  // namespace zorvat::server
