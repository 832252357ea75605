#include "ui/grid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <set>

#include "ui/bindings.h"
#include "ui/icons.h"
#include "ui/look.h"
#include "ui/state/controls.h"

namespace zorvat {

namespace {

constexpr int kFiltreDugmesi = 16;
constexpr int kSimgeBoyu = 20;
constexpr int kOzelHucreBoslugu = 10;
constexpr int kGrupOku = 22;
const QColor kGrupSatiri(226, 230, 236);
const QColor kGrupAltSatiri(246, 246, 246);
const QColor kAltBilgiZemini(236, 238, 241);
const QColor kIzgaraCizgisi(214, 217, 222);
const QString kBosDeger = QStringLiteral("(Boş)");
const QString kTumu = QStringLiteral("(Tümü)");

QString Q(const std::string& text) { return QString::fromStdString(text); }

QFont BaslikYazisi() { return gorunum::Arial(13, true); }

}  // namespace

// ---------------------------------------------------------------- model

class IzgaraModeli : public QAbstractTableModel {
 public:
  explicit IzgaraModeli(GridView& view, QObject* parent) : QAbstractTableModel(parent), view_(view) { Yenile(); }

  // Takes the columns and rows of the state again.
  void Yenile() {
    beginResetModel();
    sutunlar_ = view_.VisibleColumns();
    satirSayisi_ = static_cast<int>(view_.RowCount());
    endResetModel();
  }
  void DegerlerDegisti() {
    if (satirSayisi_ > 0 && !sutunlar_.empty()) emit dataChanged(index(0, 0), index(satirSayisi_ - 1, columnCount() - 1));
  }

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : satirSayisi_; }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(sutunlar_.size());
  }

  const GridColumn& Sutun(int gorunur) const { return view_.ColumnAt(sutunlar_.at(static_cast<std::size_t>(gorunur))); }
  std::size_t SutunYeri(int gorunur) const { return sutunlar_.at(static_cast<std::size_t>(gorunur)); }
  // The shown row, guarded: the state may have fewer rows than the view was told of.
  std::optional<GridRow> Satir(int satir) const {
    if (satir < 0 || static_cast<std::size_t>(satir) >= view_.RowCount()) return std::nullopt;
    return view_.Row(static_cast<std::size_t>(satir));
  }
  const Field* Alan(const GridColumn& sutun) const {
    return view_.DataSource() == nullptr || sutun.fieldName.empty() ? nullptr : view_.DataSource()->FindField(sutun.fieldName);
  }
  GridView& View() const { return view_; }

  QString GrupBasligi(std::size_t grup) const {
    const GridGroup& g = view_.Group(grup);
    QString baslik = Q(view_.GroupField());
    for (std::size_t i = 0; i < view_.ColumnCount(); ++i) {
      if (view_.ColumnAt(i).fieldName == view_.GroupField()) baslik = Q(view_.ColumnAt(i).HeaderText());
    }
    return QStringLiteral("%1 : %2  (%3)").arg(baslik, Q(g.value)).arg(g.last - g.first);
  }

  QVariant data(const QModelIndex& index, int role) const override {
    const auto satir = Satir(index.row());
    if (!satir || index.column() >= columnCount()) return {};
    const GridColumn& sutun = Sutun(index.column());
    switch (satir->kind) {
      case RowKind::GroupHeader:
        return role == Qt::DisplayRole && index.column() == 0 ? QVariant(GrupBasligi(satir->index)) : QVariant();
      case RowKind::GroupFooter:
        return role == Qt::DisplayRole ? QVariant(Q(view_.GroupFooterText(satir->index, sutun.name))) : QVariant();
      case RowKind::Data:
        break;
    }
    switch (role) {
      case Qt::DisplayRole:
        if (sutun.kind == CellKind::Icon || sutun.kind == CellKind::Check) return {};
        return Q(view_.CellText(satir->index, sutun));
      case Qt::ToolTipRole:
        if (sutun.kind == CellKind::Icon) return Q(view_.CellText(satir->index, sutun));
        return {};
      case Qt::TextAlignmentRole: {
        const Field* alan = Alan(sutun);
        const bool sayi = sutun.kind == CellKind::Text && alan != nullptr && IsNumeric(alan->DataType());
        return int((sayi ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      }
      default:
        return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) {
      // The row indicator marks the focused row.
      return view_.FocusedRow() == static_cast<std::size_t>(section) ? QStringLiteral("▶") : QString();
    }
    return section < columnCount() ? QVariant(Q(Sutun(section).HeaderText())) : QVariant();
  }
  void IndikatorDegisti() {
    if (satirSayisi_ > 0) emit headerDataChanged(Qt::Vertical, 0, satirSayisi_ - 1);
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
  }

 private:
  GridView& view_;
  std::vector<std::size_t> sutunlar_;
  int satirSayisi_ = 0;
};

// ---------------------------------------------------------------- cells

class IzgaraCizici : public QStyledItemDelegate {
 public:
  IzgaraCizici(IzgaraModeli& model, QTableView& tablo) : QStyledItemDelegate(&tablo), model_(model), tablo_(tablo) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const auto satir = model_.Satir(index.row());
    if (!satir) return;
    p->save();
    switch (satir->kind) {
      case RowKind::GroupHeader:
        GrupSatiri(p, option.rect, index);
        break;
      case RowKind::GroupFooter:
        p->fillRect(option.rect, kGrupAltSatiri);
        Metin(p, option.rect.adjusted(4, 2, -6, -2), index.data().toString(), Qt::AlignRight | Qt::AlignVCenter, true);
        break;
      case RowKind::Data:
        VeriHucresi(p, option, index, satir->index);
        break;
    }
    p->restore();
  }

 private:
  QColor Zemin(int satir) const {
    if (satir == tablo_.currentIndex().row()) return gorunum::kOdakSatiri;
    const bool cift = satir % 2 == 0;
    return cift == model_.View().Options().greyEvenRows ? gorunum::kAcikGri : QColor(Qt::white);
  }

  static void Metin(QPainter* p, const QRect& alan, const QString& metin, int hizalama, bool kalin = false) {
    QFont yazi = p->font();
    yazi.setBold(kalin);
    p->setFont(yazi);
    p->setPen(Qt::black);
    const bool cokSatir = hizalama & Qt::TextWordWrap || metin.contains('\n');
    const QString gosterilen = cokSatir ? metin : p->fontMetrics().elidedText(metin, Qt::ElideRight, alan.width());
    p->drawText(alan, hizalama, gosterilen);
  }

  void GrupSatiri(QPainter* p, const QRect& alan, const QModelIndex& index) const {
    p->fillRect(alan, kGrupSatiri);
    const auto satir = model_.Satir(index.row());
    const bool acik = model_.View().Group(satir->index).expanded;
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(QColor(60, 60, 60));
    const QPointF m(alan.left() + kGrupOku / 2.0, alan.center().y());
    if (acik) {
      p->drawPolygon(QPolygonF({m + QPointF(-5, -3), m + QPointF(5, -3), m + QPointF(0, 3)}));
    } else {
      p->drawPolygon(QPolygonF({m + QPointF(-3, -5), m + QPointF(3, 0), m + QPointF(-3, 5)}));
    }
    Metin(p, alan.adjusted(kGrupOku, 0, -4, 0), index.data().toString(), Qt::AlignLeft | Qt::AlignVCenter, true);
  }

  void VeriHucresi(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index, std::size_t kayit) const {
    const QRect alan = option.rect;
    p->fillRect(alan, Zemin(index.row()));
    const GridColumn& sutun = model_.Sutun(index.column());
    switch (sutun.kind) {
      case CellKind::Icon:
        if (const IconValue* simge = model_.View().CellIcon(kayit, sutun); simge != nullptr && simge->icon != Simge::Yok) {
          const QPixmap resim = SimgeResmi(simge->icon, kSimgeBoyu);
          p->drawPixmap(alan.center() - QPoint(kSimgeBoyu / 2 - 1, kSimgeBoyu / 2 - 1), resim);
        }
        return;
      case CellKind::Check: {
        QStyleOptionButton kutu;
        kutu.rect = QRect(alan.center() - QPoint(7, 7), QSize(15, 15));
        kutu.state = QStyle::State_Enabled | (model_.View().CellChecked(kayit, sutun) ? QStyle::State_On : QStyle::State_Off);
        tablo_.style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &kutu, p, &tablo_);
        return;
      }
      case CellKind::Memo:
        Metin(p, alan.adjusted(4, 3, -4, -3), index.data().toString(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        return;
      case CellKind::Custom:
        Metin(p, alan.adjusted(kOzelHucreBoslugu, 2, -kOzelHucreBoslugu, -2), index.data().toString(),
              Qt::AlignLeft | Qt::AlignVCenter);
        return;
      case CellKind::Text:
        Metin(p, alan.adjusted(5, 0, -5, 0), index.data().toString(), index.data(Qt::TextAlignmentRole).toInt());
        return;
    }
  }

  IzgaraModeli& model_;
  QTableView& tablo_;
};

// ---------------------------------------------------------------- header

class IzgaraBasligi : public QHeaderView {
 public:
  IzgaraBasligi(IzgaraModeli& model, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), model_(model) {
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setFont(BaslikYazisi());
    setContextMenuPolicy(Qt::DefaultContextMenu);
  }

  std::function<void(int)> FiltreIstendi;
  std::function<void(const QPoint&)> SutunSeciciIstendi;

  QRect FiltreDugmesi(const QRect& bolum) const {
    return {bolum.right() - kFiltreDugmesi - 3, bolum.center().y() - kFiltreDugmesi / 2, kFiltreDugmesi, kFiltreDugmesi};
  }

 protected:
  void paintSection(QPainter* p, const QRect& alan, int bolum) const override {
    if (bolum >= model_.columnCount()) return;
    const GridOptions& ayarlar = model_.View().Options();
    const GridColumn& sutun = model_.Sutun(bolum);
    p->save();
    p->fillRect(alan, ayarlar.header == HeaderLook::Red ? gorunum::kKirmiziBaslik : gorunum::kKoyuGriBaslik);
    p->setPen(QColor(255, 255, 255, 70));
    p->drawLine(alan.topRight(), alan.bottomRight());
    int sag = alan.right() - 4;
    if (ayarlar.filterButtons) {
      const QRect dugme = FiltreDugmesi(alan);
      const bool filtreli = model_.View().Filtered(sutun.name);
      p->setRenderHint(QPainter::Antialiasing);
      p->setPen(Qt::NoPen);
      p->setBrush(filtreli ? QColor(255, 214, 0) : QColor(255, 255, 255, 60));
      p->drawRoundedRect(dugme, 3, 3);
      p->setBrush(filtreli ? QColor(60, 60, 60) : QColor(Qt::white));
      const QPointF m = QRectF(dugme).center();
      p->drawPolygon(QPolygonF({m + QPointF(-4, -2), m + QPointF(4, -2), m + QPointF(0, 3)}));
      sag = dugme.left() - 3;
    }
    if (model_.View().SortColumn() == sutun.name) {
      p->setPen(Qt::white);
      p->drawText(QRect(sag - 12, alan.top(), 12, alan.height()), Qt::AlignCenter,
                  model_.View().SortAscending() ? QStringLiteral("▲") : QStringLiteral("▼"));
      sag -= 14;
    }
    p->setFont(font());
    p->setPen(Qt::white);
    const QRect metinAlani(alan.left() + 6, alan.top(), sag - alan.left() - 6, alan.height());
    p->drawText(metinAlani, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, Q(sutun.HeaderText()));
    p->restore();
  }

  void mousePressEvent(QMouseEvent* event) override {
    const int bolum = logicalIndexAt(event->position().toPoint());
    if (bolum >= 0 && model_.View().Options().filterButtons && event->button() == Qt::LeftButton) {
      const QRect alan(sectionViewportPosition(bolum), 0, sectionSize(bolum), height());
      if (FiltreDugmesi(alan).contains(event->position().toPoint()) && FiltreIstendi) {
        FiltreIstendi(bolum);
        return;
      }
    }
    QHeaderView::mousePressEvent(event);
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    if (model_.View().Options().columnChooser && SutunSeciciIstendi) SutunSeciciIstendi(event->globalPos());
  }

 private:
  IzgaraModeli& model_;
};

// ---------------------------------------------------------------- footer

class IzgaraAltBilgisi : public QWidget {
 public:
  IzgaraAltBilgisi(IzgaraModeli& model, QTableView& tablo, QWidget* parent)
      : QWidget(parent), model_(model), tablo_(tablo) {
    setFont(gorunum::Tahoma(13, true));
  }

  void Yenile() {
    int satirlar = 1;
    for (int i = 0; i < model_.columnCount(); ++i) {
      satirlar = std::max(satirlar, static_cast<int>(Q(model_.View().FooterText(model_.Sutun(i).name)).count('\n')) + 1);
    }
    setFixedHeight(satirlar * fontMetrics().height() + 12);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), kAltBilgiZemini);
    p.setPen(kIzgaraCizgisi);
    p.drawLine(rect().topLeft(), rect().topRight());
    const QHeaderView* baslik = tablo_.horizontalHeader();
    // The footer lies beside the table, so both are measured from their common window.
    const int sol = tablo_.viewport()->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
    p.setPen(Qt::black);
    for (int i = 0; i < model_.columnCount(); ++i) {
      const QString metin = Q(model_.View().FooterText(model_.Sutun(i).name));
      if (metin.isEmpty()) continue;
      const QRect alan(sol + baslik->sectionViewportPosition(i), 0, baslik->sectionSize(i), height());
      p.drawText(alan.adjusted(4, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, metin);
    }
  }

 private:
  IzgaraModeli& model_;
  QTableView& tablo_;
};

// ---------------------------------------------------------------- filter list

// The values of one column with tick boxes; every change filters at once.
class FiltreListesi : public QListWidget {
 public:
  FiltreListesi(GridView& view, std::string sutun, QWidget* parent) : QListWidget(parent), view_(view), sutun_(std::move(sutun)) {
    setWindowFlags(Qt::Popup);
    setAttribute(Qt::WA_DeleteOnClose);
    const std::set<std::string>* filtre = view_.Filter(sutun_);
    Ekle(kTumu, filtre == nullptr, {});
    for (const std::string& deger : view_.FilterValues(sutun_)) {
      Ekle(deger.empty() ? kBosDeger : Q(deger), filtre == nullptr || filtre->contains(deger), deger);
    }
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* oge) { Degisti(oge); });
  }

 private:
  void Ekle(const QString& metin, bool secili, const std::string& deger) {
    auto* oge = new QListWidgetItem(metin, this);
    oge->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    oge->setCheckState(secili ? Qt::Checked : Qt::Unchecked);
    oge->setData(Qt::UserRole, Q(deger));
  }

  void Degisti(QListWidgetItem* oge) {
    if (ayarlaniyor_) return;
    ayarlaniyor_ = true;
    if (row(oge) == 0) {
      for (int i = 1; i < count(); ++i) item(i)->setCheckState(oge->checkState());
    }
    std::set<std::string> secilenler;
    for (int i = 1; i < count(); ++i) {
      if (item(i)->checkState() == Qt::Checked) secilenler.insert(item(i)->data(Qt::UserRole).toString().toStdString());
    }
    const bool hepsi = static_cast<int>(secilenler.size()) == count() - 1;
    item(0)->setCheckState(hepsi ? Qt::Checked : Qt::Unchecked);
    ayarlaniyor_ = false;
    if (hepsi) {
      view_.ClearFilter(sutun_);
    } else {
      view_.SetFilter(sutun_, std::move(secilenler));
    }
  }

  GridView& view_;
  std::string sutun_;
  bool ayarlaniyor_ = false;
};

// ---------------------------------------------------------------- table

class IzgaraTablosu : public QTableView {
 public:
  IzgaraTablosu(IzgaraModeli& model, QWidget* parent) : QTableView(parent), model_(model) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    GridView& view = model_.View();
    const QString metin = event->text();
    const bool yazi = !metin.isEmpty() && metin.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (view.Options().incSearch && currentIndex().isValid() && yazi) {
      Ara(view.SearchText() + metin.toStdString());
      return;
    }
    if (view.Options().incSearch && !view.SearchText().empty() && event->key() == Qt::Key_Backspace) {
      QString aranan = Q(view.SearchText());
      aranan.chop(1);
      Ara(aranan.toStdString());
      return;
    }
    if (event->key() == Qt::Key_Escape && !view.SearchText().empty()) {
      view.ClearSearch();
      return;
    }
    QTableView::keyPressEvent(event);
  }

  void mousePressEvent(QMouseEvent* event) override {
    QTableView::mousePressEvent(event);
    const QModelIndex yer = indexAt(event->position().toPoint());
    const auto satir = model_.Satir(yer.row());
    if (satir && satir->kind == RowKind::GroupHeader && event->position().x() < kGrupOku) GrupDegistir(satir->index);
  }

  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QTableView::mouseDoubleClickEvent(event);
    const auto satir = model_.Satir(indexAt(event->position().toPoint()).row());
    if (satir && satir->kind == RowKind::GroupHeader) {
      GrupDegistir(satir->index);
      return;
    }
    if (event->button() == Qt::LeftButton) model_.View().DblClick();
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    const QModelIndex yer = indexAt(event->pos());
    if (yer.isValid()) setCurrentIndex(yer);
    if (model_.View().popupMenu != nullptr) PopupMenuGoster(*model_.View().popupMenu, event->globalPos(), this);
  }

 private:
  void Ara(const std::string& aranan) {
    model_.View().IncSearch(aranan, model_.Sutun(currentIndex().column()).name);
  }

  void GrupDegistir(std::size_t grup) {
    GridView& view = model_.View();
    view.SetGroupExpanded(grup, !view.Group(grup).expanded);
  }

  IzgaraModeli& model_;
};

// ---------------------------------------------------------------- the grid

Izgara::Izgara(GridView& view, QWidget* parent) : QWidget(parent), view_(view) {
  model_ = new IzgaraModeli(view_, this);
  tablo_ = new IzgaraTablosu(*model_, this);
  baslik_ = new IzgaraBasligi(*model_, tablo_);
  tablo_->setHorizontalHeader(baslik_);
  tablo_->setModel(model_);
  tablo_->setItemDelegate(new IzgaraCizici(*model_, *tablo_));
  tablo_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tablo_->setSelectionMode(QAbstractItemView::SingleSelection);
  tablo_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tablo_->setWordWrap(false);
  tablo_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  tablo_->setTabKeyNavigation(false);
  tablo_->setStyleSheet(QStringLiteral("QTableView { gridline-color: rgb(214, 217, 222); }"));
  tablo_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  tablo_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  altBilgi_ = new IzgaraAltBilgisi(*model_, *tablo_, this);
  connect(tablo_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& yeni) {
    if (!uyguluyor_ && yeni.isValid()) view_.SetFocusedRow(static_cast<std::size_t>(yeni.row()));
  });
  connect(tablo_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& yeni) {
    if (yeni.isValid()) view_.SetFocusedColumn(model_->Sutun(yeni.column()).name);
  });

  auto* duzen = new QVBoxLayout(this);
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->setSpacing(0);
  duzen->addWidget(tablo_, 1);
  duzen->addWidget(altBilgi_);

  baslik_->FiltreIstendi = [this](int sutun) { FiltreListesiAc(sutun); };
  baslik_->SutunSeciciIstendi = [this](const QPoint& nerede) { SutunSeciciAc(nerede); };
  connect(baslik_, &QHeaderView::sectionClicked, this, [this](int sutun) { SiralamaIstendi(sutun); });
  connect(baslik_, &QHeaderView::sectionResized, this, [this](int sutun, int, int genislik) {
    if (!uyguluyor_ && sutun < model_->columnCount()) view_.ColumnResizedByUser(model_->SutunYeri(sutun), genislik);
    altBilgi_->update();
  });
  connect(baslik_, &QHeaderView::sectionMoved, this, [this](int, int eski, int yeni) {
    // The state takes the new order once the header has finished its own handling.
    QTimer::singleShot(0, this, [this, eski, yeni] { SutunTasindi(eski, yeni); });
  });
  connect(tablo_->horizontalScrollBar(), &QScrollBar::valueChanged, altBilgi_, qOverload<>(&QWidget::update));
  view_.SetTextMeasure([this](std::string_view metin, bool baslik) {
    const QFontMetrics olcu(baslik ? BaslikYazisi() : tablo_->font());
    return olcu.horizontalAdvance(Q(std::string(metin)));
  });
  abonelik_ = view_.Changed.Connect([this](GridChange degisiklik) { Degisti(degisiklik); });
  SutunlariUygula();
}

Izgara::~Izgara() { view_.SetTextMeasure({}); }

QTableView* Izgara::Tablo() const { return tablo_; }

void Izgara::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  view_.ResizedTo(width());
}

void Izgara::Degisti(GridChange degisiklik) {
  switch (degisiklik) {
    case GridChange::Columns: SutunlariUygula(); return;
    case GridChange::Rows: SatirlariUygula(); return;
    case GridChange::Values:
      model_->DegerlerDegisti();
      altBilgi_->Yenile();
      return;
    case GridChange::Focus: OdagiUygula(); return;
  }
}

void Izgara::SutunlariUygula() {
  const GridOptions& ayarlar = view_.Options();
  tablo_->horizontalHeader()->setVisible(ayarlar.showHeader);
  tablo_->horizontalHeader()->setFixedHeight(ayarlar.headerHeight);
  tablo_->verticalHeader()->setVisible(ayarlar.showIndicator);
  tablo_->verticalHeader()->setMinimumSectionSize(std::min(ayarlar.rowHeight, 20));
  tablo_->verticalHeader()->setDefaultSectionSize(ayarlar.rowHeight);
  tablo_->setSortingEnabled(false);
  altBilgi_->setVisible(ayarlar.showFooter);
  SatirlariUygula();
}

void Izgara::SatirlariUygula() {
  uyguluyor_ = true;
  model_->Yenile();
  for (int i = 0; i < model_->columnCount(); ++i) {
    baslik_->setSectionResizeMode(i, view_.Options().autoWidth ? QHeaderView::Stretch : QHeaderView::Interactive);
    if (!view_.Options().autoWidth) baslik_->resizeSection(i, model_->Sutun(i).width);
  }
  tablo_->clearSpans();
  for (std::size_t satir = 0; view_.GroupCount() > 0 && satir < view_.RowCount(); ++satir) {
    if (view_.Row(satir).kind == RowKind::GroupHeader && model_->columnCount() > 1) {
      tablo_->setSpan(static_cast<int>(satir), 0, 1, model_->columnCount());
    }
  }
  uyguluyor_ = false;
  altBilgi_->Yenile();
  OdagiUygula();
}

void Izgara::OdagiUygula() {
  const auto satir = view_.FocusedRow();
  if (!satir || model_->columnCount() == 0) return;
  const int sutun = std::max(tablo_->currentIndex().column(), 0);
  const QModelIndex yer = model_->index(static_cast<int>(*satir), sutun);
  if (tablo_->currentIndex() != yer) {
    const bool onceki = std::exchange(uyguluyor_, true);
    tablo_->setCurrentIndex(yer);
    uyguluyor_ = onceki;
  }
  tablo_->scrollTo(yer);
  tablo_->viewport()->update();
  if (view_.Options().showIndicator) model_->IndikatorDegisti();
}

void Izgara::SiralamaIstendi(int gorunurSutun) {
  if (!view_.Options().sorting || gorunurSutun >= model_->columnCount()) return;
  const std::string& ad = model_->Sutun(gorunurSutun).name;
  view_.SortBy(ad, view_.SortColumn() == ad ? !view_.SortAscending() : true);
}

void Izgara::SutunTasindi(int eskiYer, int yeniYer) {
  const std::vector<std::size_t> gorunurler = view_.VisibleColumns();
  if (eskiYer >= static_cast<int>(gorunurler.size()) || yeniYer >= static_cast<int>(gorunurler.size())) return;
  view_.MoveColumn(gorunurler[static_cast<std::size_t>(eskiYer)], gorunurler[static_cast<std::size_t>(yeniYer)]);
}

void Izgara::FiltreListesiAc(int gorunurSutun) {
  if (gorunurSutun < 0 || gorunurSutun >= model_->columnCount()) return;
  auto* liste = new FiltreListesi(view_, model_->Sutun(gorunurSutun).name, this);
  const int sol = baslik_->sectionViewportPosition(gorunurSutun);
  liste->resize(std::max(220, baslik_->sectionSize(gorunurSutun)), 300);
  liste->move(baslik_->mapToGlobal(QPoint(sol, baslik_->height())));
  liste->show();
}

void Izgara::SutunSeciciAc(const QPoint& nerede) {
  QMenu menu(this);
  for (std::size_t i = 0; i < view_.ColumnCount(); ++i) {
    const GridColumn& sutun = view_.ColumnAt(i);
    if (!sutun.offered) continue;
    QAction* eylem = menu.addAction(Q(sutun.HeaderText()));
    eylem->setCheckable(true);
    eylem->setChecked(sutun.visible);
    eylem->setData(Q(sutun.name));
  }
  QAction* secilen = nullptr;
  connect(&menu, &QMenu::triggered, &menu, [&secilen](QAction* eylem) { secilen = eylem; });
  menu.exec(nerede);
  if (secilen != nullptr) view_.SetColumnVisible(secilen->data().toString().toStdString(), secilen->isChecked());
}

}  // namespace zorvat
