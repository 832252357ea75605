#include "ui/dosya_indir_penceresi.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "info/dosya_indir.h"
#include "net/services.h"
#include "ui/bindings.h"
#include "ui/look.h"

namespace zorvat {

DosyaIndirPenceresi::DosyaIndirPenceresi(Tdosyaindir& form, QWidget* parent)
    : FormPenceresi(form, parent), form_(form) {
  setWindowFlag(Qt::Tool, true);
  setWindowFlag(Qt::WindowCloseButtonHint, false);
  setFont(gorunum::Tahoma(13, true));
  setFixedSize(543, 309);
  auto* duzen = new QVBoxLayout(this);
  auto* duyuru = new QLabel(this);
  duyuru->setFont(gorunum::Tahoma(27, true));
  duyuru->setAlignment(Qt::AlignCenter);
  duyuru->setWordWrap(true);
  Bagla(duyuru, form.sLabel1);
  duzen->addWidget(duyuru, 1);
  auto* bilgi = new QLabel(this);
  bilgi->setWordWrap(true);
  Bagla(bilgi, form.bilgi);
  duzen->addWidget(bilgi);
  auto* cubuk = new QProgressBar(this);
  cubuk->setTextVisible(false);
  Bagla(cubuk, form.ProgressBar1);
  duzen->addWidget(cubuk);
}

// The window may not become active where no window manager runs; being shown starts the
// download as well, once.
void DosyaIndirPenceresi::showEvent(QShowEvent* event) {
  FormPenceresi::showEvent(event);
  QTimer::singleShot(0, this, [this] { Etkinlesti(); });
}

void DosyaIndirPenceresi::changeEvent(QEvent* event) {
  FormPenceresi::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Etkinlesti();
}

void DosyaIndirPenceresi::Etkinlesti() {
  OlayCalistir([this] { form_.FormActivate(); });
}

}  // namespace zorvat
