// The program's look: a clean Fusion-based style in the spirit of the dealer's, its
// colours and its Tahoma and Arial fonts (or the closest ones the machine has).
#pragma once

#include <QColor>
#include <QFont>

class QApplication;

namespace zorvat::gorunum {

inline const QColor kKirmiziBaslik(196, 30, 36);    // header cells of the lists
inline const QColor kKoyuGriBaslik(61, 65, 74);     // header cells of the detail lists
inline const QColor kAcikGri(239, 239, 239);        // every other row
inline const QColor kOdakSatiri(210, 240, 249);     // the focused row
inline const QColor kLejantYazisi(67, 76, 88);      // the status legend
inline const QColor kSayacKirmizisi(255, 59, 48);   // tab counters, bright enough on dark tabs
inline const QColor kSekmeZemini(44, 62, 80);       // tab bar behind the tabs

// Fusion style, a light palette, fonts, and the tab painter for every tab bar.
void Uygula(QApplication& uygulama);

// Fonts by the program's pixel sizes.
QFont Tahoma(int pikselBoyu, bool kalin = false);
QFont Arial(int pikselBoyu, bool kalin = false);

}  // namespace zorvat::gorunum
