#include "ui/giris_penceresi.h"

#include <QCheckBox>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/giris_formu.h"
#include "ui/animations.h"
#include "ui/bindings.h"
#include "ui/logo.h"
#include "ui/look.h"

namespace zorvat {

namespace {

constexpr int kGenislik = 368;
constexpr int kYukseklik = 550;
constexpr int kUstYukseklik = 150;  // the dark top of the background picture
constexpr int kKenar = 20;
const QColor kEtiketKirmizisi(226, 9, 23);
const QColor kUstZemin(44, 62, 80);

// " Kullanıcı Adı:" and " Şifre:": white bold letters on red.
QLabel* KirmiziEtiket(LabelState& durum, QWidget* sahip) {
  auto* etiket = new QLabel(sahip);
  etiket->setFont(gorunum::Tahoma(13, true));
  etiket->setAutoFillBackground(true);
  QPalette palet = etiket->palette();
  palet.setColor(QPalette::Window, kEtiketKirmizisi);
  palet.setColor(QPalette::WindowText, Qt::white);
  etiket->setPalette(palet);
  etiket->setFixedHeight(24);
  Bagla(etiket, durum);
  return etiket;
}

QLineEdit* Kutu(EditState& durum, QWidget* sahip) {
  auto* kutu = new QLineEdit(sahip);
  kutu->setFont(gorunum::Tahoma(16, true));
  kutu->setFixedHeight(32);
  Bagla(kutu, durum);
  return kutu;
}

// The dealer's address in black with a white shadow.
QLabel* AdresEtiketi(LabelState& durum, QWidget* sahip) {
  auto* etiket = new QLabel(sahip);
  etiket->setFont(gorunum::Arial(15, true));
  etiket->setAlignment(Qt::AlignCenter);
  etiket->setWordWrap(true);
  auto* golge = new QGraphicsDropShadowEffect(etiket);
  golge->setColor(Qt::white);
  golge->setOffset(1, 1);
  golge->setBlurRadius(2);
  etiket->setGraphicsEffect(golge);
  Bagla(etiket, durum);
  return etiket;
}

}  // namespace

GirisPenceresi::GirisPenceresi(Tgirisform& form, QWidget* parent) : FormPenceresi(form, parent) {
  setFont(gorunum::Tahoma(13, true));
  setFixedSize(kGenislik, kYukseklik);

  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(24, kKenar, 24, kKenar);
  duzen->setSpacing(8);
  // The logo on the dark top of the background picture, the address below it.
  auto* ust = new QWidget(this);
  ust->setFixedHeight(kUstYukseklik - kKenar);
  auto* ustDuzen = new QVBoxLayout(ust);
  ustDuzen->setContentsMargins(0, 0, 0, kKenar);
  ustDuzen->addWidget(new ZorvatLogosu(true, ust), 0, Qt::AlignCenter);
  duzen->addWidget(ust);
  duzen->addSpacing(kKenar);
  duzen->addWidget(AdresEtiketi(form.RxLabel1, this));
  duzen->addStretch();

  auto* benihatirla = new QCheckBox(this);
  Bagla(benihatirla, form.benihatirla);
  duzen->addWidget(benihatirla);
  duzen->addWidget(KirmiziEtiket(form.Label1, this));
  QLineEdit* adi = Kutu(form.adi, this);
  duzen->addWidget(adi);
  duzen->addWidget(KirmiziEtiket(form.Label2, this));
  QLineEdit* sifre = Kutu(form.sifre, this);
  sifre->setEchoMode(QLineEdit::Password);
  duzen->addWidget(sifre);
  duzen->addSpacing(10);

  auto* dugmeler = new QHBoxLayout;
  auto* giris = new QPushButton(this);
  auto* vazgec = new QPushButton(this);
  for (QPushButton* dugme : {giris, vazgec}) {
    dugme->setMinimumSize(120, 36);
    dugme->setAutoDefault(false);
  }
  Bagla(giris, form.Button1);
  Bagla(vazgec, form.Button2);
  auto* animasyon = new MesgulAnimasyonu(this);
  animasyon->setFixedSize(28, 28);
  Bagla(animasyon, form.RxGIFAnimator1);
  dugmeler->addWidget(giris);
  dugmeler->addStretch();
  dugmeler->addWidget(animasyon);
  dugmeler->addStretch();
  dugmeler->addWidget(vazgec);
  duzen->addLayout(dugmeler);

  // The program's tab order: the buttons first, then the box, then the two edits.
  setTabOrder(giris, vazgec);
  setTabOrder(vazgec, benihatirla);
  setTabOrder(benihatirla, adi);
  setTabOrder(adi, sifre);
  adi->setFocus();
}

// The background picture: the dealer's colours behind the logo, light behind the fields.
void GirisPenceresi::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient ust(0, 0, 0, kUstYukseklik);
  ust.setColorAt(0, kUstZemin);
  ust.setColorAt(1, kUstZemin.darker(130));
  p.fillRect(QRect(0, 0, width(), kUstYukseklik), ust);
  p.fillRect(QRect(0, kUstYukseklik - 4, width(), 4), gorunum::kKirmiziBaslik);
  QLinearGradient alt(0, kUstYukseklik, 0, height());
  alt.setColorAt(0, QColor(236, 239, 243));
  alt.setColorAt(1, QColor(206, 212, 220));
  p.fillRect(QRect(0, kUstYukseklik, width(), height() - kUstYukseklik), alt);
}

}  // namespace zorvat
