#include "ui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace zorvat {

namespace {

// Every picture is drawn on a 20 × 20 grid and scaled.
constexpr qreal kGrid = 20;

const QColor kYesil(46, 160, 67);
const QColor kKirmizi(200, 40, 40);
const QColor kMavi(30, 110, 200);
const QColor kTuruncu(235, 140, 20);
const QColor kMor(130, 70, 170);
const QColor kSari(214, 168, 0);
const QColor kGri(110, 118, 129);
const QColor kAltin(242, 183, 5);

QPen KalemBeyaz(qreal kalinlik = 2.2) { return QPen(Qt::white, kalinlik, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Daire(QPainter& p, const QColor& renk) {
  p.setPen(Qt::NoPen);
  p.setBrush(renk);
  p.drawEllipse(QRectF(1, 1, 18, 18));
}

void Tik(QPainter& p, const QPen& kalem) {
  p.setPen(kalem);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(5.5, 10.5), QPointF(8.5, 13.5), QPointF(14.5, 6.5)}));
}

void Carpi(QPainter& p, const QPen& kalem) {
  p.setPen(kalem);
  p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
  p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
}

QPainterPath Yildiz(QPointF merkez, qreal dis, qreal ic) {
  QPainterPath yol;
  for (int i = 0; i < 10; ++i) {
    const qreal aci = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const qreal r = i % 2 == 0 ? dis : ic;
    const QPointF nokta(merkez.x() + r * std::cos(aci), merkez.y() + r * std::sin(aci));
    if (i == 0) yol.moveTo(nokta); else yol.lineTo(nokta);
  }
  yol.closeSubpath();
  return yol;
}

void Saat(QPainter& p, const QPen& kalem) {
  p.setPen(kalem);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(5, 5, 10, 10));
  p.drawLine(QPointF(10, 10), QPointF(10, 7));
  p.drawLine(QPointF(10, 10), QPointF(12.5, 11.5));
}

void Telefon(QPainter& p) {
  QPainterPath ahize;
  ahize.moveTo(6, 6);
  ahize.cubicTo(5, 11, 9, 15, 14, 14);
  ahize.lineTo(14, 12);
  ahize.lineTo(11.5, 11);
  ahize.lineTo(10.5, 12);
  ahize.cubicTo(9, 11.5, 8.5, 11, 8, 9.5);
  ahize.lineTo(9, 8.5);
  ahize.lineTo(8, 6);
  ahize.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(ahize);
}

void Kamyon(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4, 7, 7.5, 5.5));
  p.drawPolygon(QPolygonF({QPointF(12, 9), QPointF(14.5, 9), QPointF(16, 11), QPointF(16, 12.5), QPointF(12, 12.5)}));
  p.setBrush(QColor(40, 40, 40));
  p.drawEllipse(QRectF(5.2, 12, 3, 3));
  p.drawEllipse(QRectF(12.2, 12, 3, 3));
}

void Kutu(QPainter& p, const QColor& renk) {
  p.setPen(Qt::NoPen);
  p.setBrush(renk);
  p.drawRoundedRect(QRectF(2, 3, 16, 14), 3, 3);
}

void Etiket(QPainter& p, const QColor& renk, const QString& metin) {
  QPainterPath yol;
  yol.moveTo(2, 10);
  yol.lineTo(8, 3);
  yol.lineTo(18, 3);
  yol.lineTo(18, 17);
  yol.lineTo(8, 17);
  yol.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(renk);
  p.drawPath(yol);
  p.setPen(Qt::white);
  QFont yazi = p.font();
  yazi.setPixelSize(9);
  yazi.setBold(true);
  p.setFont(yazi);
  p.drawText(QRectF(7, 3, 11, 14), Qt::AlignCenter, metin);
}

void Harf(QPainter& p, const QColor& renk, const QString& metin) {
  Daire(p, renk);
  p.setPen(Qt::white);
  QFont yazi = p.font();
  yazi.setPixelSize(11);
  yazi.setBold(true);
  p.setFont(yazi);
  p.drawText(QRectF(0, 0, kGrid, kGrid), Qt::AlignCenter, metin);
}

void Cizgiler(QPainter& p, const QColor& renk) {
  p.setPen(QPen(renk, 2.2, Qt::SolidLine, Qt::RoundCap));
  for (qreal y : {5.0, 10.0, 15.0}) {
    p.drawPoint(QPointF(3.5, y));
    p.drawLine(QPointF(7, y), QPointF(17, y));
  }
}

void Sepet(QPainter& p, const QColor& renk) {
  p.setPen(QPen(renk, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(1.5, 3), QPointF(4.5, 3), QPointF(7, 13), QPointF(16, 13), QPointF(18, 6), QPointF(5.5, 6)}));
  p.setBrush(renk);
  p.drawEllipse(QRectF(6.5, 15, 2.5, 2.5));
  p.drawEllipse(QRectF(13.5, 15, 2.5, 2.5));
}

void Belge(QPainter& p, const QColor& renk) {
  p.setPen(QPen(renk, 1.6));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(4, 2, 12, 16), 1.5, 1.5);
  for (qreal y : {6.0, 9.0, 12.0, 15.0}) p.drawLine(QPointF(6.5, y), QPointF(13.5, y));
}

void Buyutec(QPainter& p, const QColor& renk) {
  p.setPen(QPen(renk, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(3, 3, 10, 10));
  p.drawLine(QPointF(11.5, 11.5), QPointF(17, 17));
}

void Ok(QPainter& p, const QColor& renk, bool sola) {
  p.setPen(QPen(renk, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (sola) {
    p.drawPolyline(QPolygonF({QPointF(12, 4), QPointF(6, 10), QPointF(12, 16)}));
  } else {
    p.drawPolyline(QPolygonF({QPointF(8, 4), QPointF(14, 10), QPointF(8, 16)}));
  }
}

void Zarf(QPainter& p, const QColor& renk) {
  p.setPen(QPen(renk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2, 5, 16, 11));
  p.drawPolyline(QPolygonF({QPointF(2, 5), QPointF(10, 11.5), QPointF(18, 5)}));
}

void Kart(QPainter& p, const QColor& renk) {
  p.setPen(Qt::NoPen);
  p.setBrush(renk);
  p.drawRoundedRect(QRectF(2, 4, 16, 12), 2, 2);
  p.setBrush(QColor(40, 40, 40));
  p.drawRect(QRectF(2, 6.5, 16, 2.5));
  p.setBrush(kAltin);
  p.drawRect(QRectF(4, 11, 4, 3));
}

void Paralar(QPainter& p, const QColor& renk) {
  p.setPen(QPen(renk.darker(130), 1));
  p.setBrush(renk);
  for (qreal y : {13.0, 9.5, 6.0}) p.drawEllipse(QRectF(4, y, 12, 5));
}

void Duyuru(QPainter& p, const QColor& renk) {
  QPainterPath balon;
  balon.addRoundedRect(QRectF(2, 2, 16, 12), 3, 3);
  balon.moveTo(6, 13);
  balon.lineTo(5, 18);
  balon.lineTo(10, 13);
  p.setPen(Qt::NoPen);
  p.setBrush(renk);
  p.drawPath(balon.simplified());
  p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 4.5), QPointF(10, 8.5));
  p.drawPoint(QPointF(10, 11.3));
}

void Ciz(QPainter& p, Simge simge) {
  switch (simge) {
    case Simge::Yok: return;
    case Simge::DurumYok: Daire(p, kKirmizi); Carpi(p, KalemBeyaz()); return;
    case Simge::DurumVar: Daire(p, kYesil); Tik(p, KalemBeyaz()); return;
    case Simge::DurumTelefon: Daire(p, kMavi); Telefon(p); return;
    case Simge::DurumYolda: Daire(p, kTuruncu); Kamyon(p); return;
    case Simge::DurumOzelSiparis:
      Daire(p, kMor);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawPath(Yildiz(QPointF(10, 10.5), 6.5, 2.8));
      return;
    case Simge::DurumTedarik: Daire(p, kSari); Saat(p, KalemBeyaz(1.8)); return;
    case Simge::DepoVar: Kutu(p, kYesil); Tik(p, KalemBeyaz()); return;
    case Simge::DepoYokta: Kutu(p, kGri); Carpi(p, KalemBeyaz()); return;
    case Simge::Resim:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(70, 80, 95));
      p.drawRoundedRect(QRectF(2, 5, 16, 12), 2, 2);
      p.drawRect(QRectF(7, 3, 6, 3));
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(6, 7.5, 8, 8));
      p.setBrush(QColor(70, 80, 95));
      p.drawEllipse(QRectF(8, 9.5, 4, 4));
      return;
    case Simge::Yeni:
    case Simge::YeniStoklar:
      p.setPen(QPen(QColor(200, 130, 0), 1));
      p.setBrush(kAltin);
      p.drawPath(Yildiz(QPointF(10, 10.8), 9, 4));
      return;
    case Simge::Kampanya:
    case Simge::Kampanyali: Etiket(p, kKirmizi, "%"); return;
    case Simge::Evet: Tik(p, QPen(kYesil, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); return;
    case Simge::StokListesi: Cizgiler(p, kMavi); return;
    case Simge::Sepet: Sepet(p, kTuruncu); return;
    case Simge::OncekiSiparisler: Daire(p, kMor); Saat(p, KalemBeyaz(1.8)); return;
    case Simge::CariEkstre: Belge(p, kMavi); return;
    case Simge::Duyurular: Duyuru(p, kTuruncu); return;
    case Simge::Bakiyeler: Paralar(p, kAltin); return;
    case Simge::SanalPos: Kart(p, kMavi); return;
    case Simge::Iletisim: Zarf(p, kYesil); return;
    case Simge::Ara: Buyutec(p, QColor(60, 60, 60)); return;
    case Simge::Temizle: Carpi(p, QPen(kKirmizi, 2.6, Qt::SolidLine, Qt::RoundCap)); return;
    case Simge::Onceki: Ok(p, QColor(60, 60, 60), true); return;
    case Simge::Sonraki: Ok(p, QColor(60, 60, 60), false); return;
    case Simge::Menu: Harf(p, kKirmizi, "\u2261"); return;
  }
}

}  // namespace

QPixmap SimgeResmi(Simge simge, int boyut) {
  QPixmap resim(boyut, boyut);
  resim.fill(Qt::transparent);
  QPainter p(&resim);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(boyut / kGrid, boyut / kGrid);
  Ciz(p, simge);
  return resim;
}

QIcon SimgeIkonu(Simge simge) {
  QIcon ikon;
  for (int boyut : {16, 20, 24, 32, 48}) ikon.addPixmap(SimgeResmi(simge, boyut));
  return ikon;
}

}  // namespace zorvat
