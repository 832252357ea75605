#include "ui/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>

namespace zorvat::gorunum {

namespace {

// Where the Windows fonts are missing, the closest shapes that Linux machines have.
void YaziYerleriniAyarla() {
  if (!QFontDatabase::hasFamily("Tahoma")) QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "Verdana"});
  if (!QFontDatabase::hasFamily("Arial")) QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "Helvetica"});
}

QPalette AcikPalet() {
  QPalette palet;
  palet.setColor(QPalette::Window, QColor(245, 246, 248));
  palet.setColor(QPalette::WindowText, QColor(33, 37, 41));
  palet.setColor(QPalette::Base, Qt::white);
  palet.setColor(QPalette::AlternateBase, kAcikGri);
  palet.setColor(QPalette::Text, QColor(33, 37, 41));
  palet.setColor(QPalette::Button, QColor(236, 238, 241));
  palet.setColor(QPalette::ButtonText, QColor(33, 37, 41));
  palet.setColor(QPalette::Highlight, kKirmiziBaslik);
  palet.setColor(QPalette::HighlightedText, Qt::white);
  palet.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  palet.setColor(QPalette::ToolTipText, Qt::black);
  palet.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 140, 140));
  palet.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 140, 140));
  palet.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 140, 140));
  return palet;
}

}  // namespace

QFont Tahoma(int pikselBoyu, bool kalin) {
  QFont yazi("Tahoma");
  yazi.setPixelSize(pikselBoyu);
  yazi.setBold(kalin);
  return yazi;
}

QFont Arial(int pikselBoyu, bool kalin) {
  QFont yazi("Arial");
  yazi.setPixelSize(pikselBoyu);
  yazi.setBold(kalin);
  return yazi;
}

void Uygula(QApplication& uygulama) {
  YaziYerleriniAyarla();
  uygulama.setStyle(QStyleFactory::create("Fusion"));
  uygulama.setPalette(AcikPalet());
  uygulama.setFont(Tahoma(13));
}

}  // namespace zorvat::gorunum
