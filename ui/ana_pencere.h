// The main window "Zorvat Oto B2B Programı" on Qt, bound to its logic TForm1: the header
// with the logo, the user lines, the header banner and the general menu's split button; the
// search bar with the busy animations; the top banner strip; the page control; the status
// legend; the bottom strip with the scrolling text.
#pragma once

#include <QWidget>

#include "ui/state/signal.h"

namespace zorvat {

class TForm1;

class AnaPencere : public QWidget {
 public:
  explicit AnaPencere(TForm1& form, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* Baslik();
  QWidget* AramaCubugu();
  QWidget* AltSerit();

  TForm1& form_;
  Subscription baslikAboneligi_;
};

}  // namespace zorvat
