// The program's message dialog as the user sees it: the kind's caption and icon, the text
// in 15-point type, the Turkish buttons in the dialog's order, the tab-first button at the
// head of the tab order, the focus on the default button, and the answers to Enter,
// Escape and the close box.
#pragma once

#include <QDialog>

#include "net/dialogs.h"

namespace zorvat {

class MesajDiyalogu : public QDialog {
 public:
  // `simgeli` false: the plain message box, without the kind's icon.
  MesajDiyalogu(const MesajPenceresi& pencere, QWidget* parent, bool simgeli = true);

  // Centres the dialog over the window, or over the screen when there is none.
  void Ortala(const QWidget* uzerinde);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  int escapeSonucu_;
  int kapatmaSonucu_;
};

// The message dialog's point size, for every message dialog of the program.
inline constexpr int kMesajYaziBoyu = 15;

}  // namespace zorvat
