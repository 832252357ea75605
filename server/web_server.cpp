#include "server/web_server.h"

#include <httplib.h>

#include <charconv>
#include <fstream>
#include <sstream>

#include "server/database.h"
#include "server/port_ayari.h"

namespace zorvat::server {

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";

std::string Page(std::string_view title, std::string_view body) {
  return "<!DOCTYPE html><html lang=\"tr\"><head><meta charset=\"utf-8\"><title>" + HtmlKacis(title) +
         "</title><style>body{font-family:Tahoma,Verdana,sans-serif;margin:2em;color:#222}"
         "h1{color:#b71c1c}table{border-collapse:collapse}td,th{border:1px solid #ccc;padding:4px 10px}"
         "th{background:#b71c1c;color:#fff;text-align:left}</style></head><body>" +
         std::string(body) + "</body></html>";
}

void NotFound(httplib::Response& response, std::string_view what) {
  response.status = 404;
  response.set_content(Page("Bulunamadı", "<h1>Bulunamadı</h1><p>" + HtmlKacis(what) + "</p>"), kHtml);
}

std::string ContactPage() {
  return Page("İletişim",
              "<h1>Zorvat Oto Yedek Parça</h1>"
              "<table><tr><th>Adres</th><td>Oto Sanayi Sitesi 12. Blok No: 7, Ostim / Ankara</td></tr>"
              "<tr><th>Telefon</th><td>0312 555 00 00</td></tr>"
              "<tr><th>Faks</th><td>0312 555 00 01</td></tr>"
              "<tr><th>E-posta</th><td>siparis@zorvatoto.com.tr</td></tr>"
              "<tr><th>Çalışma saatleri</th><td>Hafta içi 08:30 - 18:30, Cumartesi 08:30 - 14:00</td></tr></table>");
}

std::string RequestForm(const httplib::Request& request) {
  const std::string id = request.get_param_value("id");
  return Page("Erişim İsteği",
              "<h1>B2B Erişim İsteği</h1><p>Bu bilgisayar henüz tanımlı değil. Bilgilerinizi bırakın, "
              "satış temsilciniz sizinle iletişime geçsin.</p>"
              "<form method=\"post\" action=\"formmailgonder.aspx\">"
              "<input type=\"hidden\" name=\"id\" value=\"" + HtmlKacis(id) + "\">"
              "<table><tr><th>Firma Adı</th><td><input name=\"firma\" size=\"40\"></td></tr>"
              "<tr><th>Yetkili</th><td><input name=\"yetkili\" size=\"40\"></td></tr>"
              "<tr><th>Telefon</th><td><input name=\"telefon\" size=\"20\"></td></tr>"
              "<tr><th>E-posta</th><td><input name=\"eposta\" size=\"40\"></td></tr>"
              "<tr><th>Not</th><td><textarea name=\"not\" rows=\"4\" cols=\"40\"></textarea></td></tr></table>"
              "<p>Bilgisayar kimliği: <b>" + HtmlKacis(id) + "</b></p>"
              "<p><button type=\"submit\">Gönder</button></p></form>");
}

// Stores a posted access request, every field as "name=value" lines.
std::string StoreRequest(const Settings& settings, const httplib::Request& request) {
  std::string fields;
  for (const auto& [name, value] : request.params) {
    if (name != "id") fields += name + "=" + value + "\n";
  }
  Database& db = Database::ForThisThread(settings.databasePath);
  Transaction transaction(db);
  db.Prepare("INSERT INTO erisim_istegi(bilgisayar_id, alanlar) VALUES(?1, ?2)")
      .BindAll(request.get_param_value("id"), fields)
      .Run();
  transaction.Commit();
  return Page("Erişim İsteği", "<h1>Teşekkürler</h1><p>İsteğiniz alındı; en kısa sürede size dönülecektir.</p>");
}

std::string PaymentPage(const httplib::Request& request) {
  std::string rows;
  for (const char* key : {"carino", "sube", "firmasi", "bakiye"}) {
    rows += "<tr><th>" + std::string(key) + "</th><td>" + HtmlKacis(request.get_param_value(key)) + "</td></tr>";
  }
  return Page("Kredi Kartı ile Ödeme",
              "<h1>Kredi Kartı ile Ödeme</h1><p>Tanıtım sayfasıdır; gerçek bir ödeme alınmaz.</p><table>" + rows +
                  "</table>");
}

void ServePicture(const Settings& settings, const httplib::Request& request, httplib::Response& response) {
  const std::string id = request.get_param_value("id");
  std::int64_t stokno = 0;
  const auto parsed = std::from_chars(id.data(), id.data() + id.size(), stokno);
  if (id.empty() || parsed.ec != std::errc() || parsed.ptr != id.data() + id.size()) {
    NotFound(response, "Geçersiz stok numarası");
    return;
  }
  Database& db = Database::ForThisThread(settings.databasePath);
  Statement& query = db.Prepare("SELECT icerik_turu, veri FROM stok_resim WHERE stokno = ?1");
  query.BindAll(stokno);
  if (!query.Step()) {
    query.Reset();
    NotFound(response, "Bu ürünün resmi yok");
    return;
  }
  const std::string_view bytes = query.Blob(1);
  response.set_content(bytes.data(), bytes.size(), std::string(query.Text(0)));
  query.Reset();
}

void ServeSetup(const Settings& settings, httplib::Response& response) {
  std::ifstream file(settings.setupProgram, std::ios::binary);
  if (settings.setupProgram.empty() || !file) {
    NotFound(response, "Kurulum dosyası yok");
    return;
  }
  std::ostringstream bytes;
  bytes << file.rdbuf();
  response.set_content(bytes.str(), "application/octet-stream");
}

}  // namespace

std::string HtmlKacis(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

WebServer::WebServer(const Settings& settings) : settings_(settings), http_(std::make_unique<httplib::Server>()) {
  http_->set_tcp_nodelay(true);
  PortuPaylasma(*http_);
  http_->set_payload_max_length(64 * 1024);
  // Only these paths exist: no request ever reaches a file of its own choosing.
  http_->Get("/resimgoster.ashx", [this](const httplib::Request& request, httplib::Response& response) {
    ServePicture(settings_, request, response);
  });
  http_->Get("/iletisim.html", [](const httplib::Request&, httplib::Response& response) {
    response.set_content(ContactPage(), kHtml);
  });
  http_->Get("/formmailgonder.aspx", [](const httplib::Request& request, httplib::Response& response) {
    response.set_content(RequestForm(request), kHtml);
  });
  http_->Post("/formmailgonder.aspx", [this](const httplib::Request& request, httplib::Response& response) {
    response.set_content(StoreRequest(settings_, request), kHtml);
  });
  http_->Get("/pelikart2.html", [](const httplib::Request& request, httplib::Response& response) {
    response.set_content(PaymentPage(request), kHtml);
  });
  http_->Get("/exe/ZorvatOtoSetup.exe", [this](const httplib::Request&, httplib::Response& response) {
    ServeSetup(settings_, response);
  });
  http_->Get("/ip", [](const httplib::Request& request, httplib::Response& response) {
    response.set_content(request.remote_addr, "text/plain; charset=utf-8");
  });
  http_->set_error_handler([](const httplib::Request& request, httplib::Response& response) {
    if (response.body.empty()) NotFound(response, request.path);
  });
  http_->set_exception_handler([](const httplib::Request&, httplib::Response& response, std::exception_ptr error) {
    std::string message = "Sunucu hatası";
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      message += ": " + std::string(e.what());
    } catch (...) {
    }
    response.status = 500;
    response.set_content(Page("Hata", "<h1>Hata</h1><p>" + HtmlKacis(message) + "</p>"), kHtml);
  });
}

WebServer::~WebServer() = default;

int WebServer::Bind(const std::string& address, int port) {
  if (port == 0) return http_->bind_to_any_port(address);
  return http_->bind_to_port(address, port) ? port : -1;
}

void WebServer::Listen() { http_->listen_after_bind(); }

void WebServer::Stop() { http_->stop(); }

}  // namespace zorvat::server
