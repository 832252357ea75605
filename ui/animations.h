// The moving and picture pieces of the windows: the small busy animation, the GIF animator
// that sizes itself to its picture, the marquee with one text or picture item, a zoomable
// picture view, and a picture that loads from an address in the background.
#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QBuffer;
class QLabel;
class QMovie;
class QScrollArea;
class QSlider;
class QTextDocument;

namespace zorvat {

// A small spinning wheel, 28 × 27 like the program's; it turns only while shown.
class MesgulAnimasyonu : public QWidget {
 public:
  explicit MesgulAnimasyonu(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {28, 27}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QTimer zamanlayici_;
  int adim_ = 0;
};

// Plays an animated GIF. It sizes itself to the picture along one side: the header
// banner's width follows the picture (its height is the header's), the top strip's height
// follows it (its width is the window's), and an empty strip takes no height at all.
class GifAnimator : public QWidget {
 public:
  enum class Boyutlama { GenislikResmeUyar, YukseklikResmeUyar };

  GifAnimator(Boyutlama boyutlama, QWidget* parent = nullptr);
  ~GifAnimator() override;

  // Loads the bytes as a GIF from their start; false (and empty) when they are not one.
  bool GifYukle(const QByteArray& baytlar);
  void Temizle();
  bool Bos() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BoyutuUyarla();

  Boyutlama boyutlama_;
  QByteArray baytlar_;
  std::unique_ptr<QBuffer> tampon_;
  std::unique_ptr<QMovie> film_;
};

// A marquee that scrolls one item from right to left: a simple HTML text, or a picture.
// With no item it runs empty.
class KayanYazi : public QWidget {
 public:
  explicit KayanYazi(QWidget* parent = nullptr);
  ~KayanYazi() override;

  void HtmlOgesi(const QString& html);
  void ResimOgesi(const QPixmap& resim);
  void OgeleriTemizle();
  void Baslat();
  void Durdur();
  bool Calisiyor() const { return zamanlayici_.isActive(); }
  bool OgesiVar() const { return !oge_.isNull(); }
  // Gap in pixels between one pass of the item and the next.
  void Aralik(int piksel) { aralik_ = piksel; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Kaydir();

  QPixmap oge_;
  QTimer zamanlayici_;
  int konum_ = 0;
  int aralik_ = 5;
};

// A picture with a zoom slider under it; a click on the picture runs Tiklandi.
class ResimGoruntuleyici : public QWidget {
 public:
  explicit ResimGoruntuleyici(QWidget* parent = nullptr);

  // False (the previous picture stays) when the bytes are not a picture.
  bool ResimYukle(const QByteArray& baytlar);
  void ResimAyarla(const QPixmap& resim);
  void Temizle();
  const QPixmap& Resim() const { return resim_; }
  // Zoom in percent of the size that fits the view; 100 fits it.
  void Yakinlastir(int yuzde);
  int Yakinlik() const;

  std::function<void()> Tiklandi;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Goster();

  QPixmap resim_;
  QScrollArea* alan_;
  QLabel* etiket_;
  QSlider* kaydirici_;
};

// A picture that loads from an address in the background and shows when it arrives. Only
// the last asked address counts: an answer to an earlier one is dropped.
class UrlResmi : public ResimGoruntuleyici {
 public:
  // Fetches the bytes of an address on a worker; throws when it cannot.
  using Getirici = std::function<std::vector<std::uint8_t>(const std::string& adres)>;

  explicit UrlResmi(Getirici getirici, QWidget* parent = nullptr);
  ~UrlResmi() override;

  void Yukle(const std::string& adres);
  bool Yukleniyor() const { return bekleyen_ > 0; }

  // Runs on the user-interface thread after each load: whether a picture came.
  std::function<void(bool geldi)> Yuklendi;

 private:
  Getirici getirici_;
  std::shared_ptr<int> istek_;  // the number of the latest request, shared with the workers
  int bekleyen_ = 0;
};

}  // namespace zorvat
