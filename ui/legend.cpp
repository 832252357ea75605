#include "ui/legend.h"

#include <QHBoxLayout>
#include <QLabel>

#include "ui/icons.h"
#include "ui/look.h"

namespace zorvat {

namespace {

struct LejantOgesi {
  Simge simge;
  const char* metin;
};

constexpr LejantOgesi kOgeler[] = {
    {Simge::DurumVar, " Stok mevcut  "},         {Simge::DurumTelefon, " Telefon Açınız  "},
    {Simge::DurumYolda, " Yolda  "},             {Simge::DurumTedarik, " Tedarik Sürecinde "},
    {Simge::DurumOzelSiparis, " Özel Sipariş  "}, {Simge::DurumYok, " Yok  "},
};

QLabel* Etiket(const QString& metin, QWidget* parent) {
  auto* etiket = new QLabel(metin, parent);
  etiket->setFont(gorunum::Tahoma(11, true));
  QPalette palet = etiket->palette();
  palet.setColor(QPalette::WindowText, gorunum::kLejantYazisi);
  etiket->setPalette(palet);
  return etiket;
}

}  // namespace

DurumAciklamasi::DurumAciklamasi(QWidget* parent) : QWidget(parent) {
  setFixedHeight(27);
  auto* duzen = new QHBoxLayout(this);
  duzen->setContentsMargins(8, 0, 8, 0);
  duzen->setSpacing(2);
  duzen->addWidget(Etiket(QStringLiteral("Durum Açıklaması:    "), this));
  for (const LejantOgesi& oge : kOgeler) {
    auto* simge = new QLabel(this);
    simge->setPixmap(SimgeResmi(oge.simge, 18));
    duzen->addWidget(simge);
    duzen->addWidget(Etiket(QString::fromUtf8(oge.metin), this));
  }
  duzen->addStretch();
}

}  // namespace zorvat
