#include "ui/form_window.h"

#include <QKeyEvent>

#include "net/dialogs.h"

namespace zorvat {

FormPenceresi::FormPenceresi(FormState& form, QWidget* parent) : QDialog(parent), form_(form) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  abonelik_ = form_.Changed.Connect([this] { Yansit(); });
  setWindowTitle(QString::fromStdString(form_.Caption()));
}

void FormPenceresi::Yansit() {
  setWindowTitle(QString::fromStdString(form_.Caption()));
  if (form_.ModalResult() != mrNone && isVisible()) done(form_.ModalResult());
}

int FormPenceresi::ModalGoster() {
  form_.SetModalResult(mrNone);
  return exec();
}

// A window closes by its buttons or its close box, not by Escape, unless it says so.
void FormPenceresi::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FormPenceresi::reject() {
  form_.SetModalResult(mrCancel);
  done(mrCancel);
}

}  // namespace zorvat
