// Sending an order: the delivery states, cargo types and carriers to choose from, and the
// order made of the basket's ticked lines.
#include <optional>
#include <string>
#include <string_view>

#include "server/hesap.h"
#include "server/methods.h"
#include "server/sonuc_sekli.h"

namespace zorvat::server {

namespace {

using enum FieldType;

// Read by position: the key, then the name.
const SonucSekli kAnahtarAd{{"SIRANO", Integer, "kod"}, {"ADI", String, "adi"}};

void TeslimVer(MethodContext& call) {
  Statement& sorgu = call.Db().Prepare("SELECT " + kAnahtarAd.SecimListesi() + " FROM teslim_durumu ORDER BY kod");
  call.ReturnTable(sorgu, kAnahtarAd.Kolonlar());
}

void KargoVer(MethodContext& call) {
  Statement& sorgu = call.Db().Prepare("SELECT " + kAnahtarAd.SecimListesi() + " FROM kargo_turu ORDER BY kod");
  call.ReturnTable(sorgu, kAnahtarAd.Kolonlar());
}

const SonucSekli kKargolar{{"SIRANO", Integer, "sirano"}, {"ADI", String, "adi"}, {"UYARI", String, "uyari"}};

// The carriers of one cargo type.
void KargolarVer(MethodContext& call) {
  Statement& sorgu =
      call.Db().Prepare("SELECT " + kKargolar.SecimListesi() + " FROM kargo WHERE kargo_turu = ?1 ORDER BY sirano");
  sorgu.BindAll(call.Integer(0));
  call.ReturnTable(sorgu, kKargolar.Kolonlar());
}

template <class... Degerler>
bool Var(Database& db, std::string_view sql, const Degerler&... degerler) {
  Statement& sorgu = db.Prepare(sql);
  sorgu.BindAll(degerler...);
  const bool var = sorgu.Step();
  sorgu.Reset();
  return var;
}

// The choices of the order exist, and the carrier is one of the chosen cargo type.
bool SecimlerGecerli(Database& db, std::int32_t teslim, std::int32_t kargoTuru, std::int32_t kargo) {
  return Var(db, "SELECT 1 FROM teslim_durumu WHERE kod = ?1", teslim) &&
         Var(db, "SELECT 1 FROM kargo WHERE sirano = ?1 AND kargo_turu = ?2", kargo, kargoTuru);
}

// The ticked lines of the account's basket become one order, state "Alındı", and leave
// the basket, all at once. False when nothing is ticked or an account, a user, a delivery
// state, a cargo type or a carrier is unknown.
void SiparisKaydet(MethodContext& call) {
  const std::int32_t carino = call.Integer(1);
  const std::int32_t teslim = call.Integer(2);
  const std::int32_t kargoTuru = call.Integer(3);
  const std::string& aciklama = call.Text(4);
  const std::int32_t kargo = call.Integer(6);
  Database& db = call.Db();
  Transaction transaction(db);
  const std::optional<Kullanici> veren = KullaniciBul(db, call.Integer(5));
  if (!veren || !CariVar(db, carino) || !SecimlerGecerli(db, teslim, kargoTuru, kargo))
    return call.ReturnBoolean(false);
  HesapYetkisiniDogrula(db, *veren, carino);
  if (!Var(db, "SELECT 1 FROM sepet WHERE carino = ?1 AND sec = 1", carino)) return call.ReturnBoolean(false);

  db.Prepare(
        "INSERT INTO siparis(carino, tarih, durum, veren_id, teslim, kargo_turu, kargo, aciklama) "
        "VALUES(?1, ?2, 2, ?3, ?4, ?5, ?6, ?7)")
      .BindAll(carino, Simdi(db), veren->sirano, teslim, kargoTuru, kargo, aciklama)
      .Run();
  db.Prepare(
        "INSERT INTO siparis_satir(idno, sepet_sirano, stokno, barkod, stokadi, miktar, birimfiyat, ilk_fiyat, "
        "ind1, ind2, ind3, ind4, kdv, kampanya, tutar, indirimtutar, nettutar, netbirimfiyat, vergitutari, "
        "kdvlitutar, verilis_tarihi, veren_id, aciklama, teslim_edilen, kalan) "
        "SELECT ?2, sirano, stokno, barkod, stokadi, miktar, birimfiyat, birimfiyat, ind1, ind2, ind3, ind4, "
        "kdv, kampanya, tutar, indirimtutar, nettutar, netbirimfiyat, vergitutari, kdvlitutar, verilis_tarihi, "
        "veren_id, aciklama, 0, miktar FROM sepet WHERE carino = ?1 AND sec = 1 ORDER BY sirano")
      .BindAll(carino, db.LastInsertId())
      .Run();
  db.Prepare("DELETE FROM sepet WHERE carino = ?1 AND sec = 1").BindAll(carino).Run();
  transaction.Commit();
  call.ReturnBoolean(true);
}

}  // namespace

void RegisterSiparisMethods(MethodRegistry& registry) {
  registry.Add("TeslimVer", TeslimVer);
  registry.Add("KargoVer", KargoVer);
  registry.Add("KargolarVer", KargolarVer);
  registry.Add("SiparisKaydet", SiparisKaydet);
}

}  // namespace zorvat::server
