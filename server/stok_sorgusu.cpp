#include "server/stok_sorgusu.h"

namespace zorvat::server::stok {

std::string FiyatliListeSorgusu(std::string_view secilen, const SonucSekli& sekil) {
  return "WITH secilen(stokno) AS (" + std::string(secilen) +
         "), fiyatli AS (SELECT st.*, "
         "CASE WHEN st.kampanya = 1 THEN st.kampfiyat ELSE st.listefiyat END AS fiyat, "
         "CASE WHEN st.kampanya = 1 THEN 0.0 ELSE coalesce(c.ind1, 0.0) END AS i1, "
         "CASE WHEN st.kampanya = 1 THEN 0.0 ELSE coalesce(c.ind2, 0.0) END AS i2, "
         "CASE WHEN st.kampanya = 1 THEN 0.0 ELSE coalesce(c.ind3, 0.0) END AS i3, "
         "CASE WHEN st.kampanya = 1 THEN 0.0 ELSE coalesce(c.ind4, 0.0) END AS i4 "
         "FROM secilen JOIN stok st ON st.stokno = secilen.stokno LEFT JOIN cari c ON c.carino = ?1), "
         "s AS (SELECT fiyatli.*, yuvarla2(iskontolu(fiyat, i1, i2, i3, i4)) AS netfiyat FROM fiyatli) "
         "SELECT " +
         sekil.SecimListesi() + " FROM s ORDER BY s.adi, s.barkod";
}

}  // namespace zorvat::server::stok
