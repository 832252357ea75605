#include "ui/ana_pencere.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ana_form.h"
#include "ui/animations.h"
#include "ui/bindings.h"
#include "ui/icons.h"
#include "ui/legend.h"
#include "ui/logo.h"
#include "ui/look.h"
#include "ui/sepet_sayfasi.h"
#include "ui/stok_listesi_sayfasi.h"
#include "ui/tabs.h"

namespace zorvat {

namespace {

constexpr int kGeriYuklenmisGenislik = 1350;
constexpr int kGeriYuklenmisYukseklik = 652;

QWidget* Panel(int yukseklik, QColor renk, QWidget* sahip) {
  auto* panel = new QWidget(sahip);
  panel->setFixedHeight(yukseklik);
  panel->setAutoFillBackground(true);
  QPalette palet = panel->palette();
  palet.setColor(QPalette::Window, renk);
  panel->setPalette(palet);
  return panel;
}

QLabel* Etiket(const QString& metin, const QFont& yazi, QWidget* sahip) {
  auto* etiket = new QLabel(metin, sahip);
  etiket->setFont(yazi);
  return etiket;
}

// A flat button with a picture, as the search bar's "Ara" and "Temizle".
QToolButton* ResimliDugme(Simge simge, ButtonState& durum, QWidget* sahip) {
  auto* dugme = new QToolButton(sahip);
  dugme->setIcon(SimgeIkonu(simge));
  dugme->setIconSize(QSize(22, 22));
  dugme->setAutoRaise(true);
  Bagla(dugme, durum);
  return dugme;
}

}  // namespace

AnaPencere::AnaPencere(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
  setFont(gorunum::Tahoma(13, true));
  resize(kGeriYuklenmisGenislik, kGeriYuklenmisYukseklik);
  setWindowTitle(QString::fromStdString(form.Caption()));
  baslikAboneligi_ = form.Changed.Connect([this] { setWindowTitle(QString::fromStdString(form_.Caption())); });

  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->setSpacing(0);
  duzen->addWidget(Baslik());
  duzen->addWidget(AramaCubugu());
  // The top banner strip takes no height until a banner arrives.
  duzen->addWidget(new GifAnimator(GifAnimator::Boyutlama::YukseklikResmeUyar, this));
  auto* sayfalar = new SayfaKontrolu(form.sPageControl1, this);
  sayfalar->SayfaEkle(new StokListesiSayfasi(form.stokListesi));
  sayfalar->SayfaEkle(new SepetSayfasi(form.sepetSayfasi));
  // The other pages come with their own windows.
  for (std::size_t i = 2; i < form.sPageControl1.PageCount(); ++i) sayfalar->SayfaEkle(new QWidget);
  duzen->addWidget(sayfalar, 1);
  duzen->addWidget(new DurumAciklamasi(this));
  duzen->addWidget(AltSerit());
}

// Logo, the user information grid, the header banner and the general menu's split button.
QWidget* AnaPencere::Baslik() {
  QWidget* panel = Panel(100, Qt::white, this);
  auto* duzen = new QHBoxLayout(panel);
  duzen->setContentsMargins(10, 6, 10, 6);
  duzen->addWidget(new ZorvatLogosu(false, panel));
  duzen->addSpacing(24);

  auto* bilgi = new QGridLayout;
  bilgi->setColumnStretch(0, 18);
  bilgi->setColumnStretch(1, 82);
  const std::pair<const char*, LabelState*> satirlar[] = {
      {"Kullanıcı: ", &form_.kullanicilbl}, {"Firma: ", &form_.cariadilbl}, {"Temsilci: ", &form_.saticilbl}};
  for (int i = 0; i < 3; ++i) {
    QLabel* baslik = Etiket(QString::fromUtf8(satirlar[i].first), gorunum::Tahoma(13, true), panel);
    baslik->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bilgi->addWidget(baslik, i, 0);
    QLabel* deger = Etiket({}, gorunum::Tahoma(13), panel);
    Bagla(deger, *satirlar[i].second);
    bilgi->addWidget(deger, i, 1);
  }
  duzen->addLayout(bilgi, 1);

  auto* banner = new GifAnimator(GifAnimator::Boyutlama::GenislikResmeUyar, panel);
  banner->setMaximumWidth(409);
  duzen->addWidget(banner);

  // The split button: its main part does nothing, its arrow opens the general menu. An
  // item runs once the menu has closed, since it may open a window of its own.
  auto* menuDugmesi = new QToolButton(panel);
  menuDugmesi->setIcon(SimgeIkonu(Simge::Menu));
  menuDugmesi->setIconSize(QSize(48, 48));
  menuDugmesi->setFixedSize(84, 64);
  menuDugmesi->setPopupMode(QToolButton::MenuButtonPopup);
  auto* menu = new QMenu(menuDugmesi);
  QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] { MenuyuDoldur(*menu, form_.Genelmenu); });
  QObject::connect(menu, &QMenu::triggered, this, [this](QAction* eylem) {
    const std::string ad = eylem->data().toString().toStdString();
    QTimer::singleShot(0, this, [this, ad] { form_.Genelmenu.Choose(ad); });
  });
  menuDugmesi->setMenu(menu);
  duzen->addWidget(menuDugmesi);
  return panel;
}

// The search box with its buttons, "Başka Cari Seç" and the seven busy animations.
QWidget* AnaPencere::AramaCubugu() {
  QWidget* panel = Panel(35, QColor(236, 238, 241), this);
  auto* duzen = new QHBoxLayout(panel);
  duzen->setContentsMargins(6, 2, 6, 2);
  duzen->setSpacing(4);
  auto* simge = new QLabel(panel);
  simge->setPixmap(SimgeResmi(Simge::Ara, 24));
  duzen->addWidget(simge);
  auto* araedit = new QLineEdit(panel);
  araedit->setFont(gorunum::Tahoma(20));
  araedit->setFixedWidth(340);
  Bagla(araedit, form_.araedit);
  duzen->addWidget(araedit);
  duzen->addWidget(ResimliDugme(Simge::Ara, form_.SpeedButton2, panel));
  duzen->addWidget(ResimliDugme(Simge::Temizle, form_.SpeedButton1, panel));
  auto* musteritus = new QPushButton(panel);
  musteritus->setMinimumWidth(130);
  Bagla(musteritus, form_.musteritus);
  duzen->addWidget(musteritus);
  for (BusyAnimationState* gif : {&form_.gifstokara, &form_.gifyeniler, &form_.gifkampanyali, &form_.gifduyuru,
                                  &form_.gifoncekiler, &form_.gifsepet, &form_.gifekstre}) {
    auto* animasyon = new MesgulAnimasyonu(panel);
    Bagla(animasyon, *gif);
    duzen->addWidget(animasyon);
  }
  duzen->addStretch();
  araedit->setFocus();
  return panel;
}

// The scrolling text along the bottom.
QWidget* AnaPencere::AltSerit() {
  QWidget* panel = Panel(40, Qt::white, this);
  auto* duzen = new QHBoxLayout(panel);
  duzen->setContentsMargins(0, 0, 0, 0);
  auto* kayanyazi = new KayanYazi(panel);
  kayanyazi->setFont(gorunum::Arial(24));
  duzen->addWidget(kayanyazi);
  return panel;
}

// Closing asks first; Yes ends the process there, anything else keeps the window.
void AnaPencere::closeEvent(QCloseEvent* event) {
  if (!form_.FormCloseQuery()) event->ignore();
}

}  // namespace zorvat
