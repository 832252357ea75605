// Column widths in proportion to each column's weight, for lists on wide screens.
#pragma once

namespace zorvat {

class GridView;

// Windows (and screens) wider than this are wide: the lists share their width by weights,
// and the stock list shows its price columns instead of the price cell.
inline constexpr int kGenisPencere = 1152;

// Shares the width less 30 pixels among the visible columns by their weights (`Tag`): one
// whole-pixel unit q for all, so every column of weight 1 is as wide as every other. A
// column of weight 0 keeps its width, so that a user who shows it can see it.
void KolonGenislikAyarla(GridView& view, int genislik);

}  // namespace zorvat
