#include "server/sql_islevleri.h"

#include <string>
#include <string_view>

#include "net/bicim.h"
#include "server/arama_metni.h"
#include "server/database.h"
#include "server/fiyat.h"

namespace zorvat::server {

namespace {

bool NullVar(int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i) {
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
  }
  return false;
}

std::string_view Metin(sqlite3_value* value) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
  return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(value))) : std::string_view();
}

Oranlar OranlarDen(sqlite3_value** argv) {
  return {sqlite3_value_double(argv[0]), sqlite3_value_double(argv[1]), sqlite3_value_double(argv[2]),
          sqlite3_value_double(argv[3])};
}

void MetinDondur(sqlite3_context* context, const std::string& text) {
  sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Yuvarla2Islevi(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (NullVar(argc, argv)) return sqlite3_result_null(context);
  sqlite3_result_double(context, Yuvarla2(sqlite3_value_double(argv[0])));
}

void IskontoluIslevi(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (NullVar(argc, argv)) return sqlite3_result_null(context);
  sqlite3_result_double(context, IskontoUygula(sqlite3_value_double(argv[0]), OranlarDen(argv + 1)));
}

void KdvDahilIslevi(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (NullVar(argc, argv)) return sqlite3_result_null(context);
  sqlite3_result_double(context, KdvDahil(sqlite3_value_double(argv[0]), sqlite3_value_double(argv[1])));
}

void IndirimYaziIslevi(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (NullVar(argc, argv)) return sqlite3_result_null(context);
  MetinDondur(context, IndirimYazisi(OranlarDen(argv)));
}

void AramaMetniIslevi(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (NullVar(argc, argv)) return sqlite3_result_null(context);
  MetinDondur(context, AramaMetni(Metin(argv[0])));
}

void KelimelerVarIslevi(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (NullVar(argc, argv)) return sqlite3_result_null(context);
  const std::string_view metin = Metin(argv[0]);
  std::string_view kelimeler = Metin(argv[1]);
  while (!kelimeler.empty()) {
    const std::size_t son = kelimeler.find('\n');
    const std::string_view kelime = kelimeler.substr(0, son);
    if (!kelime.empty() && metin.find(kelime) == std::string_view::npos) return sqlite3_result_int(context, 0);
    if (son == std::string_view::npos) break;
    kelimeler.remove_prefix(son + 1);
  }
  sqlite3_result_int(context, 1);
}

void Kaydet(sqlite3* db, const char* name, int argc, void (*function)(sqlite3_context*, int, sqlite3_value**)) {
  if (sqlite3_create_function_v2(db, name, argc, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                 function, nullptr, nullptr, nullptr) != SQLITE_OK) {
    throw DatabaseError(std::string("SQL işlevi tanımlanamadı: ") + name);
  }
}

}  // namespace

void SqlIslevleriniKaydet(sqlite3* db) {
  Kaydet(db, "yuvarla2", 1, Yuvarla2Islevi);
  Kaydet(db, "iskontolu", 5, IskontoluIslevi);
  Kaydet(db, "kdv_dahil", 2, KdvDahilIslevi);
  Kaydet(db, "indirim_yazi", 4, IndirimYaziIslevi);
  Kaydet(db, "arama_metni", 1, AramaMetniIslevi);
  Kaydet(db, "kelimeler_var", 2, KelimelerVarIslevi);
}

}  // namespace zorvat::server
