#include "ui/stok_ayrinti_penceresi.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "catalogue/stok_ayrinti.h"
#include "ui/async_resim.h"
#include "ui/bindings.h"
#include "ui/icons.h"
#include "ui/look.h"

namespace zorvat {

namespace {

constexpr int kGenislik = 662;
constexpr int kYukseklik = 631;
constexpr int kResimGenisligi = 250;
constexpr int kResimYuksekligi = 190;
constexpr int kRakamBoyu = 20;  // the figures of the number boxes
const QColor kArduvaz(47, 62, 79);       // titles and captions
const QColor kCerceve(214, 219, 225);    // frames of the panels
const QColor kResimZemini(250, 251, 252);

void Renk(QWidget* widget, const QColor& renk) {
  QPalette palet = widget->palette();
  palet.setColor(QPalette::WindowText, renk);
  widget->setPalette(palet);
}

// A caption in the dark slate colour, right-aligned before its box.
QLabel* Baslik(const QString& metin, QWidget* sahip, int boyut = 15) {
  auto* etiket = new QLabel(metin, sahip);
  etiket->setFont(gorunum::Tahoma(boyut, true));
  etiket->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Renk(etiket, kArduvaz);
  return etiket;
}

// The money boxes look read-only by a style rule on the property: a box that changes it
// takes its look again.
class SaltOkunurGorunumu : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ReadOnlyChange) {
      auto* kutu = static_cast<QWidget*>(watched);
      kutu->style()->unpolish(kutu);
      kutu->style()->polish(kutu);
      kutu->update();
    }
    return false;
  }
};

// A number box with large figures, named as the logic names its state; money boxes have no
// arrows, the quantity has.
SayiKutusu* Kutu(NumberEditState& durum, const char* ad, QWidget* sahip, bool oklu = false) {
  auto* kutu = new SayiKutusu(sahip);
  kutu->setObjectName(QString::fromLatin1(ad));
  kutu->setFont(gorunum::Tahoma(kRakamBoyu, true));
  // The box's own hint counts the widest number it could hold; the window decides instead.
  kutu->setMinimumSize(90, 36);
  kutu->setKeyboardTracking(true);
  if (!oklu) {
    kutu->setButtonSymbols(QAbstractSpinBox::NoButtons);
    kutu->setProperty("para", true);
    kutu->installEventFilter(new SaltOkunurGorunumu(kutu));
  }
  Bagla(kutu, durum);
  return kutu;
}

// The panels' white face with a thin frame.
QFrame* Panel(QWidget* sahip) {
  auto* panel = new QFrame(sahip);
  panel->setProperty("kart", true);
  panel->setStyleSheet(
      QStringLiteral("QFrame[kart=\"true\"] { background: white; border: 1px solid %1; border-radius: 6px; }")
          .arg(kCerceve.name()));
  return panel;
}

// Behind the two pictures: a quiet "no picture" sign while neither has one.
class ResimCercevesi : public QFrame {
 public:
  explicit ResimCercevesi(QWidget* sahip) : QFrame(sahip) {
    setFixedSize(kResimGenisligi, kResimYuksekligi);
    setObjectName("resim");
    setStyleSheet(QStringLiteral("QFrame#resim { background: %1; border: 1px solid %2; border-radius: 4px; }")
                      .arg(kResimZemini.name(), kCerceve.name()));
  }
  void Resimler(QLabel* alt, QLabel* ust) {
    alt_ = alt;
    ust_ = ust;
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    if ((alt_ && !alt_->pixmap().isNull()) || (ust_ && !ust_->pixmap().isNull())) return;
    QPainter p(this);
    const QPixmap simge = SimgeResmi(Simge::Resim, 48);
    p.setOpacity(0.35);
    p.drawPixmap((width() - simge.width()) / 2, height() / 2 - simge.height(), simge);
    p.setOpacity(1);
    p.setPen(QColor(150, 158, 168));
    p.setFont(gorunum::Tahoma(12));
    p.drawText(QRect(0, height() / 2 + 6, width(), 20), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Resim yok"));
  }

 private:
  QLabel* alt_ = nullptr;
  QLabel* ust_ = nullptr;
};

struct Bilgi {
  const char* baslik;
  LabelState Tstokayarinti::*deger;
};

// sLabel1 ... sLabel5 and the values the opener sets.
const Bilgi kBilgiler[] = {
    {"Barkod:", &Tstokayarinti::barkod},       {"Açıklama:", &Tstokayarinti::adi},
    {"Finish Kod:", &Tstokayarinti::finishkod}, {"Marka:", &Tstokayarinti::marka},
    {"Model:", &Tstokayarinti::model},
};

}  // namespace

StokAyrintiPenceresi::StokAyrintiPenceresi(Tstokayarinti& form, QWidget* parent)
    : FormPenceresi(form, parent), form_(form) {
  setFont(gorunum::Tahoma(13));
  resize(kGenislik, kYukseklik);
  // The money boxes get a flat face of their own; the quantity keeps the style's spin box
  // with its arrows. SayiKutusu has no meta-object of its own, hence the property.
  setStyleSheet(QStringLiteral(
      "QAbstractSpinBox[para=\"true\"] { border: 1px solid #c3cad3; border-radius: 4px; padding: 1px 8px;"
      " background: white; color: #1f2933; selection-background-color: rgb(196, 30, 36); }"
      "QAbstractSpinBox[para=\"true\"]:focus { border: 1px solid rgb(196, 30, 36); }"
      "QAbstractSpinBox[para=\"true\"][readOnly=\"true\"] { background: #f3f5f7; color: #2f3e4f; }"
      "QAbstractSpinBox#geneltutar { color: rgb(196, 30, 36); }"));

  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(14, 14, 14, 12);
  duzen->setSpacing(10);
  duzen->addWidget(UstPanel());
  duzen->addWidget(OranPaneli());
  duzen->addWidget(TutarPaneli(), 1);

  auto* alt = new QHBoxLayout;
  alt->setSpacing(10);
  auto* ekle = new QPushButton(this);
  ekle->setIcon(SimgeIkonu(Simge::Sepet));
  ekle->setIconSize(QSize(22, 22));
  ekle->setFont(gorunum::Tahoma(15, true));
  ekle->setMinimumSize(170, 42);
  ekle->setStyleSheet(QStringLiteral(
      "QPushButton { background: rgb(196, 30, 36); color: white; border: none; border-radius: 5px; padding: 0 16px; }"
      "QPushButton:hover { background: rgb(214, 44, 50); }"
      "QPushButton:pressed { background: rgb(160, 22, 28); }"
      "QPushButton:focus { border: 2px solid rgb(120, 14, 18); }"));
  auto* vazgec = new QPushButton(this);
  vazgec->setFont(gorunum::Tahoma(15));
  vazgec->setMinimumSize(120, 42);
  for (QPushButton* dugme : {ekle, vazgec}) dugme->setAutoDefault(false);
  Bagla(ekle, form.ParcaliTus1);
  Bagla(vazgec, form.ParcaliTus2);
  alt->addStretch();
  alt->addWidget(vazgec);
  alt->addWidget(ekle);
  duzen->addLayout(alt);
}

// The part: its picture on the left, code, description, cross-reference code, brand and
// model on the right.
QWidget* StokAyrintiPenceresi::UstPanel() {
  QFrame* panel = Panel(this);
  auto* duzen = new QHBoxLayout(panel);
  duzen->setContentsMargins(10, 10, 12, 10);
  duzen->setSpacing(16);

  auto* cerceve = new ResimCercevesi(panel);
  auto* ust = new QGridLayout(cerceve);
  ust->setContentsMargins(4, 4, 4, 4);
  // Image1 holds the server's picture; AsyncResim1 lies over it, transparent, and shows the
  // web server's picture when one arrives.
  auto* resim = new OrantiliResim(cerceve);
  auto* webResmi = new TAsyncResim(cerceve);
  ust->addWidget(resim, 0, 0);
  ust->addWidget(webResmi, 0, 0);
  cerceve->Resimler(resim, webResmi);
  Bagla(static_cast<QLabel*>(resim), form_.Image1);
  Bagla(webResmi, form_.AsyncResim1);
  duzen->addWidget(cerceve, 0, Qt::AlignTop);

  auto* bilgiler = new QGridLayout;
  bilgiler->setHorizontalSpacing(10);
  bilgiler->setVerticalSpacing(8);
  bilgiler->setColumnStretch(1, 1);
  bilgiler->setRowStretch(0, 1);
  int satir = 1;
  for (const Bilgi& bilgi : kBilgiler) {
    auto* baslik = Baslik(QString::fromUtf8(bilgi.baslik), panel, 13);
    bilgiler->addWidget(baslik, satir, 0);
    auto* deger = new QLabel(panel);
    deger->setWordWrap(true);
    deger->setTextInteractionFlags(Qt::TextSelectableByMouse);
    deger->setFont(gorunum::Tahoma(bilgi.deger == &Tstokayarinti::adi ? 16 : 14, bilgi.deger == &Tstokayarinti::adi));
    if (bilgi.deger == &Tstokayarinti::barkod) {
      deger->setFont(gorunum::Tahoma(18, true));
      Renk(deger, gorunum::kKirmiziBaslik);
    }
    Bagla(deger, form_.*bilgi.deger);
    bilgiler->addWidget(deger, satir, 1);
    ++satir;
  }
  bilgiler->setRowStretch(satir, 1);
  duzen->addLayout(bilgiler, 1);
  return panel;
}

// GridPanel2: the four chained discount rates, shown to sales representatives.
QWidget* StokAyrintiPenceresi::OranPaneli() {
  QFrame* panel = Panel(this);
  auto* izgara = new QGridLayout(panel);
  izgara->setContentsMargins(12, 8, 12, 10);
  izgara->setHorizontalSpacing(10);
  izgara->setVerticalSpacing(4);
  struct Oran {
    const char* baslik;
    const char* ad;
    NumberEditState& durum;
  } const oranlar[] = {{"İsk", "edindirim1", form_.edindirim1},
                       {"İsk2", "edindirim2", form_.edindirim2},
                       {"İsk3", "edindirim3", form_.edindirim3},
                       {"İsk4", "edindirim4", form_.edindirim4}};
  for (int i = 0; i < 4; ++i) {
    auto* baslik = Baslik(QString::fromUtf8(oranlar[i].baslik), panel, 13);
    baslik->setAlignment(Qt::AlignCenter);
    izgara->addWidget(baslik, 0, i);
    izgara->addWidget(Kutu(oranlar[i].durum, oranlar[i].ad, panel), 1, i);
    izgara->setColumnStretch(i, 1);
  }
  panel->setObjectName("GridPanel2");
  Bagla(static_cast<QWidget*>(panel), form_.GridPanel2);
  return panel;
}

// Quantity, price, discount, VAT-inclusive unit price and the line total.
QWidget* StokAyrintiPenceresi::TutarPaneli() {
  QFrame* panel = Panel(this);
  auto* izgara = new QGridLayout(panel);
  izgara->setContentsMargins(20, 12, 20, 12);
  izgara->setHorizontalSpacing(14);
  izgara->setVerticalSpacing(8);
  // The captions and boxes stand in the middle of the panel.
  izgara->setColumnStretch(0, 1);
  izgara->setColumnStretch(3, 1);
  izgara->setColumnMinimumWidth(2, 280);

  // The form stands in the middle of whatever height the panel has.
  izgara->setRowStretch(0, 1);
  int satir = 1;
  const auto ekle = [&](QLabel* baslik, SayiKutusu* kutu) {
    izgara->addWidget(baslik, satir, 1);
    izgara->addWidget(kutu, satir, 2);
    ++satir;
  };
  adet_ = Kutu(form_.adet, "adet", panel, true);
  ekle(Baslik(QStringLiteral("Adet:"), panel), adet_);

  auto* fiyatBasligi = Baslik({}, panel);
  Bagla(fiyatBasligi, form_.Label2);
  ekle(fiyatBasligi, Kutu(form_.birimfiyat, "birimfiyat", panel));

  auto* indirimBasligi = Baslik({}, panel);
  Bagla(indirimBasligi, form_.indirimoran);
  ekle(indirimBasligi, Kutu(form_.indtutar, "indtutar", panel));

  ekle(Baslik(QStringLiteral("KDV Dahil:"), panel), Kutu(form_.kdvdahiltutar, "kdvdahiltutar", panel));

  auto* tutar = Kutu(form_.geneltutar, "geneltutar", panel);
  tutar->setFont(gorunum::Tahoma(kRakamBoyu + 2, true));
  auto* tutarBasligi = Baslik(QStringLiteral("Tutar:"), panel, 17);
  ekle(tutarBasligi, tutar);
  izgara->setRowStretch(satir, 1);
  return panel;
}

void StokAyrintiPenceresi::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    etkinlesti_ = false;
    form_.FormShow();
    if (isWindow()) {
      if (const QScreen* ekran = screen()) {
        QRect alan = frameGeometry();
        alan.moveCenter(ekran->availableGeometry().center());
        move(alan.topLeft());
      }
    }
  }
  FormPenceresi::showEvent(event);
}

bool StokAyrintiPenceresi::event(QEvent* event) {
  const bool sonuc = FormPenceresi::event(event);
  if (event->type() == QEvent::WindowActivate && !etkinlesti_) {
    etkinlesti_ = true;
    form_.FormActivate();
    adet_->selectAll();
  }
  return sonuc;
}

}  // namespace zorvat
