#include "server/schema.h"

#include <string>

namespace zorvat::server {

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS ayar(
  anahtar TEXT PRIMARY KEY,
  deger TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS stok_resim(
  stokno INTEGER PRIMARY KEY,
  icerik_turu TEXT NOT NULL,
  veri BLOB NOT NULL
);
CREATE TABLE IF NOT EXISTS erisim_istegi(
  sirano INTEGER PRIMARY KEY,
  bilgisayar_id TEXT NOT NULL,
  alanlar TEXT NOT NULL,
  zaman TEXT NOT NULL DEFAULT (datetime('now'))
);
)sql";

}  // namespace

void CreateSchema(Database& db) { db.Execute(kSchema); }

int ClientVersion(Database& db) {
  Statement& query = db.Prepare("SELECT deger FROM ayar WHERE anahtar = 'istemci_surumu'");
  const int version = query.Step() ? std::stoi(std::string(query.Text(0))) : 3;
  query.Reset();
  return version;
}

void SetClientVersion(Database& db, int version) {
  Transaction transaction(db);
  db.Prepare("INSERT INTO ayar(anahtar, deger) VALUES('istemci_surumu', ?1) "
             "ON CONFLICT(anahtar) DO UPDATE SET deger = excluded.deger")
      .BindAll(std::to_string(version))
      .Run();
  transaction.Commit();
}

void RegisterComputer(Database&, const std::string&, const std::string& userName) {
  throw DatabaseError("Kullanıcı bulunamadı: " + userName);
}

}  // namespace zorvat::server
