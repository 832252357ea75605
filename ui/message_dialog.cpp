#include "ui/message_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace zorvat {

namespace {

QStyle::StandardPixmap SimgeOf(int tur) {
  switch (tur) {
    case 1: return QStyle::SP_MessageBoxCritical;
    case 2: return QStyle::SP_MessageBoxInformation;
    case 3: return QStyle::SP_MessageBoxQuestion;
    default: return QStyle::SP_MessageBoxWarning;
  }
}

// Lines stay whole up to a readable width; longer ones wrap there.
constexpr int kEnGenisSatir = 600;

QLabel* MetinEtiketi(const std::string& metin, QWidget* parent) {
  auto* etiket = new QLabel(QString::fromStdString(metin).replace("\r\n", "\n"), parent);
  etiket->setTextFormat(Qt::PlainText);
  etiket->setWordWrap(true);
  etiket->setTextInteractionFlags(Qt::NoTextInteraction);
  int enGenis = 0;
  for (const QString& satir : etiket->text().split('\n')) {
    enGenis = std::max(enGenis, etiket->fontMetrics().horizontalAdvance(satir));
  }
  etiket->setFixedWidth(std::clamp(enGenis + 8, 200, kEnGenisSatir));
  return etiket;
}

}  // namespace

MesajDiyalogu::MesajDiyalogu(const MesajPenceresi& pencere, QWidget* parent, bool simgeli)
    : QDialog(parent), escapeSonucu_(pencere.escapeSonucu), kapatmaSonucu_(pencere.kapatmaSonucu) {
  setWindowTitle(QString::fromStdString(pencere.baslik));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  QFont yazi = font();
  yazi.setPointSize(kMesajYaziBoyu);
  yazi.setBold(false);
  setFont(yazi);

  auto* metinSatiri = new QHBoxLayout;
  metinSatiri->setSpacing(16);
  if (simgeli) {
    auto* simge = new QLabel(this);
    simge->setPixmap(style()->standardIcon(SimgeOf(pencere.tur)).pixmap(40, 40));
    simge->setAlignment(Qt::AlignTop);
    metinSatiri->addWidget(simge);
  }
  metinSatiri->addWidget(MetinEtiketi(pencere.metin, this), 1);

  auto* dugmeSatiri = new QHBoxLayout;
  dugmeSatiri->addStretch();
  std::map<MsgDlgBtn, QPushButton*> dugmeler;
  for (const MesajDugmesi& tanim : pencere.dugmeler) {
    auto* dugme = new QPushButton(QString::fromStdString(tanim.baslik), this);
    dugme->setAutoDefault(true);
    dugme->setMinimumWidth(110);
    const int sonuc = tanim.sonuc;
    // Help has no result: there is no help to show, and the dialog stays open.
    if (sonuc != mrNone) connect(dugme, &QPushButton::clicked, this, [this, sonuc] { done(sonuc); });
    dugmeSatiri->addWidget(dugme);
    dugmeler[tanim.dugme] = dugme;
  }
  dugmeSatiri->addStretch();

  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(20, 20, 20, 16);
  duzen->setSpacing(18);
  duzen->addLayout(metinSatiri);
  duzen->addLayout(dugmeSatiri);
  duzen->setSizeConstraint(QLayout::SetFixedSize);

  for (std::size_t i = 0; i + 1 < pencere.sekmeSirasi.size(); ++i) {
    setTabOrder(dugmeler.at(pencere.sekmeSirasi[i]), dugmeler.at(pencere.sekmeSirasi[i + 1]));
  }
  if (auto odak = dugmeler.find(pencere.odak); odak != dugmeler.end()) {
    odak->second->setDefault(true);
    odak->second->setFocus();
  }
}

void MesajDiyalogu::Ortala(const QWidget* uzerinde) {
  adjustSize();
  QRect alan;
  if (uzerinde != nullptr && uzerinde->isVisible()) {
    alan = uzerinde->frameGeometry();
  } else if (const QScreen* ekran = QGuiApplication::primaryScreen()) {
    alan = ekran->availableGeometry();
  }
  if (alan.isValid()) move(alan.center() - rect().center());
}

void MesajDiyalogu::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    done(escapeSonucu_);
    return;
  }
  QDialog::keyPressEvent(event);
}

// The close box (and only it: Escape is answered above).
void MesajDiyalogu::reject() { done(kapatmaSonucu_); }

}  // namespace zorvat
