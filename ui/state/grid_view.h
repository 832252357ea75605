// The state of a data grid's table view, bound to an in-memory table: its columns, the rows
// it shows after the user's filters, sorting and grouping, the focused row, the footers,
// incremental search, and its data source, which a page detaches while a worker fills the
// table and re-attaches afterwards. The toolkit's grid only draws what this holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "remote/memtable.h"
#include "ui/state/signal.h"
#include "ui/state/symbols.h"

namespace zorvat {

class PopupMenuState;

enum class CellKind : std::uint8_t {
  Text,    // the field's display text on one line
  Memo,    // the field's text, wrapped over several lines
  Icon,    // a picture by value (see GridColumn::icons), centred, no text
  Check,   // a tick box, ticked when the value is 1
  Custom,  // text the view's owner builds per row, drawn left-aligned on several lines
};

struct GridColumn {
  std::string name;       // the component name, e.g. "cxGrid1DBTableView1ADI"
  std::string fieldName;  // the bound field; empty for an unbound (custom) column
  std::string caption;    // the header; the field name when empty
  bool visible = true;
  bool offered = true;  // offered in the column chooser
  int tag = 1;          // width weight
  int width = 100;      // pixels
  CellKind kind = CellKind::Text;
  std::vector<IconValue> icons;
  std::function<std::string(std::size_t record)> customText;

  const std::string& HeaderText() const { return caption.empty() ? fieldName : caption; }
};

enum class SummaryKind : std::uint8_t { Count, Sum, Average };

// A footer or group-footer figure, shown under the named column.
struct SummaryItem {
  SummaryKind kind = SummaryKind::Count;
  std::string fieldName;   // the summed field; unused by Count
  std::string columnName;  // the column it stands under
  std::string format;      // empty: the field's display format
};

enum class HeaderLook : std::uint8_t { Red, DarkGrey };

struct GridOptions {
  int headerHeight = 40;
  int rowHeight = 40;
  HeaderLook header = HeaderLook::Red;
  bool greyEvenRows = true;  // which parity of row numbers (counted from 0) is grey
  bool sorting = true;        // the user may sort by a header click
  bool filterButtons = true;  // header filter buttons
  bool incSearch = true;
  bool columnChooser = true;
  bool showHeader = true;
  bool showFooter = false;
  bool showIndicator = false;  // a column before the first that marks the focused row
  bool autoWidth = false;  // columns stretched to the grid's width
  bool groupFootersAlwaysVisible = false;
};

// What changed, so that the widget redraws no more than needed.
enum class GridChange : std::uint8_t {
  Columns,  // columns, their order, captions, widths or options
  Rows,     // the set or order of rows
  Values,   // values of shown rows, and so the footers
  Focus,    // the focused row
};

enum class RowKind : std::uint8_t { Data, GroupHeader, GroupFooter };

struct GridRow {
  RowKind kind = RowKind::Data;
  std::size_t index = 0;  // the table's record for data rows, the group otherwise
};

struct GridGroup {
  std::string value;  // display text of the grouping field
  std::size_t first = 0;  // range of the group's records in the filtered order
  std::size_t last = 0;   // one past the end
  bool expanded = true;
};

class GridView {
 public:
  // Measures a text in pixels as the widget would draw it; header texts are bold.
  using TextMeasure = std::function<int(std::string_view text, bool header)>;

  explicit GridView(std::string name = {});
  GridView(const GridView&) = delete;
  GridView& operator=(const GridView&) = delete;
  ~GridView();

  const std::string& Name() const { return name_; }

  // ---- Columns, in display order. The added column may be adjusted through the returned
  // reference while the window is being built.
  GridColumn& AddColumn(GridColumn column);
  GridColumn& AddColumn(std::string name, std::string fieldName, std::string caption = {});
  std::size_t ColumnCount() const { return columns_.size(); }
  const GridColumn& ColumnAt(std::size_t index) const { return columns_.at(index); }
  GridColumn& Column(std::string_view name);
  const GridColumn* FindColumn(std::string_view name) const;
  // Positions (in ColumnAt) of the visible columns, in display order.
  std::vector<std::size_t> VisibleColumns() const;
  void SetColumnVisible(std::string_view name, bool visible);
  void SetColumnWidth(std::string_view name, int width);
  void MoveColumn(std::size_t from, std::size_t to);
  // After changing columns directly through Column(): show them again.
  void ColumnsChanged();

  GridOptions& Options() { return options_; }
  const GridOptions& Options() const { return options_; }

  // ---- Data source. nullptr detaches the view: it shows no rows and no longer observes
  // the table, so a worker may fill the table; attaching shows the table's rows again.
  // An attached table must outlive the view.
  void SetDataSource(MemTable* table);
  MemTable* DataSource() const { return table_; }

  // ---- Update lock: while locked nothing is redrawn; unlocking shows everything again.
  void BeginUpdate();
  void EndUpdate();
  bool Locked() const { return lockCount_ > 0; }

  // ---- Rows as shown (data rows, and group rows while grouped).
  std::size_t RowCount() const;
  GridRow Row(std::size_t row) const;
  // The records that pass the filters, in shown order (collapsed groups included).
  const std::vector<std::uint32_t>& Records() const { return records_; }
  // What the cell shows as text: the display text, an icon's description, "Evet"/"Hayır"
  // for a tick, the owner's text for a custom cell.
  std::string CellText(std::size_t record, const GridColumn& column) const;
  // The icon value of an icon cell; nullptr when its value has none.
  const IconValue* CellIcon(std::size_t record, const GridColumn& column) const;
  bool CellChecked(std::size_t record, const GridColumn& column) const;

  // ---- Filters by values of a column, as the header filter button sets them.
  void SetFilter(std::string_view columnName, std::set<std::string> values);
  void ClearFilter(std::string_view columnName);
  void ClearFilters();
  bool Filtered(std::string_view columnName) const;
  const std::set<std::string>* Filter(std::string_view columnName) const;
  // The distinct texts of the column among the records the other filters let through, in
  // alphabetical order: what the filter button offers.
  std::vector<std::string> FilterValues(std::string_view columnName) const;

  // ---- Sorting by one column.
  void SortBy(std::string_view columnName, bool ascending);
  void ClearSorting();
  const std::string& SortColumn() const { return sortColumn_; }
  bool SortAscending() const { return sortAscending_; }

  // ---- Grouping by one field.
  void GroupBy(std::string_view fieldName);
  const std::string& GroupField() const { return groupField_; }
  std::size_t GroupCount() const { return groups_.size(); }
  const GridGroup& Group(std::size_t index) const { return groups_.at(index); }
  void SetGroupExpanded(std::size_t index, bool expanded);
  void FullCollapse();
  void FullExpand();

  // ---- Footers.
  std::vector<SummaryItem>& FooterSummaries() { return footerSummaries_; }
  std::vector<SummaryItem>& GroupSummaries() { return groupSummaries_; }
  // The footer's text under the column: one line per summary item there.
  std::string FooterText(std::string_view columnName) const;
  std::string GroupFooterText(std::size_t group, std::string_view columnName) const;
  // A summary's value over all shown records; nullopt for sums of no rows.
  std::optional<double> SummaryValue(const SummaryItem& item) const;

  // ---- Focus. The focused data row follows the table's current record and moves it.
  std::optional<std::size_t> FocusedRow() const { return focusedRow_; }
  std::optional<std::size_t> FocusedRecord() const;
  void SetFocusedRow(std::optional<std::size_t> row);
  // The column of the focused cell, as the user last clicked or moved to it; nullptr when
  // none.
  const GridColumn* FocusedColumn() const { return FindColumn(focusedColumn_); }
  void SetFocusedColumn(std::string_view columnName) { focusedColumn_ = columnName; }

  // ---- Incremental search: the first row from the focused one on whose cell in the column
  // starts with the text (blind to case) is focused. False, focus unmoved, when none.
  bool IncSearch(std::string text, std::string_view columnName);
  const std::string& SearchText() const { return searchText_; }
  void ClearSearch() { searchText_.clear(); }

  // ---- Widths.
  // Sizes every visible column to its content: the header and the widest cell texts.
  void ApplyBestFit();
  void SetTextMeasure(TextMeasure measure) { measure_ = std::move(measure); }
  // A cell text's width in pixels as the widget draws it; 0 without a widget.
  int TextWidth(std::string_view text) const { return measure_ ? measure_(text, false) : 0; }
  int Width() const { return width_; }
  // The widget reports its new width; OnResize runs.
  void ResizedTo(int width);

  // ---- User actions, reported by the widget.
  void DblClick();
  void ColumnResizedByUser(std::size_t index, int width);

  std::function<void()> OnDblClick;
  std::function<void()> OnFocusedRecordChanged;
  std::function<void()> OnResize;
  PopupMenuState* popupMenu = nullptr;

  Signal<GridChange> Changed;

 private:
  std::size_t ColumnIndex(std::string_view name) const;
  const Field* BoundField(const GridColumn& column) const;
  bool ShowsRows() const;
  void Observe(TableEvent event);
  void Rebuild();
  void FilterRecords();
  void SortRecords();
  void BuildGroups();
  void BuildDisplayRows();
  std::optional<std::size_t> RowOfRecord(std::size_t record) const;
  void FocusTableRecord();
  void Notify(GridChange change);
  double SummaryOver(const SummaryItem& item, std::size_t first, std::size_t last, bool& any) const;
  std::string SummaryText(const SummaryItem& item, std::size_t first, std::size_t last) const;
  std::string SummaryTextUnder(const std::vector<SummaryItem>& items, std::string_view columnName,
                               std::size_t first, std::size_t last) const;
  int BestFitWidth(const GridColumn& column) const;

  std::string name_;
  std::deque<GridColumn> columns_;  // a deque: references to added columns stay valid
  GridOptions options_;
  MemTable* table_ = nullptr;
  int tableSubscription_ = 0;
  int lockCount_ = 0;
  bool pendingRebuild_ = false;

  std::vector<std::uint32_t> records_;
  std::vector<GridRow> displayRows_;  // only while grouped
  std::vector<GridGroup> groups_;
  std::set<std::string> collapsed_;  // collapsed groups by value, kept across reloads
  std::map<std::string, std::set<std::string>, std::less<>> filters_;
  std::string sortColumn_;
  bool sortAscending_ = true;
  std::string groupField_;
  std::vector<SummaryItem> footerSummaries_;
  std::vector<SummaryItem> groupSummaries_;

  std::optional<std::size_t> focusedRow_;
  std::string focusedColumn_;
  bool movingTable_ = false;
  std::string searchText_;
  TextMeasure measure_;
  int width_ = 0;
};

}  // namespace zorvat
