// The status legend under the lists: "Durum Açıklaması:" and each stock status icon with
// its text, in the legend's order.
#pragma once

#include <QWidget>

namespace zorvat {

class DurumAciklamasi : public QWidget {
 public:
  explicit DurumAciklamasi(QWidget* parent = nullptr);
};

}  // namespace zorvat
