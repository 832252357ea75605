#include "catalogue/iskonto.h"

#include "net/bicim.h"

namespace zorvat {

IskontoSonucu IskontoUygula(double brut, const IskontoOranlari& oranlar) {
  double net = brut;
  for (double oran : oranlar) {
    if (oran > 0) net -= net * oran / 100;
  }
  return {brut - net, Yuvarla2(net)};
}

SatirTutari SatirTutariHesapla(double fiyat, double miktar, const IskontoOranlari& oranlar, double kdvoran) {
  const IskontoSonucu iskonto = IskontoUygula(fiyat * miktar, oranlar);
  SatirTutari tutar;
  tutar.indirim = iskonto.indirim;
  tutar.netBirim = miktar == 0 ? 0 : Yuvarla2(iskonto.net / miktar);
  tutar.kdvDahilBirim = Yuvarla2(tutar.netBirim * (kdvoran / 100 + 1));
  tutar.toplam = Yuvarla2(tutar.kdvDahilBirim * miktar);
  return tutar;
}

bool IndirimSatiriGorunur(const IskontoOranlari& oranlar) {
  return oranlar[0] + oranlar[1] + oranlar[2] + oranlar[3] > 1;
}

}  // namespace zorvat
