#include "ui/animations.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QScrollArea>
#include <QSlider>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>

#include "net/services.h"

namespace zorvat {

// ---- MesgulAnimasyonu

namespace {
constexpr int kCarkAdimlari = 12;
constexpr int kKayanYaziAdimMs = 30;
constexpr int kKayanYaziAdimPiksel = 2;
}  // namespace

MesgulAnimasyonu::MesgulAnimasyonu(QWidget* parent) : QWidget(parent) {
  setFixedSize(28, 27);
  zamanlayici_.setInterval(80);
  connect(&zamanlayici_, &QTimer::timeout, this, [this] {
    adim_ = (adim_ + 1) % kCarkAdimlari;
    update();
  });
}

void MesgulAnimasyonu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(width() / 2.0, height() / 2.0);
  for (int i = 0; i < kCarkAdimlari; ++i) {
    // The spoke at the current step is darkest; the ones behind it fade.
    const int yas = (adim_ - i + kCarkAdimlari) % kCarkAdimlari;
    QColor renk(196, 30, 36);
    renk.setAlphaF(1.0 - yas / static_cast<double>(kCarkAdimlari));
    p.setPen(QPen(renk, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -6), QPointF(0, -11));
    p.rotate(360.0 / kCarkAdimlari);
  }
}

void MesgulAnimasyonu::showEvent(QShowEvent*) { zamanlayici_.start(); }
void MesgulAnimasyonu::hideEvent(QHideEvent*) { zamanlayici_.stop(); }

// ---- GifAnimator

GifAnimator::GifAnimator(Boyutlama boyutlama, QWidget* parent) : QWidget(parent), boyutlama_(boyutlama) {
  BoyutuUyarla();
}

GifAnimator::~GifAnimator() = default;

bool GifAnimator::GifYukle(const QByteArray& baytlar) {
  Temizle();
  baytlar_ = baytlar;
  tampon_ = std::make_unique<QBuffer>(&baytlar_);
  tampon_->open(QIODevice::ReadOnly);
  film_ = std::make_unique<QMovie>(tampon_.get(), "gif");
  if (!film_->isValid() || !film_->jumpToFrame(0)) {
    Temizle();
    return false;
  }
  connect(film_.get(), &QMovie::frameChanged, this, [this] { update(); });
  film_->start();
  BoyutuUyarla();
  return true;
}

void GifAnimator::Temizle() {
  film_.reset();
  tampon_.reset();
  baytlar_.clear();
  BoyutuUyarla();
  update();
}

bool GifAnimator::Bos() const { return film_ == nullptr; }

QSize GifAnimator::sizeHint() const {
  const QSize resim = film_ ? film_->currentPixmap().size() : QSize();
  return boyutlama_ == Boyutlama::GenislikResmeUyar ? QSize(resim.width(), height()) : QSize(width(), resim.height());
}

void GifAnimator::BoyutuUyarla() {
  const QSize resim = film_ ? film_->currentPixmap().size() : QSize(0, 0);
  if (boyutlama_ == Boyutlama::GenislikResmeUyar) {
    setFixedWidth(resim.width());
  } else {
    setFixedHeight(resim.height());
  }
}

void GifAnimator::paintEvent(QPaintEvent*) {
  if (!film_) return;
  QPainter p(this);
  const QPixmap kare = film_->currentPixmap();
  if (boyutlama_ == Boyutlama::GenislikResmeUyar) {
    // The header banner is stretched to the header's height.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), kare);
  } else {
    p.drawPixmap((width() - kare.width()) / 2, 0, kare);
  }
}

// ---- KayanYazi

KayanYazi::KayanYazi(QWidget* parent) : QWidget(parent) {
  zamanlayici_.setInterval(kKayanYaziAdimMs);
  connect(&zamanlayici_, &QTimer::timeout, this, [this] { Kaydir(); });
}

KayanYazi::~KayanYazi() = default;

void KayanYazi::HtmlOgesi(const QString& html) {
  QTextDocument belge;
  belge.setDefaultFont(font());
  belge.setDocumentMargin(0);
  belge.setHtml(html);
  belge.setTextWidth(-1);
  const QSizeF boyut = belge.size();
  QPixmap resim(static_cast<int>(std::ceil(boyut.width())), static_cast<int>(std::ceil(boyut.height())));
  resim.fill(Qt::transparent);
  QPainter p(&resim);
  QAbstractTextDocumentLayout::PaintContext baglam;
  baglam.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
  belge.documentLayout()->draw(&p, baglam);
  p.end();
  oge_ = resim;
  konum_ = width();
  update();
}

void KayanYazi::ResimOgesi(const QPixmap& resim) {
  oge_ = resim;
  konum_ = width();
  update();
}

void KayanYazi::OgeleriTemizle() {
  oge_ = QPixmap();
  update();
}

void KayanYazi::Baslat() { zamanlayici_.start(); }
void KayanYazi::Durdur() { zamanlayici_.stop(); }

void KayanYazi::Kaydir() {
  if (oge_.isNull()) return;
  konum_ -= kKayanYaziAdimPiksel;
  // When the item has left on the left, it comes back on the right.
  if (konum_ + oge_.width() + aralik_ < 0) konum_ = width();
  update();
}

void KayanYazi::paintEvent(QPaintEvent*) {
  if (oge_.isNull()) return;
  QPainter p(this);
  const int y = (height() - oge_.height()) / 2;
  p.drawPixmap(konum_, y, oge_);
}

// ---- ResimGoruntuleyici

ResimGoruntuleyici::ResimGoruntuleyici(QWidget* parent)
    : QWidget(parent), alan_(new QScrollArea(this)), etiket_(new QLabel), kaydirici_(new QSlider(Qt::Horizontal, this)) {
  etiket_->setAlignment(Qt::AlignCenter);
  etiket_->setCursor(Qt::PointingHandCursor);
  etiket_->installEventFilter(this);
  alan_->setWidget(etiket_);
  alan_->setAlignment(Qt::AlignCenter);
  alan_->setWidgetResizable(false);
  alan_->setFrameShape(QFrame::NoFrame);
  kaydirici_->setRange(25, 400);
  kaydirici_->setValue(100);
  connect(kaydirici_, &QSlider::valueChanged, this, [this] { Goster(); });
  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->addWidget(alan_, 1);
  duzen->addWidget(kaydirici_);
}

bool ResimGoruntuleyici::ResimYukle(const QByteArray& baytlar) {
  QPixmap resim;
  if (!resim.loadFromData(baytlar)) return false;
  ResimAyarla(resim);
  return true;
}

void ResimGoruntuleyici::ResimAyarla(const QPixmap& resim) {
  resim_ = resim;
  Goster();
}

void ResimGoruntuleyici::Temizle() { ResimAyarla(QPixmap()); }

void ResimGoruntuleyici::Yakinlastir(int yuzde) { kaydirici_->setValue(yuzde); }

int ResimGoruntuleyici::Yakinlik() const { return kaydirici_->value(); }

void ResimGoruntuleyici::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Goster();
}

bool ResimGoruntuleyici::eventFilter(QObject* watched, QEvent* event) {
  if (watched == etiket_ && event->type() == QEvent::MouseButtonRelease && Tiklandi) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) Tiklandi();
  }
  return false;
}

void ResimGoruntuleyici::Goster() {
  if (resim_.isNull()) {
    etiket_->setPixmap(QPixmap());
    etiket_->resize(alan_->viewport()->size());
    return;
  }
  // 100 % fits the picture into the view, never enlarging it beyond its own size.
  const QSize sigan = resim_.size().scaled(alan_->viewport()->size(), Qt::KeepAspectRatio).boundedTo(resim_.size());
  const QSize boyut = sigan * (kaydirici_->value() / 100.0);
  etiket_->setPixmap(resim_.scaled(boyut, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  etiket_->resize(etiket_->pixmap().size().expandedTo(alan_->viewport()->size()));
}

// ---- UrlResmi

UrlResmi::UrlResmi(Getirici getirici, QWidget* parent)
    : ResimGoruntuleyici(parent), getirici_(std::move(getirici)), istek_(std::make_shared<int>(0)) {}

UrlResmi::~UrlResmi() = default;

void UrlResmi::Yukle(const std::string& adres) {
  const int numara = ++*istek_;
  ++bekleyen_;
  QPointer<UrlResmi> kendisi(this);
  Dagitici().RunInBackground([kendisi, getirici = getirici_, adres, numara, istek = istek_] {
    std::vector<std::uint8_t> baytlar;
    try {
      baytlar = getirici(adres);
    } catch (...) {
      baytlar.clear();  // an address that cannot be read leaves the picture as it was
    }
    Dagitici().PostToUi([kendisi, baytlar = std::move(baytlar), numara, istek] {
      if (kendisi == nullptr) return;
      --kendisi->bekleyen_;
      if (numara != *istek) return;
      const bool geldi = !baytlar.empty() &&
                         kendisi->ResimYukle(QByteArray(reinterpret_cast<const char*>(baytlar.data()),
                                                        static_cast<qsizetype>(baytlar.size())));
      if (kendisi->Yuklendi) kendisi->Yuklendi(geldi);
    });
  });
}

}  // namespace zorvat
