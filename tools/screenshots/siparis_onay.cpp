// The order approval window with the demonstration server's data: AHMET's order, the
// cargo type "Kargo" with its carriers and one of them chosen, a note, and the account's
// overdue warning as the basket page shows it.
#include "basket/siparis_onay.h"
#include "remote/proxim.h"
#include "tools/screenshots/demo_sunucusu.h"
#include "tools/screenshots/sahne.h"
#include "ui/siparis_onay_penceresi.h"

namespace zorvat::ekran {
namespace {

// The warning the basket page fetches for the account; a made-up one of the same kind when
// the demonstration account owes nothing overdue today.
std::string GecikmeUyarisi(std::int32_t carino) {
  Connection baglanti(DemoBaglantisi());
  baglanti.Open();
  TServerMethods1Client proxy(&baglanti);
  std::string uyari = proxy.CariVadeGunGecmismiBul(carino);
  if (uyari.empty()) {
    uyari = "Vadesi geçmiş bakiyeniz 3.418,75 TL (en eski borç 47 gün gecikmiş). Lütfen ödemenizi yapınız.";
  }
  return uyari;
}

std::unique_ptr<QWidget> SiparisOnaySahnesi() {
  auto sahne = std::make_unique<SahnePenceresi>();
  auto& bagc = sahne->Durum<Connection>(DemoBaglantisi());
  auto& sbilgi = sahne->Durum<TSonucBilgisi>(DemoKaydi("DEMO-AHMET"));
  auto& onay = sahne->Durum<TONAYSIP>(bagc, GecikmeUyarisi(sbilgi.CARINO()), sbilgi, "1.234,50");
  onay.boxkargo.ChosenByUser(0);
  onay.kargocombo.ChosenByUser(2);
  onay.aciklamagir.SetText("Öğleden önce teslim lütfen.\r\nFaturayı siparişle gönderin.");

  auto* pencere = new SiparisOnayPenceresi(onay, sahne.get());
  const QSize boyut = pencere->size();
  return Sahnede(std::move(sahne), pencere, boyut);
}

const SahneKaydi kSiparisOnay("siparis_onay", SiparisOnaySahnesi);

}  // namespace
}  // namespace zorvat::ekran
