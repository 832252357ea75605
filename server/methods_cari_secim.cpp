// The customer selection of the sales representatives: their customers by search text or
// by the state of baskets and orders, and the counters of the state buttons. Each user
// sees only his own customers (a customer user his own account).
#include <optional>
#include <string>

#include "remote/records.h"
#include "server/arama_metni.h"
#include "server/hesap.h"
#include "server/methods.h"
#include "server/sonuc_sekli.h"

namespace zorvat::server {

namespace {

using enum FieldType;

// The balance goes as its amount with the side it stands on: "B" owed by the customer,
// "A" owed to him.
const SonucSekli kCariListesi{
    {"CARIKOD", String, "g.carikod"},
    {"CARIADI", String, "g.cariadi"},
    {"SATICISI", String, "g.saticisi"},
    {"TLBAKIYE", Float, "abs(g.bakiye)"},
    {"DURUM", String, "CASE WHEN g.bakiye > 0 THEN 'B' WHEN g.bakiye < 0 THEN 'A' ELSE '' END"},
    {"SEPET", Integer, "(SELECT count(*) FROM sepet b WHERE b.carino = g.carino)"},
    {"CARINO", Integer, "g.carino"},
    {"OZELKOD", String, "g.ozelkod"},
    {"KOD1", String, "g.kod1"},
    {"KOD2", String, "g.kod2"},
    {"KOD3", String, "g.kod3"},
    {"KOD4", String, "g.kod4"},
    {"KOD5", String, "g.kod5"},
    {"TEL1", String, "g.tel1"},
    {"TEL2", String, "g.tel2"},
    {"ILCE", String, "g.ilce"},
    {"IL", String, "g.il"},
    {"GSM", String, "g.gsm"},
    {"YETKILI", String, "g.yetkili"},
    {"INDIRIM", String, "indirim_yazi(g.ind1, g.ind2, g.ind3, g.ind4)"},
    {"VADE", Integer, "g.vade"},
    {"VADEKONTROLGUN", Integer, "g.vadekontrolgun"},
    {"VADEKONTROLAY", Integer, "g.vadekontrolay"},
    {"VERGIDAIRESI", String, "g.vergidairesi"},
    {"VERGINO", String, "g.vergino"},
    {"ADRES1", String, "g.adres1"},
    {"ADRES2", String, "g.adres2"},
    {"ANAGRUP", String, "g.anagrup"},
    {"ALTGRUP", String, "g.altgrup"},
    {"FAX1", String, "g.fax1"},
    {"FAX2", String, "g.fax2"},
    {"EMAIL", String, "g.email"},
    {"ALINDI", Integer, "(SELECT count(*) FROM siparis o WHERE o.carino = g.carino AND o.durum = 2)"},
    {"ONAYLANDI", Integer, "(SELECT count(*) FROM siparis o WHERE o.carino = g.carino AND o.durum = 3)"},
    {"GORULDU", Integer, "(SELECT count(*) FROM siparis o WHERE o.carino = g.carino AND o.durum = 4)"},
    {"HAZIRLANDI", Integer, "(SELECT count(*) FROM siparis o WHERE o.carino = g.carino AND o.durum = 6)"},
    {"PARCALIHAZIRLANDI", Integer, "(SELECT count(*) FROM siparis o WHERE o.carino = g.carino AND o.durum = 5)"},
};

// The visible customers (?1, ?2 from Gorunurluk) that meet `kosul`, by name.
std::string CariListesiSorgusu(std::string_view kosul) {
  return "WITH g AS (SELECT c.*, coalesce(s.adi, '') AS saticisi, "
         "coalesce((SELECT yuvarla2(sum(h.borc) - sum(h.alacak)) FROM cari_hareket h WHERE h.carino = c.carino), 0) "
         "AS bakiye FROM cari c LEFT JOIN satici s ON s.satici_no = c.satici_no "
         "WHERE (c.satici_no = ?1 OR c.carino = ?2) AND (" +
         std::string(kosul) + ")) SELECT " + kCariListesi.SecimListesi() + " FROM g ORDER BY g.cariadi, g.carino";
}

Gorunurluk OturumGorunurlugu(MethodContext& call) {
  return GorunurlukBul(KullaniciBul(call.Db(), call.Record(0).Sirano()));
}

// Every word of the text in the account's code, name, contact, city, district or special
// code; an empty text lists every visible customer.
void CariAra(MethodContext& call) {
  static const std::string sql = CariListesiSorgusu(
      "kelimeler_var(arama_metni(c.carikod || char(10) || c.cariadi || char(10) || c.yetkili || char(10) || c.il || "
      "char(10) || c.ilce || char(10) || c.ozelkod), ?3)");
  std::string kelimeler;
  for (const std::string& kelime : AranacakKelimeler(call.Text(1)))
    kelimeler += (kelimeler.empty() ? "" : "\n") + kelime;
  const Gorunurluk gorunurluk = OturumGorunurlugu(call);
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(gorunurluk.saticiNo, gorunurluk.carino, kelimeler);
  call.ReturnTable(sorgu, kCariListesi.Kolonlar());
}

// State 1: customers with lines in their basket; 2 to 7: customers with orders in that
// state (2 Alındı, 3 Onaylandı, 4 Görüldü, 5 Parçalı Hazırlandı, 6 Hazırlandı,
// 7 Sevk Edildi). Any other state lists nobody.
void CariSepetVer(MethodContext& call) {
  static const std::string sql = CariListesiSorgusu(
      "(?3 = 1 AND EXISTS (SELECT 1 FROM sepet b WHERE b.carino = c.carino)) OR "
      "EXISTS (SELECT 1 FROM siparis o WHERE o.carino = c.carino AND o.durum = ?3)");
  const Gorunurluk gorunurluk = OturumGorunurlugu(call);
  Statement& sorgu = call.Db().Prepare(sql);
  sorgu.BindAll(gorunurluk.saticiNo, gorunurluk.carino, call.Integer(1));
  call.ReturnTable(sorgu, kCariListesi.Kolonlar());
}

// How many visible customers have lines in their basket.
void SepetSayisi(MethodContext& call) {
  const Gorunurluk gorunurluk = OturumGorunurlugu(call);
  Statement& sorgu = call.Db().Prepare(
      "SELECT count(*) FROM cari c WHERE (c.satici_no = ?1 OR c.carino = ?2) "
      "AND EXISTS (SELECT 1 FROM sepet b WHERE b.carino = c.carino)");
  sorgu.BindAll(gorunurluk.saticiNo, gorunurluk.carino);
  sorgu.Step();
  const auto sayi = static_cast<std::int32_t>(sorgu.Int(0));
  sorgu.Reset();
  call.ReturnInteger(sayi);
}

// The visible customers' orders counted by state.
void TusSonuclariVer(MethodContext& call) {
  const Gorunurluk gorunurluk = OturumGorunurlugu(call);
  Statement& sorgu = call.Db().Prepare(
      "SELECT o.durum, count(*) FROM siparis o JOIN cari c ON c.carino = o.carino "
      "WHERE (c.satici_no = ?1 OR c.carino = ?2) GROUP BY o.durum");
  sorgu.BindAll(gorunurluk.saticiNo, gorunurluk.carino);
  TTusSonuclari sonuc;
  while (sorgu.Step()) {
    const auto adet = static_cast<std::int32_t>(sorgu.Int(1));
    switch (sorgu.Int(0)) {
      case 2:
        sonuc.SetAlindi(adet);
        break;
      case 3:
        sonuc.SetOnaylandi(adet);
        break;
      case 4:
        sonuc.SetGoruldu(adet);
        break;
      case 5:
        sonuc.SetParcaliHazirlandi(adet);
        break;
      case 6:
        sonuc.SetHazirlandi(adet);
        break;
      case 7:
        sonuc.SetSevkEdildi(adet);
        break;
    }
  }
  sorgu.Reset();
  call.ReturnRecord(sonuc);
}

}  // namespace

void RegisterCariSecimMethods(MethodRegistry& registry) {
  registry.Add("CariAra", CariAra);
  registry.Add("CariSepetVer", CariSepetVer);
  registry.Add("SepetSayisi", SepetSayisi);
  registry.Add("TusSonuclariVer", TusSonuclariVer);
}

}  // namespace zorvat::server
