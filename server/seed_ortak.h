// What the parts of the demonstration seed share: the fixed-seed generator, the base date
// every date is counted from, and what one part leaves for the next (stock items to put in
// orders, accounts and their prices, the users who give orders).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "server/database.h"
#include "server/fiyat.h"

namespace zorvat::server::demo {

// SplitMix64: the same numbers on every platform and standard library.
class Rastgele {
 public:
  explicit Rastgele(std::uint64_t tohum) : durum_(tohum) {}

  std::uint64_t Sonraki();
  // A whole number from alt to ust, both included.
  int Aralik(int alt, int ust);
  // A number in [0, 1).
  double Oran();
  bool Olasilik(double p) { return Oran() < p; }
  template <class T>
  const T& Sec(std::span<const T> secenekler) {
    return secenekler[static_cast<std::size_t>(Aralik(0, static_cast<int>(secenekler.size()) - 1))];
  }

 private:
  std::uint64_t durum_;
};

// Days from 1 March of year 0 (proleptic Gregorian calendar) to a date.
constexpr int GunSayisi(int yil, int ay, int gun) {
  yil -= ay <= 2;
  const int era = (yil >= 0 ? yil : yil - 399) / 400;
  const int yilIci = yil - era * 400;
  const int gunIci = (153 * (ay + (ay > 2 ? -3 : 9)) + 2) / 5 + gun - 1;
  return era * 146097 + yilIci * 365 + yilIci / 4 - yilIci / 100 + gunIci;
}

// The day serial (days since 30 December 1899) of a calendar date.
constexpr double GunSeri(int yil, int ay, int gun) { return GunSayisi(yil, ay, gun) - GunSayisi(1899, 12, 30); }

// Every demonstration date is counted back from this day (1 December 2026).
inline constexpr double kBazTarih = GunSeri(2026, 12, 1);
static_assert(GunSeri(1900, 1, 1) == 2 && GunSeri(2026, 12, 1) == 46357);

// A stock item as orders and baskets need it.
struct StokOzet {
  std::int64_t stokno = 0;
  std::string barkod;
  std::string adi;
  double listeFiyat = 0;
  double kampFiyat = 0;
  bool kampanya = false;
  double kdv = 20;
};

// An account as orders, invoices and collections need it.
struct CariOzet {
  std::int64_t carino = 0;
  std::string carikod;
  std::int64_t saticiNo = 0;
  std::int64_t saticiKullanici = 0;  // the representative's user, who gives orders for it
  std::int64_t kullanici = 0;        // the account's own user; 0 when it has none
  Oranlar oranlar{};
  int vade = 30;
  bool vadesiGecmis = false;  // leaves invoices unpaid long past their due date
};

// The price a line of this item gets for this account: the campaign price without
// further discount, or the list price with the account's rates.
struct SatirFiyati {
  double birimFiyat = 0;
  Oranlar oranlar{};
};
SatirFiyati FiyatBul(const StokOzet& stok, const CariOzet& cari);

// The carriers by cargo type; cargo types and delivery states are numbered from 1.
struct KargoFirmasi {
  std::int64_t sirano;
  int tur;
  std::string_view adi;
  std::string_view uyari;
};

inline constexpr KargoFirmasi kKargolar[] = {
    {1, 1, "Hızlı Kargo", "Kargo ücreti alıcıya aittir. Cumartesi teslimat yapılmaz."},
    {2, 1, "Anadolu Kargo", "Saat 16:00'dan sonraki siparişler ertesi gün çıkar."},
    {3, 1, "Ekspres Kurye Kargo", "Yalnız şehir içi; aynı gün teslim."},
    {4, 2, "Ostim Ambarı", "Ambar teslimlerinde irsaliye ambardan alınır."},
    {5, 2, "Konya Yolu Ambarı", ""},
    {6, 3, "Firma Servis Aracı", "Servis aracı her gün 10:00 ve 15:00'te çıkar."},
    {7, 4, "Depodan Teslim", "Depo çalışma saatleri: 08:30 - 18:00."},
};
inline constexpr int kTeslimDurumuSayisi = 4;
// The user of the representative with price rights (kind 2).
inline constexpr std::int64_t kFiyatYetkiliSatici = 2;
inline constexpr int kKargoTuruSayisi = 4;

struct Baglam {
  Database& db;
  Rastgele rastgele;
  std::vector<StokOzet> siparisStoklari;  // the items orders and baskets choose from
  std::vector<CariOzet> cariler;
  std::int64_t sonSepetSirano = 0;  // basket line numbers, also of lines already ordered
};

// The parts, in the order they run.
void SabitleriYaz(Baglam& baglam);  // order states, delivery states, cargo
void KatalogYaz(Baglam& baglam, int stokSayisi);
void CarileriYaz(Baglam& baglam);     // representatives, accounts, users
void HareketleriYaz(Baglam& baglam);  // orders, deliveries, invoices, collections
void SepetleriYaz(Baglam& baglam);
void BilgileriYaz(Baglam& baglam);  // announcements, advertisements, banners

}  // namespace zorvat::server::demo
