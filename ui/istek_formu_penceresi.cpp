#include "ui/istek_formu_penceresi.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "info/istek_formu.h"
#include "ui/bindings.h"
#include "ui/look.h"
#include "ui/web_tarayici.h"

namespace zorvat {

IstekFormuPenceresi::IstekFormuPenceresi(Tformistekyeni& form, QWidget* parent) : FormPenceresi(form, parent) {
  setFont(gorunum::Tahoma(13, true));
  resize(780, 555);
  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(0, 0, 0, 6);
  auto* sitem = new QWebEngineView(this);
  Bagla(sitem, form.sitem);
  duzen->addWidget(sitem, 1);
  auto* alt = new QHBoxLayout;
  alt->addStretch();
  auto* kapat = new QPushButton(this);
  kapat->setMinimumSize(110, 34);
  kapat->setAutoDefault(false);
  Bagla(kapat, form.Button1);
  alt->addWidget(kapat);
  alt->addSpacing(8);
  duzen->addLayout(alt);
}

}  // namespace zorvat
