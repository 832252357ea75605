// The server's own SQL functions, on every connection, so queries price, round and search
// exactly as the C++ code does:
//   yuvarla2(x)                        two decimals, halves away from zero
//   iskontolu(brut, r1, r2, r3, r4)    the amount after the chained rates, not rounded
//   kdv_dahil(net_birim, kdv)          the VAT-inclusive unit price
//   indirim_yazi(r1, r2, r3, r4)       "10+5"
//   arama_metni(metin)                 the folded search form of a text
//   kelimeler_var(metin, kelimeler)    1 when every line of kelimeler occurs in metin
#pragma once

#include <sqlite3.h>

namespace zorvat::server {

void SqlIslevleriniKaydet(sqlite3* db);

}  // namespace zorvat::server
