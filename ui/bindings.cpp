#include "ui/bindings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <memory>

#include "net/bicim.h"
#include "ui/animations.h"
#include "ui/async_resim.h"

namespace zorvat {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The common part of every binding: enabled, visible, hint and focus, both ways. The
// widget-kind part shows the state's own properties in `goster`.
class Baglanti : public QObject {
 public:
  Baglanti(QWidget* widget, ControlState& state, std::function<void()> goster)
      : QObject(widget), widget_(widget), state_(&state), goster_(std::move(goster)) {
    degisti_ = state.Changed.Connect([this] { Yansit(); });
    odak_ = state.FocusRequested.Connect([this] { widget_->setFocus(Qt::OtherFocusReason); });
    gidiyor_ = state.Destroying.Connect([this] { Birak(); });
    widget->installEventFilter(this);
    Yansit();
  }

  // Whether the state still lives; widget signals touch it only then.
  bool Canli() const { return state_ != nullptr; }
  // True while the state is being shown: the widget's own signals then are no user's.
  bool Yansitiyor() const { return yansitiyor_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::FocusIn && Canli()) state_->FocusTakenByUser();
    return false;
  }

 private:
  void Yansit() {
    yansitiyor_ = true;
    widget_->setEnabled(state_->Enabled());
    if (widget_->parentWidget() != nullptr || !state_->Visible()) widget_->setVisible(state_->Visible());
    widget_->setToolTip(Q(state_->Hint()).replace("\r\n", "\n"));
    goster_();
    yansitiyor_ = false;
  }

  void Birak() {
    state_ = nullptr;
    degisti_.Reset();
    odak_.Reset();
    gidiyor_.Reset();
  }

  QWidget* widget_;
  ControlState* state_;
  std::function<void()> goster_;
  Subscription degisti_;
  Subscription odak_;
  Subscription gidiyor_;
  bool yansitiyor_ = false;
};

// Runs a user's action on the state unless the state is gone or is being shown.
template <class Action>
auto Kullanici(Baglanti* baglanti, Action action) {
  return [baglanti, action](auto&&... args) {
    if (baglanti->Canli() && !baglanti->Yansitiyor()) action(args...);
  };
}

// Positions of the state count characters; Qt counts UTF-16 units.
int Utf16Konumu(const QString& metin, int karakter) {
  int birim = 0;
  for (int i = 0; i < karakter && birim < metin.size(); ++i) birim += metin.at(birim).isHighSurrogate() ? 2 : 1;
  return birim;
}

int KarakterKonumu(const QString& metin, int birim) {
  int karakter = 0;
  for (int i = 0; i < birim && i < metin.size(); ++i) {
    if (!metin.at(i).isLowSurrogate()) ++karakter;
  }
  return karakter;
}

// Keys an edit box hands to the logic's key handler: characters, Enter and Backspace.
class TusYonlendirici : public QObject {
 public:
  TusYonlendirici(QLineEdit* widget, EditState& state, Baglanti* baglanti)
      : QObject(widget), state_(state), baglanti_(baglanti) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !baglanti_->Canli()) return false;
    auto* tus = static_cast<QKeyEvent*>(event);
    if (tus->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    QString metin = tus->text();
    if (tus->key() == Qt::Key_Return || tus->key() == Qt::Key_Enter) metin = "\r";
    if (metin.isEmpty() || metin == "\t" || metin == QString(QChar(27)) || metin == QString(QChar(127))) return false;
    state_.Type(metin.toStdString());
    return true;
  }

 private:
  EditState& state_;
  Baglanti* baglanti_;
};

QString SatirSonlariQt(const std::string& metin) { return Q(metin).replace("\r\n", "\n"); }

// The Windows virtual key code of a key; 0 for a key the program has no use for.
int SanalTusKodu(const QKeyEvent& tus) {
#ifdef Q_OS_WIN
  if (tus.nativeVirtualKey() != 0) return static_cast<int>(tus.nativeVirtualKey());
#endif
  const int kod = tus.key();
  if (kod >= Qt::Key_F1 && kod <= Qt::Key_F24) return 112 + (kod - Qt::Key_F1);
  if (kod >= Qt::Key_0 && kod <= Qt::Key_9) {
    return tus.modifiers() & Qt::KeypadModifier ? 96 + (kod - Qt::Key_0) : kod;
  }
  if (kod >= Qt::Key_A && kod <= Qt::Key_Z) return kod;
  switch (kod) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Comma: return tus.modifiers() & Qt::KeypadModifier ? 110 : 188;
    case Qt::Key_Period: return tus.modifiers() & Qt::KeypadModifier ? 110 : 190;
    case Qt::Key_Minus: return tus.modifiers() & Qt::KeypadModifier ? 109 : 189;
    default: return 0;
  }
}

// Keys of a number box reported to its state, as the program's key handlers expect them.
class SayiTuslari : public QObject {
 public:
  SayiTuslari(SayiKutusu* widget, NumberEditState& state, Baglanti* baglanti)
      : QObject(widget), widget_(widget), state_(state), baglanti_(baglanti) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const bool basildi = event->type() == QEvent::KeyPress;
    if ((!basildi && event->type() != QEvent::KeyRelease) || !baglanti_->Canli()) return false;
    auto* tus = static_cast<QKeyEvent*>(event);
    // Windows reports a held key going down again and again but up only once.
    if (!basildi && tus->isAutoRepeat()) return false;
    const int kod = SanalTusKodu(*tus);
    if (kod == 0) return false;
    if (basildi && kod == 13) widget_->interpretText();
    return (basildi ? state_.KeyDown(kod) : state_.KeyUp(kod)) == 0;
  }

 private:
  SayiKutusu* widget_;
  NumberEditState& state_;
  Baglanti* baglanti_;
};

}  // namespace

// ---- Simple controls

// The program's captions break lines with CR LF.
void Bagla(QLabel* widget, LabelState& state) {
  new Baglanti(widget, state, [widget, &state] { widget->setText(SatirSonlariQt(state.Caption())); });
}

void Bagla(QAbstractButton* widget, ButtonState& state) {
  auto* baglanti = new Baglanti(widget, state, [widget, &state] { widget->setText(Q(state.Caption())); });
  QObject::connect(widget, &QAbstractButton::clicked, baglanti, Kullanici(baglanti, [&state](bool) { state.Click(); }));
}

void Bagla(QCheckBox* widget, CheckBoxState& state) {
  auto* baglanti = new Baglanti(widget, state, [widget, &state] {
    widget->setText(Q(state.Caption()));
    widget->setChecked(state.Checked());
  });
  QObject::connect(widget, &QCheckBox::clicked, baglanti, Kullanici(baglanti, [&state](bool checked) {
    if (checked != state.Checked()) state.Click();
  }));
}

void Bagla(QComboBox* widget, ChoiceState& state) {
  auto* baglanti = new Baglanti(widget, state, [widget, &state] {
    QStringList ogeler;
    for (const std::string& oge : state.Items()) ogeler << Q(oge);
    QStringList mevcut;
    for (int i = 0; i < widget->count(); ++i) mevcut << widget->itemText(i);
    if (ogeler != mevcut) {
      widget->clear();
      widget->addItems(ogeler);
    }
    widget->setCurrentIndex(state.ItemIndex());
  });
  QObject::connect(widget, &QComboBox::activated, baglanti, Kullanici(baglanti, [&state](int index) { state.ChosenByUser(index); }));
}

void Bagla(RadyoGrubu* widget, ChoiceState& state) {
  auto* baglanti = new Baglanti(widget, state, [widget, &state] {
    widget->setTitle(Q(state.Caption()));
    widget->Ogeler(state.Items());
    widget->Secili(state.ItemIndex());
  });
  QObject::connect(widget->Dugmeler(), &QButtonGroup::idClicked, baglanti,
                   Kullanici(baglanti, [&state](int index) { state.ChosenByUser(index); }));
}

void Bagla(MesgulAnimasyonu* widget, BusyAnimationState& state) {
  new Baglanti(widget, state, [] {});
}

void Bagla(QProgressBar* widget, ProgressBarState& state) {
  new Baglanti(widget, state, [widget, &state] {
    // QProgressBar counts in int: large files are shown in kilobytes.
    const int bolen = state.Max() > std::numeric_limits<int>::max() ? 1024 : 1;
    widget->setRange(0, static_cast<int>(state.Max() / bolen));
    widget->setValue(static_cast<int>(state.Position() / bolen));
  });
}

void Bagla(QGroupBox* widget, LabelState& state) {
  new Baglanti(widget, state, [widget, &state] { widget->setTitle(Q(state.Caption())); });
}

void Bagla(QWidget* widget, ControlState& state) {
  new Baglanti(widget, state, [] {});
}

// ---- Pictures

void Bagla(QLabel* widget, PictureState& state) {
  const QPixmap tasarim = widget->pixmap();
  auto gosterilen = std::make_shared<std::string>();
  new Baglanti(widget, state, [widget, &state, tasarim, gosterilen] {
    if (state.Bytes() == *gosterilen) return;
    *gosterilen = state.Bytes();
    if (state.Bytes().empty()) {
      widget->setPixmap(tasarim);
      return;
    }
    QPixmap resim;
    if (resim.loadFromData(reinterpret_cast<const uchar*>(state.Bytes().data()), static_cast<uint>(state.Bytes().size()))) {
      widget->setPixmap(resim);
    }
  });
}

void Bagla(TAsyncResim* widget, UrlPictureState& state) {
  new Baglanti(widget, state, [widget, &state] { widget->SetUrl(state.Url()); });
}

// ---- Edits

void Bagla(QLineEdit* widget, EditState& state) {
  auto* baglanti = new Baglanti(widget, state, [widget, &state] {
    const QString metin = Q(state.Text());
    if (widget->text() != metin) widget->setText(metin);
    widget->setReadOnly(state.ReadOnly());
    const int bas = Utf16Konumu(metin, state.SelStart());
    const int son = Utf16Konumu(metin, state.SelStart() + state.SelLength());
    if (son > bas) {
      widget->setSelection(bas, son - bas);
    } else {
      widget->setCursorPosition(bas);
    }
  });
  new TusYonlendirici(widget, state, baglanti);
  const auto okuVeBildir = Kullanici(baglanti, [widget, &state] {
    const QString metin = widget->text();
    const int bas = widget->hasSelectedText() ? widget->selectionStart() : widget->cursorPosition();
    const int uzunluk = widget->hasSelectedText() ? static_cast<int>(widget->selectedText().size()) : 0;
    const int karakterBas = KarakterKonumu(metin, bas);
    state.EditedByUser(metin.toStdString(), karakterBas, KarakterKonumu(metin, bas + uzunluk) - karakterBas);
  });
  QObject::connect(widget, &QLineEdit::textEdited, baglanti, [okuVeBildir](const QString&) { okuVeBildir(); });
  QObject::connect(widget, &QLineEdit::selectionChanged, baglanti, okuVeBildir);
  QObject::connect(widget, &QLineEdit::cursorPositionChanged, baglanti, [okuVeBildir](int, int) { okuVeBildir(); });
}

void Bagla(QPlainTextEdit* widget, MemoState& state) {
  auto* baglanti = new Baglanti(widget, state, [widget, &state] {
    const QString metin = SatirSonlariQt(state.Text());
    if (widget->toPlainText() != metin) widget->setPlainText(metin);
    widget->setReadOnly(state.ReadOnly());
  });
  QObject::connect(widget, &QPlainTextEdit::textChanged, baglanti, Kullanici(baglanti, [widget, &state] {
    // The program's memo texts break lines with CR LF.
    state.EditedByUser(widget->toPlainText().replace("\n", "\r\n").toStdString());
  }));
}

// ---- Numbers and dates

SayiKutusu::SayiKutusu(QWidget* parent) : QDoubleSpinBox(parent), bicim_(ParaBicimi) {
  setDecimals(2);
  setRange(-1e15, 1e15);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SayiKutusu::Bicim(const std::string& bicim) {
  if (bicim == bicim_) return;
  bicim_ = bicim;
  const std::size_t nokta = bicim.find('.');
  setDecimals(nokta == std::string::npos ? 0 : static_cast<int>(bicim.size() - nokta - 1));
  setValue(value());
}

QString SayiKutusu::textFromValue(double value) const { return Q(FormatFloat(bicim_, value)); }

double SayiKutusu::valueFromText(const QString& text) const {
  const SayiAyiraclari ayiraclar = GecerliAyiraclar();
  QString sade = text.trimmed();
  sade.remove(QChar(ayiraclar.binlik));
  sade.replace(QChar(ayiraclar.ondalik), '.');
  return sade.toDouble();
}

QValidator::State SayiKutusu::validate(QString& input, int&) const {
  const SayiAyiraclari ayiraclar = GecerliAyiraclar();
  for (QChar c : input) {
    if (!c.isDigit() && c != QChar(ayiraclar.binlik) && c != QChar(ayiraclar.ondalik) && c != '-' && c != ' ') {
      return QValidator::Invalid;
    }
  }
  return QValidator::Acceptable;
}

void Bagla(SayiKutusu* widget, NumberEditState& state) {
  auto* baglanti = new Baglanti(widget, state, [widget, &state] {
    // Setting even the same limits or value rewrites the text under the user's caret.
    widget->Bicim(state.DisplayFormat());
    const bool sinirli = state.Minimum() < state.Maximum();
    const double alt = sinirli ? state.Minimum() : -1e15;
    const double ust = sinirli ? state.Maximum() : 1e15;
    if (widget->minimum() != alt || widget->maximum() != ust) widget->setRange(alt, ust);
    if (widget->singleStep() != state.Increment()) widget->setSingleStep(state.Increment());
    if (widget->value() != state.Value()) widget->setValue(state.Value());
    widget->setReadOnly(state.ReadOnly());
  });
  QObject::connect(widget, &QDoubleSpinBox::valueChanged, baglanti,
                   Kullanici(baglanti, [&state](double value) { state.EditedByUser(value); }));
  new SayiTuslari(widget, state, baglanti);
}

QDateTime SeriTarihten(double seri) {
  const double gun = std::floor(seri);
  const auto saniye = static_cast<qint64>(std::llround((seri - gun) * 86400.0));
  return QDateTime(QDate(1899, 12, 30).addDays(static_cast<qint64>(gun)), QTime(0, 0)).addSecs(saniye);
}

double SeriTarihe(const QDateTime& zaman) {
  const double gun = static_cast<double>(QDate(1899, 12, 30).daysTo(zaman.date()));
  return gun + zaman.time().msecsSinceStartOfDay() / 86400000.0;
}

void Bagla(QDateTimeEdit* widget, DateEditState& state) {
  auto* baglanti = new Baglanti(widget, state, [widget, &state] {
    const QDateTime zaman = SeriTarihten(state.Date());
    if (widget->dateTime() != zaman) widget->setDateTime(zaman);
  });
  QObject::connect(widget, &QDateTimeEdit::dateTimeChanged, baglanti,
                   Kullanici(baglanti, [&state](const QDateTime& zaman) { state.EditedByUser(SeriTarihe(zaman)); }));
}

// ---- Radio group

RadyoGrubu::RadyoGrubu(QWidget* parent) : QGroupBox(parent), dugmeler_(new QButtonGroup(this)) {
  new QVBoxLayout(this);
}

void RadyoGrubu::Ogeler(const std::vector<std::string>& ogeler) {
  const QList<QAbstractButton*> mevcut = dugmeler_->buttons();
  bool ayni = mevcut.size() == static_cast<qsizetype>(ogeler.size());
  for (qsizetype i = 0; ayni && i < mevcut.size(); ++i) ayni = mevcut[i]->text() == Q(ogeler[static_cast<std::size_t>(i)]);
  if (ayni) return;
  for (QAbstractButton* dugme : mevcut) delete dugme;
  for (std::size_t i = 0; i < ogeler.size(); ++i) {
    auto* dugme = new QRadioButton(Q(ogeler[i]), this);
    dugmeler_->addButton(dugme, static_cast<int>(i));
    layout()->addWidget(dugme);
  }
}

void RadyoGrubu::Secili(int index) {
  if (QAbstractButton* dugme = dugmeler_->button(index)) {
    dugme->setChecked(true);
    return;
  }
  // No item chosen: no button may stay checked.
  dugmeler_->setExclusive(false);
  for (QAbstractButton* dugme : dugmeler_->buttons()) dugme->setChecked(false);
  dugmeler_->setExclusive(true);
}

// ---- Popup menu

void MenuyuDoldur(QMenu& qmenu, const PopupMenuState& menu) {
  qmenu.clear();
  for (const MenuItemState& oge : menu.Items()) {
    if (!oge.visible) continue;
    if (oge.IsSeparator()) {
      qmenu.addSeparator();
      continue;
    }
    QAction* eylem = qmenu.addAction(Q(oge.caption));
    eylem->setEnabled(oge.enabled);
    eylem->setData(Q(oge.name));
  }
}

void PopupMenuGoster(PopupMenuState& menu, const QPoint& nerede, QWidget* sahip) {
  QMenu qmenu(sahip);
  MenuyuDoldur(qmenu, menu);
  QString secilen;
  QObject::connect(&qmenu, &QMenu::triggered, [&secilen](QAction* eylem) { secilen = eylem->data().toString(); });
  qmenu.exec(nerede);
  // The item runs once the menu has closed: it may open a window of its own.
  if (!secilen.isEmpty()) menu.Choose(secilen.toStdString());
}

}  // namespace zorvat
