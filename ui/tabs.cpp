#include "ui/tabs.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/icons.h"
#include "ui/look.h"
#include "ui/state/tab_caption.h"

namespace zorvat {

namespace {

constexpr int kResimBoyu = 24;
constexpr int kResimBosluk = 3;

struct SekmeRenkleri {
  QColor zemin;
  QColor yazi;
};

SekmeRenkleri RenklerOf(TTabColorControlStyleHook::Durum durum) {
  switch (durum) {
    case TTabColorControlStyleHook::Durum::Secili: return {QColor(250, 250, 251), QColor(33, 37, 41)};
    case TTabColorControlStyleHook::Durum::Sicak: return {QColor(74, 98, 122), Qt::white};
    case TTabColorControlStyleHook::Durum::Normal: break;
  }
  return {QColor(52, 73, 94), Qt::white};
}

}  // namespace

void TTabColorControlStyleHook::Ciz(QPainter& p, const Sekme& sekme, const QFont& yazi) {
  const TSonuc sonuc = BaslikAyir(sekme.baslik.toStdString());
  QRect alan = sekme.alan;
  if (sekme.durum == Durum::Secili && sekme.ustSira) alan.adjust(0, -2, 0, 2);

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const SekmeRenkleri renkler = RenklerOf(sekme.durum);
  QPainterPath zemin;
  zemin.addRoundedRect(QRectF(alan).adjusted(1, 1, -1, 0), 4, 4);
  p.fillPath(zemin, renkler.zemin);
  if (sekme.durum == Durum::Secili) p.fillRect(QRect(alan.left() + 1, alan.top() + 1, alan.width() - 2, 3), gorunum::kKirmiziBaslik);

  int metinSol = alan.left();
  if (!sekme.resim.isNull()) {
    const QPixmap resim = sekme.resim.scaled(kResimBoyu, kResimBoyu, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawPixmap(alan.left() + kResimBosluk, alan.center().y() - resim.height() / 2, resim);
    metinSol += kResimBosluk + resim.width();
  }
  const QRect metinAlani = QRect(QPoint(metinSol, alan.top()), alan.bottomRight()).adjusted(0, 5, 0, -5);
  p.setFont(yazi);
  p.setPen(renkler.yazi);
  p.drawText(metinAlani, Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(sonuc.baslik));

  if (sonuc.sayi > 0) {
    p.setPen(gorunum::kSayacKirmizisi);
    QFont kalin = yazi;
    kalin.setBold(true);
    p.setFont(kalin);
    p.drawText(metinAlani.adjusted(2, -3, -2, 3), Qt::AlignTop | Qt::AlignRight, QString("(%1)").arg(sonuc.sayi));
  }
  p.restore();
}

// ---- SekmeCubugu

SekmeCubugu::SekmeCubugu(PageControlState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAutoFillBackground(true);
  QPalette palet = palette();
  palet.setColor(QPalette::Window, gorunum::kSekmeZemini);
  setPalette(palet);
  setFont(gorunum::Tahoma(13));
}

std::vector<int> SekmeCubugu::GorunurSayfalar() const {
  std::vector<int> sayfalar;
  for (std::size_t i = 0; i < state_.PageCount(); ++i) {
    if (state_.Page(i).tabVisible) sayfalar.push_back(static_cast<int>(i));
  }
  return sayfalar;
}

int SekmeCubugu::SiraBasinaSekme(int width) const { return std::max(1, width / kSekmeGenisligi); }

int SekmeCubugu::heightForWidth(int width) const {
  const int sekmeler = static_cast<int>(GorunurSayfalar().size());
  const int siralar = std::max(1, (sekmeler + SiraBasinaSekme(width) - 1) / SiraBasinaSekme(width));
  return siralar * kSekmeYuksekligi + 4;
}

QSize SekmeCubugu::sizeHint() const {
  return {static_cast<int>(GorunurSayfalar().size()) * kSekmeGenisligi, kSekmeYuksekligi + 4};
}

QSize SekmeCubugu::minimumSizeHint() const { return {kSekmeGenisligi, heightForWidth(width())}; }

QRect SekmeCubugu::SekmeAlani(int sayfa) const {
  const std::vector<int> sayfalar = GorunurSayfalar();
  const auto yer = std::find(sayfalar.begin(), sayfalar.end(), sayfa);
  if (yer == sayfalar.end()) return {};
  const int sira = static_cast<int>(yer - sayfalar.begin());
  const int siraBasina = SiraBasinaSekme(width());
  const int siralar = (static_cast<int>(sayfalar.size()) + siraBasina - 1) / siraBasina;
  // The first row stands next to the pages, at the bottom; further rows above it.
  const int satir = sira / siraBasina;
  const int y = 2 + (siralar - 1 - satir) * kSekmeYuksekligi;
  return {(sira % siraBasina) * kSekmeGenisligi, y, kSekmeGenisligi, kSekmeYuksekligi};
}

int SekmeCubugu::SekmeAt(QPoint nokta) const {
  for (int sayfa : GorunurSayfalar()) {
    if (SekmeAlani(sayfa).contains(nokta)) return sayfa;
  }
  return -1;
}

void SekmeCubugu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int siraBasina = SiraBasinaSekme(width());
  const std::vector<int> sayfalar = GorunurSayfalar();
  for (std::size_t i = 0; i < sayfalar.size(); ++i) {
    const int sayfa = sayfalar[i];
    const TabSheetState& sekme = state_.Page(static_cast<std::size_t>(sayfa));
    TTabColorControlStyleHook::Sekme cizim;
    cizim.baslik = QString::fromStdString(sekme.caption);
    cizim.resim = SimgeResmi(sekme.image, kResimBoyu);
    cizim.alan = SekmeAlani(sayfa);
    cizim.ustSira = static_cast<int>(i) / siraBasina == 0;
    cizim.durum = sayfa == state_.ActivePageIndex() ? TTabColorControlStyleHook::Durum::Secili
                  : sayfa == sicak_                ? TTabColorControlStyleHook::Durum::Sicak
                                                   : TTabColorControlStyleHook::Durum::Normal;
    TTabColorControlStyleHook::Ciz(p, cizim, font());
  }
}

void SekmeCubugu::mousePressEvent(QMouseEvent* event) {
  const int sayfa = SekmeAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && sayfa >= 0) state_.SetActivePageIndex(sayfa);
}

void SekmeCubugu::mouseMoveEvent(QMouseEvent* event) {
  const int sayfa = SekmeAt(event->position().toPoint());
  if (sayfa == sicak_) return;
  sicak_ = sayfa;
  update();
}

void SekmeCubugu::leaveEvent(QEvent*) {
  sicak_ = -1;
  update();
}

void SekmeCubugu::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // More or fewer rows: the layout must give the bar its new height.
  if (height() != heightForWidth(width())) updateGeometry();
}

// ---- SayfaKontrolu

SayfaKontrolu::SayfaKontrolu(PageControlState& state, QWidget* parent)
    : QWidget(parent), state_(state), cubuk_(new SekmeCubugu(state, this)), sayfalar_(new QStackedWidget(this)) {
  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->setSpacing(0);
  duzen->addWidget(cubuk_);
  duzen->addWidget(sayfalar_, 1);
  abonelik_ = state_.Changed.Connect([this] { Yansit(); });
}

void SayfaKontrolu::SayfaEkle(QWidget* sayfa) {
  sayfalar_->addWidget(sayfa);
  Yansit();
}

void SayfaKontrolu::Yansit() {
  if (state_.ActivePageIndex() >= 0 && state_.ActivePageIndex() < sayfalar_->count()) {
    sayfalar_->setCurrentIndex(state_.ActivePageIndex());
  }
  cubuk_->updateGeometry();
  cubuk_->update();
}

}  // namespace zorvat
