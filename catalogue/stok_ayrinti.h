// The add-to-basket dialog "Sepete Ekle": the part (code, description, cross-reference code,
// brand, model, picture), the quantity, and the unit price, discount, VAT-inclusive unit
// price and line total, recomputed on every change. Sales representatives may also edit
// the unit price and the four chained discount rates. The same dialog changes an existing
// basket line; its opener fills it and reads it after OK.
#pragma once

#include <cstdint>
#include <memory>

#include "ui/state/controls.h"

namespace zorvat {

// Where a new line comes from: the captions of the dialog depend on it.
enum class SepetKaynagi : std::uint8_t { StokListesi, YeniStoklar, Kampanyali };

// Virtual keys the dialog reacts to.
inline constexpr int kVkReturn = 13;
inline constexpr int kVkF4 = 115;

class Tstokayarinti : public FormState {
 public:
  // The plain constructor: no picture address of its own (stokno 0).
  Tstokayarinti();
  // For a part of the stock list: the picture is fetched from its address by stock number.
  static std::unique_ptr<Tstokayarinti> Ac(std::int32_t _stokno);

  // Makes the price and the four rates editable, as for sales representatives; the rate
  // boxes are shown only when oranlariGoster.
  void FiyatlariAc(bool oranlariGoster);

  void FormShow();
  void FormActivate();
  void adetChange();
  void adetKeyDown(int& key);
  void birimfiyatKeyDown(int& key);
  // F4 divides the unit price by 1.2; every key released then recomputes.
  void birimfiyatKeyUp(int& key);
  void ParcaliTus1Click();
  void ParcaliTus2Click();
  void TutarHesapla();
  // True when the four rates add up to more than 1.
  bool IndirimVarmi() const;

  LabelState barkod;
  LabelState adi;
  LabelState finishkod;
  LabelState marka;
  LabelState model;
  PictureState Image1;
  UrlPictureState AsyncResim1;
  ControlState GridPanel2;
  NumberEditState edindirim1;
  NumberEditState edindirim2;
  NumberEditState edindirim3;
  NumberEditState edindirim4;
  NumberEditState adet;
  LabelState Label2;
  NumberEditState birimfiyat;
  LabelState indirimoran;
  NumberEditState indtutar;
  NumberEditState kdvdahiltutar;
  NumberEditState geneltutar;
  ButtonState ParcaliTus1;
  ButtonState ParcaliTus2;

  std::int32_t stokno = 0;
  double kdvoran = 0;
};

}  // namespace zorvat
