// The program's own pictures, drawn at any size: the stock status icons of the legend and
// the lists, the flags of the lists, the pages' and the buttons' pictures.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "ui/state/symbols.h"

namespace zorvat {

QPixmap SimgeResmi(Simge simge, int boyut = 20);
QIcon SimgeIkonu(Simge simge);

}  // namespace zorvat
