#include "ui/cari_secim_penceresi.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "account/cari_secim.h"
#include "ui/bindings.h"
#include "ui/grid.h"
#include "ui/icons.h"
#include "ui/look.h"

namespace zorvat {

namespace {

constexpr int kKenarBoslugu = 50;

struct DurumDugmesi {
  ButtonState Tseccari::*dugme;
  Simge resim;
  const char* ad;  // under the count, so that a user knows what is counted
};

const DurumDugmesi kDurumDugmeleri[] = {
    {&Tseccari::sepettus, Simge::Sepet, "Sepette"},
    {&Tseccari::alinditus, Simge::OncekiSiparisler, "Alındı"},
    {&Tseccari::onaylanditus, Simge::Evet, "Onaylandı"},
    {&Tseccari::goruldutus, Simge::Duyurular, "Görüldü"},
    {&Tseccari::parcalihazirlandi, Simge::DurumTedarik, "Eksik Hazırlandı"},
    {&Tseccari::hazirlanditus, Simge::DurumVar, "Hazırlandı"},
    {&Tseccari::sevktus, Simge::DurumYolda, "Sevk Edildi"},
};

// A large status button: its picture, the count in red bold 27-pixel letters, and what it
// counts beneath.
QWidget* DurumDugmesiKur(ButtonState& durum, Simge resim, const char* ad, QWidget* sahip) {
  auto* kutu = new QWidget(sahip);
  auto* duzen = new QVBoxLayout(kutu);
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->setSpacing(1);
  auto* dugme = new QToolButton(kutu);
  dugme->setIcon(SimgeIkonu(resim));
  dugme->setIconSize(QSize(32, 32));
  dugme->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  dugme->setFont(gorunum::Arial(27, true));
  dugme->setStyleSheet(QStringLiteral("QToolButton { color: rgb(196, 30, 36); }"));
  dugme->setFixedSize(128, 52);
  Bagla(dugme, durum);
  duzen->addWidget(dugme);
  auto* etiket = new QLabel(QString::fromUtf8(ad), kutu);
  etiket->setFont(gorunum::Tahoma(11, true));
  etiket->setAlignment(Qt::AlignCenter);
  duzen->addWidget(etiket);
  return kutu;
}

}  // namespace

CariSecimPenceresi::CariSecimPenceresi(Tseccari& form, QWidget* parent) : FormPenceresi(form, parent) {
  setFont(gorunum::Tahoma(13, true));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  auto* duzen = new QVBoxLayout(this);
  duzen->addWidget(UstSerit(form));

  auto* ayirici = new QSplitter(Qt::Horizontal, this);
  ayirici->addWidget(new Izgara(form.cxGrid1DBTableView1, ayirici));
  ayirici->addWidget(Kart(form));
  ayirici->setStretchFactor(0, 3);
  ayirici->setStretchFactor(1, 1);
  duzen->addWidget(ayirici, 1);

  auto* alt = new QHBoxLayout;
  alt->addStretch();
  for (ButtonState* durum : {&form.Button1, &form.Button2}) {
    auto* dugme = new QPushButton(this);
    dugme->setMinimumSize(110, 34);
    dugme->setAutoDefault(false);
    Bagla(dugme, *durum);
    alt->addWidget(dugme);
  }
  duzen->addLayout(alt);
  resize(1100, 640);
}

QWidget* CariSecimPenceresi::UstSerit(Tseccari& form) {
  auto* serit = new QWidget(this);
  auto* duzen = new QHBoxLayout(serit);
  duzen->setContentsMargins(0, 0, 0, 0);
  auto* arama = new QLineEdit(serit);
  arama->setFont(gorunum::Tahoma(20));
  arama->setMinimumWidth(260);
  arama->setPlaceholderText(QStringLiteral("Cari ara..."));
  Bagla(arama, form.NEdit1);
  duzen->addWidget(arama, 0, Qt::AlignTop);
  auto* hepsi = new QToolButton(serit);
  hepsi->setIcon(SimgeIkonu(Simge::Ara));
  hepsi->setIconSize(QSize(32, 32));
  hepsi->setFixedSize(52, 52);
  Bagla(hepsi, form.sBitBtn2);
  duzen->addWidget(hepsi, 0, Qt::AlignTop);
  duzen->addSpacing(12);
  for (const DurumDugmesi& tanim : kDurumDugmeleri) {
    duzen->addWidget(DurumDugmesiKur(form.*tanim.dugme, tanim.resim, tanim.ad, serit));
  }
  duzen->addStretch();
  arama->setFocus();
  return serit;
}

// "Cari Bilgileri": the focused customer's card, captions on the left.
QWidget* CariSecimPenceresi::Kart(Tseccari& form) {
  auto* kutu = new QGroupBox(this);
  Bagla(kutu, form.GroupBox1);
  auto* duzen = new QGridLayout(kutu);
  duzen->setColumnStretch(1, 1);
  for (std::size_t i = 0; i < Tseccari::kKartSatirSayisi; ++i) {
    const int satir = static_cast<int>(i);
    auto* baslik = new QLabel(QString::fromUtf8(Tseccari::kKartBasliklari[i]), kutu);
    baslik->setAlignment(Qt::AlignRight | Qt::AlignTop);
    duzen->addWidget(baslik, satir, 0);
    auto* deger = new QLabel(kutu);
    deger->setFont(gorunum::Tahoma(13));
    deger->setWordWrap(true);
    deger->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (i + 1 == Tseccari::kKartSatirSayisi) deger->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Bagla(deger, form.kart[i]);
    duzen->addWidget(deger, satir, 1);
  }
  duzen->setRowStretch(static_cast<int>(Tseccari::kKartSatirSayisi), 1);
  return kutu;
}

void CariSecimPenceresi::showEvent(QShowEvent* event) {
  FormPenceresi::showEvent(event);
  if (!isWindow()) return;
  if (const QScreen* ekran = screen()) {
    const QRect alan = ekran->availableGeometry();
    setGeometry(alan.x() + kKenarBoslugu, alan.y() + kKenarBoslugu, alan.width() - 2 * kKenarBoslugu,
                alan.height() - 2 * kKenarBoslugu);
  }
}

}  // namespace zorvat
