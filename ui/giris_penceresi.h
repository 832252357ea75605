// The login window "Giriş" on Qt, bound to its logic Tgirisform.
#pragma once

#include "ui/form_window.h"

namespace zorvat {

class Tgirisform;

class GirisPenceresi : public FormPenceresi {
 public:
  GirisPenceresi(Tgirisform& form, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zorvat
