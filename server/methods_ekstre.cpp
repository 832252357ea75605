// The account statement, and the account's status as the card payment page shows it.
#include <cmath>
#include <string>

#include "server/belge_bicimi.h"
#include "server/hesap.h"
#include "server/methods.h"
#include "server/sonuc_sekli.h"

namespace zorvat::server {

namespace {

using enum FieldType;

// A movement `h` with the balance after it (bakiye). The client computes the running
// balance and its side itself; the server sends the same, so any other reader of the
// statement gets them too. "B": owed by the customer, "A": owed to him.
const SonucSekli kEkstre{
    {"CARINO", Integer, "h.carino"},
    {"TARIH", Date, "floor(h.tarih)"},
    {"TURADI", String, "h.tur"},
    {"EVRAK", String, "h.evrak_no"},
    {"BORC", Float, "h.borc"},
    {"ALACAK", Float, "h.alacak"},
    {"KUR", String, "h.kur"},
    {"BAKIYE", Float, "h.bakiye"},
    {"D", String, "CASE WHEN h.bakiye > 0 THEN 'B' WHEN h.bakiye < 0 THEN 'A' ELSE ' ' END"},
    // The invoice or the collection behind the row; 0 for an opening balance.
    {"IDNO", Integer, "coalesce(h.fatura_idno, h.tahsilat_idno, 0)"},
    {"ACIKLAMA", String, "h.aciklama"},
};

// In date order, as the running balance is computed.
void CariEkstreVer(MethodContext& call) {
  static const std::string sql =
      "WITH h AS (SELECT *, yuvarla2(sum(borc - alacak) OVER (ORDER BY tarih, sirano)) AS bakiye "
      "FROM cari_hareket WHERE carino = ?1) SELECT " +
      kEkstre.SecimListesi() + " FROM h ORDER BY h.tarih, h.sirano";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0));
  call.ReturnTable(sorgu, kEkstre.Kolonlar());
}

// "Bakiye: 1.234,56 TL Borç; vadesi geçmiş: 500,00 TL". The page needs a text: an unknown
// account is an error.
void CariDurumVer(MethodContext& call) {
  Database& db = call.Db();
  const std::int32_t carino = call.Integer(0);
  if (!CariVar(db, carino)) throw MethodError("Cari hesap bulunamadı: " + std::to_string(carino));
  const CariBakiye bakiye = BakiyeBul(db, carino);
  std::string durum = "Bakiye: " + ParaYazisi(std::abs(bakiye.bakiye)) + " TL";
  if (bakiye.bakiye > 0) durum += " Borç";
  if (bakiye.bakiye < 0) durum += " Alacak";
  const Gecikme gecikme = GecikmeBul(db, carino, Simdi(db));
  if (gecikme.tutar > 0) durum += "; vadesi geçmiş: " + ParaYazisi(gecikme.tutar) + " TL";
  call.ReturnText(durum);
}

}  // namespace

void RegisterEkstreMethods(MethodRegistry& registry) {
  registry.Add("CariEkstreVer", CariEkstreVer);
  registry.Add("CariDurumVer", CariDurumVer);
}

}  // namespace zorvat::server
