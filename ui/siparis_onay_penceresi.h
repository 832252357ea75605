// The order approval window "Sipariş Onay" on Qt, bound to its logic TONAYSIP: the delivery
// states and cargo types, the carrier with its warning, the note, the summary with the
// overdue-account warning, and the question with "Evet" and "Hayır".
#pragma once

#include "ui/form_window.h"

namespace zorvat {

class TONAYSIP;

class SiparisOnayPenceresi : public FormPenceresi {
 public:
  SiparisOnayPenceresi(TONAYSIP& form, QWidget* parent);

 private:
  QWidget* KargoKutusu(TONAYSIP& form);
  QWidget* MesajKutusu(TONAYSIP& form);
  QWidget* Ozet(TONAYSIP& form);
};

}  // namespace zorvat
