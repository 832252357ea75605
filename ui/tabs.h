// The page control of the windows: tabs 130 × 50 that wrap into rows, each drawn by the tab
// painter with its picture, its title and, for a caption "count=title" with a count above
// 0, the count in red at the top right.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

#include "ui/state/controls.h"

class QStackedWidget;

namespace zorvat {

// The tab painter every tab bar of the program draws with.
class TTabColorControlStyleHook {
 public:
  enum class Durum { Normal, Sicak, Secili };

  struct Sekme {
    QString baslik;  // the caption, possibly "count=title"
    QPixmap resim;
    Durum durum = Durum::Normal;
    QRect alan;
    bool ustSira = true;  // in the row next to the pages
  };

  // Draws one tab. A caption whose count is not a whole number draws as its title alone.
  static void Ciz(QPainter& p, const Sekme& sekme, const QFont& yazi);
};

// A tab bar whose tabs wrap into as many rows as its width needs.
class SekmeCubugu : public QWidget {
 public:
  static constexpr int kSekmeGenisligi = 130;
  static constexpr int kSekmeYuksekligi = 50;

  SekmeCubugu(PageControlState& state, QWidget* parent = nullptr);

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // The tab of the page under the point; -1 when none.
  int SekmeAt(QPoint nokta) const;
  // Where the page's tab stands; empty when its tab is hidden.
  QRect SekmeAlani(int sayfa) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::vector<int> GorunurSayfalar() const;
  int SiraBasinaSekme(int width) const;

  PageControlState& state_;
  int sicak_ = -1;
};

// The page control: the tab bar over the pages, bound to its state both ways.
class SayfaKontrolu : public QWidget {
 public:
  SayfaKontrolu(PageControlState& state, QWidget* parent = nullptr);

  // The page's contents, in the order of the state's pages.
  void SayfaEkle(QWidget* sayfa);
  SekmeCubugu* Cubuk() const { return cubuk_; }

 private:
  void Yansit();

  PageControlState& state_;
  SekmeCubugu* cubuk_;
  QStackedWidget* sayfalar_;
  Subscription abonelik_;
};

}  // namespace zorvat
