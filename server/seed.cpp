#include "server/seed.h"

#include <string>
#include <vector>

#include "server/schema.h"
#include "server/seed_ortak.h"

namespace zorvat::server {

namespace demo {

std::uint64_t Rastgele::Sonraki() {
  std::uint64_t z = (durum_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int Rastgele::Aralik(int alt, int ust) {
  const auto genislik = static_cast<std::uint64_t>(ust - alt) + 1;
  return alt + static_cast<int>(Sonraki() % genislik);
}

double Rastgele::Oran() { return static_cast<double>(Sonraki() >> 11) / 9007199254740992.0; }

SatirFiyati FiyatBul(const StokOzet& stok, const CariOzet& cari) {
  if (stok.kampanya) return {stok.kampFiyat, {}};
  return {stok.listeFiyat, cari.oranlar};
}

}  // namespace demo

namespace {

// Drops every table (the full-text index first, which takes its own tables with it), so
// the demonstration starts from the current schema whatever the file held before.
void TablolariKaldir(Database& db) {
  db.Execute("PRAGMA foreign_keys=OFF");
  for (const char* kosul : {"sql LIKE 'CREATE VIRTUAL TABLE%'", "name NOT LIKE 'sqlite_%'"}) {
    std::vector<std::string> tablolar;
    Statement& sorgu = db.Prepare(std::string("SELECT name FROM sqlite_master WHERE type = 'table' AND ") + kosul);
    while (sorgu.Step()) tablolar.emplace_back(sorgu.Text(0));
    sorgu.Reset();
    for (const std::string& tablo : tablolar) db.Execute("DROP TABLE IF EXISTS \"" + tablo + "\"");
  }
  db.Execute("PRAGMA foreign_keys=ON");
}

}  // namespace

void SeedDemo(Database& db, int stockCount) {
  TablolariKaldir(db);
  CreateSchema(db);
  Transaction transaction(db);
  demo::Baglam baglam{db, demo::Rastgele(20261201), {}, {}};
  demo::SabitleriYaz(baglam);
  demo::KatalogYaz(baglam, stockCount);
  demo::CarileriYaz(baglam);
  demo::HareketleriYaz(baglam);
  demo::SepetleriYaz(baglam);
  demo::BilgileriYaz(baglam);
  db.Execute("INSERT INTO stok_ara(stok_ara) VALUES('rebuild')");
  transaction.Commit();
}

}  // namespace zorvat::server
