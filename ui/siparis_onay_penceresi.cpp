#include "ui/siparis_onay_penceresi.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "basket/siparis_onay.h"
#include "ui/bindings.h"
#include "ui/icons.h"
#include "ui/look.h"

namespace zorvat {

namespace {

constexpr int kGenislik = 894;
constexpr int kYukseklik = 526;
const QColor kUyariKirmizisi(200, 16, 24);
const QColor kKargoUyarisi(150, 84, 0);  // the carrier's notes: to be read, not alarming
const QColor kOzetZemini(252, 252, 253);
const QColor kOzetCizgisi(206, 212, 220);

// The summary's values line up under each other only in a fixed-pitch font.
QFont SabitAralikli(int pikselBoyu) {
  QFont yazi("Courier New");
  yazi.setStyleHint(QFont::TypeWriter);
  yazi.setFixedPitch(true);
  yazi.setPixelSize(pikselBoyu);
  yazi.setBold(true);
  return yazi;
}

void YaziRengi(QWidget* widget, const QColor& renk) {
  QPalette palet = widget->palette();
  palet.setColor(QPalette::WindowText, renk);
  widget->setPalette(palet);
}

// The choices in one row: the window is wide and low.
RadyoGrubu* YatayRadyoGrubu(ChoiceState& durum, QWidget* sahip) {
  auto* grup = new RadyoGrubu(sahip);
  delete grup->layout();
  auto* duzen = new QHBoxLayout(grup);
  duzen->setAlignment(Qt::AlignLeft);
  duzen->setSpacing(32);
  duzen->setContentsMargins(12, 2, 12, 4);
  Bagla(grup, durum);
  return grup;
}

QPushButton* Dugme(ButtonState& durum, const QIcon& simge, QWidget* sahip) {
  auto* dugme = new QPushButton(sahip);
  dugme->setIcon(simge);
  dugme->setIconSize(QSize(20, 20));
  dugme->setMinimumSize(140, 38);
  dugme->setAutoDefault(false);
  Bagla(dugme, durum);
  return dugme;
}

}  // namespace

SiparisOnayPenceresi::SiparisOnayPenceresi(TONAYSIP& form, QWidget* parent) : FormPenceresi(form, parent) {
  setWindowFlag(Qt::Tool, true);
  setFont(gorunum::Tahoma(13, true));
  setFixedSize(kGenislik, kYukseklik);

  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(12, 8, 12, 10);
  duzen->setSpacing(6);
  duzen->addWidget(YatayRadyoGrubu(form.teslimbox, this));
  duzen->addWidget(YatayRadyoGrubu(form.boxkargo, this));
  duzen->addWidget(KargoKutusu(form));
  duzen->addWidget(MesajKutusu(form));
  duzen->addWidget(Ozet(form), 1);

  auto* soru = new QLabel(this);
  soru->setFont(gorunum::Tahoma(20, true));
  soru->setAlignment(Qt::AlignCenter);
  Bagla(soru, form.Label1);
  duzen->addWidget(soru);

  auto* dugmeler = new QHBoxLayout;
  dugmeler->addWidget(Dugme(form.Button1, SimgeIkonu(Simge::Evet), this));
  dugmeler->addStretch();
  dugmeler->addWidget(Dugme(form.Button2, style()->standardIcon(QStyle::SP_DialogCancelButton), this));
  duzen->addLayout(dugmeler);
}

// "Kargo": the carrier on the left, its warning beside it.
QWidget* SiparisOnayPenceresi::KargoKutusu(TONAYSIP& form) {
  auto* kutu = new QGroupBox(this);
  Bagla(kutu, form.GroupBox1);
  auto* duzen = new QHBoxLayout(kutu);
  duzen->setContentsMargins(12, 6, 12, 8);
  duzen->setSpacing(16);
  auto* liste = new QComboBox(kutu);
  liste->setFixedWidth(300);
  liste->setMinimumHeight(30);
  liste->setPlaceholderText(QStringLiteral("Kargo firmasını seçiniz"));
  Bagla(liste, form.kargocombo);
  duzen->addWidget(liste, 0, Qt::AlignTop);
  auto* uyari = new QLabel(kutu);
  uyari->setWordWrap(true);
  uyari->setMinimumHeight(36);
  uyari->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  YaziRengi(uyari, kKargoUyarisi);
  Bagla(uyari, form.uyarikargo);
  duzen->addWidget(uyari, 1);
  return kutu;
}

// "Mesaj": the order's note.
QWidget* SiparisOnayPenceresi::MesajKutusu(TONAYSIP& form) {
  auto* kutu = new QGroupBox(this);
  Bagla(kutu, form.GroupBox2);
  auto* duzen = new QVBoxLayout(kutu);
  duzen->setContentsMargins(12, 6, 12, 8);
  auto* not_ = new QPlainTextEdit(kutu);
  not_->setFixedHeight(48);
  not_->setTabChangesFocus(true);
  not_->setPlaceholderText(QStringLiteral("Siparişinizle ilgili notunuzu buraya yazabilirsiniz."));
  Bagla(not_, form.aciklamagir);
  duzen->addWidget(not_);
  return kutu;
}

// Who orders for whom and the amount, and the overdue-account warning beneath, on a light
// panel like a slip to be checked.
QWidget* SiparisOnayPenceresi::Ozet(TONAYSIP& form) {
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAutoFillBackground(true);
  QPalette palet = panel->palette();
  palet.setColor(QPalette::Window, kOzetZemini);
  palet.setColor(QPalette::Light, kOzetCizgisi);
  palet.setColor(QPalette::Dark, kOzetCizgisi);
  panel->setPalette(palet);
  auto* duzen = new QVBoxLayout(panel);
  duzen->setContentsMargins(14, 8, 14, 8);
  duzen->setSpacing(6);

  auto* ozet = new QLabel(panel);
  ozet->setFont(SabitAralikli(16));
  ozet->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Bagla(ozet, form.Label2);
  duzen->addWidget(ozet);

  auto* uyari = new QLabel(panel);
  uyari->setFont(SabitAralikli(16));
  uyari->setWordWrap(true);
  YaziRengi(uyari, kUyariKirmizisi);
  Bagla(uyari, form.Label3);
  duzen->addWidget(uyari);
  duzen->addStretch();
  return panel;
}

}  // namespace zorvat
