// Binds Qt widgets to the logic's state objects both ways: a changed state repaints its
// widget; a user's edit or click updates the state and runs its handler. A binding lives
// as long as its widget and lets go of a state that dies first. Bind a widget once it has
// its parent. User-interface thread only.
#pragma once

#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPoint>

#include "ui/state/controls.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;

namespace zorvat {

class MesgulAnimasyonu;
class TAsyncResim;

// A radio group: a framed caption over one radio button per item.
class RadyoGrubu : public QGroupBox {
 public:
  explicit RadyoGrubu(QWidget* parent = nullptr);
  void Ogeler(const std::vector<std::string>& ogeler);
  void Secili(int index);
  QButtonGroup* Dugmeler() const { return dugmeler_; }

 private:
  QButtonGroup* dugmeler_;
};

// A number box that shows its value by a display format such as "#,###,##0.00" with the
// user's separators, and reads back what the user types in the same form.
class SayiKutusu : public QDoubleSpinBox {
 public:
  explicit SayiKutusu(QWidget* parent = nullptr);
  void Bicim(const std::string& bicim);

 protected:
  QString textFromValue(double value) const override;
  double valueFromText(const QString& text) const override;
  QValidator::State validate(QString& input, int& pos) const override;

 private:
  std::string bicim_;
};

void Bagla(QLabel* widget, LabelState& state);
void Bagla(QAbstractButton* widget, ButtonState& state);
void Bagla(QLineEdit* widget, EditState& state);
void Bagla(QPlainTextEdit* widget, MemoState& state);
void Bagla(QCheckBox* widget, CheckBoxState& state);
void Bagla(QComboBox* widget, ChoiceState& state);
void Bagla(RadyoGrubu* widget, ChoiceState& state);
// Keys going down and up are reported to the state with Windows virtual key codes (Enter 13,
// F4 115, ...); a key the state's handler consumes does not reach the box. Enter first takes
// what was typed, so the state holds what the box shows.
void Bagla(SayiKutusu* widget, NumberEditState& state);
void Bagla(QDateTimeEdit* widget, DateEditState& state);
void Bagla(MesgulAnimasyonu* widget, BusyAnimationState& state);
void Bagla(QProgressBar* widget, ProgressBarState& state);
// A group box: its title is the state's caption.
void Bagla(QGroupBox* widget, LabelState& state);
// A plain panel: shown, enabled and hinted as its state says.
void Bagla(QWidget* widget, ControlState& state);
// A picture from bytes: no bytes show the picture the label had when it was bound; bytes
// that do not decode leave the picture shown.
void Bagla(QLabel* widget, PictureState& state);
// The picture's address follows the state's.
void Bagla(TAsyncResim* widget, UrlPictureState& state);

// Fills the menu with the state's visible items, each action carrying its item's name.
void MenuyuDoldur(QMenu& qmenu, const PopupMenuState& menu);

// Shows the popup menu at the point (global coordinates) and runs the chosen item.
void PopupMenuGoster(PopupMenuState& menu, const QPoint& nerede, QWidget* sahip = nullptr);

// Day serials (days since 30 December 1899, the fraction the time) and Qt's date-times.
QDateTime SeriTarihten(double seri);
double SeriTarihe(const QDateTime& zaman);

}  // namespace zorvat
