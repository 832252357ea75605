// Typing any text, Turkish letters included, as key presses (QTest's own typing knows only
// ASCII).
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zorvat::test {

inline void Yaz(QWidget* widget, const QString& metin) {
  for (QChar harf : metin) {
    QKeyEvent basildi(QEvent::KeyPress, 0, Qt::NoModifier, QString(harf));
    QApplication::sendEvent(widget, &basildi);
    QKeyEvent birakildi(QEvent::KeyRelease, 0, Qt::NoModifier, QString(harf));
    QApplication::sendEvent(widget, &birakildi);
  }
}

}  // namespace zorvat::test
