#include "ui/sepet_sayfasi.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "basket/sepet.h"
#include "ui/bindings.h"
#include "ui/grid.h"
#include "ui/icons.h"
#include "ui/look.h"

namespace zorvat {

namespace {

QPushButton* Dugme(ButtonState& durum, QWidget* sahip) {
  auto* dugme = new QPushButton(sahip);
  dugme->setAutoDefault(false);
  dugme->setMinimumHeight(32);
  Bagla(dugme, durum);
  return dugme;
}

}  // namespace

SepetSayfasi::SepetSayfasi(Sepet& sepet, QWidget* parent) : QWidget(parent), sepet_(sepet) {
  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->setSpacing(0);
  auto* izgara = new Izgara(sepet_.cxGridDBTableView1, this);
  izgara->setEnabled(sepet_.cxGrid2.Enabled());
  izgaraAboneligi_ = sepet_.cxGrid2.Changed.Connect([this, izgara] { izgara->setEnabled(sepet_.cxGrid2.Enabled()); });
  duzen->addWidget(izgara, 1);
  duzen->addWidget(SecimCubugu());
  duzen->addWidget(AltPanel());
  sepet_.ekranGenisligi = [this] { return screen() != nullptr ? screen()->geometry().width() : 0; };
}

SepetSayfasi::~SepetSayfasi() {
  sepet_.ekranGenisligi = [] { return 0; };
}

// "Hepsini Seç", "Seçimleri Kaldır" and the overdue-account warning beside them.
QWidget* SepetSayfasi::SecimCubugu() {
  auto* panelsec = new QWidget(this);
  auto* duzen = new QHBoxLayout(panelsec);
  duzen->setContentsMargins(6, 4, 6, 4);
  QPushButton* hepsi = Dugme(sepet_.Button4, panelsec);
  hepsi->setIcon(SimgeIkonu(Simge::Evet));
  duzen->addWidget(hepsi);
  duzen->addWidget(Dugme(sepet_.Button5, panelsec));
  auto* uyari = new QLabel(panelsec);
  uyari->setFont(gorunum::Tahoma(16, true));
  uyari->setStyleSheet(QStringLiteral("color: rgb(196, 30, 36);"));
  uyari->setWordWrap(true);
  Bagla(uyari, sepet_.lbluyarbakiye);
  duzen->addWidget(uyari, 1);
  return panelsec;
}

// The "Mesaj" box with the totals at its right, and "Gönder" above "Excel Kaydet".
QWidget* SepetSayfasi::AltPanel() {
  auto* panel4 = new QWidget(this);
  auto* duzen = new QHBoxLayout(panel4);
  duzen->setContentsMargins(6, 0, 6, 6);
  auto* mesaj = new QGroupBox(QStringLiteral("Mesaj"), panel4);
  auto* mesajDuzeni = new QHBoxLayout(mesaj);
  auto* ipucu = new QLabel(QString::fromUtf8("Siparişe girecek satırları \"Seç\" sütunundan işaretleyiniz; "
                                             "toplamlar yalnız işaretli satırları kapsar."),
                           mesaj);
  ipucu->setWordWrap(true);
  ipucu->setFont(gorunum::Tahoma(13));
  ipucu->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  mesajDuzeni->addWidget(ipucu, 1);
  mesajDuzeni->addWidget(Toplamlar(mesaj));
  duzen->addWidget(mesaj, 1);

  auto* dugmeler = new QVBoxLayout;
  QPushButton* gonder = Dugme(sepet_.Button1, panel4);
  gonder->setIcon(SimgeIkonu(Simge::Sepet));
  gonder->setMinimumSize(150, 48);
  gonder->setFont(gorunum::Tahoma(15, true));
  dugmeler->addWidget(gonder);
  QPushButton* excel = Dugme(sepet_.Button2, panel4);
  excel->setMinimumSize(150, 36);
  dugmeler->addWidget(excel);
  dugmeler->addStretch();
  duzen->addLayout(dugmeler);
  return panel4;
}

// Five rows: a fixed title on the left, the value right-aligned; the grand total in bold.
QWidget* SepetSayfasi::Toplamlar(QWidget* sahip) {
  auto* panel6 = new QWidget(sahip);
  panel6->setMinimumWidth(300);
  auto* duzen = new QGridLayout(panel6);
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->setVerticalSpacing(2);
  const std::pair<const char*, LabelState*> satirlar[] = {{"Toplam:", &sepet_.aratoplaml},
                                                         {"İndirim Toplam:", &sepet_.indiriml},
                                                         {"Ara Toplam:", &sepet_.nettutarl},
                                                         {"Vergi:", &sepet_.vergil},
                                                         {"Genel Toplam:", &sepet_.geneltoplaml}};
  for (int i = 0; i < 5; ++i) {
    const bool genel = i == 4;
    auto* baslik = new QLabel(QString::fromUtf8(satirlar[i].first), panel6);
    baslik->setFont(gorunum::Tahoma(genel ? 15 : 13, genel));
    duzen->addWidget(baslik, i, 0);
    auto* deger = new QLabel(panel6);
    deger->setFont(gorunum::Tahoma(genel ? 15 : 13, genel));
    deger->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Bagla(deger, *satirlar[i].second);
    duzen->addWidget(deger, i, 1);
  }
  duzen->setColumnStretch(1, 1);
  return panel6;
}

}  // namespace zorvat
