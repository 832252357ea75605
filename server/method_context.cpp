#include "server/method_context.h"

#include "remote/base64.h"
#include "remote/table_codec.h"

namespace zorvat::server {

MethodContext::MethodContext(const MethodDecl& method, std::vector<Argument> arguments, Database& db,
                             const Settings& settings)
    : method_(method), arguments_(std::move(arguments)), db_(db), settings_(settings) {
  writer_.BeginObject();
  writer_.Key("result");
  writer_.BeginArray();
}

template <class T>
const T& MethodContext::Get(std::size_t ordinal) const {
  const T* value = ordinal < arguments_.size() ? std::get_if<T>(&arguments_[ordinal]) : nullptr;
  if (value == nullptr) {
    throw std::logic_error(std::string(method_.name) + ": parametre " + std::to_string(ordinal) +
                           " bu türde değil");
  }
  return *value;
}

const std::string& MethodContext::Text(std::size_t ordinal) const { return Get<std::string>(ordinal); }
std::int32_t MethodContext::Integer(std::size_t ordinal) const { return Get<std::int32_t>(ordinal); }
double MethodContext::Double(std::size_t ordinal) const { return Get<double>(ordinal); }
bool MethodContext::Boolean(std::size_t ordinal) const { return Get<bool>(ordinal); }

const std::optional<TSonucBilgisi>& MethodContext::RecordOrNull(std::size_t ordinal) const {
  return Get<std::optional<TSonucBilgisi>>(ordinal);
}

const TSonucBilgisi& MethodContext::Record(std::size_t ordinal) const {
  const auto& record = RecordOrNull(ordinal);
  if (!record) throw MethodError("Oturum bilgisi gönderilmedi");
  return *record;
}

void MethodContext::ReturnText(std::string_view text) {
  writer_.String(text);
  ++written_;
}

void MethodContext::ReturnInteger(std::int32_t value) {
  writer_.Int(value);
  ++written_;
}

void MethodContext::ReturnBoolean(bool value) {
  writer_.Bool(value);
  ++written_;
}

void MethodContext::ReturnNull() {
  writer_.Null();
  ++written_;
}

void MethodContext::ReturnStream(std::string_view bytes) {
  writer_.Int(static_cast<std::int64_t>(bytes.size()));
  writer_.String(Base64Encode(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())));
  written_ += 2;
}

void MethodContext::ReturnTable(Statement& rows, std::span<const TableColumn> columns) {
  if (static_cast<std::size_t>(rows.ColumnCount()) != columns.size()) {
    throw std::logic_error(std::string(method_.name) + ": sorgunun sütun sayısı tanımla uyuşmuyor");
  }
  writer_.BeginObject();
  writer_.Key("columns");
  writer_.BeginArray();
  for (const TableColumn& column : columns) {
    writer_.BeginObject();
    writer_.Key("name");
    writer_.String(column.name);
    writer_.Key("type");
    writer_.String(WireTypeName(column.type));
    if (column.size > 0) {
      writer_.Key("size");
      writer_.Int(column.size);
    }
    writer_.EndObject();
  }
  writer_.EndArray();
  writer_.Key("rows");
  writer_.BeginArray();
  while (rows.Step()) {
    writer_.BeginArray();
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
      if (rows.IsNull(i)) {
        writer_.Null();
        continue;
      }
      switch (columns[static_cast<std::size_t>(i)].type) {
        case FieldType::SmallInt:
        case FieldType::Integer:
        case FieldType::LargeInt:
          writer_.Int(rows.Int(i));
          break;
        case FieldType::Boolean:
          writer_.Bool(rows.Int(i) != 0);
          break;
        case FieldType::String:
          writer_.String(rows.Text(i));
          break;
        case FieldType::Blob: {
          const std::string_view bytes = rows.Blob(i);
          writer_.String(Base64Encode(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())));
          break;
        }
        default:
          writer_.Double(rows.Double(i));
      }
    }
    writer_.EndArray();
  }
  rows.Reset();
  writer_.EndArray();
  writer_.EndObject();
  ++written_;
}

std::string MethodContext::Answer() {
  if (written_ != method_.OutputCount()) {
    throw std::logic_error(std::string(method_.name) + " " + std::to_string(method_.OutputCount()) +
                           " değer yerine " + std::to_string(written_) + " değer yazdı");
  }
  writer_.EndArray();
  writer_.EndObject();
  return writer_.Take();
}

void MethodRegistry::Add(std::string_view name, MethodHandler handler) {
  handlers_.emplace_back(name, std::move(handler));
}

const MethodHandler* MethodRegistry::Find(std::string_view name) const {
  for (const auto& [handlerName, handler] : handlers_) {
    if (handlerName == name) return &handler;
  }
  return nullptr;
}

std::vector<std::string_view> MethodRegistry::Names() const {
  std::vector<std::string_view> names;
  for (const auto& entry : handlers_) names.push_back(entry.first);
  return names;
}

}  // namespace zorvat::server
