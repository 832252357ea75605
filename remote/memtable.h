// The in-memory table that every tabular result is loaded into: typed columns, a current
// record, display formats, walking, locating and editing. Grids observe it while its
// controls are enabled; while they are disabled nothing observes it, so a worker may fill
// a table whose grid is detached.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zorvat {

// The kinds of the protocol's table object.
enum class FieldType : std::uint8_t {
  SmallInt,
  Integer,
  LargeInt,
  Float,
  Currency,
  BCD,
  Boolean,
  String,
  Date,
  Time,
  DateTime,
  Blob,
};

// Numbers that are shown right-aligned and take number formats (dates and Booleans are not).
constexpr bool IsNumeric(FieldType type) {
  switch (type) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt:
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::BCD:
      return true;
    default:
      return false;
  }
}

struct FieldDef {
  std::string name;
  FieldType type = FieldType::String;
  int size = 0;  // declared length in characters of a text column; 0 when not declared

  bool operator==(const FieldDef&) const = default;
};

class MemTable;

// The text cells of one column in one buffer: appending a cell copies its bytes once, with
// no allocation per cell. A changed cell that grows gets new bytes at the end; the old ones
// stay until the table is reloaded.
class TextColumn {
 public:
  std::string_view At(std::size_t row) const {
    const Span span = spans_[row];
    return std::string_view(bytes_.data() + span.begin, span.size);
  }
  std::size_t Size() const { return spans_.size(); }
  void Append(std::string_view text);
  void Set(std::size_t row, std::string_view text);
  void Resize(std::size_t rows) { spans_.resize(rows, Span{0, 0}); }
  void Reserve(std::size_t rows) {
    // Most cells are codes and short names: a guess that saves most regrowth of the buffer.
    constexpr std::size_t kTypicalCellBytes = 24;
    spans_.reserve(rows);
    bytes_.reserve(rows * kTypicalCellBytes);
  }
  void Erase(std::size_t row) { spans_.erase(spans_.begin() + static_cast<std::ptrdiff_t>(row)); }
  // Drops every cell and keeps the memory for the next load.
  void Clear() {
    bytes_.clear();
    spans_.clear();
  }

 private:
  struct Span {
    std::uint32_t begin;
    std::uint32_t size;
  };
  Span Store(std::string_view text);

  std::string bytes_;
  std::vector<Span> spans_;
};

// One column: its definition and display format, and its cells in typed storage.
// Integers, Booleans and small integers share one int64 store; floating kinds and dates
// share one double store; text and binary share one text store.
class Field {
 public:
  Field(MemTable& table, FieldDef def, std::size_t index);

  const std::string& FieldName() const { return def_.name; }
  FieldType DataType() const { return def_.type; }
  int Size() const { return def_.size; }
  const FieldDef& Definition() const { return def_; }
  std::size_t Index() const { return index_; }

  const std::string& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(std::string format) { displayFormat_ = std::move(format); }

  // The cell of the current record.
  bool IsNull() const;
  std::int64_t AsLargeInt() const;
  std::int32_t AsInteger() const;
  double AsFloat() const;
  bool AsBoolean() const;
  std::string AsString() const;
  std::string DisplayText() const;

  // Writing the current record; the table must be in edit or insert state.
  void SetAsLargeInt(std::int64_t value);
  void SetAsFloat(double value);
  void SetAsBoolean(bool value);
  void SetAsString(std::string_view value);
  void Clear();

  // The cell of any row, for grids and exports.
  bool IsNullAt(std::size_t row) const { return nulls_[row] != 0; }
  std::int64_t LargeIntAt(std::size_t row) const;
  double FloatAt(std::size_t row) const;
  std::string StringAt(std::size_t row) const;
  // The bytes of a text or binary cell, without a copy; empty for other kinds.
  std::string_view TextAt(std::size_t row) const;
  std::string DisplayTextAt(std::size_t row) const;

  // Loaders append one cell to the row being built (see MemTable::BeginRows).
  void AppendNull();
  void AppendInt(std::int64_t value);
  void AppendReal(double value);
  void AppendText(std::string_view value);

 private:
  friend class MemTable;
  enum class Store : std::uint8_t { Ints, Reals, Texts };
  static Store StoreOf(FieldType type);
  std::size_t CurrentRow() const;
  void RequireEditable() const;
  void ResizeRows(std::size_t rows);
  void ClearRows();
  void EraseRow(std::size_t row);
  void ReserveRows(std::size_t rows);
  std::size_t CellCount() const { return nulls_.size(); }

  MemTable& table_;
  FieldDef def_;
  std::size_t index_;
  Store store_;
  std::string displayFormat_;
  std::vector<std::int64_t> ints_;
  std::vector<double> reals_;
  TextColumn texts_;
  std::vector<std::uint8_t> nulls_;
};

enum class DataSetState : std::uint8_t { Inactive, Browse, Edit, Insert };

// What an observer is told.
enum class TableEvent : std::uint8_t {
  Changed,   // structure or many rows changed: show it all again
  Record,    // the current record's values changed
  Scrolled,  // the current record moved
};

class MemTable {
 public:
  using Observer = std::function<void(TableEvent)>;

  MemTable() = default;
  MemTable(const MemTable&) = delete;
  MemTable& operator=(const MemTable&) = delete;

  // Structure.
  bool Active() const { return state_ != DataSetState::Inactive; }
  DataSetState State() const { return state_; }
  std::size_t FieldCount() const { return fields_.size(); }
  Field& Fields(std::size_t index) { return *fields_.at(index); }
  const Field& Fields(std::size_t index) const { return *fields_.at(index); }
  Field* FindField(std::string_view name);
  const Field* FindField(std::string_view name) const;
  Field& FieldByName(std::string_view name);
  const Field& FieldByName(std::string_view name) const;

  // Replaces every column; the table is closed afterwards. Columns equal to the current
  // ones (names, kinds, sizes) keep their storage, so reloading the same kind of result
  // reuses the memory of the last one; their display formats are reset all the same.
  void DefineFields(const std::vector<FieldDef>& defs);
  // Adds a column after the existing ones; the table is closed afterwards.
  void AddField(const FieldDef& def);
  // Opens the table empty with its current columns.
  void CreateDataSet();
  // Closes the table; its rows are gone, its columns stay (with their memory, for the next
  // load).
  void Close();
  // Removes every row and keeps the table open.
  void EmptyDataSet();

  // Cursor. RecNo is 1-based as users count rows; 0 when there is no row.
  std::size_t RecordCount() const { return rowCount_; }
  std::size_t RecNo() const { return rowCount_ == 0 ? 0 : current_ + 1; }
  std::size_t CurrentRow() const { return current_; }
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }
  void First();
  void Last();
  void Next();
  void Prior();
  void MoveTo(std::size_t row);
  // Moves to the first row whose field equals the value; false (cursor unmoved) when none.
  bool Locate(std::string_view fieldName, std::int64_t value);
  bool Locate(std::string_view fieldName, std::string_view value);

  // Editing.
  void Edit();
  void Append();
  void Post();
  void Cancel();
  void Delete();

  // Bound controls.
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return disableCount_ > 0; }
  int Subscribe(Observer observer);
  void Unsubscribe(int id);

  // Bulk loading by the table loaders: columns must be defined; rows are appended cell by
  // cell, every field receiving exactly one cell per row; EndRows checks that and puts the
  // cursor on the last row.
  void BeginRows(std::size_t expectedRows);
  void EndRows();

 private:
  friend class Field;
  void Notify(TableEvent event);
  void RequireActive() const;
  void SetCursorToRow(std::size_t row);

  std::vector<std::unique_ptr<Field>> fields_;
  DataSetState state_ = DataSetState::Inactive;
  std::size_t rowCount_ = 0;
  std::size_t current_ = 0;
  bool bof_ = true;
  bool eof_ = true;
  std::vector<std::string> savedTexts_;  // the edited row before Edit, for Cancel
  std::vector<std::int64_t> savedInts_;
  std::vector<double> savedReals_;
  std::vector<std::uint8_t> savedNulls_;
  int disableCount_ = 0;
  int nextObserverId_ = 1;
  std::vector<std::pair<int, Observer>> observers_;
};

}  // namespace zorvat
