#include "ui/state/grid_view.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "net/bicim.h"
#include "ui/state/text.h"

namespace zorvat {

namespace {

// Cell padding and the room a header keeps for its filter button.
constexpr int kCellPadding = 16;
constexpr int kFilterButtonRoom = 22;
constexpr int kIconCellWidth = 36;
// How many of a column's longest texts best-fit measures, and how many rows of a column
// whose text width cannot be guessed from its length.
constexpr std::size_t kLongestTexts = 12;
constexpr std::size_t kSampledRows = 200;

int ApproximateWidth(std::string_view text, bool header) {
  return static_cast<int>(Utf32(text).size()) * (header ? 8 : 7);
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

}  // namespace

GridView::GridView(std::string name) : name_(std::move(name)) {}

GridView::~GridView() {
  if (table_ != nullptr) table_->Unsubscribe(tableSubscription_);
}

// ---- Columns

GridColumn& GridView::AddColumn(GridColumn column) {
  columns_.push_back(std::move(column));
  Notify(GridChange::Columns);
  return columns_.back();
}

GridColumn& GridView::AddColumn(std::string name, std::string fieldName, std::string caption) {
  GridColumn column;
  column.name = std::move(name);
  column.fieldName = std::move(fieldName);
  column.caption = std::move(caption);
  return AddColumn(std::move(column));
}

std::size_t GridView::ColumnIndex(std::string_view name) const {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i].name == name) return i;
  }
  throw std::out_of_range("Izgarada böyle bir sütun yok: " + std::string(name));
}

GridColumn& GridView::Column(std::string_view name) { return columns_[ColumnIndex(name)]; }

const GridColumn* GridView::FindColumn(std::string_view name) const {
  auto found = std::find_if(columns_.begin(), columns_.end(), [name](const GridColumn& c) { return c.name == name; });
  return found == columns_.end() ? nullptr : &*found;
}

std::vector<std::size_t> GridView::VisibleColumns() const {
  std::vector<std::size_t> visible;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i].visible) visible.push_back(i);
  }
  return visible;
}

void GridView::SetColumnVisible(std::string_view name, bool visible) {
  GridColumn& column = Column(name);
  if (column.visible == visible) return;
  column.visible = visible;
  Notify(GridChange::Columns);
}

void GridView::SetColumnWidth(std::string_view name, int width) {
  GridColumn& column = Column(name);
  if (column.width == width) return;
  column.width = width;
  Notify(GridChange::Columns);
}

void GridView::MoveColumn(std::size_t from, std::size_t to) {
  if (from >= columns_.size() || to >= columns_.size() || from == to) return;
  if (from < to) {
    std::rotate(columns_.begin() + static_cast<std::ptrdiff_t>(from), columns_.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                columns_.begin() + static_cast<std::ptrdiff_t>(to) + 1);
  } else {
    std::rotate(columns_.begin() + static_cast<std::ptrdiff_t>(to), columns_.begin() + static_cast<std::ptrdiff_t>(from),
                columns_.begin() + static_cast<std::ptrdiff_t>(from) + 1);
  }
  Notify(GridChange::Columns);
}

void GridView::ColumnsChanged() { Notify(GridChange::Columns); }

void GridView::ColumnResizedByUser(std::size_t index, int width) { columns_.at(index).width = width; }

// ---- Data source and update lock

void GridView::SetDataSource(MemTable* table) {
  if (table == table_) return;
  if (table_ != nullptr) table_->Unsubscribe(tableSubscription_);
  table_ = table;
  if (table_ != nullptr) tableSubscription_ = table_->Subscribe([this](TableEvent event) { Observe(event); });
  if (table_ == nullptr) {
    // A detached view must not read the table any more, locked or not: a worker is about
    // to fill it.
    Rebuild();
    Changed.Emit(GridChange::Rows);
    return;
  }
  if (Locked()) {
    pendingRebuild_ = true;
    return;
  }
  Rebuild();
  Notify(GridChange::Rows);
}

void GridView::BeginUpdate() { ++lockCount_; }

void GridView::EndUpdate() {
  if (lockCount_ == 0 || --lockCount_ > 0) return;
  if (std::exchange(pendingRebuild_, false)) Rebuild();
  Changed.Emit(GridChange::Columns);
}

void GridView::Notify(GridChange change) {
  if (!Locked()) Changed.Emit(change);
}

bool GridView::ShowsRows() const { return table_ != nullptr && table_->Active(); }

void GridView::Observe(TableEvent event) {
  switch (event) {
    case TableEvent::Changed:
      if (Locked()) {
        pendingRebuild_ = true;
        return;
      }
      Rebuild();
      Notify(GridChange::Rows);
      return;
    case TableEvent::Record:
      Notify(GridChange::Values);
      return;
    case TableEvent::Scrolled:
      if (movingTable_ || !ShowsRows() || table_->RecordCount() == 0) return;
      if (auto row = RowOfRecord(table_->CurrentRow()); row && row != focusedRow_) {
        focusedRow_ = row;
        Notify(GridChange::Focus);
        if (OnFocusedRecordChanged) OnFocusedRecordChanged();
      }
      return;
  }
}

// ---- Rows

void GridView::Rebuild() {
  FilterRecords();
  SortRecords();
  BuildGroups();
  BuildDisplayRows();
  focusedRow_.reset();
  if (!ShowsRows() || RowCount() == 0) return;
  focusedRow_ = table_->RecordCount() > 0 ? RowOfRecord(table_->CurrentRow()) : std::nullopt;
  if (!focusedRow_) {
    focusedRow_ = 0;
    FocusTableRecord();
  }
}

void GridView::FilterRecords() {
  records_.clear();
  if (!ShowsRows()) return;
  const auto count = static_cast<std::uint32_t>(table_->RecordCount());
  if (filters_.empty()) {
    records_.resize(count);
    std::iota(records_.begin(), records_.end(), 0u);
    return;
  }
  records_.reserve(count);
  for (std::uint32_t record = 0; record < count; ++record) {
    const bool passes = std::all_of(filters_.begin(), filters_.end(), [&](const auto& filter) {
      const GridColumn* column = FindColumn(filter.first);
      return column == nullptr || filter.second.contains(CellText(record, *column));
    });
    if (passes) records_.push_back(record);
  }
}

void GridView::SortRecords() {
  const GridColumn* column = FindColumn(sortColumn_);
  if (column == nullptr || records_.empty()) return;
  const Field* field = BoundField(*column);
  const bool ascending = sortAscending_;
  if (field != nullptr && IsNumeric(field->DataType()) && column->kind != CellKind::Icon) {
    std::stable_sort(records_.begin(), records_.end(), [field, ascending](std::uint32_t a, std::uint32_t b) {
      const double left = field->IsNullAt(a) ? -1e308 : field->FloatAt(a);
      const double right = field->IsNullAt(b) ? -1e308 : field->FloatAt(b);
      return ascending ? left < right : right < left;
    });
    return;
  }
  std::vector<std::string> keys(table_->RecordCount());
  for (std::uint32_t record : records_) keys[record] = CellText(record, *column);
  std::stable_sort(records_.begin(), records_.end(), [&keys, ascending](std::uint32_t a, std::uint32_t b) {
    const int order = CompareTurkish(keys[a], keys[b]);
    return ascending ? order < 0 : order > 0;
  });
}

void GridView::BuildGroups() {
  groups_.clear();
  const Field* field = ShowsRows() && !groupField_.empty() ? table_->FindField(groupField_) : nullptr;
  if (field == nullptr) return;
  std::vector<std::string> keys(table_->RecordCount());
  for (std::uint32_t record : records_) keys[record] = field->DisplayTextAt(record);
  std::stable_sort(records_.begin(), records_.end(),
                   [&keys](std::uint32_t a, std::uint32_t b) { return CompareTurkish(keys[a], keys[b]) < 0; });
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const std::string& key = keys[records_[i]];
    if (groups_.empty() || groups_.back().value != key) groups_.push_back({key, i, i, !collapsed_.contains(key)});
    groups_.back().last = i + 1;
  }
}

void GridView::BuildDisplayRows() {
  displayRows_.clear();
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    const GridGroup& group = groups_[g];
    displayRows_.push_back({RowKind::GroupHeader, g});
    if (group.expanded) {
      for (std::size_t i = group.first; i < group.last; ++i) displayRows_.push_back({RowKind::Data, records_[i]});
    }
    if (!groupSummaries_.empty() && (group.expanded || options_.groupFootersAlwaysVisible)) {
      displayRows_.push_back({RowKind::GroupFooter, g});
    }
  }
}

std::size_t GridView::RowCount() const { return groups_.empty() ? records_.size() : displayRows_.size(); }

GridRow GridView::Row(std::size_t row) const {
  if (groups_.empty()) return {RowKind::Data, records_.at(row)};
  return displayRows_.at(row);
}

std::optional<std::size_t> GridView::RowOfRecord(std::size_t record) const {
  if (groups_.empty()) {
    auto found = std::find(records_.begin(), records_.end(), record);
    if (found == records_.end()) return std::nullopt;
    return static_cast<std::size_t>(found - records_.begin());
  }
  auto found = std::find_if(displayRows_.begin(), displayRows_.end(),
                            [record](const GridRow& row) { return row.kind == RowKind::Data && row.index == record; });
  if (found == displayRows_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - displayRows_.begin());
}

// ---- Cells

const Field* GridView::BoundField(const GridColumn& column) const {
  if (!ShowsRows() || column.fieldName.empty()) return nullptr;
  return table_->FindField(column.fieldName);
}

std::string GridView::CellText(std::size_t record, const GridColumn& column) const {
  if (!ShowsRows() || record >= table_->RecordCount()) return {};
  if (column.kind == CellKind::Custom) return column.customText ? column.customText(record) : std::string();
  const Field* field = BoundField(column);
  if (field == nullptr) return {};
  switch (column.kind) {
    case CellKind::Icon: {
      const IconValue* icon = CellIcon(record, column);
      return icon == nullptr ? std::string() : icon->description;
    }
    case CellKind::Check:
      return CellChecked(record, column) ? "Evet" : "Hayır";
    default:
      return field->DisplayTextAt(record);
  }
}

const IconValue* GridView::CellIcon(std::size_t record, const GridColumn& column) const {
  const Field* field = BoundField(column);
  if (field == nullptr || record >= table_->RecordCount() || field->IsNullAt(record)) return nullptr;
  const std::string value = field->StringAt(record);
  auto found = std::find_if(column.icons.begin(), column.icons.end(), [&value](const IconValue& icon) { return icon.value == value; });
  return found == column.icons.end() ? nullptr : &*found;
}

bool GridView::CellChecked(std::size_t record, const GridColumn& column) const {
  const Field* field = BoundField(column);
  if (field == nullptr || record >= table_->RecordCount() || field->IsNullAt(record)) return false;
  const std::string value = field->StringAt(record);
  return value == "1" || value == "True";
}

// ---- Filters

void GridView::SetFilter(std::string_view columnName, std::set<std::string> values) {
  filters_[std::string(columnName)] = std::move(values);
  Rebuild();
  Notify(GridChange::Rows);
}

void GridView::ClearFilter(std::string_view columnName) {
  auto found = filters_.find(columnName);
  if (found == filters_.end()) return;
  filters_.erase(found);
  Rebuild();
  Notify(GridChange::Rows);
}

void GridView::ClearFilters() {
  if (filters_.empty()) return;
  filters_.clear();
  Rebuild();
  Notify(GridChange::Rows);
}

bool GridView::Filtered(std::string_view columnName) const { return filters_.find(columnName) != filters_.end(); }

const std::set<std::string>* GridView::Filter(std::string_view columnName) const {
  auto found = filters_.find(columnName);
  return found == filters_.end() ? nullptr : &found->second;
}

std::vector<std::string> GridView::FilterValues(std::string_view columnName) const {
  const GridColumn* column = FindColumn(columnName);
  if (column == nullptr || !ShowsRows()) return {};
  std::set<std::string> distinct;
  for (std::size_t record = 0; record < table_->RecordCount(); ++record) {
    const bool othersPass = std::all_of(filters_.begin(), filters_.end(), [&](const auto& filter) {
      if (filter.first == columnName) return true;
      const GridColumn* other = FindColumn(filter.first);
      return other == nullptr || filter.second.contains(CellText(record, *other));
    });
    if (othersPass) distinct.insert(CellText(record, *column));
  }
  std::vector<std::string> values(distinct.begin(), distinct.end());
  std::sort(values.begin(), values.end(), [](const std::string& a, const std::string& b) { return CompareTurkish(a, b) < 0; });
  return values;
}

// ---- Sorting and grouping

void GridView::SortBy(std::string_view columnName, bool ascending) {
  sortColumn_ = columnName;
  sortAscending_ = ascending;
  Rebuild();
  Notify(GridChange::Rows);
}

void GridView::ClearSorting() {
  if (sortColumn_.empty()) return;
  sortColumn_.clear();
  Rebuild();
  Notify(GridChange::Rows);
}

void GridView::GroupBy(std::string_view fieldName) {
  groupField_ = fieldName;
  collapsed_.clear();
  Rebuild();
  Notify(GridChange::Rows);
}

void GridView::SetGroupExpanded(std::size_t index, bool expanded) {
  GridGroup& group = groups_.at(index);
  if (group.expanded == expanded) return;
  group.expanded = expanded;
  if (expanded) {
    collapsed_.erase(group.value);
  } else {
    collapsed_.insert(group.value);
  }
  BuildDisplayRows();
  focusedRow_.reset();
  Notify(GridChange::Rows);
}

void GridView::FullCollapse() {
  for (GridGroup& group : groups_) {
    group.expanded = false;
    collapsed_.insert(group.value);
  }
  BuildDisplayRows();
  focusedRow_ = groups_.empty() ? std::nullopt : std::optional<std::size_t>(0);
  Notify(GridChange::Rows);
}

void GridView::FullExpand() {
  for (GridGroup& group : groups_) group.expanded = true;
  collapsed_.clear();
  BuildDisplayRows();
  Notify(GridChange::Rows);
}

// ---- Footers

double GridView::SummaryOver(const SummaryItem& item, std::size_t first, std::size_t last, bool& any) const {
  if (item.kind == SummaryKind::Count) {
    any = true;
    return static_cast<double>(last - first);
  }
  const Field* field = ShowsRows() ? table_->FindField(item.fieldName) : nullptr;
  double sum = 0;
  std::size_t values = 0;
  for (std::size_t i = first; field != nullptr && i < last; ++i) {
    if (field->IsNullAt(records_[i])) continue;
    sum += field->FloatAt(records_[i]);
    ++values;
  }
  any = values > 0;
  if (item.kind == SummaryKind::Average && values > 0) return sum / static_cast<double>(values);
  return sum;
}

std::optional<double> GridView::SummaryValue(const SummaryItem& item) const {
  bool any = false;
  const double value = SummaryOver(item, 0, records_.size(), any);
  return any ? std::optional<double>(value) : std::nullopt;
}

std::string GridView::SummaryText(const SummaryItem& item, std::size_t first, std::size_t last) const {
  bool any = false;
  const double value = SummaryOver(item, first, last, any);
  if (!any) return {};
  if (item.kind == SummaryKind::Count) return std::to_string(last - first);
  std::string format = item.format;
  if (format.empty()) {
    const Field* field = table_->FindField(item.fieldName);
    if (field != nullptr) format = field->DisplayFormat();
  }
  return format.empty() ? FloatToStr(value) : FormatFloat(format, value);
}

std::string GridView::SummaryTextUnder(const std::vector<SummaryItem>& items, std::string_view columnName,
                                       std::size_t first, std::size_t last) const {
  std::string text;
  for (const SummaryItem& item : items) {
    if (item.columnName != columnName) continue;
    const std::string line = SummaryText(item, first, last);
    if (line.empty()) continue;
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

std::string GridView::FooterText(std::string_view columnName) const {
  return SummaryTextUnder(footerSummaries_, columnName, 0, records_.size());
}

std::string GridView::GroupFooterText(std::size_t group, std::string_view columnName) const {
  const GridGroup& g = groups_.at(group);
  return SummaryTextUnder(groupSummaries_, columnName, g.first, g.last);
}

// ---- Focus and search

std::optional<std::size_t> GridView::FocusedRecord() const {
  if (!focusedRow_ || *focusedRow_ >= RowCount()) return std::nullopt;
  const GridRow row = Row(*focusedRow_);
  if (row.kind != RowKind::Data) return std::nullopt;
  return row.index;
}

void GridView::SetFocusedRow(std::optional<std::size_t> row) {
  if (row && *row >= RowCount()) row.reset();
  if (row == focusedRow_) return;
  focusedRow_ = row;
  searchText_.clear();
  FocusTableRecord();
  Notify(GridChange::Focus);
  if (OnFocusedRecordChanged) OnFocusedRecordChanged();
}

void GridView::FocusTableRecord() {
  const auto record = FocusedRecord();
  if (!record || !ShowsRows() || table_->CurrentRow() == *record) return;
  movingTable_ = true;
  try {
    table_->MoveTo(*record);
  } catch (...) {
    movingTable_ = false;
    throw;
  }
  movingTable_ = false;
}

bool GridView::IncSearch(std::string text, std::string_view columnName) {
  if (text.empty()) {
    searchText_.clear();
    return true;
  }
  const GridColumn* column = FindColumn(columnName);
  const std::size_t rows = RowCount();
  if (column == nullptr || rows == 0) return false;
  const std::size_t start = focusedRow_.value_or(0);
  for (std::size_t step = 0; step < rows; ++step) {
    const std::size_t row = (start + step) % rows;
    const GridRow shown = Row(row);
    if (shown.kind == RowKind::Data && StartsWithFolded(CellText(shown.index, *column), text)) {
      SetFocusedRow(row);
      searchText_ = std::move(text);
      return true;
    }
  }
  return false;
}

// ---- Widths

void GridView::ResizedTo(int width) {
  if (width == width_) return;
  width_ = width;
  if (OnResize) OnResize();
}

int GridView::BestFitWidth(const GridColumn& column) const {
  const auto measure = [this](std::string_view text, bool header) {
    return measure_ ? measure_(text, header) : ApproximateWidth(text, header);
  };
  int widest = measure(column.HeaderText(), true) + (options_.filterButtons ? kFilterButtonRoom : 0);
  if (column.kind == CellKind::Icon || column.kind == CellKind::Check) return std::max(widest, kIconCellWidth) + kCellPadding;

  const Field* field = BoundField(column);
  const bool plain = column.kind == CellKind::Text && field != nullptr;
  std::vector<std::uint32_t> candidates;
  if (plain && IsNumeric(field->DataType())) {
    // The longest number text belongs to the smallest or the largest value.
    auto [low, high] = std::minmax_element(records_.begin(), records_.end(), [field](std::uint32_t a, std::uint32_t b) {
      return field->FloatAt(a) < field->FloatAt(b);
    });
    if (low != records_.end()) candidates = {*low, *high};
  } else if (plain && field->DataType() == FieldType::String) {
    // Text width follows its length closely enough to measure only the longest texts.
    candidates = records_;
    const std::size_t kept = std::min(candidates.size(), kLongestTexts);
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(kept), candidates.end(),
                      [field](std::uint32_t a, std::uint32_t b) { return field->TextAt(a).size() > field->TextAt(b).size(); });
    candidates.resize(kept);
  } else {
    candidates.assign(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(std::min(records_.size(), kSampledRows)));
  }
  for (std::uint32_t record : candidates) {
    // The lines point into the text, which must outlive the loop over them.
    const std::string text = CellText(record, column);
    for (std::string_view line : Lines(text)) widest = std::max(widest, measure(line, false));
  }
  return widest + kCellPadding;
}

void GridView::ApplyBestFit() {
  for (std::size_t index : VisibleColumns()) columns_[index].width = BestFitWidth(columns_[index]);
  Notify(GridChange::Columns);
}

// ---- User actions

void GridView::DblClick() {
  if (OnDblClick) OnDblClick();
}

}  // namespace zorvat
