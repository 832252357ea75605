#include "remote/memtable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "net/bicim.h"

namespace zorvat {

namespace {

std::string IntegerText(std::int64_t value) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Dates the way a Turkish user reads them; a serial outside the calendar shows as a number.
std::string DateText(double serial) {
  try {
    return TarihMetni(serial);
  } catch (const std::out_of_range&) {
    return FloatToStr(serial);
  }
}

std::string DateTimeText(double serial) {
  if (serial == std::floor(serial)) return DateText(serial);
  return DateText(serial) + " " + SaatMetni(serial);
}

}  // namespace

TextColumn::Span TextColumn::Store(std::string_view text) {
  if (bytes_.size() + text.size() > UINT32_MAX) throw std::length_error("Tablo sütunu 4 GB metni aşıyor");
  const Span span{static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(text.size())};
  bytes_.append(text);
  return span;
}

void TextColumn::Append(std::string_view text) { spans_.push_back(Store(text)); }

void TextColumn::Set(std::size_t row, std::string_view text) {
  Span& span = spans_[row];
  if (text.size() <= span.size) {
    std::memmove(bytes_.data() + span.begin, text.data(), text.size());
    span.size = static_cast<std::uint32_t>(text.size());
    return;
  }
  // The text may lie in this buffer, which appending can move: copy it first.
  const std::string copy(text);
  span = Store(copy);
}

Field::Field(MemTable& table, FieldDef def, std::size_t index)
    : table_(table), def_(std::move(def)), index_(index), store_(StoreOf(def_.type)) {}

Field::Store Field::StoreOf(FieldType type) {
  switch (type) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt:
    case FieldType::Boolean:
      return Store::Ints;
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::BCD:
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime:
      return Store::Reals;
    case FieldType::String:
    case FieldType::Blob:
      return Store::Texts;
  }
  return Store::Texts;
}

std::size_t Field::CurrentRow() const {
  table_.RequireActive();
  if (table_.rowCount_ == 0) throw std::logic_error("Tabloda kayıt yok");
  return table_.current_;
}

void Field::RequireEditable() const {
  if (table_.state_ != DataSetState::Edit && table_.state_ != DataSetState::Insert) {
    throw std::logic_error("Tablo düzenleme kipinde değil: " + def_.name);
  }
}

bool Field::IsNull() const { return IsNullAt(CurrentRow()); }
std::int64_t Field::AsLargeInt() const { return LargeIntAt(CurrentRow()); }
std::int32_t Field::AsInteger() const { return static_cast<std::int32_t>(AsLargeInt()); }
double Field::AsFloat() const { return FloatAt(CurrentRow()); }
bool Field::AsBoolean() const { return AsLargeInt() != 0; }
std::string Field::AsString() const { return StringAt(CurrentRow()); }
std::string Field::DisplayText() const { return DisplayTextAt(CurrentRow()); }

std::int64_t Field::LargeIntAt(std::size_t row) const {
  if (nulls_[row]) return 0;
  switch (store_) {
    case Store::Ints:
      return ints_[row];
    case Store::Reals:
      return static_cast<std::int64_t>(reals_[row]);
    case Store::Texts: {
      const std::string_view text = texts_.At(row);
      std::int64_t value = 0;
      auto result = std::from_chars(text.data(), text.data() + text.size(), value);
      if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        throw std::invalid_argument("'" + std::string(text) + "' geçerli bir tamsayı değil");
      }
      return value;
    }
  }
  return 0;
}

double Field::FloatAt(std::size_t row) const {
  if (nulls_[row]) return 0.0;
  switch (store_) {
    case Store::Ints:
      return static_cast<double>(ints_[row]);
    case Store::Reals:
      return reals_[row];
    case Store::Texts: {
      const std::string_view text = texts_.At(row);
      double value = 0;
      auto result = std::from_chars(text.data(), text.data() + text.size(), value);
      if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        throw std::invalid_argument("'" + std::string(text) + "' geçerli bir sayı değil");
      }
      return value;
    }
  }
  return 0.0;
}

std::string Field::StringAt(std::size_t row) const {
  if (nulls_[row]) return {};
  switch (store_) {
    case Store::Ints:
      if (def_.type == FieldType::Boolean) return ints_[row] ? "True" : "False";
      return IntegerText(ints_[row]);
    case Store::Reals:
      switch (def_.type) {
        case FieldType::Date:
          return DateText(reals_[row]);
        case FieldType::Time:
          return SaatMetni(reals_[row]);
        case FieldType::DateTime:
          return DateTimeText(reals_[row]);
        default:
          return FloatToStr(reals_[row]);
      }
    case Store::Texts:
      return std::string(texts_.At(row));
  }
  return {};
}

std::string_view Field::TextAt(std::size_t row) const {
  if (store_ != Store::Texts || nulls_[row]) return {};
  return texts_.At(row);
}

std::string Field::DisplayTextAt(std::size_t row) const {
  if (nulls_[row]) return {};
  if (def_.type == FieldType::Boolean) return ints_[row] ? "Evet" : "Hayır";
  if (def_.type == FieldType::Blob) return "(Veri)";
  if (IsNumeric(def_.type) && !displayFormat_.empty()) return FormatFloat(displayFormat_, FloatAt(row));
  return StringAt(row);
}

void Field::SetAsLargeInt(std::int64_t value) {
  RequireEditable();
  const std::size_t row = CurrentRow();
  switch (store_) {
    case Store::Ints:
      ints_[row] = value;
      break;
    case Store::Reals:
      reals_[row] = static_cast<double>(value);
      break;
    case Store::Texts:
      texts_.Set(row, IntegerText(value));
      break;
  }
  nulls_[row] = 0;
}

void Field::SetAsFloat(double value) {
  RequireEditable();
  const std::size_t row = CurrentRow();
  switch (store_) {
    case Store::Ints:
      ints_[row] = static_cast<std::int64_t>(std::llround(value));
      break;
    case Store::Reals:
      reals_[row] = value;
      break;
    case Store::Texts:
      texts_.Set(row, FloatToStr(value));
      break;
  }
  nulls_[row] = 0;
}

void Field::SetAsBoolean(bool value) { SetAsLargeInt(value ? 1 : 0); }

void Field::SetAsString(std::string_view value) {
  RequireEditable();
  const std::size_t row = CurrentRow();
  switch (store_) {
    case Store::Ints:
    case Store::Reals: {
      double number = 0;
      auto result = std::from_chars(value.data(), value.data() + value.size(), number);
      if (result.ec != std::errc() || result.ptr != value.data() + value.size()) {
        throw std::invalid_argument("'" + std::string(value) + "' geçerli bir sayı değil");
      }
      if (store_ == Store::Ints) {
        ints_[row] = static_cast<std::int64_t>(number);
      } else {
        reals_[row] = number;
      }
      break;
    }
    case Store::Texts:
      texts_.Set(row, value);
      break;
  }
  nulls_[row] = 0;
}

void Field::Clear() {
  RequireEditable();
  nulls_[CurrentRow()] = 1;
}

void Field::AppendNull() {
  switch (store_) {
    case Store::Ints:
      ints_.push_back(0);
      break;
    case Store::Reals:
      reals_.push_back(0.0);
      break;
    case Store::Texts:
      texts_.Append({});
      break;
  }
  nulls_.push_back(1);
}

void Field::AppendInt(std::int64_t value) {
  switch (store_) {
    case Store::Ints:
      ints_.push_back(value);
      break;
    case Store::Reals:
      reals_.push_back(static_cast<double>(value));
      break;
    case Store::Texts:
      texts_.Append(IntegerText(value));
      break;
  }
  nulls_.push_back(0);
}

void Field::AppendReal(double value) {
  switch (store_) {
    case Store::Ints:
      ints_.push_back(static_cast<std::int64_t>(std::llround(value)));
      break;
    case Store::Reals:
      reals_.push_back(value);
      break;
    case Store::Texts:
      texts_.Append(FloatToStr(value));
      break;
  }
  nulls_.push_back(0);
}

void Field::AppendText(std::string_view value) {
  if (store_ != Store::Texts) {
    double number = 0;
    auto result = std::from_chars(value.data(), value.data() + value.size(), number);
    if (result.ec != std::errc() || result.ptr != value.data() + value.size()) {
      throw std::invalid_argument(def_.name + " alanına sayı olmayan değer geldi: '" +
                                  std::string(value) + "'");
    }
    if (store_ == Store::Ints) {
      AppendInt(static_cast<std::int64_t>(number));
    } else {
      AppendReal(number);
    }
    return;
  }
  texts_.Append(value);
  nulls_.push_back(0);
}

void Field::ResizeRows(std::size_t rows) {
  switch (store_) {
    case Store::Ints:
      ints_.resize(rows);
      break;
    case Store::Reals:
      reals_.resize(rows);
      break;
    case Store::Texts:
      texts_.Resize(rows);
      break;
  }
  nulls_.resize(rows, 1);
}

void Field::ClearRows() {
  ints_.clear();
  reals_.clear();
  texts_.Clear();
  nulls_.clear();
}

void Field::ReserveRows(std::size_t rows) {
  switch (store_) {
    case Store::Ints:
      ints_.reserve(rows);
      break;
    case Store::Reals:
      reals_.reserve(rows);
      break;
    case Store::Texts:
      texts_.Reserve(rows);
      break;
  }
  nulls_.reserve(rows);
}

void Field::EraseRow(std::size_t row) {
  switch (store_) {
    case Store::Ints:
      ints_.erase(ints_.begin() + static_cast<std::ptrdiff_t>(row));
      break;
    case Store::Reals:
      reals_.erase(reals_.begin() + static_cast<std::ptrdiff_t>(row));
      break;
    case Store::Texts:
      texts_.Erase(row);
      break;
  }
  nulls_.erase(nulls_.begin() + static_cast<std::ptrdiff_t>(row));
}

// ---------------------------------------------------------------------------------------

Field* MemTable::FindField(std::string_view name) {
  for (auto& field : fields_) {
    if (field->FieldName() == name) return field.get();
  }
  return nullptr;
}

const Field* MemTable::FindField(std::string_view name) const {
  return const_cast<MemTable*>(this)->FindField(name);
}

Field& MemTable::FieldByName(std::string_view name) {
  Field* field = FindField(name);
  if (!field) throw std::out_of_range("Tabloda '" + std::string(name) + "' alanı yok");
  return *field;
}

const Field& MemTable::FieldByName(std::string_view name) const {
  return const_cast<MemTable*>(this)->FieldByName(name);
}

void MemTable::DefineFields(const std::vector<FieldDef>& defs) {
  Close();
  const bool same = defs.size() == fields_.size() &&
                    std::equal(defs.begin(), defs.end(), fields_.begin(),
                               [](const FieldDef& def, const auto& field) { return def == field->def_; });
  if (same) {
    for (auto& field : fields_) field->displayFormat_.clear();
    Notify(TableEvent::Changed);
    return;
  }
  fields_.clear();
  fields_.reserve(defs.size());
  for (const FieldDef& def : defs) {
    fields_.push_back(std::make_unique<Field>(*this, def, fields_.size()));
  }
  Notify(TableEvent::Changed);
}

void MemTable::AddField(const FieldDef& def) {
  Close();
  fields_.push_back(std::make_unique<Field>(*this, def, fields_.size()));
  Notify(TableEvent::Changed);
}

void MemTable::CreateDataSet() {
  for (auto& field : fields_) field->ClearRows();
  rowCount_ = 0;
  current_ = 0;
  bof_ = eof_ = true;
  state_ = DataSetState::Browse;
  Notify(TableEvent::Changed);
}

void MemTable::Close() {
  if (state_ == DataSetState::Inactive) return;
  for (auto& field : fields_) field->ClearRows();
  rowCount_ = 0;
  current_ = 0;
  bof_ = eof_ = true;
  state_ = DataSetState::Inactive;
  Notify(TableEvent::Changed);
}

void MemTable::EmptyDataSet() {
  RequireActive();
  CreateDataSet();
}

void MemTable::RequireActive() const {
  if (state_ == DataSetState::Inactive) throw std::logic_error("Tablo açık değil");
}

void MemTable::SetCursorToRow(std::size_t row) {
  current_ = row;
  Notify(TableEvent::Scrolled);
}

void MemTable::First() {
  RequireActive();
  bof_ = true;
  eof_ = rowCount_ == 0;
  SetCursorToRow(0);
}

void MemTable::Last() {
  RequireActive();
  eof_ = true;
  bof_ = rowCount_ == 0;
  SetCursorToRow(rowCount_ == 0 ? 0 : rowCount_ - 1);
}

void MemTable::Next() {
  RequireActive();
  if (rowCount_ != 0 && current_ + 1 < rowCount_) {
    bof_ = false;
    SetCursorToRow(current_ + 1);
  } else {
    eof_ = true;
  }
}

void MemTable::Prior() {
  RequireActive();
  if (current_ > 0) {
    eof_ = false;
    SetCursorToRow(current_ - 1);
  } else {
    bof_ = true;
  }
}

void MemTable::MoveTo(std::size_t row) {
  RequireActive();
  if (row >= rowCount_) throw std::out_of_range("Tabloda böyle bir satır yok");
  bof_ = eof_ = false;
  SetCursorToRow(row);
}

bool MemTable::Locate(std::string_view fieldName, std::int64_t value) {
  RequireActive();
  const Field& field = FieldByName(fieldName);
  for (std::size_t row = 0; row < rowCount_; ++row) {
    if (!field.IsNullAt(row) && field.LargeIntAt(row) == value) {
      MoveTo(row);
      return true;
    }
  }
  return false;
}

bool MemTable::Locate(std::string_view fieldName, std::string_view value) {
  RequireActive();
  const Field& field = FieldByName(fieldName);
  for (std::size_t row = 0; row < rowCount_; ++row) {
    const bool equal = field.store_ == Field::Store::Texts ? field.texts_.At(row) == value
                                                           : field.StringAt(row) == value;
    if (!field.IsNullAt(row) && equal) {
      MoveTo(row);
      return true;
    }
  }
  return false;
}

void MemTable::Edit() {
  RequireActive();
  if (state_ != DataSetState::Browse) return;
  if (rowCount_ == 0) throw std::logic_error("Tabloda düzenlenecek kayıt yok");
  savedTexts_.clear();
  savedInts_.clear();
  savedReals_.clear();
  savedNulls_.clear();
  for (auto& field : fields_) {
    savedNulls_.push_back(field->nulls_[current_]);
    savedInts_.push_back(field->store_ == Field::Store::Ints ? field->ints_[current_] : 0);
    savedReals_.push_back(field->store_ == Field::Store::Reals ? field->reals_[current_] : 0.0);
    savedTexts_.push_back(field->store_ == Field::Store::Texts ? std::string(field->texts_.At(current_))
                                                                 : std::string());
  }
  state_ = DataSetState::Edit;
}

void MemTable::Append() {
  RequireActive();
  if (state_ != DataSetState::Browse) Post();
  for (auto& field : fields_) field->ResizeRows(rowCount_ + 1);
  ++rowCount_;
  bof_ = eof_ = false;
  state_ = DataSetState::Insert;
  SetCursorToRow(rowCount_ - 1);
}

void MemTable::Post() {
  if (state_ != DataSetState::Edit && state_ != DataSetState::Insert) return;
  state_ = DataSetState::Browse;
  Notify(TableEvent::Record);
}

void MemTable::Cancel() {
  if (state_ == DataSetState::Insert) {
    for (auto& field : fields_) field->EraseRow(current_);
    --rowCount_;
    state_ = DataSetState::Browse;
    if (rowCount_ == 0) bof_ = eof_ = true;
    SetCursorToRow(rowCount_ == 0 ? 0 : std::min(current_, rowCount_ - 1));
    Notify(TableEvent::Changed);
  } else if (state_ == DataSetState::Edit) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
      Field& field = *fields_[i];
      field.nulls_[current_] = savedNulls_[i];
      switch (field.store_) {
        case Field::Store::Ints:
          field.ints_[current_] = savedInts_[i];
          break;
        case Field::Store::Reals:
          field.reals_[current_] = savedReals_[i];
          break;
        case Field::Store::Texts:
          field.texts_.Set(current_, savedTexts_[i]);
          break;
      }
    }
    state_ = DataSetState::Browse;
    Notify(TableEvent::Record);
  }
}

void MemTable::Delete() {
  RequireActive();
  if (state_ == DataSetState::Insert) {
    Cancel();
    return;
  }
  if (rowCount_ == 0) throw std::logic_error("Tabloda silinecek kayıt yok");
  state_ = DataSetState::Browse;
  for (auto& field : fields_) field->EraseRow(current_);
  --rowCount_;
  if (rowCount_ == 0) {
    bof_ = eof_ = true;
    current_ = 0;
  } else if (current_ >= rowCount_) {
    current_ = rowCount_ - 1;
  }
  Notify(TableEvent::Changed);
}

void MemTable::DisableControls() { ++disableCount_; }

void MemTable::EnableControls() {
  if (disableCount_ == 0) return;
  if (--disableCount_ == 0) Notify(TableEvent::Changed);
}

int MemTable::Subscribe(Observer observer) {
  observers_.emplace_back(nextObserverId_, std::move(observer));
  return nextObserverId_++;
}

void MemTable::Unsubscribe(int id) {
  std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void MemTable::Notify(TableEvent event) {
  if (disableCount_ > 0) return;
  for (auto& [id, observer] : observers_) observer(event);
}

void MemTable::BeginRows(std::size_t expectedRows) {
  CreateDataSet();
  for (auto& field : fields_) field->ReserveRows(expectedRows);
}

void MemTable::EndRows() {
  const std::size_t rows = fields_.empty() ? 0 : fields_.front()->CellCount();
  for (auto& field : fields_) {
    if (field->CellCount() != rows) {
      throw std::logic_error("Tablo yüklenirken " + field->FieldName() + " alanı eksik kaldı");
    }
  }
  rowCount_ = rows;
  bof_ = rows <= 1;
  eof_ = rows == 0;
  current_ = rows == 0 ? 0 : rows - 1;
  Notify(TableEvent::Changed);
}

}  // namespace zorvat
