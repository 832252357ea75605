#include "ui/logo.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/look.h"

namespace zorvat {

namespace {

const QString kAd = QStringLiteral("ZORVAT OTO");
const QString kAltYazi = QStringLiteral("YEDEK PARÇA  •  B2B SİPARİŞ");

QFont AdYazisi(int yukseklik) { return gorunum::Arial(static_cast<int>(yukseklik * 0.42), true); }
QFont AltYazisi(int yukseklik) { return gorunum::Arial(static_cast<int>(yukseklik * 0.2), true); }

}  // namespace

ZorvatLogosu::ZorvatLogosu(bool acik, QWidget* parent) : QWidget(parent), acik_(acik) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

// The badge, a gap and the wider of the two lines of text.
QSize ZorvatLogosu::sizeHint() const {
  const int metin = std::max(QFontMetrics(AdYazisi(kYukseklik)).horizontalAdvance(kAd),
                             QFontMetrics(AltYazisi(kYukseklik)).horizontalAdvance(kAltYazi));
  return {kYukseklik + 10 + metin + 4, kYukseklik};
}

void ZorvatLogosu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int yukseklik = height();
  const QRectF rozet(2, 2, yukseklik - 4, yukseklik - 4);
  p.setPen(Qt::NoPen);
  p.setBrush(gorunum::kKirmiziBaslik);
  p.drawRoundedRect(rozet, 10, 10);

  // A wheel: tyre, rim and five spokes.
  const QPointF merkez = rozet.center();
  const double r = rozet.width() * 0.34;
  p.setPen(QPen(Qt::white, r * 0.28));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(merkez, r, r);
  p.setPen(QPen(Qt::white, r * 0.12, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 5; ++i) {
    const double aci = i * 2 * M_PI / 5 - M_PI / 2;
    p.drawLine(merkez, merkez + QPointF(std::cos(aci), std::sin(aci)) * r * 0.8);
  }
  p.setBrush(Qt::white);
  p.drawEllipse(merkez, r * 0.18, r * 0.18);

  const QColor yazi = acik_ ? QColor(Qt::white) : QColor(40, 44, 52);
  const QRectF metin(rozet.right() + 10, 0, width() - rozet.right() - 10, yukseklik);
  p.setFont(AdYazisi(yukseklik));
  p.setPen(acik_ ? QColor(Qt::white) : gorunum::kKirmiziBaslik);
  p.drawText(metin.adjusted(0, 0, 0, -yukseklik * 0.38), Qt::AlignLeft | Qt::AlignBottom, kAd);
  p.setFont(AltYazisi(yukseklik));
  p.setPen(yazi);
  p.drawText(metin.adjusted(2, yukseklik * 0.64, 0, 0), Qt::AlignLeft | Qt::AlignTop, kAltYazi);
}

}  // namespace zorvat
