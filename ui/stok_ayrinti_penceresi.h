// The add-to-basket dialog "Sepete Ekle" on Qt, bound to its logic Tstokayarinti: the part
// with its picture, the rate boxes of the sales representatives, the quantity and the
// amounts, and the two buttons.
#pragma once

#include "ui/form_window.h"

namespace zorvat {

class SayiKutusu;
class Tstokayarinti;

class StokAyrintiPenceresi : public FormPenceresi {
 public:
  StokAyrintiPenceresi(Tstokayarinti& form, QWidget* parent);

 protected:
  // Centred on the screen; the logic's FormShow runs once per showing.
  void showEvent(QShowEvent* event) override;
  // The first activation of a showing runs the logic's FormActivate: the quantity takes
  // the focus with its text selected. Coming back from another program leaves the focus
  // where the user left it.
  bool event(QEvent* event) override;

 private:
  QWidget* UstPanel();
  QWidget* OranPaneli();
  QWidget* TutarPaneli();

  Tstokayarinti& form_;
  SayiKutusu* adet_ = nullptr;
  bool etkinlesti_ = false;
};

}  // namespace zorvat
