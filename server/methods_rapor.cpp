// The representatives' reports: the orders taken and the items sold in a date range, as
// tables of fixed columns, and the report documents of the customer list as PDF files.
// Each user reports only on the accounts he may act for.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "server/hesap.h"
#include "server/methods.h"
#include "server/rapor_belgeleri.h"
#include "server/siparis_sorgusu.h"

namespace zorvat::server {

namespace {

using enum FieldType;

// The visible accounts of the session's user; none for an unknown or inactive one.
Gorunurluk OturumGorunurlugu(MethodContext& call) {
  return GorunurlukBul(KullaniciBul(call.Db(), call.Record(0).Sirano()));
}

// The days of a range as the date pickers send them, the times of day dropped: from the
// start of the first day to the end of the last. A first day after the last gives an empty
// range.
struct GunAraligi {
  double ilk;
  double sonrasi;
};

GunAraligi Aralik(double tarih1, double tarih2) { return {std::floor(tarih1), std::floor(tarih2) + 1}; }

// The reports window declares these columns and kinds; the result gives exactly them.
const SonucSekli kAlinanSiparisler{
    siparis::SATICIADI,
    {"IDNO", Float, "CAST(o.idno AS REAL)"},
    {"CARINO", Integer, "o.carino"},
    siparis::TARIH,
    siparis::KUR,
    siparis::KURTL,
    siparis::VERENIDNO,
    siparis::KARGO,
    siparis::TESLIM,
    siparis::VEREN,
    siparis::CARIKOD,
    siparis::CARIADI,
    siparis::DURUM,
    siparis::KARGOADI,
    siparis::VERGI,
    siparis::NETTUTAR,
    siparis::TUTAR,
};

// The orders of the visible accounts placed in the range, by representative and date.
void RaporAlinanSiparisler(MethodContext& call) {
  static const std::string sql = "SELECT " + kAlinanSiparisler.SecimListesi() + " FROM " +
                                 std::string(siparis::kSiparisKaynagi) +
                                 " WHERE (c.satici_no = ?1 OR c.carino = ?2) AND o.tarih >= ?3 AND o.tarih < ?4 "
                                 "ORDER BY sa.adi, o.tarih, o.idno";
  const Gorunurluk gorunurluk = OturumGorunurlugu(call);
  const GunAraligi aralik = Aralik(call.Double(1), call.Double(2));
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(gorunurluk.saticiNo, gorunurluk.carino, aralik.ilk, aralik.sonrasi);
  call.ReturnTable(sorgu, kAlinanSiparisler.Kolonlar());
}

// Per item `s`, what was invoiced in the range (`satis`): returns count against sales.
const SonucSekli kSatilanStoklar{
    {"BARKOD", String, "s.barkod"},     {"KOD", String, "s.ureticikodu"},  {"ADI", String, "s.adi"},
    {"DEPARTMAN", String, "s.anagrup"}, {"MIKTAR", Float, "satis.miktar"}, {"NETTUTAR", Float, "satis.net"},
    {"TLVERGI", Float, "satis.vergi"},  {"TUTAR", Float, "satis.tutar"},
};

// The items the visible accounts bought in the range, most sold first; items that only
// came back are left out.
void RaporEnCokSatilanStoklar(MethodContext& call) {
  static const std::string sql =
      "WITH satir AS (SELECT fs.*, CASE WHEN f.tur = 'Satış İade Faturası' THEN -1 ELSE 1 END AS isaret "
      "FROM fatura_satir fs JOIN fatura f ON f.idno = fs.idno JOIN cari c ON c.carino = f.carino "
      "WHERE (c.satici_no = ?1 OR c.carino = ?2) AND f.tarih >= ?3 AND f.tarih < ?4), "
      "satis AS (SELECT stokno, sum(isaret * miktar) AS miktar, yuvarla2(sum(isaret * nettutar)) AS net, "
      "yuvarla2(sum(isaret * vergitutari)) AS vergi, yuvarla2(sum(isaret * kdvlitutar)) AS tutar "
      "FROM satir GROUP BY stokno HAVING sum(isaret * miktar) > 0) "
      "SELECT " +
      kSatilanStoklar.SecimListesi() +
      " FROM satis JOIN stok s ON s.stokno = satis.stokno ORDER BY satis.miktar DESC, satis.tutar DESC, s.adi";
  const Gorunurluk gorunurluk = OturumGorunurlugu(call);
  const GunAraligi aralik = Aralik(call.Double(1), call.Double(2));
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(gorunurluk.saticiNo, gorunurluk.carino, aralik.ilk, aralik.sonrasi);
  call.ReturnTable(sorgu, kSatilanStoklar.Kolonlar());
}

// The user who asks for a report document (the session's Sirano), active.
Kullanici RaporuIsteyen(Database& db, std::int64_t sirano) {
  const std::optional<Kullanici> kullanici = KullaniciBul(db, sirano);
  if (!kullanici) throw MethodError("Kullanıcı bulunamadı !");
  if (!kullanici->aktif) throw MethodError("Kullanıcı hesabınız aktif değil !");
  return *kullanici;
}

void CariyiDogrula(Database& db, const Kullanici& kullanici, std::int64_t carino) {
  if (!CariVar(db, carino)) throw MethodError("Cari hesap bulunamadı: " + std::to_string(carino));
  HesapYetkisiniDogrula(db, kullanici, carino);
}

// Report 6 of one account is its summary on a day; of account 0, the balances and overdue
// debits of every account the user may act for. Report 7 is the account's invoices in a
// range, with totals by representative. The same number comes as the report's part
// (ordinal 1): each report has one part. The representative's name (ordinal 4) only says
// whom the report is for: the documents take names from the server's own data.
void RaporGetir(MethodContext& call) {
  Database& db = call.Db();
  const std::int32_t raporNo = call.Integer(0);
  const Kullanici kullanici = RaporuIsteyen(db, call.Integer(2));
  const std::int32_t carino = call.Integer(3);
  const double tarih1 = call.Double(5);
  const double tarih2 = call.Double(6);
  if (raporNo == 6 && carino == 0) return call.ReturnStream(TopluVadeBelgesi(db, kullanici, tarih1));
  if (raporNo != 6 && raporNo != 7) throw MethodError("Bilinmeyen rapor numarası: " + std::to_string(raporNo));
  CariyiDogrula(db, kullanici, carino);
  call.ReturnStream(raporNo == 6 ? CariOzetiBelgesi(db, carino, tarih1) : AlisSatisBelgesi(db, carino, tarih1, tarih2));
}

}  // namespace

void RegisterRaporMethods(MethodRegistry& registry) {
  registry.Add("RaporAlinanSiparisler", RaporAlinanSiparisler);
  registry.Add("RaporEnCokSatilanStoklar", RaporEnCokSatilanStoklar);
  registry.Add("RaporGetir", RaporGetir);
}

}  // namespace zorvat::server
