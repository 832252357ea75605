#include "catalogue/kolon_genislik.h"

#include "ui/state/grid_view.h"

namespace zorvat {

void KolonGenislikAyarla(GridView& view, int genislik) {
  const std::vector<std::size_t> gorunenler = view.VisibleColumns();
  int agirlik = 0;
  for (std::size_t sira : gorunenler) agirlik += view.ColumnAt(sira).tag;
  if (agirlik <= 0) return;
  const int birim = (genislik - 30) / agirlik;
  if (birim <= 0) return;  // a grid not laid out yet
  view.BeginUpdate();
  for (std::size_t sira : gorunenler) {
    const GridColumn& kolon = view.ColumnAt(sira);
    if (kolon.tag > 0) view.SetColumnWidth(kolon.name, kolon.tag * birim);
  }
  view.EndUpdate();
}

}  // namespace zorvat
