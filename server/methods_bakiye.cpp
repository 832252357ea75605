// Changes to an open order balance: closing it, setting a new balance, and changing the
// line's price and discount. Each acts on one open line of an order of an account the
// session's user may act for, and answers 1 when it changed the line.
#include <optional>
#include <string>

#include "server/fiyat.h"
#include "server/hesap.h"
#include "server/methods.h"

namespace zorvat::server {

namespace {

// The largest balance and price a line takes: larger numbers are typing errors, and their
// amounts would overflow what a line can show.
constexpr double kEnBuyukBakiye = 100000;
constexpr double kEnBuyukFiyat = 1e9;

struct AcikSatir {
  std::int64_t sirano = 0;
  double miktar = 0;
  double teslimEdilen = 0;
  double kalan = 0;
  double birimFiyat = 0;
  Oranlar oranlar{};
  double kdv = 0;
};

// The parameters every change carries: the session record, the stock item (0 from the
// price change), the basket line the order line came from, the order line, the quantity,
// the balance and the code.
constexpr std::size_t kOturum = 0, kSepetSirano = 2, kSiparisSirano = 3, kBakiye = 5;

// An unknown user or line is an error, so the window does not report a change that did not
// happen.
Kullanici OturumKullanicisi(MethodContext& call) {
  const std::optional<Kullanici> kullanici = KullaniciBul(call.Db(), call.Record(kOturum).Sirano());
  if (!kullanici) throw MethodError("Kullanıcı bulunamadı !");
  return *kullanici;
}

// The order line named by both of its numbers, after checking that the user may act for
// its account.
AcikSatir SatiriBul(MethodContext& call, const Kullanici& kullanici) {
  Database& db = call.Db();
  Statement& sorgu = db.Prepare(
      "SELECT ss.sirano, ss.miktar, ss.teslim_edilen, ss.kalan, ss.birimfiyat, ss.ind1, ss.ind2, ss.ind3, ss.ind4, "
      "ss.kdv, o.carino FROM siparis_satir ss JOIN siparis o ON o.idno = ss.idno "
      "WHERE ss.sirano = ?1 AND ss.sepet_sirano = ?2");
  sorgu.BindAll(call.Integer(kSiparisSirano), call.Integer(kSepetSirano));
  if (!sorgu.Step()) {
    sorgu.Reset();
    throw MethodError("Sipariş satırı bulunamadı !");
  }
  AcikSatir satir;
  satir.sirano = sorgu.Int(0);
  satir.miktar = sorgu.Double(1);
  satir.teslimEdilen = sorgu.Double(2);
  satir.kalan = sorgu.Double(3);
  satir.birimFiyat = sorgu.Double(4);
  satir.oranlar = {sorgu.Double(5), sorgu.Double(6), sorgu.Double(7), sorgu.Double(8)};
  satir.kdv = sorgu.Double(9);
  const std::int64_t carino = sorgu.Int(10);
  sorgu.Reset();
  HesapYetkisiniDogrula(db, kullanici, carino);
  return satir;
}

void AcikOlmali(const AcikSatir& satir) {
  if (satir.kalan <= 0) throw MethodError("Bu sipariş satırının açık bakiyesi yok !");
}

// The line's quantity, price, rates and amounts as computed for the basket.
void SatiriYaz(Database& db, std::int64_t sirano, double miktar, double fiyat, const Oranlar& oranlar, double kdv) {
  const SatirTutarlari t = SatirHesapla(miktar, fiyat, oranlar, kdv);
  db.Prepare(
        "UPDATE siparis_satir SET miktar = ?2, birimfiyat = ?3, ind1 = ?4, ind2 = ?5, ind3 = ?6, ind4 = ?7, "
        "tutar = ?8, indirimtutar = ?9, nettutar = ?10, netbirimfiyat = ?11, vergitutari = ?12, kdvlitutar = ?13 "
        "WHERE sirano = ?1")
      .BindAll(sirano, miktar, fiyat, oranlar[0], oranlar[1], oranlar[2], oranlar[3], t.tutar, t.indirimTutar,
               t.netTutar, t.netBirimFiyat, t.vergiTutari, t.kdvliTutar)
      .Run();
}

// Nothing more is to be delivered. A line already closed stays as it is (answer 0).
void BakiyeDuzenle(MethodContext& call) {
  Database& db = call.Db();
  Transaction transaction(db);
  const AcikSatir satir = SatiriBul(call, OturumKullanicisi(call));
  if (satir.kalan <= 0) return call.ReturnInteger(0);
  db.Prepare("UPDATE siparis_satir SET kalan = 0 WHERE sirano = ?1").BindAll(satir.sirano).Run();
  transaction.Commit();
  call.ReturnInteger(1);
}

// The balance becomes the new one (the client sends it as both quantity and balance). A
// balance above what is left of the order means the customer wants more: the ordered
// quantity grows to what was delivered plus the new balance, and its amounts with it.
void BakiyeDegistir(MethodContext& call) {
  const double bakiye = call.Double(kBakiye);
  if (!(bakiye > 0)) throw MethodError("Yeni bakiye 0'dan büyük olmalıdır !");
  if (bakiye > kEnBuyukBakiye) throw MethodError("Yeni bakiye en çok 100.000 olabilir !");
  Database& db = call.Db();
  Transaction transaction(db);
  const AcikSatir satir = SatiriBul(call, OturumKullanicisi(call));
  AcikOlmali(satir);
  if (satir.teslimEdilen + bakiye > satir.miktar) {
    SatiriYaz(db, satir.sirano, satir.teslimEdilen + bakiye, satir.birimFiyat, satir.oranlar, satir.kdv);
  }
  db.Prepare("UPDATE siparis_satir SET kalan = ?2 WHERE sirano = ?1").BindAll(satir.sirano, bakiye).Run();
  transaction.Commit();
  call.ReturnInteger(1);
}

// Only a representative with price rights changes prices. The line gets the price and the
// one discount rate of the price dialog, whose net price it then has; its first price
// stays.
void BakiyeFiyatDegistir(MethodContext& call) {
  const double fiyat = call.Double(7);
  const double oran = call.Double(8);
  if (fiyat < 0 || fiyat > kEnBuyukFiyat) throw MethodError("Fiyat 0 ile 1.000.000.000 arasında olmalıdır !");
  if (oran < 0 || oran > 100) throw MethodError("İndirim oranı 0 ile 100 arasında olmalıdır !");
  Database& db = call.Db();
  Transaction transaction(db);
  const Kullanici kullanici = OturumKullanicisi(call);
  if (kullanici.tur != 2) throw MethodError("Fiyat değiştirme yetkiniz yok !");
  const AcikSatir satir = SatiriBul(call, kullanici);
  AcikOlmali(satir);
  SatiriYaz(db, satir.sirano, satir.miktar, fiyat, {oran, 0, 0, 0}, satir.kdv);
  transaction.Commit();
  call.ReturnInteger(1);
}

}  // namespace

void RegisterBakiyeMethods(MethodRegistry& registry) {
  registry.Add("BakiyeDuzenle", BakiyeDuzenle);
  registry.Add("BakiyeDegistir", BakiyeDegistir);
  registry.Add("BakiyeFiyatDegistir", BakiyeFiyatDegistir);
}

}  // namespace zorvat::server
