// A modal window bound to its logic's FormState: the caption follows the state, a modal
// result set by the logic closes the window with it, and the close box answers Cancel.
// Every modal window of the program derives from it.
#pragma once

#include <QDialog>

#include "ui/state/controls.h"

namespace zorvat {

class FormPenceresi : public QDialog {
 public:
  FormPenceresi(FormState& form, QWidget* parent);

  FormState& Form() { return form_; }
  // Shows the window modally and returns its modal result.
  int ModalGoster();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void Yansit();

  FormState& form_;
  Subscription abonelik_;
};

}  // namespace zorvat
