#include "server/hesap.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "net/bicim.h"
#include "server/method_context.h"

namespace zorvat::server {

std::optional<Kullanici> KullaniciBul(Database& db, std::int64_t sirano) {
  Statement& sorgu = db.Prepare(
      "SELECT sirano, tur, aktif, coalesce(carino, 0), coalesce(satici_no, 0) FROM kullanici WHERE sirano = ?1");
  sorgu.BindAll(sirano);
  std::optional<Kullanici> kullanici;
  if (sorgu.Step()) {
    kullanici = Kullanici{sorgu.Int(0), static_cast<int>(sorgu.Int(1)), sorgu.Int(2) != 0, sorgu.Int(3), sorgu.Int(4)};
  }
  sorgu.Reset();
  return kullanici;
}

bool CariVar(Database& db, std::int64_t carino) {
  Statement& sorgu = db.Prepare("SELECT 1 FROM cari WHERE carino = ?1");
  sorgu.BindAll(carino);
  const bool var = sorgu.Step();
  sorgu.Reset();
  return var;
}

void HesapYetkisiniDogrula(Database& db, const Kullanici& kullanici, std::int64_t carino) {
  if (!kullanici.aktif) throw MethodError("Kullanıcı hesabınız aktif değil !");
  bool yetkili = kullanici.carino == carino;
  if (kullanici.Satici()) {
    Statement& sorgu = db.Prepare("SELECT 1 FROM cari WHERE carino = ?1 AND satici_no = ?2");
    sorgu.BindAll(carino, kullanici.saticiNo);
    yetkili = sorgu.Step();
    sorgu.Reset();
  }
  if (!yetkili) throw MethodError("Bu cari hesapta işlem yetkiniz yok !");
}

Gorunurluk GorunurlukBul(const std::optional<Kullanici>& kullanici) {
  if (!kullanici || !kullanici->aktif) return {};
  if (kullanici->Satici()) return {kullanici->saticiNo, -1};
  return {-1, kullanici->carino};
}

double Simdi(Database& db) {
  Statement& sorgu = db.Prepare("SELECT julianday('now', 'localtime') - 2415018.5");
  sorgu.Step();
  const double simdi = sorgu.Double(0);
  sorgu.Reset();
  return simdi;
}

CariBakiye BakiyeBul(Database& db, std::int64_t carino) {
  Statement& sorgu = db.Prepare(
      "SELECT yuvarla2(coalesce(sum(borc), 0)), yuvarla2(coalesce(sum(alacak), 0)) FROM cari_hareket "
      "WHERE carino = ?1");
  sorgu.BindAll(carino);
  sorgu.Step();
  CariBakiye bakiye{sorgu.Double(0), sorgu.Double(1), 0};
  sorgu.Reset();
  bakiye.bakiye = Yuvarla2(bakiye.borc - bakiye.alacak);
  return bakiye;
}

Gecikme GecikmeBul(Database& db, std::int64_t carino, double bugun) {
  Statement& sorgu = db.Prepare(
      "SELECT borc, vade_tarihi FROM cari_hareket WHERE carino = ?1 AND borc > 0 ORDER BY vade_tarihi, sirano");
  sorgu.BindAll(carino);
  std::vector<VadeliBorc> borclar;
  while (sorgu.Step()) borclar.push_back({sorgu.Double(0), sorgu.Double(1)});
  sorgu.Reset();
  return VadesiGecenler(borclar, BakiyeBul(db, carino).alacak, bugun);
}

Gecikme VadesiGecenler(std::span<const VadeliBorc> borclar, double odenen, double gun) {
  const double bugun = std::floor(gun);
  Gecikme gecikme;
  for (const VadeliBorc& borc : borclar) {
    const double karsilanan = std::min(borc.tutar, odenen);
    odenen -= karsilanan;
    const double acik = borc.tutar - karsilanan;
    if (acik < 0.005 || borc.vade >= bugun) continue;
    if (gecikme.tutar == 0) gecikme.enEskiGun = static_cast<int>(bugun - std::floor(borc.vade));
    gecikme.tutar = Yuvarla2(gecikme.tutar + acik);
  }
  return gecikme;
}

}  // namespace zorvat::server
