// The dealer's logo, drawn: a red badge with a wheel and the name beside it.
#pragma once

#include <QWidget>

namespace zorvat {

class ZorvatLogosu : public QWidget {
 public:
  // `acik`: light letters for a dark background.
  explicit ZorvatLogosu(bool acik = false, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kYukseklik = 64;
  bool acik_;
};

}  // namespace zorvat
