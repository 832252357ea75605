#include "server/rapor_belgeleri.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "net/bicim.h"
#include "server/belge_bicimi.h"
#include "server/method_context.h"
#include "server/pdf_belgesi.h"

namespace zorvat::server {

namespace {

using Satirlar = std::vector<std::vector<std::string>>;

// The balance with the side it stands on: "B" owed by the customer, "A" owed to him.
std::string BakiyeYazisi(double bakiye) {
  const std::string tutar = ParaYazisi(std::abs(bakiye));
  return bakiye > 0 ? tutar + " B" : bakiye < 0 ? tutar + " A" : tutar;
}

std::string Metin(const Statement& satir, int sutun) { return std::string(satir.Text(sutun)); }

struct CariKarti {
  std::string adi, kod, satici, adres, telefon, indirim;
  std::int64_t vade = 0;
};

CariKarti CariKartiBul(Database& db, std::int64_t carino) {
  Statement& sorgu = db.Prepare(
      "SELECT c.cariadi, c.carikod, coalesce(sa.adi, ''), trim(c.adres1 || ' ' || c.adres2), "
      "c.ilce || ' / ' || c.il, c.tel1, indirim_yazi(c.ind1, c.ind2, c.ind3, c.ind4), c.vade "
      "FROM cari c LEFT JOIN satici sa ON sa.satici_no = c.satici_no WHERE c.carino = ?1");
  sorgu.BindAll(carino);
  sorgu.Step();
  CariKarti kart{Metin(sorgu, 0), Metin(sorgu, 1), Metin(sorgu, 2), Metin(sorgu, 3) + ", " + Metin(sorgu, 4),
                 Metin(sorgu, 5), Metin(sorgu, 6), sorgu.Int(7)};
  sorgu.Reset();
  return kart;
}

void KartYaz(PdfBelgesi& belge, const CariKarti& kart) {
  belge.Satir(kart.adi, true);
  belge.Satir("Cari Kod: " + kart.kod + "    Satıcı: " + kart.satici);
  belge.Satir("Adres: " + kart.adres);
  belge.Satir("Telefon: " + kart.telefon + "    Vade: " + std::to_string(kart.vade) +
              " gün    İndirim: " + (kart.indirim.empty() ? "yok" : "%" + kart.indirim));
}

// A movement with what the statement shows of it.
struct EkstreSatiri {
  CariHareket hareket;
  std::string tur, evrak;
};

std::vector<EkstreSatiri> EkstreBul(Database& db, std::int64_t carino, double gunSonrasi) {
  Statement& sorgu = db.Prepare(
      "SELECT tarih, borc, alacak, vade_tarihi, tur, evrak_no FROM cari_hareket WHERE carino = ?1 AND tarih < ?2 "
      "ORDER BY tarih, sirano");
  sorgu.BindAll(carino, gunSonrasi);
  std::vector<EkstreSatiri> ekstre;
  while (sorgu.Step()) {
    ekstre.push_back(
        {{sorgu.Double(0), sorgu.Double(1), sorgu.Double(2), sorgu.Double(3)}, Metin(sorgu, 4), Metin(sorgu, 5)});
  }
  sorgu.Reset();
  return ekstre;
}

Satirlar EkstreSatirlari(const std::vector<EkstreSatiri>& ekstre) {
  Satirlar satirlar;
  double bakiye = 0;
  for (const EkstreSatiri& s : ekstre) {
    bakiye = Yuvarla2(bakiye + s.hareket.borc - s.hareket.alacak);
    satirlar.push_back({TarihYazisi(s.hareket.tarih), s.tur, s.evrak,
                        s.hareket.borc > 0 ? TarihYazisi(s.hareket.vade) : "", ParaYazisi(s.hareket.borc),
                        ParaYazisi(s.hareket.alacak), BakiyeYazisi(bakiye)});
  }
  return satirlar;
}

// Invoice types as the statement and the invoices name them.
constexpr std::string_view kIadeFaturasi = "Satış İade Faturası";

struct Fatura {
  double tarih = 0;
  std::string evrak, tur, satici;
  double matrah = 0, kdv = 0, toplam = 0;
};

struct SaticiToplami {
  double satis = 0;
  double iade = 0;

  void Ekle(const Fatura& fatura) {
    double& hane = fatura.tur == kIadeFaturasi ? iade : satis;
    hane = Yuvarla2(hane + fatura.toplam);
  }
  std::vector<std::string> Satir(const std::string& baslik) const {
    return {baslik, ParaYazisi(satis), ParaYazisi(iade), ParaYazisi(Yuvarla2(satis - iade))};
  }
};

}  // namespace

HesapOzeti HesapOzetiBul(std::span<const CariHareket> hareketler, double gun) {
  const double bugun = std::floor(gun);
  HesapOzeti ozet;
  std::vector<VadeliBorc> borclar;
  for (const CariHareket& h : hareketler) {
    if (h.tarih >= bugun + 1) continue;
    ozet.borc += h.borc;
    ozet.alacak += h.alacak;
    if (h.borc > 0) borclar.push_back({h.borc, h.vade});
  }
  ozet.borc = Yuvarla2(ozet.borc);
  ozet.alacak = Yuvarla2(ozet.alacak);
  ozet.bakiye = Yuvarla2(ozet.borc - ozet.alacak);
  std::stable_sort(borclar.begin(), borclar.end(),
                   [](const VadeliBorc& a, const VadeliBorc& b) { return a.vade < b.vade; });
  const Gecikme gecikme = VadesiGecenler(borclar, ozet.alacak, bugun);
  ozet.vadesiGecmis = gecikme.tutar;
  ozet.enEskiGun = gecikme.enEskiGun;
  return ozet;
}

std::string CariOzetiBelgesi(Database& db, std::int64_t carino, double gun) {
  const std::string tarih = TarihYazisi(gun);
  const std::vector<EkstreSatiri> ekstre = EkstreBul(db, carino, std::floor(gun) + 1);
  std::vector<CariHareket> hareketler;
  for (const EkstreSatiri& s : ekstre) hareketler.push_back(s.hareket);
  const HesapOzeti ozet = HesapOzetiBul(hareketler, gun);

  PdfBelgesi belge("Cari Özeti");
  KartYaz(belge, CariKartiBul(db, carino));
  belge.Satir("Rapor Tarihi: " + tarih);
  belge.Bosluk();
  belge.Satir("Hesap Durumu (" + tarih + " gün sonu)", true);
  Satirlar durum = {{"Borç Toplamı", ParaYazisi(ozet.borc)},
                    {"Alacak Toplamı", ParaYazisi(ozet.alacak)},
                    {"Bakiye", BakiyeYazisi(ozet.bakiye)},
                    {"Vadesi Geçmiş Borç", ParaYazisi(ozet.vadesiGecmis)}};
  if (ozet.vadesiGecmis > 0) durum.push_back({"En Eski Gecikme", std::to_string(ozet.enEskiGun) + " gün"});
  belge.Tablo({{"", 200}, {"Tutar (TL)", 120, true}}, durum);
  belge.Bosluk();
  belge.Satir("Hesap Hareketleri", true);
  if (ekstre.empty()) {
    belge.Satir("Bu tarihe kadar hesap hareketi yok.");
  } else {
    belge.Tablo({{"Tarih", 60},
                 {"Tür", 105},
                 {"Evrak No", 75},
                 {"Vade", 60},
                 {"Borç", 70, true},
                 {"Alacak", 70, true},
                 {"Bakiye", 75, true}},
                EkstreSatirlari(ekstre));
  }
  return belge.Bayt();
}

std::string TopluVadeBelgesi(Database& db, const Kullanici& kullanici, double gun) {
  const std::string tarih = TarihYazisi(gun);
  const Gorunurluk gorunurluk = GorunurlukBul(kullanici);
  Statement& hareketSorgusu = db.Prepare(
      "SELECT h.carino, h.tarih, h.borc, h.alacak, h.vade_tarihi FROM cari_hareket h JOIN cari c ON c.carino = "
      "h.carino WHERE (c.satici_no = ?1 OR c.carino = ?2) AND h.tarih < ?3 ORDER BY h.carino, h.tarih, h.sirano");
  hareketSorgusu.BindAll(gorunurluk.saticiNo, gorunurluk.carino, std::floor(gun) + 1);
  std::map<std::int64_t, std::vector<CariHareket>> hareketler;
  while (hareketSorgusu.Step()) {
    hareketler[hareketSorgusu.Int(0)].push_back(
        {hareketSorgusu.Double(1), hareketSorgusu.Double(2), hareketSorgusu.Double(3), hareketSorgusu.Double(4)});
  }
  hareketSorgusu.Reset();

  Statement& cariler = db.Prepare(
      "SELECT carino, carikod, cariadi, vade FROM cari c WHERE (c.satici_no = ?1 OR c.carino = ?2) "
      "ORDER BY arama_metni(cariadi), carino");
  cariler.BindAll(gorunurluk.saticiNo, gorunurluk.carino);
  Satirlar satirlar;
  HesapOzeti toplam;
  while (cariler.Step()) {
    const HesapOzeti ozet = HesapOzetiBul(hareketler[cariler.Int(0)], gun);
    if (ozet.bakiye == 0) continue;
    toplam.bakiye = Yuvarla2(toplam.bakiye + ozet.bakiye);
    toplam.vadesiGecmis = Yuvarla2(toplam.vadesiGecmis + ozet.vadesiGecmis);
    satirlar.push_back({Metin(cariler, 1), Metin(cariler, 2), std::to_string(cariler.Int(3)), BakiyeYazisi(ozet.bakiye),
                        ParaYazisi(ozet.vadesiGecmis), ozet.vadesiGecmis > 0 ? std::to_string(ozet.enEskiGun) : ""});
  }
  cariler.Reset();
  satirlar.push_back({"", "TOPLAM", "", BakiyeYazisi(toplam.bakiye), ParaYazisi(toplam.vadesiGecmis), ""});

  PdfBelgesi belge("Cari Toplu Alacak Vadeleri");
  belge.Satir("Rapor Tarihi: " + tarih + " gün sonu");
  belge.Bosluk();
  belge.Satir("Vade ve gecikme gün, tutarlar TL olarak.");
  belge.Bosluk();
  belge.Tablo({{"Cari Kod", 65},
               {"Cari Adı", 165},
               {"Vade", 45, true},
               {"Bakiye", 90, true},
               {"Vadesi Geçmiş", 85, true},
               {"Gecikme", 65, true}},
              satirlar);
  return belge.Bayt();
}

std::string AlisSatisBelgesi(Database& db, std::int64_t carino, double ilkGun, double sonGun) {
  const std::string ilk = TarihYazisi(ilkGun);
  const std::string son = TarihYazisi(sonGun);
  Statement& sorgu = db.Prepare(
      "SELECT f.tarih, f.evrak_seri || printf('%06d', f.evrak_sira), f.tur, coalesce(sa.adi, ''), f.matrah, "
      "f.kdvtutar, f.kdvdahil FROM fatura f LEFT JOIN satici sa ON sa.satici_no = f.satici_no "
      "WHERE f.carino = ?1 AND f.tarih >= ?2 AND f.tarih < ?3 ORDER BY f.tarih, f.idno");
  sorgu.BindAll(carino, std::floor(ilkGun), std::floor(sonGun) + 1);
  std::vector<Fatura> faturalar;
  while (sorgu.Step()) {
    faturalar.push_back({sorgu.Double(0), Metin(sorgu, 1), Metin(sorgu, 2), Metin(sorgu, 3), sorgu.Double(4),
                         sorgu.Double(5), sorgu.Double(6)});
  }
  sorgu.Reset();

  Satirlar satirlar;
  std::map<std::string, SaticiToplami> saticilar;
  SaticiToplami genel;
  for (const Fatura& f : faturalar) {
    satirlar.push_back({TarihYazisi(f.tarih), f.evrak, f.tur, f.satici, ParaYazisi(f.matrah), ParaYazisi(f.kdv),
                        ParaYazisi(f.toplam)});
    saticilar[f.satici].Ekle(f);
    genel.Ekle(f);
  }
  Satirlar toplamlar;
  for (const auto& [satici, toplam] : saticilar) toplamlar.push_back(toplam.Satir(satici));
  toplamlar.push_back(genel.Satir("TOPLAM"));

  PdfBelgesi belge("Cari Alış Satış Tablosu (Satıcılı)");
  KartYaz(belge, CariKartiBul(db, carino));
  belge.Satir("Tarih Aralığı: " + ilk + " - " + son);
  belge.Bosluk();
  if (faturalar.empty()) {
    belge.Satir("Bu tarih aralığında fatura yok.");
    return belge.Bayt();
  }
  belge.Tablo({{"Tarih", 62},
               {"Evrak No", 63},
               {"Tür", 105},
               {"Satıcı", 73},
               {"Matrah", 70, true},
               {"KDV", 65, true},
               {"Toplam", 75, true}},
              satirlar);
  belge.Bosluk();
  belge.Satir("Satıcıya Göre Toplamlar (KDV dahil, TL)", true);
  belge.Tablo({{"Satıcı", 155}, {"Satış", 120, true}, {"İade", 120, true}, {"Net", 120, true}}, toplamlar);
  return belge.Bayt();
}

}  // namespace zorvat::server
