// The data grid: a table view that draws a GridView state. Red (or dark grey) header
// cells with filter buttons, a column chooser on the header's context menu, sorting by a
// header click, fixed row heights, alternating row colours, the focused row in light blue,
// icon, tick, multi-line and custom-drawn cells, group rows that collapse, group footers
// and a footer under the columns. Typing in the grid searches the focused column.
#pragma once

#include <QWidget>
#include <memory>

#include "ui/state/grid_view.h"

class QTableView;

namespace zorvat {

class IzgaraModeli;
class IzgaraTablosu;
class IzgaraBasligi;
class IzgaraAltBilgisi;

class Izgara : public QWidget {
 public:
  explicit Izgara(GridView& view, QWidget* parent = nullptr);
  ~Izgara() override;

  GridView& View() { return view_; }
  QTableView* Tablo() const;
  // Opens the filter list of the visible column at the position, as its header button does.
  void FiltreListesiAc(int gorunurSutun);
  // The column chooser, as the header's context menu shows it.
  void SutunSeciciAc(const QPoint& nerede);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Degisti(GridChange degisiklik);
  void SutunlariUygula();
  void SatirlariUygula();
  void OdagiUygula();
  void SiralamaIstendi(int gorunurSutun);
  void SutunTasindi(int eskiYer, int yeniYer);

  GridView& view_;
  IzgaraModeli* model_;
  IzgaraTablosu* tablo_;
  IzgaraBasligi* baslik_;
  IzgaraAltBilgisi* altBilgi_;
  Subscription abonelik_;
  bool uyguluyor_ = false;
};

}  // namespace zorvat
