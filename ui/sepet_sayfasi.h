// The basket page on Qt, bound to its logic Sepet: the grid of the basket lines, the bar with
// the tick buttons and the overdue-account warning, and the bottom panel with the totals of
// the ticked lines and the buttons that send and save the basket.
#pragma once

#include <QWidget>

#include "ui/state/signal.h"

namespace zorvat {

class Sepet;

class SepetSayfasi : public QWidget {
 public:
  SepetSayfasi(Sepet& sepet, QWidget* parent = nullptr);
  ~SepetSayfasi() override;

 private:
  QWidget* SecimCubugu();
  QWidget* AltPanel();
  QWidget* Toplamlar(QWidget* sahip);

  Sepet& sepet_;
  Subscription izgaraAboneligi_;
};

}  // namespace zorvat
