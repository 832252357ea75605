// The reference application server inside the test: on a free port of 127.0.0.1, on a
// database of its own that holds the demonstration data, spoken to over raw HTTP (not
// through the client's proxy), so a test sees exactly what goes over the wire.
//
//   SunucuFiksturu sunucu;                       // 300 stock items unless told
//   Sonuc sonuc = sunucu.Cagir("SepetVer2", Parametreler(1));
//   MemTable sepet;
//   sonuc.Tablo(0, sepet);
//
// The demonstration database is seeded once per test program and size, and each fixture
// works on its own copy, so tests that change data do not see each other's changes.
#pragma once

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "net/bicim.h"
#include "platform/gecici_klasor.h"
#include "remote/json_document.h"
#include "remote/json_writer.h"
#include "remote/memtable.h"
#include "remote/method_catalogue.h"
#include "remote/record_codec.h"
#include "remote/table_codec.h"
#include "server/application_server.h"
#include "server/database.h"
#include "server/method_context.h"
#include "server/methods.h"
#include "server/schema.h"
#include "server/seed.h"
#include "session/sonuc_bilgisi.h"

namespace zorvat::test {

// The demonstration database with this many stock items, made on first use and kept until
// the test program ends.
inline std::filesystem::path DemoVeritabani(int stokSayisi) {
  static std::mutex kilit;
  static GeciciKlasor klasor;
  static std::map<int, std::filesystem::path> yapilanlar;
  std::lock_guard lock(kilit);
  auto& yol = yapilanlar[stokSayisi];
  if (yol.empty()) {
    const auto dosya = klasor.yol() / ("demo" + std::to_string(stokSayisi) + ".db");
    {
      server::Database db(dosya.string(), /*create=*/true);
      server::SeedDemo(db, stokSayisi);
    }  // closing the only connection folds the write-ahead log into the file
    yol = dosya;
  }
  return yol;
}

// One value of a parameter list.
inline void ParametreYaz(JsonWriter& w, int v) { w.Int(v); }
inline void ParametreYaz(JsonWriter& w, std::int64_t v) { w.Int(v); }
inline void ParametreYaz(JsonWriter& w, double v) { w.Double(v); }
inline void ParametreYaz(JsonWriter& w, bool v) { w.Bool(v); }
inline void ParametreYaz(JsonWriter& w, std::string_view v) { w.String(v); }
inline void ParametreYaz(JsonWriter& w, const char* v) { w.String(v); }
inline void ParametreYaz(JsonWriter& w, const std::string& v) { w.String(v); }
inline void ParametreYaz(JsonWriter& w, std::nullptr_t) { w.Null(); }
inline void ParametreYaz(JsonWriter& w, const TSonucBilgisi& v) {
  int id = 1;
  WriteRecord(w, v, id);
}

// The request body {"_parameters":[...]} of the values in order.
template <class... Degerler>
std::string Parametreler(const Degerler&... degerler) {
  JsonWriter w;
  w.BeginObject();
  w.Key("_parameters");
  w.BeginArray();
  (ParametreYaz(w, degerler), ...);
  w.EndArray();
  w.EndObject();
  return w.Take();
}

// A session record as the client sends it after login: the user's number, the account and
// the kind are what the server reads.
inline TSonucBilgisi Oturum(std::int32_t sirano, std::int32_t carino, std::int32_t tur) {
  TSonucBilgisi bilgi;
  bilgi.SetSirano(sirano);
  bilgi.SetCARINO(carino);
  bilgi.SetMusteriTipi(tur);
  bilgi.SetAKTIF(1);
  bilgi.SetVarmi(true);
  bilgi.SetVersion(3);
  return bilgi;
}

// An answer: its status and body, and the values of {"result":[...]} when it is one.
class Sonuc {
 public:
  Sonuc(int durum, std::string govde) : durum_(durum), govde_(std::move(govde)) {
    if (durum_ != 200) return;
    belge_ = ParseJson(govde_);
    if (belge_->root["result"].get_array().get(degerler_)) throw std::runtime_error("yanıtta result yok: " + govde_);
  }

  int Durum() const { return durum_; }
  const std::string& Govde() const { return govde_; }
  std::size_t Adet() const { return degerler_.size(); }
  simdjson::dom::element Deger(std::size_t i) const { return degerler_.at(i).value(); }

  std::int64_t Tamsayi(std::size_t i) const { return Deger(i).get_int64().value(); }
  bool Mantiksal(std::size_t i) const { return Deger(i).get_bool().value(); }
  std::string Metin(std::size_t i) const { return std::string(Deger(i).get_string().value()); }
  // The value as the client's in-memory table takes a data packet: the columns as sent.
  void Tablo(std::size_t i, MemTable& tablo) const {
    LoadTableObject(TableObject(belge_, Deger(i)), tablo, ColumnRule::Replace);
  }
  std::unique_ptr<MemTable> Tablo(std::size_t i) const {
    auto tablo = std::make_unique<MemTable>();
    Tablo(i, *tablo);
    return tablo;
  }
  template <class Kayit>
  Kayit KayitAl(std::size_t i) const {
    return RecordFromElement<Kayit>(Deger(i));
  }
  // The {"error": ...} text of a failed call.
  std::string Hata() const {
    const JsonDocumentPtr belge = ParseJson(govde_);
    return std::string(belge->root["error"].get_string().value());
  }

 private:
  int durum_;
  std::string govde_;
  JsonDocumentPtr belge_;
  simdjson::dom::array degerler_;
};

// One call the server answered: the method and its plain arguments as text, in order
// (records, tables and streams as their kind's name).
struct KayitliCagri {
  std::string metot;
  std::vector<std::string> degerler;
  bool operator==(const KayitliCagri&) const = default;
};

inline void PrintTo(const KayitliCagri& c, std::ostream* os) {
  *os << c.metot << "(";
  for (std::size_t i = 0; i < c.degerler.size(); ++i) *os << (i ? ", " : "") << c.degerler[i];
  *os << ")";
}

// Every method of the registry, recording its calls before it runs.
inline server::MethodRegistry KayitliMetotlar(std::mutex& kilit, std::vector<KayitliCagri>& cagrilar) {
  const server::MethodRegistry asil = server::AllMethods();
  server::MethodRegistry kayitli;
  for (std::string_view ad : asil.Names()) {
    kayitli.Add(ad, [isleyici = *asil.Find(ad), &kilit, &cagrilar](server::MethodContext& baglam) {
      KayitliCagri cagri{std::string(baglam.Method().name), {}};
      std::size_t sira = 0;
      for (const ParamDecl& p : baglam.Method().params) {
        if (p.output) continue;
        switch (p.kind) {
          case ValueKind::Text: cagri.degerler.push_back(baglam.Text(sira)); break;
          case ValueKind::Integer: cagri.degerler.push_back(std::to_string(baglam.Integer(sira))); break;
          case ValueKind::Double: cagri.degerler.push_back(FormatFloat("0.####", baglam.Double(sira))); break;
          case ValueKind::Boolean: cagri.degerler.push_back(baglam.Boolean(sira) ? "true" : "false"); break;
          default: cagri.degerler.push_back("kayıt"); break;
        }
        ++sira;
      }
      {
        std::lock_guard lock(kilit);
        cagrilar.push_back(std::move(cagri));
      }
      isleyici(baglam);
    });
  }
  return kayitli;
}

class SunucuFiksturu {
 public:
  explicit SunucuFiksturu(int stokSayisi = 300) : methods_(KayitliMetotlar(cagriKilidi_, cagrilar_)) {
    settings_.databasePath = (klasor_.yol() / "sunucu.db").string();
    std::filesystem::copy_file(DemoVeritabani(stokSayisi), settings_.databasePath);
    server_ = std::make_unique<server::ApplicationServer>(settings_, methods_);
    port_ = server_->Bind("127.0.0.1", 0);
    if (port_ <= 0) throw std::runtime_error("sunucu portu açılamadı");
    thread_ = std::thread([this] { server_->Listen(); });
    istemci_ = YeniIstemci();
    // The first answer proves the server loop runs, so Stop always finds it running.
    if (Cagir("EchoString", Parametreler("ping")).Durum() != 200) throw std::runtime_error("sunucu yanıt vermiyor");
  }

  ~SunucuFiksturu() {
    istemci_.reset();
    server_->Stop();
    thread_.join();
  }

  SunucuFiksturu(const SunucuFiksturu&) = delete;
  SunucuFiksturu& operator=(const SunucuFiksturu&) = delete;

  int Port() const { return port_; }
  const std::string& VeritabaniYolu() const { return settings_.databasePath; }

  // One number read straight from the server's database, to see what a call changed.
  std::int64_t VeritabanindanSayi(const std::string& sql) const {
    server::Database db(settings_.databasePath);
    server::Statement& sorgu = db.Prepare(sql);
    if (!sorgu.Step()) throw std::runtime_error("sorgu satır vermedi: " + sql);
    const std::int64_t sayi = sorgu.Int(0);
    sorgu.Reset();
    return sayi;
  }

  // The calls of the method the server has answered so far (or was answering), in order.
  std::vector<KayitliCagri> Cagrilar(std::string_view metot) const {
    std::lock_guard lock(cagriKilidi_);
    std::vector<KayitliCagri> secilenler;
    for (const KayitliCagri& cagri : cagrilar_) {
      if (cagri.metot == metot) secilenler.push_back(cagri);
    }
    return secilenler;
  }

  // A client of its own, for a test thread that calls at the same time as others.
  std::unique_ptr<httplib::Client> YeniIstemci() const {
    auto istemci = std::make_unique<httplib::Client>("127.0.0.1", port_);
    istemci->set_keep_alive(true);
    istemci->set_read_timeout(std::chrono::seconds(30));
    return istemci;
  }

  // POST of one method call with this fixture's client.
  Sonuc Cagir(std::string_view metot, const std::string& govde) { return Cagir(*istemci_, metot, govde); }

  static Sonuc Cagir(httplib::Client& istemci, std::string_view metot, const std::string& govde) {
    const auto yanit =
        istemci.Post("/datasnap/rest/TServerMethods1/" + std::string(metot), govde, "application/json; charset=utf-8");
    if (!yanit) throw std::runtime_error("istek gönderilemedi: " + httplib::to_string(yanit.error()));
    return Sonuc(yanit->status, yanit->body);
  }

 private:
  mutable std::mutex cagriKilidi_;
  std::vector<KayitliCagri> cagrilar_;
  GeciciKlasor klasor_;
  server::Settings settings_;
  server::MethodRegistry methods_;
  std::unique_ptr<server::ApplicationServer> server_;
  int port_ = 0;
  std::thread thread_;
  std::unique_ptr<httplib::Client> istemci_;
};

}  // namespace zorvat::test
