#include "ui/stok_listesi_sayfasi.h"

#include <QVBoxLayout>

#include "catalogue/stok_listesi.h"
#include "ui/grid.h"

namespace zorvat {

StokListesiSayfasi::StokListesiSayfasi(StokListesi& liste, QWidget* parent) : QWidget(parent), liste_(liste) {
  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(0, 0, 0, 0);
  // The width rule goes by the main window, which has its new size before the grid does.
  liste_.anaPencereGenisligi = [this] { return window()->width(); };
  duzen->addWidget(new Izgara(liste_.cxGrid1DBTableView1, this));
}

StokListesiSayfasi::~StokListesiSayfasi() {
  liste_.anaPencereGenisligi = [] { return 0; };
}

}  // namespace zorvat
