// The grid widget over its state: what the user does with the header, the filter list,
// the column chooser, typing and double-clicking, and how the grid looks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "tests/ui/grid_fixture.h"
#include "tests/ui/klavye.h"
#include "ui/grid.h"
#include "ui/look.h"
#include "ui/state/controls.h"

namespace zorvat {
namespace {

using testing::ElementsAre;

class IzgaraTest : public testing::Test {
 protected:
  IzgaraTest() {
    test::StoklariYukle(tablo);
    test::StokSutunlari(view);
    view.Options().showFooter = true;
    view.FooterSummaries() = {{SummaryKind::Count, "", "colADI", ""}};
    view.SetDataSource(&tablo);
    izgara = std::make_unique<Izgara>(view);
    izgara->resize(900, 420);
    izgara->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(izgara.get()));
  }

  QTableView& tablo_() { return *izgara->Tablo(); }
  QPoint SatirOrtasi(int satir, int sutun = 1) { return tablo_().visualRect(tablo_().model()->index(satir, sutun)).center(); }

  MemTable tablo;
  GridView view;
  std::unique_ptr<Izgara> izgara;
};

TEST_F(IzgaraTest, TheTableShowsTheStatesRowsAndNothingWhileDetached) {
  EXPECT_EQ(tablo_().model()->rowCount(), 6);
  EXPECT_EQ(tablo_().model()->columnCount(), 6);
  EXPECT_EQ(tablo_().model()->headerData(1, Qt::Horizontal).toString(), "Açıklama");
  view.SetDataSource(nullptr);
  EXPECT_EQ(tablo_().model()->rowCount(), 0);
  view.SetDataSource(&tablo);
  EXPECT_EQ(tablo_().model()->rowCount(), 6);
}

TEST_F(IzgaraTest, TheFilterListFiltersAsTheUserUnticksValues) {
  QListWidget* liste = nullptr;
  izgara->FiltreListesiAc(2);  // "Marka"
  liste = qobject_cast<QListWidget*>(QApplication::activePopupWidget());
  ASSERT_NE(liste, nullptr);
  QStringList metinler;
  for (int i = 0; i < liste->count(); ++i) metinler << liste->item(i)->text();
  EXPECT_EQ(metinler, QStringList({"(Tümü)", "BOSCH", "CESUR", "ÇELİK", "MANN"}));

  liste->item(1)->setCheckState(Qt::Unchecked);  // BOSCH off
  EXPECT_EQ(tablo_().model()->rowCount(), 4);
  EXPECT_EQ(liste->item(0)->checkState(), Qt::Unchecked);
  liste->item(0)->setCheckState(Qt::Checked);  // all again
  EXPECT_FALSE(view.Filtered("colMARKA"));
  EXPECT_EQ(tablo_().model()->rowCount(), 6);
  liste->close();
}

TEST_F(IzgaraTest, TheColumnChooserOffersOnlyOfferedColumnsAndTogglesThem) {
  QStringList sunulanlar;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* eylem : menu->actions()) sunulanlar << eylem->text();
    for (QAction* eylem : menu->actions()) {
      if (eylem->text() == "Marka") eylem->trigger();
    }
    menu->close();
  });
  izgara->SutunSeciciAc(QPoint(10, 10));
  EXPECT_EQ(sunulanlar, QStringList({"Açıklama", "Marka", "Fiyat", "Durum", "Tarih"}));
  EXPECT_FALSE(view.FindColumn("colMARKA")->visible);
  EXPECT_EQ(tablo_().model()->columnCount(), 5);
}

TEST_F(IzgaraTest, TypingInTheGridSearchesTheFocusedColumn) {
  QTest::mouseClick(tablo_().viewport(), Qt::LeftButton, {}, SatirOrtasi(0));
  test::Yaz(&tablo_(), "ça");
  EXPECT_EQ(view.FocusedRecord(), 5u);
  EXPECT_EQ(tablo_().currentIndex().row(), 5);
  QTest::keyClick(&tablo_(), Qt::Key_Backspace);
  EXPECT_EQ(view.SearchText(), "ç");
  QTest::keyClick(&tablo_(), Qt::Key_Escape);
  EXPECT_EQ(view.SearchText(), "");
}

TEST_F(IzgaraTest, DoubleClickAndPopupMenuActOnTheRowUnderTheMouse) {
  std::optional<std::size_t> tiklanan;
  std::string sutun;
  view.OnDblClick = [&] {
    tiklanan = view.FocusedRecord();
    sutun = view.FocusedColumn() ? view.FocusedColumn()->name : "";
  };
  QTest::mouseDClick(tablo_().viewport(), Qt::LeftButton, {}, SatirOrtasi(3));
  EXPECT_EQ(tiklanan, 3u);
  EXPECT_EQ(sutun, "colADI");
  EXPECT_EQ(tablo.FieldByName("STOKNO").AsInteger(), 13);
  // The cell's column goes with the row: the basket toggles a tick only in its "Seç" column.
  QTest::mouseDClick(tablo_().viewport(), Qt::LeftButton, {}, SatirOrtasi(2, 2));
  EXPECT_EQ(tiklanan, 2u);
  EXPECT_EQ(sutun, view.ColumnAt(view.VisibleColumns()[2]).name);

  PopupMenuState menu;
  std::optional<std::size_t> secilen;
  menu.Add("S2", "Sepete Ekle", [&] { secilen = view.FocusedRecord(); });
  view.popupMenu = &menu;
  QTimer::singleShot(0, [] {
    auto* qmenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(qmenu, nullptr);
    qmenu->actions().front()->trigger();
    qmenu->close();
  });
  QContextMenuEvent olay(QContextMenuEvent::Mouse, SatirOrtasi(4), tablo_().viewport()->mapToGlobal(SatirOrtasi(4)));
  QApplication::sendEvent(tablo_().viewport(), &olay);
  EXPECT_EQ(secilen, 4u);
}

TEST_F(IzgaraTest, LooksAsSetRedOrDarkHeaderFixedRowsAndGreyOnTheChosenParity) {
  view.Options().rowHeight = 60;
  view.Options().headerHeight = 40;
  view.Options().greyEvenRows = false;
  view.ColumnsChanged();
  view.SetFocusedRow(5);
  QApplication::processEvents();
  EXPECT_EQ(tablo_().rowHeight(0), 60);
  EXPECT_EQ(tablo_().horizontalHeader()->height(), 40);

  const QImage baslik = tablo_().horizontalHeader()->grab().toImage();
  EXPECT_EQ(baslik.pixelColor(30, 4), gorunum::kKirmiziBaslik);
  const QImage satirlar = tablo_().viewport()->grab().toImage();
  const auto zemin = [&](int satir) { return satirlar.pixelColor(tablo_().columnViewportPosition(1) + 3, tablo_().rowViewportPosition(satir) + 3); };
  EXPECT_EQ(zemin(0), QColor(Qt::white));
  EXPECT_EQ(zemin(1), gorunum::kAcikGri);
  EXPECT_EQ(zemin(5), gorunum::kOdakSatiri);

  view.Options().header = HeaderLook::DarkGrey;
  view.ColumnsChanged();
  EXPECT_EQ(tablo_().horizontalHeader()->grab().toImage().pixelColor(30, 4), gorunum::kKoyuGriBaslik);
}

TEST_F(IzgaraTest, ResizingReportsTheWidthAndDraggingAColumnWidthReachesTheState) {
  int genislik = 0;
  view.OnResize = [&] { genislik = view.Width(); };
  izgara->resize(1000, 400);
  EXPECT_EQ(genislik, 1000);
  tablo_().horizontalHeader()->resizeSection(1, 222);
  EXPECT_EQ(view.FindColumn("colADI")->width, 222);
}

TEST_F(IzgaraTest, CollapsingAGroupByItsArrowHidesItsRows) {
  view.GroupBy("MARKA");
  EXPECT_EQ(tablo_().model()->rowCount(), 10);
  const QRect grup = tablo_().visualRect(tablo_().model()->index(0, 0));
  QTest::mouseClick(tablo_().viewport(), Qt::LeftButton, {}, QPoint(grup.left() + 8, grup.center().y()));
  EXPECT_FALSE(view.Group(0).expanded);
  EXPECT_EQ(tablo_().model()->rowCount(), 8);
}

}  // namespace
}  // namespace zorvat
