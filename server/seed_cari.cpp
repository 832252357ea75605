// The demonstration accounts: two sales representatives, a few hundred customer
// accounts across Turkey, and the users of the demonstration (see README.md).
#include <array>
#include <string>
#include <string_view>

#include "server/arama_metni.h"
#include "server/seed_ortak.h"

namespace zorvat::server::demo {

namespace {

constexpr int kCariSayisi = 300;
constexpr std::string_view kSifre = "1234";

struct Satici {
  std::int64_t no;
  std::string_view adi, telefon, mail;
  std::int64_t kullanici;  // the representative's own user
};

constexpr Satici kSaticilar[] = {
    {1, "Murat Kaya", "0532 411 27 35", "murat.kaya@zorvatoto.com.tr", 1},
    {2, "Ozan Şahin", "0533 628 14 90", "ozan.sahin@zorvatoto.com.tr", 2},
};

struct Sehir {
  std::string_view il, ilce, alanKodu, bolge;
};

constexpr Sehir kSehirler[] = {
    {"Ankara", "Yenimahalle", "312", "İÇ ANADOLU"},
    {"İstanbul", "Başakşehir", "212", "MARMARA"},
    {"İzmir", "Bornova", "232", "EGE"},
    {"Bursa", "Osmangazi", "224", "MARMARA"},
    {"Konya", "Karatay", "332", "İÇ ANADOLU"},
    {"Kayseri", "Melikgazi", "352", "İÇ ANADOLU"},
    {"Eskişehir", "Odunpazarı", "222", "İÇ ANADOLU"},
    {"Adana", "Seyhan", "322", "AKDENİZ"},
    {"Antalya", "Kepez", "242", "AKDENİZ"},
    {"Gaziantep", "Şehitkamil", "342", "GÜNEYDOĞU ANADOLU"},
    {"Samsun", "İlkadım", "362", "KARADENİZ"},
    {"Trabzon", "Ortahisar", "462", "KARADENİZ"},
    {"Diyarbakır", "Bağlar", "412", "GÜNEYDOĞU ANADOLU"},
    {"Erzurum", "Yakutiye", "442", "DOĞU ANADOLU"},
    {"Sivas", "Merkez", "346", "İÇ ANADOLU"},
    {"Denizli", "Merkezefendi", "258", "EGE"},
    {"Manisa", "Yunusemre", "236", "EGE"},
    {"Kocaeli", "İzmit", "262", "MARMARA"},
    {"Sakarya", "Adapazarı", "264", "MARMARA"},
    {"Malatya", "Battalgazi", "422", "DOĞU ANADOLU"},
};

constexpr std::string_view kSoyadlar[] = {
    "YILMAZ",  "KAYA",   "DEMİR",   "ŞAHİN", "ÇELİK", "YILDIRIM", "ÖZTÜRK", "AYDIN",  "ÖZDEMİR", "ARSLAN",
    "DOĞAN",   "KILIÇ",  "ÇETİN",   "KARA",  "KOÇ",   "KURT",     "ÖZKAN",  "ŞİMŞEK", "POLAT",   "ÖZCAN",
    "KORKMAZ", "ÇAKIR",  "ERDOĞAN", "YAVUZ", "ACAR",  "AKTAŞ",    "GÜLER",  "YALÇIN", "GÜNEŞ",   "BOZKURT",
    "BULUT",   "KESKİN", "ÜNAL",    "TURAN", "ÖZER",  "TEKİN",    "SARI",   "UYSAL",  "DURMAZ",  "ERGÜN"};

constexpr std::string_view kAdlar[] = {"AHMET",   "MEHMET", "MUSTAFA", "ALİ",    "HÜSEYİN", "HASAN",
                                       "İBRAHİM", "MURAT",  "OSMAN",   "EMRE",   "SERKAN",  "KEMAL",
                                       "FATMA",   "AYŞE",   "EMİNE",   "ZEYNEP", "HÜLYA",   "CENGİZ"};

constexpr std::string_view kFirmaTurleri[] = {" OTO YEDEK PARÇA", " OTOMOTİV LTD. ŞTİ.", " KARDEŞLER OTO",
                                              " FREN DEBRİYAJ",   " OTO ELEKTRİK",       " RADYATÖR VE SOĞUTMA",
                                              " OTO SANAYİ TİC.", " YEDEK PARÇA A.Ş."};

constexpr const char* kUyari = "Hesabınız takip listesindedir; sevkiyat için muhasebe onayı gereklidir.";

// The four accounts of the demonstration users come first, with names one remembers.
struct SabitCari {
  std::string_view adi;
  int sehir;
  Oranlar oranlar;
  int vade;
  bool vadesiGecmis;
};

constexpr SabitCari kSabitCariler[] = {
    {"YILDIZ OTO YEDEK PARÇA LTD. ŞTİ.", 0, {10, 5, 0, 0}, 60, true},
    {"KARADENİZ OTOMOTİV SAN. TİC. A.Ş.", 10, {15, 0, 0, 0}, 45, false},
    {"EGE DİNAMİK OTO PARÇA", 2, {5, 2.5, 0, 0}, 30, false},
    {"ANADOLU FREN VE DEBRİYAJ", 4, {12, 0, 0, 0}, 60, false},
};

struct Kullanici {
  std::int64_t sirano;
  std::string_view adi;
  int tur;
  bool aktif;
  std::int64_t carino;    // 0 for a representative
  std::int64_t saticiNo;  // 0 for a customer user
  std::string_view mail;
};

constexpr Kullanici kKullanicilar[] = {
    {1, "MURAT", 1, true, 0, 1, "murat.kaya@zorvatoto.com.tr"},
    {2, "OZAN", 2, true, 0, 2, "ozan.sahin@zorvatoto.com.tr"},
    {3, "AHMET", 0, true, 1, 0, "ahmet@yildizoto.com.tr"},
    {4, "MEHMET", 3, true, 2, 0, "mehmet@karadenizotomotiv.com.tr"},
    {5, "HASAN", 4, true, 3, 0, "hasan@egedinamik.com.tr"},
    {6, "TOLGA", 0, false, 4, 0, "tolga@anadolufren.com.tr"},
};

std::string Rakamlar(Rastgele& rastgele, int adet) {
  std::string metin;
  for (int i = 0; i < adet; ++i) metin.push_back(static_cast<char>('0' + rastgele.Aralik(0, 9)));
  return metin;
}

std::string Telefon(Rastgele& rastgele, std::string_view alanKodu) {
  std::string telefon = "0" + std::string(alanKodu);
  for (int adet : {3, 2, 2}) telefon += " " + Rakamlar(rastgele, adet);
  return telefon;
}

// The part of a name that can stand in an e-mail address: folded, letters and digits only.
std::string PostaAdi(std::string_view ad) {
  std::string yalin;
  for (char c : AramaMetni(ad)) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) yalin.push_back(c);
  }
  return yalin;
}

void SaticilariYaz(Baglam& baglam) {
  Statement& ekle = baglam.db.Prepare("INSERT INTO satici(satici_no, adi, telefon, mail) VALUES(?1, ?2, ?3, ?4)");
  for (const Satici& satici : kSaticilar) ekle.BindAll(satici.no, satici.adi, satici.telefon, satici.mail).Run();
}

struct CariKarti {
  std::string adi, ozelkod, anagrup, kod1, kod2, adres1, adres2, tel1, tel2, fax1, gsm, email, yetkili, vergino;
  const Sehir* sehir = nullptr;
};

// Every random choice in its own statement, so the sequence is the same with any compiler.
CariKarti KartOlustur(Rastgele& r, int sira) {
  const bool sabit = sira < static_cast<int>(std::size(kSabitCariler));
  CariKarti kart;
  const std::string soyad(r.Sec(std::span<const std::string_view>(kSoyadlar)));
  kart.sehir = &kSehirler[sabit ? kSabitCariler[sira].sehir : r.Aralik(0, static_cast<int>(std::size(kSehirler)) - 1)];
  kart.adi = sabit ? std::string(kSabitCariler[sira].adi)
                   : soyad + std::string(r.Sec(std::span<const std::string_view>(kFirmaTurleri)));
  kart.ozelkod = r.Olasilik(0.7) ? "BAYİ" : "SERVİS";
  kart.anagrup = r.Olasilik(0.8) ? "OTO YEDEK PARÇA" : "OTO SERVİS";
  kart.kod1 = r.Olasilik(0.3) ? "A" : "B";
  kart.kod2 = r.Olasilik(0.5) ? "PERAKENDE" : "TOPTAN";
  kart.adres1 = "Oto Sanayi Sitesi " + std::to_string(r.Aralik(1, 40));
  kart.adres1 += ". Blok No: " + std::to_string(r.Aralik(1, 60));
  kart.adres2 = r.Olasilik(0.5) ? "Küçük Sanayi Bölgesi" : "";
  kart.tel1 = Telefon(r, kart.sehir->alanKodu);
  kart.tel2 = r.Olasilik(0.4) ? Telefon(r, kart.sehir->alanKodu) : "";
  kart.fax1 = r.Olasilik(0.6) ? Telefon(r, kart.sehir->alanKodu) : "";
  kart.gsm = "05" + Rakamlar(r, 2);
  for (int adet : {3, 2, 2}) kart.gsm += " " + Rakamlar(r, adet);
  kart.email = "info@" + PostaAdi(kart.adi.substr(0, kart.adi.find(' '))) + "oto.com.tr";
  kart.yetkili = std::string(r.Sec(std::span<const std::string_view>(kAdlar))) + " " + soyad;
  kart.vergino = Rakamlar(r, 10);
  return kart;
}

CariOzet CariYaz(Baglam& baglam, int sira) {
  Rastgele& r = baglam.rastgele;
  const CariKarti kart = KartOlustur(r, sira);
  CariOzet cari;
  cari.carino = sira + 1;
  cari.carikod = "120.01." + std::to_string(1000 + sira + 1);
  cari.saticiNo = sira % 2 == 0 ? 1 : 2;
  cari.saticiKullanici = kSaticilar[cari.saticiNo - 1].kullanici;
  if (sira < static_cast<int>(std::size(kSabitCariler))) {
    cari.oranlar = kSabitCariler[sira].oranlar;
    cari.vade = kSabitCariler[sira].vade;
    cari.vadesiGecmis = kSabitCariler[sira].vadesiGecmis;
  } else {
    constexpr double kOran1[] = {0, 5, 10, 12, 15, 20};
    constexpr double kOran2[] = {0, 0, 0, 2.5, 5};
    constexpr int kVadeler[] = {30, 45, 60, 90};
    cari.oranlar[0] = r.Sec(std::span<const double>(kOran1));
    cari.oranlar[1] = r.Sec(std::span<const double>(kOran2));
    cari.oranlar[2] = r.Olasilik(0.15) ? 2.0 : 0.0;
    cari.vade = r.Sec(std::span<const int>(kVadeler));
    cari.vadesiGecmis = sira % 9 == 5;
  }
  baglam.db
      .Prepare(
          "INSERT INTO cari(carino, carikod, cariadi, ozelkod, anagrup, altgrup, kod1, kod2, kod3, adres1, adres2, "
          "ilce, il, tel1, tel2, fax1, gsm, email, yetkili, vergidairesi, vergino, satici_no, ind1, ind2, ind3, ind4, "
          "vade, vadekontrolgun, vadekontrolay, uyari) "
          "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, "
          "?23, ?24, ?25, ?26, ?27, ?28, ?29, ?30)")
      .BindAll(cari.carino, cari.carikod, kart.adi, kart.ozelkod, kart.anagrup, kart.sehir->bolge, kart.kod1, kart.kod2,
               kart.sehir->il, kart.adres1, kart.adres2, kart.sehir->ilce, kart.sehir->il, kart.tel1, kart.tel2,
               kart.fax1, kart.gsm, kart.email, kart.yetkili, std::string(kart.sehir->ilce) + " V.D.", kart.vergino,
               cari.saticiNo, cari.oranlar[0], cari.oranlar[1], cari.oranlar[2], cari.oranlar[3], cari.vade,
               cari.vade + 15, cari.vade / 30, cari.vadesiGecmis && sira % 2 == 0 ? kUyari : "")
      .Run();
  return cari;
}

void KullanicilariYaz(Baglam& baglam) {
  Statement& ekle = baglam.db.Prepare(
      "INSERT INTO kullanici(sirano, bilgisayar_id, adi, sifre, mail, tur, aktif, carino, satici_no) "
      "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, nullif(?8, 0), nullif(?9, 0))");
  for (const Kullanici& k : kKullanicilar) {
    ekle.BindAll(k.sirano, "DEMO-" + std::string(k.adi), k.adi, kSifre, k.mail, k.tur, static_cast<int>(k.aktif),
                 k.carino, k.saticiNo)
        .Run();
    if (k.carino > 0) baglam.cariler[static_cast<std::size_t>(k.carino - 1)].kullanici = k.sirano;
  }
}

}  // namespace

void CarileriYaz(Baglam& baglam) {
  SaticilariYaz(baglam);
  for (int sira = 0; sira < kCariSayisi; ++sira) baglam.cariler.push_back(CariYaz(baglam, sira));
  KullanicilariYaz(baglam);
}

}  // namespace zorvat::server::demo
