#include "catalogue/stok_ayrinti.h"

#include <string>

#include "catalogue/iskonto.h"
#include "net/adresler.h"
#include "net/bicim.h"
#include "net/dialogs.h"

namespace zorvat {

namespace {

// Quantities are whole numbers.
constexpr const char* kAdetBicimi = "0";
constexpr double kEnAzAdet = 1;
constexpr double kEnCokAdet = 10000;
// F4 takes the VAT out of a price typed with it.
constexpr double kKdvCarpani = 1.2;

}  // namespace

Tstokayarinti::Tstokayarinti() {
  SetCaption("Sepete Ekle");
  Label2.SetCaption("Fiyat:");
  indirimoran.SetCaption("İndirim:");
  ParcaliTus1.SetCaption("Sipariş ekle");
  ParcaliTus2.SetCaption("Vazgeç");
  GridPanel2.SetVisible(false);

  adet.SetDisplayFormat(kAdetBicimi);
  adet.SetLimits(kEnAzAdet, kEnCokAdet);
  adet.SetValue(kEnAzAdet);

  // Customers read prices only; FiyatlariAc opens the price and the rates.
  for (NumberEditState* kutu : {&edindirim1, &edindirim2, &edindirim3, &edindirim4, &birimfiyat, &indtutar,
                                &kdvdahiltutar, &geneltutar}) {
    kutu->SetDisplayFormat(std::string(ParaBicimi));
    kutu->SetReadOnly(true);
    kutu->OnKeyUp = [this](int& key) { birimfiyatKeyUp(key); };
  }
  // A sales representative's edit of the price or a rate shows its effect at once.
  for (NumberEditState* kutu : {&edindirim1, &edindirim2, &edindirim3, &edindirim4, &birimfiyat}) {
    kutu->OnChange = [this] { TutarHesapla(); };
  }
  adet.OnChange = [this] { adetChange(); };
  adet.OnKeyDown = [this](int& key) { adetKeyDown(key); };
  birimfiyat.OnKeyDown = [this](int& key) { birimfiyatKeyDown(key); };
  ParcaliTus1.OnClick = [this] { ParcaliTus1Click(); };
  ParcaliTus2.OnClick = [this] { ParcaliTus2Click(); };
}

std::unique_ptr<Tstokayarinti> Tstokayarinti::Ac(std::int32_t _stokno) {
  auto pencere = std::make_unique<Tstokayarinti>();
  pencere->stokno = _stokno;
  return pencere;
}

void Tstokayarinti::FiyatlariAc(bool oranlariGoster) {
  for (NumberEditState* kutu : {&birimfiyat, &edindirim1, &edindirim2, &edindirim3, &edindirim4}) {
    kutu->SetReadOnly(false);
  }
  GridPanel2.SetVisible(oranlariGoster);
}

void Tstokayarinti::FormShow() {
  const bool indirim = IndirimVarmi();
  indirimoran.SetVisible(indirim);
  indtutar.SetVisible(indirim);
  TutarHesapla();
  AsyncResim1.SetUrl(ResimAdresi() + std::to_string(stokno));
}

// The quantity box has the focus, its text selected by the window, ready to be typed over.
void Tstokayarinti::FormActivate() { adet.SetFocus(); }

void Tstokayarinti::adetChange() { TutarHesapla(); }

void Tstokayarinti::adetKeyDown(int& key) {
  if (key != kVkReturn) return;
  key = 0;
  SetModalResult(mrOk);
}

void Tstokayarinti::birimfiyatKeyDown(int& key) {
  if (key == kVkReturn) key = 0;
}

void Tstokayarinti::birimfiyatKeyUp(int& key) {
  if (key == kVkF4) {
    key = 0;
    birimfiyat.SetValue(birimfiyat.Value() / kKdvCarpani);
  }
  TutarHesapla();
}

void Tstokayarinti::ParcaliTus1Click() { SetModalResult(mrOk); }

void Tstokayarinti::ParcaliTus2Click() { SetModalResult(mrCancel); }

void Tstokayarinti::TutarHesapla() {
  const SatirTutari tutar =
      SatirTutariHesapla(birimfiyat.Value(), adet.Value(),
                         {edindirim1.Value(), edindirim2.Value(), edindirim3.Value(), edindirim4.Value()}, kdvoran);
  indtutar.SetValue(tutar.indirim);
  kdvdahiltutar.SetValue(tutar.kdvDahilBirim);
  geneltutar.SetValue(tutar.toplam);
}

bool Tstokayarinti::IndirimVarmi() const {
  return IndirimSatiriGorunur({edindirim1.Value(), edindirim2.Value(), edindirim3.Value(), edindirim4.Value()});
}

}  // namespace zorvat
