// The request form on Qt, bound to its logic Tformistekyeni: the dealer's request web page
// in an embedded browser, and "Kapat".
#pragma once

#include "ui/form_window.h"

namespace zorvat {

class Tformistekyeni;

class IstekFormuPenceresi : public FormPenceresi {
 public:
  IstekFormuPenceresi(Tformistekyeni& form, QWidget* parent);
};

}  // namespace zorvat
