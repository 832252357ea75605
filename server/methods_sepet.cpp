// The basket: one per account, lines priced as the add dialog prices them, ticked lines
// for the next order; and the account's overdue warning shown above it.
#include <string>

#include "net/bicim.h"
#include "server/fiyat.h"
#include "server/hesap.h"
#include "server/methods.h"
#include "server/stok_sorgusu.h"

namespace zorvat::server {

namespace {

using namespace stok;

const SonucSekli kSepet{
    {"SEC", SmallInt, "b.sec"},
    {"VERILISTARIHI", Date, "floor(b.verilis_tarihi)"},
    {"SIRANO", Integer, "b.sirano"},
    {"SIPARISNO", Integer, "0"},
    {"CARINO", Integer, "b.carino"},
    {"TARIH", Date, "floor(b.verilis_tarihi)"},
    {"AKTAR", SmallInt, "0"},
    {"STOKNO", Integer, "b.stokno"},
    {"BARKOD", String, "b.barkod"},
    FINISHKOD,
    OEMNO,
    {"STOKADI", String, "b.stokadi"},
    {"MIKTAR", Float, "b.miktar"},
    {"BIRIMFIYAT", Float, "b.birimfiyat"},
    {"TUTAR", Float, "b.tutar"},
    {"INDIRIMYAZI", String, "indirim_yazi(b.ind1, b.ind2, b.ind3, b.ind4)"},
    {"INDIRIMORANI1", Float, "b.ind1"},
    {"INDIRIMORANI2", Float, "b.ind2"},
    {"INDIRIMORANI3", Float, "b.ind3"},
    {"INDIRIMTUTAR", Float, "b.indirimtutar"},
    {"NETBIRIMFIYAT", Float, "b.netbirimfiyat"},
    {"KDV", Float, "b.kdv"},
    {"VERGITUTARI", Float, "b.vergitutari"},
    {"NETTUTAR", Float, "b.nettutar"},
    {"KUR", String, "'TL'"},
    {"KURTL", Float, "1.0"},
    {"VERENIDNO", Integer, "b.veren_id"},
    {"SAAT", Time, "b.verilis_tarihi - floor(b.verilis_tarihi)"},
    {"TESLIMID", Integer, "0"},
    {"KARGOID", Integer, "0"},
    {"ACIKLAMA", String, "b.aciklama"},
    {"IDNO", Integer, "0"},
    {"VERENSIRANO", Integer, "b.veren_id"},
    {"KDVLITUTAR", Float, "b.kdvlitutar"},
    {"VEREN", String, "coalesce(k.adi, '')"},
    {"CARIKOD", String, "c.carikod"},
    {"CARIADI", String, "c.cariadi"},
    OEM1,
    OEM2,
    OEM3,
    OEM4,
    DIGERADI,
    DPKOD,
    PKOD,
    STOK_STOKNO,
    URETICIKODU,
    MARKA,
    MODEL,
    ANAGRUP,
    OZELKOD,
    DURUM,
    KALAN,
    {"INDIRIMORANI4", Float, "b.ind4"},
};

void SepetVer2(MethodContext& call) {
  static const std::string sql = "SELECT " + kSepet.SecimListesi() +
                                 " FROM sepet b JOIN stok s ON s.stokno = b.stokno JOIN cari c ON c.carino = b.carino "
                                 "LEFT JOIN kullanici k ON k.sirano = b.veren_id WHERE b.carino = ?1 ORDER BY b.sirano";
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(call.Integer(0));
  call.ReturnTable(sorgu, kSepet.Kolonlar());
}

// The overdue sentence when debits are unpaid past their due date, then the dealer's own
// warning for the account; empty when there is neither.
void CariVadeGunGecmismiBul(MethodContext& call) {
  Database& db = call.Db();
  const std::int32_t carino = call.Integer(0);
  std::string uyari;
  const Gecikme gecikme = GecikmeBul(db, carino, Simdi(db));
  if (gecikme.tutar > 0) {
    uyari = "Vadesi geçmiş bakiyeniz " + FormatFloat(ParaBicimi, gecikme.tutar, TurkceAyiraclar) +
            " TL (en eski borç " + std::to_string(gecikme.enEskiGun) + " gün gecikmiş). Lütfen ödemenizi yapınız.";
  }
  Statement& sorgu = db.Prepare("SELECT uyari FROM cari WHERE carino = ?1");
  sorgu.BindAll(carino);
  if (sorgu.Step() && !sorgu.Text(0).empty()) uyari += (uyari.empty() ? "" : " ") + std::string(sorgu.Text(0));
  sorgu.Reset();
  call.ReturnText(uyari);
}

struct StokFiyati {
  std::string barkod;
  std::string adi;
  double kdv = 0;
  bool kampanya = false;
  double birimFiyat = 0;  // the account's price: the campaign price, or the list price
  Oranlar oranlar{};      // the account's rates; none on campaign items
};

std::optional<StokFiyati> StokFiyatiBul(Database& db, std::int64_t stokno, std::int64_t carino) {
  Statement& sorgu = db.Prepare(
      "SELECT s.barkod, s.adi, s.kdv, s.kampanya, s.kampfiyat, s.listefiyat, c.ind1, c.ind2, c.ind3, c.ind4 "
      "FROM stok s JOIN cari c ON c.carino = ?2 WHERE s.stokno = ?1");
  sorgu.BindAll(stokno, carino);
  std::optional<StokFiyati> fiyat;
  if (sorgu.Step()) {
    fiyat = StokFiyati{std::string(sorgu.Text(0)), std::string(sorgu.Text(1)), sorgu.Double(2), sorgu.Int(3) != 0};
    fiyat->birimFiyat = fiyat->kampanya ? sorgu.Double(4) : sorgu.Double(5);
    if (!fiyat->kampanya) fiyat->oranlar = {sorgu.Double(6), sorgu.Double(7), sorgu.Double(8), sorgu.Double(9)};
  }
  sorgu.Reset();
  return fiyat;
}

// What a line's sender asks for: quantity, and for a representative also price and rates.
struct Istek {
  double miktar;
  double fiyat;
  Oranlar oranlar;
};

Istek IstekOku(const MethodContext& call) {
  return {call.Double(5), call.Double(7), {call.Double(8), call.Double(11), call.Double(12), call.Double(13)}};
}

// A quantity is above 0 and at most 100,000; a price a representative gives is not negative
// and at most a billion, a rate at most 100. Larger numbers are typing errors, and their
// amounts would overflow what a basket line can show.
bool GecerliIstek(const Istek& istek, bool satici) {
  if (!(istek.miktar > 0 && istek.miktar <= 100000)) return false;
  if (!satici) return true;
  if (istek.fiyat < 0 || istek.fiyat > 1e9) return false;
  for (double oran : istek.oranlar) {
    if (oran > 100) return false;
  }
  return true;
}

// The giver of ordinal 9 (verenid), who acts for the account of ordinal 1; nullopt when
// one of them is unknown, MethodError when he may not act for that account.
std::optional<Kullanici> VereniDogrula(MethodContext& call) {
  Database& db = call.Db();
  std::optional<Kullanici> veren = KullaniciBul(db, call.Integer(9));
  if (!veren || !CariVar(db, call.Integer(1))) return std::nullopt;
  HesapYetkisiniDogrula(db, *veren, call.Integer(1));
  return veren;
}

void SatiriYaz(Statement& komut, const SatirTutarlari& t) {
  komut.Bind(20, t.tutar)
      .Bind(21, t.indirimTutar)
      .Bind(22, t.netTutar)
      .Bind(23, t.netBirimFiyat)
      .Bind(24, t.vergiTutari)
      .Bind(25, t.kdvliTutar)
      .Run();
}

// Adds a ticked line; 1 when added, 0 when the account, the giver or the stock item is
// unknown, or the quantity or price is out of bounds. A customer's line takes the
// catalogue's price for his account; a representative's line the price and rates he gave.
void SepetEkle2(MethodContext& call) {
  Database& db = call.Db();
  Transaction transaction(db);
  const Istek istek = IstekOku(call);
  const std::optional<Kullanici> veren = VereniDogrula(call);
  const std::int32_t carino = call.Integer(1);
  const std::optional<StokFiyati> stok = veren ? StokFiyatiBul(db, call.Integer(2), carino) : std::nullopt;
  if (!stok || !GecerliIstek(istek, veren->Satici())) return call.ReturnInteger(0);
  const double fiyat = veren->Satici() ? istek.fiyat : stok->birimFiyat;
  const Oranlar oranlar = veren->Satici() ? istek.oranlar : stok->oranlar;
  Statement& ekle = db.Prepare(
      "INSERT INTO sepet(carino, stokno, barkod, stokadi, miktar, birimfiyat, ind1, ind2, ind3, ind4, kdv, kampanya, "
      "verilis_tarihi, veren_id, tutar, indirimtutar, nettutar, netbirimfiyat, vergitutari, kdvlitutar) "
      "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?20, ?21, ?22, ?23, ?24, ?25)");
  ekle.BindAll(carino, call.Integer(2), stok->barkod, stok->adi, istek.miktar, fiyat, oranlar[0], oranlar[1],
               oranlar[2], oranlar[3], stok->kdv, static_cast<int>(stok->kampanya), Simdi(db), veren->sirano);
  SatiriYaz(ekle, SatirHesapla(istek.miktar, fiyat, oranlar, stok->kdv));
  transaction.Commit();
  call.ReturnInteger(1);
}

// Changes the quantity of a line of the account (ordinal 10 is the line); a
// representative also sets its price and rates. 1 when changed, 0 when the line, the
// account or the giver is unknown or the quantity or price is out of bounds.
void SepetGuncelle2(MethodContext& call) {
  Database& db = call.Db();
  Transaction transaction(db);
  const Istek istek = IstekOku(call);
  const std::optional<Kullanici> veren = VereniDogrula(call);
  if (!veren || !GecerliIstek(istek, veren->Satici())) return call.ReturnInteger(0);
  Statement& satir =
      db.Prepare("SELECT birimfiyat, ind1, ind2, ind3, ind4, kdv FROM sepet WHERE sirano = ?1 AND carino = ?2");
  satir.BindAll(call.Integer(10), call.Integer(1));
  if (!satir.Step()) {
    satir.Reset();
    return call.ReturnInteger(0);
  }
  const double fiyat = veren->Satici() ? istek.fiyat : satir.Double(0);
  const Oranlar oranlar =
      veren->Satici() ? istek.oranlar : Oranlar{satir.Double(1), satir.Double(2), satir.Double(3), satir.Double(4)};
  const double kdv = satir.Double(5);
  satir.Reset();
  Statement& guncelle = db.Prepare(
      "UPDATE sepet SET miktar = ?2, birimfiyat = ?3, ind1 = ?4, ind2 = ?5, ind3 = ?6, ind4 = ?7, tutar = ?20, "
      "indirimtutar = ?21, nettutar = ?22, netbirimfiyat = ?23, vergitutari = ?24, kdvlitutar = ?25 "
      "WHERE sirano = ?1");
  guncelle.BindAll(call.Integer(10), istek.miktar, fiyat, oranlar[0], oranlar[1], oranlar[2], oranlar[3]);
  SatiriYaz(guncelle, SatirHesapla(istek.miktar, fiyat, oranlar, kdv));
  transaction.Commit();
  call.ReturnInteger(1);
}

// Ticks (secim not 0) or unticks a line; an unknown line changes nothing.
void SepetSecimGuncelle(MethodContext& call) {
  Database& db = call.Db();
  Transaction transaction(db);
  db.Prepare("UPDATE sepet SET sec = ?2 WHERE sirano = ?1")
      .BindAll(call.Integer(0), call.Integer(1) != 0 ? 1 : 0)
      .Run();
  transaction.Commit();
}

// The session's user acting for the session's account, for deleting; false when either is
// unknown.
bool OturumYetkili(MethodContext& call) {
  Database& db = call.Db();
  const TSonucBilgisi& bilgi = call.Record(0);
  const std::optional<Kullanici> kullanici = KullaniciBul(db, bilgi.Sirano());
  if (!kullanici || !CariVar(db, bilgi.CARINO())) return false;
  HesapYetkisiniDogrula(db, *kullanici, bilgi.CARINO());
  return true;
}

// Deletes a line of the session's account; answers how many lines went (0 or 1).
void SepetSatirSil(MethodContext& call) {
  Database& db = call.Db();
  Transaction transaction(db);
  if (!OturumYetkili(call)) return call.ReturnInteger(0);
  db.Prepare("DELETE FROM sepet WHERE sirano = ?1 AND carino = ?2")
      .BindAll(call.Integer(1), call.Record(0).CARINO())
      .Run();
  const int silinen = db.Changes();
  transaction.Commit();
  call.ReturnInteger(silinen);
}

// Empties the session's account's basket; answers how many lines went.
void SepetHepsiniSil(MethodContext& call) {
  Database& db = call.Db();
  Transaction transaction(db);
  if (!OturumYetkili(call)) return call.ReturnInteger(0);
  db.Prepare("DELETE FROM sepet WHERE carino = ?1").BindAll(call.Record(0).CARINO()).Run();
  const int silinen = db.Changes();
  transaction.Commit();
  call.ReturnInteger(silinen);
}

}  // namespace

void RegisterSepetMethods(MethodRegistry& registry) {
  registry.Add("SepetVer2", SepetVer2);
  registry.Add("CariVadeGunGecmismiBul", CariVadeGunGecmismiBul);
  registry.Add("SepetEkle2", SepetEkle2);
  registry.Add("SepetGuncelle2", SepetGuncelle2);
  registry.Add("SepetSecimGuncelle", SepetSecimGuncelle);
  registry.Add("SepetSatirSil", SepetSatirSil);
  registry.Add("SepetHepsiniSil", SepetHepsiniSil);
}

}  // namespace zorvat::server
