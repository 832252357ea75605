// The password change request window on Qt, bound to its logic Tkullanicikayit.
#pragma once

#include "ui/form_window.h"

namespace zorvat {

class Tkullanicikayit;

class SifreIstegiPenceresi : public FormPenceresi {
 public:
  SifreIstegiPenceresi(Tkullanicikayit& form, QWidget* parent);
};

}  // namespace zorvat
