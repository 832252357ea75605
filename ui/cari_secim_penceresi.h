// The customer selection window "Cari Seçimi" on Qt, bound to its logic Tseccari: the
// search box, the status buttons with their counts, the customer list and the card.
#pragma once

#include "ui/form_window.h"

namespace zorvat {

class Tseccari;

class CariSecimPenceresi : public FormPenceresi {
 public:
  CariSecimPenceresi(Tseccari& form, QWidget* parent);

 protected:
  // Placed 50 pixels in from the work area's corner, 100 pixels smaller than it.
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* UstSerit(Tseccari& form);
  QWidget* Kart(Tseccari& form);
};

}  // namespace zorvat
