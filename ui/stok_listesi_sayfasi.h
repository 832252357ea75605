// The stock list page on Qt: the grid of the last search, bound to its logic StokListesi.
#pragma once

#include <QWidget>

namespace zorvat {

class StokListesi;

class StokListesiSayfasi : public QWidget {
 public:
  StokListesiSayfasi(StokListesi& liste, QWidget* parent = nullptr);
  ~StokListesiSayfasi() override;

 private:
  StokListesi& liste_;
};

}  // namespace zorvat
