// The grid view's state: filters, search, footers, groups, sorting, focus and the data
// source that a page detaches while a worker fills its table.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "tests/ui/grid_fixture.h"

namespace zorvat {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class GridViewTest : public testing::Test {
 protected:
  GridViewTest() {
    test::StoklariYukle(tablo);
    test::StokSutunlari(view);
    view.SetDataSource(&tablo);
    changes = view.Changed.Connect([this](GridChange change) { seen.push_back(change); });
  }

  MemTable tablo;
  GridView view{"cxGrid1DBTableView1"};
  std::vector<GridChange> seen;
  Subscription changes;
};

TEST_F(GridViewTest, FilterByValuesKeepsTheChosenRowsAndOffersTheOtherFiltersValues) {
  view.SetFilter("colMARKA", {"BOSCH", "ÇELİK"});
  EXPECT_THAT(test::Sutun(view, "colADI"), ElementsAre("FREN BALATASI ÖN", "İTİCİ KAPAK", "FİLTRE HAVA", "ÇAMURLUK SAĞ"));
  EXPECT_TRUE(view.Filtered("colMARKA"));

  // An icon column filters by its description; its own list still offers every brand the
  // status filter lets through, in Turkish order.
  view.SetFilter("colDURUM", {"Var"});
  EXPECT_THAT(test::Sutun(view, "colADI"), ElementsAre("FREN BALATASI ÖN"));
  EXPECT_THAT(view.FilterValues("colMARKA"), ElementsAre("BOSCH", "CESUR"));
  EXPECT_THAT(view.FilterValues("colDURUM"), ElementsAre("Tedarik Sürecinde", "Var", "Yok", "Yolda"));

  view.ClearFilters();
  EXPECT_EQ(view.Records().size(), 6u);
}

TEST_F(GridViewTest, FilterOnAnEmptyCellMatchesTheEmptyValue) {
  MemTable bos;
  test::StoklariYukle(bos, {{1, "", "A", 1, 0, 0, 45000}, {2, "X", "A", 1, 0, 0, 45000}});
  view.SetDataSource(&bos);
  EXPECT_THAT(view.FilterValues("colADI"), ElementsAre("", "X"));
  view.SetFilter("colADI", {""});
  EXPECT_EQ(view.Records().size(), 1u);
  view.SetDataSource(nullptr);
}

TEST_F(GridViewTest, IncrementalSearchFocusesTheFirstMatchFromTheFocusedRowBlindToCase) {
  view.SetFocusedRow(0);
  struct Case {
    std::string typed;
    bool found;
    std::size_t focusedRecord;
  };
  // Typed one after another; a failed search leaves the focus and the text as they were.
  const Case cases[] = {
      {"f", true, 0},    // the focused row itself matches
      {"fi", true, 2},   // "FİLTRE": the dotted capital matches a plain i
      {"fix", false, 2},
      {"ç", true, 5},
      {"şan", true, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(view.IncSearch(c.typed, "colADI"), c.found);
    EXPECT_EQ(view.FocusedRecord(), c.focusedRecord);
  }
  EXPECT_EQ(view.SearchText(), "şan");
  EXPECT_EQ(tablo.CurrentRow(), 3u) << "the search moves the table's current record";
}

TEST_F(GridViewTest, FootersCountSumAndAverageTheShownRowsInTheFieldsFormat) {
  view.FooterSummaries() = {{SummaryKind::Count, "", "colADI", ""},
                            {SummaryKind::Sum, "FIYAT", "colFIYAT", ""},
                            {SummaryKind::Average, "FIYAT", "colFIYAT", ""}};
  EXPECT_EQ(view.FooterText("colADI"), "6");
  EXPECT_EQ(view.FooterText("colFIYAT"), "3,599.65\n599.94");
  EXPECT_EQ(view.FooterText("colMARKA"), "");

  view.SetFilter("colMARKA", {"BOSCH"});
  EXPECT_EQ(view.FooterText("colADI"), "2");
  EXPECT_EQ(view.FooterText("colFIYAT"), "1,484.50\n742.25");

  // No rows: a count of 0 and no sums.
  view.SetFilter("colMARKA", {"YOK BÖYLE"});
  EXPECT_EQ(view.FooterText("colADI"), "0");
  EXPECT_EQ(view.FooterText("colFIYAT"), "");
  EXPECT_EQ(view.SummaryValue(view.FooterSummaries()[1]), std::nullopt);
}

TEST_F(GridViewTest, GroupsFollowTurkishOrderCollapseAndKeepTheirFooters) {
  view.GroupSummaries() = {{SummaryKind::Sum, "FIYAT", "colFIYAT", ""}, {SummaryKind::Count, "", "colTARIH", ""}};
  view.Options().groupFootersAlwaysVisible = true;
  view.GroupBy("MARKA");

  ASSERT_EQ(view.GroupCount(), 4u);
  EXPECT_EQ(view.Group(0).value, "BOSCH");
  EXPECT_EQ(view.Group(1).value, "CESUR");
  EXPECT_EQ(view.Group(2).value, "ÇELİK");
  EXPECT_EQ(view.Group(3).value, "MANN");
  // Each group: its header row, its records, its footer.
  EXPECT_EQ(view.RowCount(), 4u + 6u + 4u);
  EXPECT_EQ(view.Row(0).kind, RowKind::GroupHeader);
  EXPECT_EQ(view.Row(3).kind, RowKind::GroupFooter);
  EXPECT_EQ(view.GroupFooterText(0, "colFIYAT"), "1,484.50");
  EXPECT_EQ(view.GroupFooterText(2, "colTARIH"), "2");

  view.FullCollapse();
  EXPECT_EQ(view.RowCount(), 8u) << "collapsed groups keep their always-visible footers";
  EXPECT_EQ(view.Records().size(), 6u);
  view.SetGroupExpanded(3, true);
  EXPECT_EQ(view.RowCount(), 9u);

  // A reload keeps each group's state by its value.
  test::StoklariYukle(tablo);
  EXPECT_FALSE(view.Group(0).expanded);
  EXPECT_TRUE(view.Group(3).expanded);
}

TEST_F(GridViewTest, SortingFollowsTheTurkishAlphabetAndNumbers) {
  view.SortBy("colADI", true);
  EXPECT_THAT(test::Sutun(view, "colADI"),
              ElementsAre("CAM SUYU", "ÇAMURLUK SAĞ", "FİLTRE HAVA", "FREN BALATASI ÖN", "İTİCİ KAPAK", "ŞANZIMAN YAĞI"));
  view.SortBy("colFIYAT", false);
  EXPECT_THAT(test::Sutun(view, "colFIYAT"), ElementsAre("1,500.00", "1,234.50", "480.25", "250.00", "99.90", "35.00"));
}

TEST_F(GridViewTest, FocusAndTheTablesCurrentRecordFollowEachOther) {
  view.SetFilter("colMARKA", {"ÇELİK"});
  view.SetFocusedRow(1);
  EXPECT_EQ(view.FocusedRecord(), 5u);
  EXPECT_EQ(tablo.FieldByName("STOKNO").AsInteger(), 15);

  tablo.MoveTo(1);
  EXPECT_EQ(view.FocusedRow(), 0u);
  // A record the filter hides cannot take the focus.
  tablo.MoveTo(0);
  EXPECT_EQ(view.FocusedRow(), 0u);
}

TEST_F(GridViewTest, ColumnsShowHideAndMoveInDisplayOrder) {
  const auto captions = [this] {
    std::vector<std::string> shown;
    for (std::size_t i : view.VisibleColumns()) shown.push_back(view.ColumnAt(i).HeaderText());
    return shown;
  };
  EXPECT_THAT(captions(), ElementsAre("Seç", "Açıklama", "Marka", "Fiyat", "Durum", "Tarih"));
  view.SetColumnVisible("colMARKA", false);
  view.SetColumnVisible("colSTOKNO", true);
  view.MoveColumn(6, 2);  // "Tarih" before "Açıklama"
  EXPECT_THAT(captions(), ElementsAre("Seç", "STOKNO", "Tarih", "Açıklama", "Fiyat", "Durum"));
  EXPECT_THROW(view.SetColumnVisible("colYOK", true), std::out_of_range);
}

TEST_F(GridViewTest, CellsShowIconDescriptionsTicksAndDates) {
  const GridColumn& durum = *view.FindColumn("colDURUM");
  EXPECT_EQ(view.CellText(3, durum), "Telefon Açınız");
  EXPECT_EQ(view.CellIcon(3, durum)->icon, Simge::DurumTelefon);
  EXPECT_EQ(view.CellText(0, *view.FindColumn("colSEC")), "Evet");
  EXPECT_FALSE(view.CellChecked(1, *view.FindColumn("colSEC")));
  EXPECT_EQ(view.CellText(0, *view.FindColumn("colTARIH")), "01.03.2024");
}

TEST_F(GridViewTest, ADetachedViewIgnoresTheTableWhileAWorkerFillsIt) {
  view.SetFocusedRow(2);
  seen.clear();
  view.BeginUpdate();
  view.SetDataSource(nullptr);
  EXPECT_EQ(view.RowCount(), 0u);
  EXPECT_EQ(view.CellText(0, *view.FindColumn("colADI")), "") << "a detached view reads no cell";
  EXPECT_THAT(seen, ElementsAre(GridChange::Rows)) << "detaching is shown even while locked";

  std::vector<test::StokSatiri> buyuk;
  for (int i = 0; i < 5000; ++i) buyuk.push_back({i, "PARÇA " + std::to_string(i), "MARKA", i * 1.5, i % 6, 0, 45000});
  std::thread worker([&] {
    tablo.DisableControls();
    test::StoklariYukle(tablo, buyuk);
    tablo.EnableControls();
  });
  worker.join();
  EXPECT_EQ(view.RowCount(), 0u);

  view.SetDataSource(&tablo);
  EXPECT_EQ(view.RowCount(), 0u) << "attaching while locked waits for the end of the update";
  view.EndUpdate();
  EXPECT_EQ(view.RowCount(), 5000u);
  EXPECT_EQ(view.FocusedRecord(), tablo.CurrentRow()) << "the focus follows the loaded table's cursor";
  EXPECT_THAT(seen, ElementsAre(GridChange::Rows, GridChange::Columns));
}

TEST_F(GridViewTest, TableChangesWhileLockedShowOnceAtTheEnd) {
  view.BeginUpdate();
  view.BeginUpdate();
  test::StoklariYukle(tablo, {{1, "TEK", "A", 1, 0, 0, 45000}});
  view.SetColumnVisible("colMARKA", false);
  view.EndUpdate();
  EXPECT_THAT(seen, IsEmpty());
  view.EndUpdate();
  EXPECT_THAT(seen, ElementsAre(GridChange::Columns));
  EXPECT_EQ(view.RowCount(), 1u);
}

TEST_F(GridViewTest, BestFitMeasuresTheWidestTextsOfEveryVisibleColumn) {
  view.SetTextMeasure([](std::string_view text, bool header) { return static_cast<int>(text.size()) * (header ? 6 : 5); });
  view.Options().filterButtons = false;
  view.ApplyBestFit();
  // Widths in this measure are bytes times 5 (6 for captions), plus the cell's padding.
  EXPECT_EQ(view.FindColumn("colADI")->width, 17 * 5 + 16) << "FREN BALATASI ÖN";
  EXPECT_EQ(view.FindColumn("colFIYAT")->width, 8 * 5 + 16) << "the widest number: 1,500.00";
  EXPECT_EQ(view.FindColumn("colMARKA")->width, 7 * 5 + 16) << "ÇELİK, wider than the caption";
  EXPECT_EQ(view.FindColumn("colDURUM")->width, 36 + 16) << "an icon cell";
  EXPECT_EQ(view.FindColumn("colSTOKNO")->width, 100) << "hidden columns keep their width";
}

TEST_F(GridViewTest, DoubleClickAndResizeRunTheHandlers) {
  int clicks = 0;
  int resizes = 0;
  view.OnDblClick = [&] { ++clicks; };
  view.OnResize = [&] { ++resizes; };
  view.DblClick();
  view.ResizedTo(800);
  view.ResizedTo(800);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(resizes, 1);
  EXPECT_EQ(view.Width(), 800);
}

}  // namespace
}  // namespace zorvat
