#include "server/fiyat.h"

#include "net/bicim.h"

namespace zorvat::server {

double IskontoUygula(double brut, const Oranlar& oranlar) {
  double net = brut;
  for (double oran : oranlar) {
    if (oran > 0) net -= net * oran / 100;
  }
  return net;
}

double KdvDahil(double netBirimFiyat, double kdv) { return Yuvarla2(netBirimFiyat * (kdv / 100 + 1)); }

std::string IndirimYazisi(const Oranlar& oranlar) {
  std::string yazi;
  for (double oran : oranlar) {
    if (oran <= 0) continue;
    if (!yazi.empty()) yazi += '+';
    yazi += FloatToStr(oran, TurkceAyiraclar);
  }
  return yazi;
}

SatirTutarlari SatirHesapla(double miktar, double birimFiyat, const Oranlar& oranlar, double kdv) {
  const double brut = miktar * birimFiyat;
  SatirTutarlari t;
  t.tutar = Yuvarla2(brut);
  t.netTutar = Yuvarla2(IskontoUygula(brut, oranlar));
  t.indirimTutar = Yuvarla2(t.tutar - t.netTutar);
  t.netBirimFiyat = miktar == 0 ? 0 : Yuvarla2(t.netTutar / miktar);
  t.kdvliTutar = Yuvarla2(KdvDahil(t.netBirimFiyat, kdv) * miktar);
  t.vergiTutari = Yuvarla2(t.kdvliTutar - t.netTutar);
  return t;
}

}  // namespace zorvat::server
