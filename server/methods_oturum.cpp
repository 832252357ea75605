// Login and registration: the session record of a computer, the account card, and the
// mail the client sends through the server (kept in the table posta).
#include "remote/records.h"
#include "server/hesap.h"
#include "server/methods.h"
#include "server/schema.h"

namespace zorvat::server {

namespace {

// The user registered for a computer, with his account and representative. A customer's
// representative is his account's; a representative is his own.
constexpr const char* kKullaniciSorgusu =
    "SELECT k.sirano, k.adi, k.sifre, k.mail, k.tur, k.aktif, coalesce(c.carino, 0), coalesce(c.carikod, ''), "
    "coalesce(c.cariadi, ''), coalesce(s.satici_no, 0), coalesce(s.adi, ''), coalesce(s.telefon, ''), "
    "coalesce(s.mail, '') "
    "FROM kullanici k LEFT JOIN cari c ON c.carino = k.carino "
    "LEFT JOIN satici s ON s.satici_no = coalesce(k.satici_no, c.satici_no) "
    "WHERE k.bilgisayar_id = ?1";

std::string Metin(const Statement& satir, int sutun) { return std::string(satir.Text(sutun)); }
std::int32_t Sayi(const Statement& satir, int sutun) { return static_cast<std::int32_t>(satir.Int(sutun)); }

// An unknown computer gets a record too, with Varmi false, so the client offers the
// request form; the offered version comes first, so an outdated client updates first.
void BuyukGetir(MethodContext& call) {
  const std::string& idsi = call.Text(0);
  Database& db = call.Db();
  TSonucBilgisi bilgi;
  bilgi.SetBILGISAYARID(idsi);
  bilgi.SetVersion(ClientVersion(db));
  bilgi.SetMusteriTipi(0);
  Statement& satir = db.Prepare(kKullaniciSorgusu);
  satir.BindAll(idsi);
  if (!idsi.empty() && satir.Step()) {
    bilgi.SetVarmi(true);
    bilgi.SetSirano(Sayi(satir, 0));
    bilgi.SetADI(Metin(satir, 1));
    bilgi.SetSIFRE(Metin(satir, 2));
    bilgi.SetKullanicimail(Metin(satir, 3));
    bilgi.SetMusteriTipi(Sayi(satir, 4));
    bilgi.SetAKTIF(Sayi(satir, 5));
    bilgi.SetCARINO(Sayi(satir, 6));
    bilgi.Setcarikod(Metin(satir, 7));
    bilgi.SetCariAdi(Metin(satir, 8));
    bilgi.SetSaticiNo(Sayi(satir, 9));
    bilgi.SetSaticiAdi(Metin(satir, 10));
    bilgi.SetSaticiTelefon(Metin(satir, 11));
    bilgi.SetSaticiMail(Metin(satir, 12));
  }
  satir.Reset();
  call.ReturnRecord(bilgi);
}

// The card of the account registered for the computer (a representative has no account
// of his own: his card carries only his user and his own data). None for an unknown
// computer.
void MobilCariBilgisiGetir(MethodContext& call) {
  const std::string& idsi = call.Text(1);
  Database& db = call.Db();
  Statement& sorgu = db.Prepare(
      "SELECT k.adi, k.sifre, k.mail, coalesce(c.carino, 0), coalesce(c.carikod, ''), coalesce(c.cariadi, ''), "
      "coalesce(c.ozelkod, ''), coalesce(c.anagrup, ''), coalesce(c.altgrup, ''), coalesce(c.adres1, ''), "
      "coalesce(c.adres2, ''), coalesce(c.ilce, ''), coalesce(c.il, ''), coalesce(c.ulke, ''), "
      "coalesce(c.tel1, ''), coalesce(c.tel2, ''), coalesce(c.fax1, ''), coalesce(c.fax2, ''), "
      "coalesce(c.gsm, ''), coalesce(c.email, ''), coalesce(c.yetkili, ''), coalesce(c.vergidairesi, ''), "
      "coalesce(c.vergino, ''), coalesce(s.adi, ''), coalesce(s.telefon, ''), coalesce(s.mail, '') "
      "FROM kullanici k LEFT JOIN cari c ON c.carino = k.carino "
      "LEFT JOIN satici s ON s.satici_no = coalesce(k.satici_no, c.satici_no) "
      "WHERE k.bilgisayar_id = ?1");
  sorgu.BindAll(idsi);
  if (idsi.empty() || !sorgu.Step()) {
    sorgu.Reset();
    call.ReturnNull();
    return;
  }
  TMobilCariBilgisi kart;
  kart.SetBILGISAYARID(idsi);
  kart.SetKULLANICIADI(Metin(sorgu, 0));
  kart.SetSIFRE(Metin(sorgu, 1));
  kart.SetMAIL(Metin(sorgu, 2));
  kart.SetCARINO(Sayi(sorgu, 3));
  kart.SetCARIKOD(Metin(sorgu, 4));
  kart.SetCARIADI(Metin(sorgu, 5));
  kart.SetOzelKod(Metin(sorgu, 6));
  kart.SetAnaGrup(Metin(sorgu, 7));
  kart.SetAltGrup(Metin(sorgu, 8));
  kart.SetADRES1(Metin(sorgu, 9));
  kart.SetADRES2(Metin(sorgu, 10));
  kart.SetILCE(Metin(sorgu, 11));
  kart.SetSEHIR(Metin(sorgu, 12));
  kart.SetULKE(Metin(sorgu, 13));
  kart.SetTEL1(Metin(sorgu, 14));
  kart.SetTEL2(Metin(sorgu, 15));
  kart.SetFAX1(Metin(sorgu, 16));
  kart.SetFAX2(Metin(sorgu, 17));
  kart.SetGSM(Metin(sorgu, 18));
  kart.SetEMAIL(Metin(sorgu, 19));
  kart.SetYETKILI(Metin(sorgu, 20));
  kart.SetVERGIDAIRESI(Metin(sorgu, 21));
  kart.SetVERGINO(Metin(sorgu, 22));
  kart.SetSATICIADI(Metin(sorgu, 23));
  kart.SetSATICITELEFON(Metin(sorgu, 24));
  kart.SetSATICIMAIL(Metin(sorgu, 25));
  sorgu.Reset();
  const CariBakiye bakiye = BakiyeBul(db, kart.CARINO());
  kart.SetTLBORC(bakiye.borc);
  kart.SetTLALACAK(bakiye.alacak);
  kart.SetTLBAKIYE(bakiye.bakiye);
  call.ReturnRecord(kart);
}

// Both mail methods keep the mail: the sixteen texts, and the seventeenth (the message)
// when there is one. The answer 1 says it was kept.
void PostaSakla(MethodContext& call) {
  constexpr int kAlanSayisi = 16;
  Database& db = call.Db();
  Transaction transaction(db);
  Statement& ekle = db.Prepare(
      "INSERT INTO posta(zaman, bilgisayar_id, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, "
      "yetkili, kullaniciadi, sifre, mail, kargoambar, konu) "
      "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18)");
  ekle.Bind(1, Simdi(db));
  for (int i = 0; i < kAlanSayisi; ++i) ekle.Bind(i + 2, call.Text(static_cast<std::size_t>(i)));
  ekle.Bind(kAlanSayisi + 2, call.Method().InputCount() > kAlanSayisi ? call.Text(kAlanSayisi) : std::string());
  ekle.Run();
  transaction.Commit();
  call.ReturnInteger(1);
}

}  // namespace

void RegisterOturumMethods(MethodRegistry& registry) {
  registry.Add("BuyukGetir", BuyukGetir);
  registry.Add("MobilCariBilgisiGetir", MobilCariBilgisiGetir);
  registry.Add("MailGonserCari", PostaSakla);
  registry.Add("MailGonserCariNormal", PostaSakla);
}

}  // namespace zorvat::server
