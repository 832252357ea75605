// The update download window "Dosya İndir" on Qt, bound to its logic Tdosyaindir. It starts
// the download when it first becomes active and cannot be closed: the download ends the
// program either way.
#pragma once

#include "ui/form_window.h"

namespace zorvat {

class Tdosyaindir;

class DosyaIndirPenceresi : public FormPenceresi {
 public:
  DosyaIndirPenceresi(Tdosyaindir& form, QWidget* parent);

  // Neither the close box nor Escape closes it.
  void reject() override {}

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Etkinlesti();

  Tdosyaindir& form_;
};

}  // namespace zorvat
