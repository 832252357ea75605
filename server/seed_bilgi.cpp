// The fixed lists (order states, delivery states, cargo types and carriers), the baskets
// of the demonstration, and what the dealer shows: announcements, opening
// advertisements, banners and the scrolling text.
#include <string>
#include <string_view>

#include "server/demo_dosyalari.h"
#include "server/seed_ortak.h"

namespace zorvat::server::demo {

namespace {

struct Ad {
  int kod;
  std::string_view adi;
};

constexpr Ad kTeslimDurumlari[kTeslimDurumuSayisi] = {
    {1, "Acil Gönder"}, {2, "Normal Gönder"}, {3, "Tamamı Hazır Olunca Gönder"}, {4, "Müşteri Teslim Alacak"}};
constexpr Ad kKargoTurleri[kKargoTuruSayisi] = {{1, "Kargo"}, {2, "Ambar"}, {3, "Servis Aracı"}, {4, "Gel-Al"}};

struct SiparisDurumu {
  int kod;
  std::string_view adi;
  int sira;
};

constexpr SiparisDurumu kSiparisDurumlari[] = {
    {2, "Alındı", 1},     {4, "Görüldü", 2}, {3, "Onaylandı", 3}, {6, "Hazırlandı", 4}, {5, "Parçalı Hazırlandı", 5},
    {7, "Sevk Edildi", 6}};

struct Ekran {
  std::string_view baslik;
  std::string_view arama;
  std::string_view resim;  // a file of server/demo/, or none
};

constexpr Ekran kDuyurular[] = {
    {"Kampanyalı ürünlerde %25'e varan indirim", "#KAMPANYA#", "duyuru_kampanya.jpg"},
    {"Yeni ürünler stoklarımızda", "#YENİ#", "duyuru_yeni.jpg"},
    {"Fren balatasında aynı gün kargo", "FREN BALATASI", "duyuru_balata.jpg"},
    {"Yılbaşı çalışma saatleri: 31 Aralık'ta depo 14:00'te kapanır", "", ""},
};

constexpr Ekran kReklamlar[] = {
    {"Bahar kampanyası: seçili ürünlerde %20 indirim", "#KAMPANYA#", "reklam_kampanya.jpg"},
    {"Yeni gelen debriyaj setleri stokta", "DEBRİYAJ SETİ", "reklam_yeni.jpg"},
    {"Filtre haftası: yağ ve hava filtrelerinde uygun fiyat", "FİLTRE", "reklam_filtre.jpg"},
};

struct Banner {
  int yer;
  std::string_view icerikTuru;
  std::string_view dosya;
};

constexpr Banner kBannerlar[] = {
    {1, "image/gif", "banner_ust.gif"}, {2, "image/gif", "banner_serit.gif"}, {3, "image/bmp", "banner_alt.bmp"}};

constexpr std::string_view kKayanYazi =
    "<b>Zorvat Oto B2B</b>'ye hoş geldiniz. <font color=\"#B71C1C\"><b>Kampanyalı ürünlerde %25'e varan "
    "indirim!</b></font> Saat 16:00'ya kadar verilen siparişler aynı gün kargoda. <i>Yeni ürünler için "
    "\"Yeni Stoklar\" sayfasına göz atın.</i>";

std::string Onaltilik(std::string_view bytes) {
  constexpr char kRakamlar[] = "0123456789ABCDEF";
  std::string metin;
  metin.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    metin.push_back(kRakamlar[b >> 4]);
    metin.push_back(kRakamlar[b & 0x0F]);
  }
  return metin;
}

void EkranlariYaz(Database& db, std::string_view tablo, std::span<const Ekran> ekranlar) {
  Statement& ekle = db.Prepare("INSERT INTO " + std::string(tablo) + "(baslik, arama, resim) VALUES(?1, ?2, ?3)");
  for (const Ekran& ekran : ekranlar) {
    ekle.BindAll(ekran.baslik, ekran.arama, ekran.resim.empty() ? std::string() : Onaltilik(DemoDosyasi(ekran.resim)))
        .Run();
  }
}

void SepetSatiriYaz(Baglam& baglam, const CariOzet& cari, const StokOzet& stok, double miktar, bool secili,
                    double tarih) {
  const SatirFiyati fiyat = FiyatBul(stok, cari);
  const SatirTutarlari t = SatirHesapla(miktar, fiyat.birimFiyat, fiyat.oranlar, stok.kdv);
  baglam.db
      .Prepare(
          "INSERT INTO sepet(sirano, carino, stokno, barkod, stokadi, miktar, birimfiyat, ind1, ind2, ind3, ind4, kdv, "
          "kampanya, tutar, indirimtutar, nettutar, netbirimfiyat, vergitutari, kdvlitutar, sec, verilis_tarihi, "
          "veren_id) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, "
          "?21, ?22)")
      .BindAll(++baglam.sonSepetSirano, cari.carino, stok.stokno, stok.barkod, stok.adi, miktar, fiyat.birimFiyat,
               fiyat.oranlar[0], fiyat.oranlar[1], fiyat.oranlar[2], fiyat.oranlar[3], stok.kdv,
               static_cast<int>(stok.kampanya), t.tutar, t.indirimTutar, t.netTutar, t.netBirimFiyat, t.vergiTutari,
               t.kdvliTutar, static_cast<int>(secili), tarih,
               cari.kullanici != 0 ? cari.kullanici : cari.saticiKullanici)
      .Run();
}

}  // namespace

void SabitleriYaz(Baglam& baglam) {
  Database& db = baglam.db;
  for (const SiparisDurumu& d : kSiparisDurumlari) {
    db.Prepare("INSERT INTO siparis_durumu(kod, adi, sira) VALUES(?1, ?2, ?3)").BindAll(d.kod, d.adi, d.sira).Run();
  }
  for (const Ad& t : kTeslimDurumlari) {
    db.Prepare("INSERT INTO teslim_durumu(kod, adi) VALUES(?1, ?2)").BindAll(t.kod, t.adi).Run();
  }
  for (const Ad& t : kKargoTurleri) {
    db.Prepare("INSERT INTO kargo_turu(kod, adi) VALUES(?1, ?2)").BindAll(t.kod, t.adi).Run();
  }
  for (const KargoFirmasi& k : kKargolar) {
    db.Prepare("INSERT INTO kargo(sirano, kargo_turu, adi, uyari) VALUES(?1, ?2, ?3, ?4)")
        .BindAll(k.sirano, k.tur, k.adi, k.uyari)
        .Run();
  }
}

// A few baskets: three lines for the first demonstration account (one of them not
// ticked), and some lines for every twelfth account, so the representatives' basket
// button has customers to list.
void SepetleriYaz(Baglam& baglam) {
  Rastgele& r = baglam.rastgele;
  const auto& stoklar = baglam.siparisStoklari;
  const auto stokSec = [&]() -> const StokOzet& {
    return stoklar[static_cast<std::size_t>(r.Aralik(0, static_cast<int>(stoklar.size()) - 1))];
  };
  for (const CariOzet& cari : baglam.cariler) {
    const int adet = cari.carino == 1 ? 3 : cari.carino % 12 == 2 ? r.Aralik(1, 4) : 0;
    for (int i = 0; i < adet; ++i) {
      const StokOzet& stok = stokSec();
      const double miktar = r.Aralik(1, 5);
      const double gun = kBazTarih - r.Aralik(0, 3);
      const double tarih = gun + r.Aralik(9 * 60, 17 * 60) / 1440.0;
      SepetSatiriYaz(baglam, cari, stok, miktar, i != 1, tarih);
    }
  }
}

void BilgileriYaz(Baglam& baglam) {
  Database& db = baglam.db;
  EkranlariYaz(db, "duyuru", kDuyurular);
  EkranlariYaz(db, "acilis_reklam", kReklamlar);
  for (const Banner& banner : kBannerlar) {
    const std::string_view veri = DemoDosyasi(banner.dosya);
    db.Prepare("INSERT INTO banner(yer, icerik_turu, veri) VALUES(?1, ?2, ?3)")
        .Bind(1, banner.yer)
        .Bind(2, banner.icerikTuru)
        .BindBlob(3, veri.data(), veri.size())
        .Run();
  }
  db.Prepare("INSERT INTO ayar(anahtar, deger) VALUES('kayan_yazi', ?1)").BindAll(kKayanYazi).Run();
}

}  // namespace zorvat::server::demo
