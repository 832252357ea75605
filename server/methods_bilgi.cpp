// What the dealer shows around the pages: the scrolling text, the page counters, the
// announcements, the three banners and the opening advertisements.
#include <optional>
#include <string>
#include <vector>

#include "remote/records.h"
#include "server/hesap.h"
#include "server/methods.h"
#include "server/sonuc_sekli.h"

namespace zorvat::server {

namespace {

using enum FieldType;

// HTML; empty when the dealer has set none.
void KayanYaziGetir(MethodContext& call) {
  Statement& sorgu = call.Db().Prepare("SELECT deger FROM ayar WHERE anahtar = 'kayan_yazi'");
  const std::string yazi = sorgu.Step() ? std::string(sorgu.Text(0)) : std::string();
  sorgu.Reset();
  call.ReturnText(yazi);
}

// One row, read by position: the lines in the account's basket, the new items, the
// campaign items (none for users of kind 4, who work without campaigns), the
// announcements, and the quantity still to be delivered on the account's orders. Each
// count is what the page it belongs to lists.
const SonucSekli kBalonlar{
    {"SEPET", Integer, "(SELECT count(*) FROM sepet WHERE carino = ?1)"},
    {"YENI", Integer, "(SELECT count(*) FROM stok WHERE yeni = 1)"},
    {"KAMPANYA", Integer, "(SELECT count(*) FROM stok WHERE kampanya = 1 AND ?2 <> 4)"},
    {"DUYURU", Integer, "(SELECT count(*) FROM duyuru)"},
    {"BAKIYE", Float,
     "(SELECT coalesce(sum(ss.kalan), 0.0) FROM siparis_satir ss JOIN siparis o ON o.idno = ss.idno "
     "WHERE o.carino = ?1 AND ss.kalan > 0)"},
};

// The counters of the session's account. A representative who has not picked a customer
// yet (an account that does not exist) has an empty basket and no balance.
void BalonGetir(MethodContext& call) {
  Database& db = call.Db();
  const TSonucBilgisi& bilgi = call.Record(0);
  const std::optional<Kullanici> kullanici = KullaniciBul(db, bilgi.Sirano());
  if (!kullanici) throw MethodError("Kullanıcı bulunamadı !");
  if (CariVar(db, bilgi.CARINO())) HesapYetkisiniDogrula(db, *kullanici, bilgi.CARINO());
  static const std::string sql = "SELECT " + kBalonlar.SecimListesi();
  Statement& sorgu = db.Prepare(sql);
  sorgu.BindAll(bilgi.CARINO(), kullanici->tur);
  call.ReturnTable(sorgu, kBalonlar.Kolonlar());
}

TAcilisEkran EkranOku(const Statement& satir) {
  TAcilisEkran ekran;
  ekran.SetSiraNo(static_cast<std::int32_t>(satir.Int(0)));
  ekran.SetResim(std::string(satir.Text(1)));
  ekran.SetBaslik(std::string(satir.Text(2)));
  ekran.SetArama(std::string(satir.Text(3)));
  return ekran;
}

// Every announcement in the dealer's order.
void AcilisEkranlarVer2(MethodContext& call) {
  Statement& sorgu = call.Db().Prepare("SELECT sirano, resim, baslik, arama FROM duyuru ORDER BY sirano");
  std::vector<TAcilisEkran> ekranlar;
  while (sorgu.Step()) ekranlar.push_back(EkranOku(sorgu));
  sorgu.Reset();
  TAcilisEkranlariki liste;
  liste.SetEkranlar(ekranlar);
  call.ReturnRecord(liste);
}

// A banner's bytes; length 0 when the dealer has none in that place.
void BannerVer(MethodContext& call, int yer) {
  Statement& sorgu = call.Db().Prepare("SELECT veri FROM banner WHERE yer = ?1");
  sorgu.BindAll(yer);
  const std::string veri = sorgu.Step() ? std::string(sorgu.Blob(0)) : std::string();
  sorgu.Reset();
  call.ReturnStream(veri);
}

void AcilisReklamAdet(MethodContext& call) {
  Statement& sorgu = call.Db().Prepare("SELECT count(*) FROM acilis_reklam");
  sorgu.Step();
  const auto adet = static_cast<std::int32_t>(sorgu.Int(0));
  sorgu.Reset();
  call.ReturnInteger(adet);
}

// The advertisement at a position counted from 0 in the dealer's order. A position out of
// range is an error: the advertisement window keeps what it shows, and no empty record
// passes for an advertisement.
void AcilisREklamVer(MethodContext& call) {
  const std::int32_t sira = call.Integer(0);
  Statement& sorgu =
      call.Db().Prepare("SELECT sirano, resim, baslik, arama FROM acilis_reklam ORDER BY sirano LIMIT 1 OFFSET ?1");
  sorgu.BindAll(sira);
  if (sira < 0 || !sorgu.Step()) {
    sorgu.Reset();
    throw MethodError("Açılış reklamı bulunamadı: sıra " + std::to_string(sira));
  }
  const TAcilisEkran ekran = EkranOku(sorgu);
  sorgu.Reset();
  call.ReturnRecord(ekran);
}

}  // namespace

void RegisterBilgiMethods(MethodRegistry& registry) {
  registry.Add("KayanYaziGetir", KayanYaziGetir);
  registry.Add("BalonGetir", BalonGetir);
  registry.Add("AcilisEkranlarVer2", AcilisEkranlarVer2);
  registry.Add("BannerResimVer", [](MethodContext& call) { BannerVer(call, 1); });
  registry.Add("BannerResimVer2", [](MethodContext& call) { BannerVer(call, 2); });
  registry.Add("BannerResimVer3", [](MethodContext& call) { BannerVer(call, 3); });
  registry.Add("AcilisReklamAdet", AcilisReklamAdet);
  registry.Add("AcilisREklamVer", AcilisREklamVer);
}

}  // namespace zorvat::server
