#include "remote/table_codec.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "remote/base64.h"
#include "remote/errors.h"

namespace zorvat {

namespace {

struct WireType {
  std::string_view name;
  FieldType type;
};

constexpr std::array<WireType, 12> kWireTypes{{
    {"int16", FieldType::SmallInt},
    {"int32", FieldType::Integer},
    {"int64", FieldType::LargeInt},
    {"float", FieldType::Float},
    {"currency", FieldType::Currency},
    {"bcd", FieldType::BCD},
    {"boolean", FieldType::Boolean},
    {"string", FieldType::String},
    {"date", FieldType::Date},
    {"time", FieldType::Time},
    {"datetime", FieldType::DateTime},
    {"blob", FieldType::Blob},
}};

// How the cells of one column are read off the wire, decided once per column.
enum class CellKind { Integer, Real, Boolean, Text, Binary };

CellKind CellKindOf(FieldType type) {
  switch (type) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt:
      return CellKind::Integer;
    case FieldType::Boolean:
      return CellKind::Boolean;
    case FieldType::String:
      return CellKind::Text;
    case FieldType::Blob:
      return CellKind::Binary;
    default:
      return CellKind::Real;
  }
}

namespace dom = simdjson::dom;

[[noreturn]] void Malformed(const std::string& why) { throw ProtocolError("Tablo nesnesi bozuk: " + why); }

std::string_view TextMember(dom::object object, std::string_view key) {
  std::string_view text;
  if (object.at_key(key).get_string().get(text)) Malformed("sütunun \"" + std::string(key) + "\" metni yok");
  return text;
}

std::vector<FieldDef> ReadColumns(dom::array columns) {
  std::vector<FieldDef> defs;
  defs.reserve(columns.size());
  for (dom::element element : columns) {
    dom::object column;
    if (element.get_object().get(column)) Malformed("sütun tanımı nesne değil");
    FieldDef def;
    def.name = std::string(TextMember(column, "name"));
    def.type = FieldTypeFromWire(TextMember(column, "type"));
    std::int64_t size = 0;
    if (!column.at_key("size").get_int64().get(size)) def.size = static_cast<int>(size);
    defs.push_back(std::move(def));
  }
  return defs;
}

// Sets the table's columns for a load by the rule.
void ApplyColumns(MemTable& table, const std::vector<FieldDef>& wire, ColumnRule rule) {
  if (rule == ColumnRule::Replace) {
    table.DefineFields(wire);
    return;
  }
  table.Close();
  const std::size_t prescribed = table.FieldCount();
  for (std::size_t i = 0; i < wire.size() && i < prescribed; ++i) {
    if (table.Fields(i).FieldName() != wire[i].name) {
      throw std::runtime_error("Additional columns must be added after the prescribed columns.");
    }
  }
  for (std::size_t i = prescribed; i < wire.size(); ++i) table.AddField(wire[i]);
}

void AppendCell(Field& field, CellKind kind, dom::element value) {
  if (value.is_null()) {
    field.AppendNull();
    return;
  }
  bool ok = false;
  switch (kind) {
    case CellKind::Integer: {
      std::int64_t number = 0;
      ok = !value.get_int64().get(number);
      if (ok) field.AppendInt(number);
      break;
    }
    case CellKind::Real: {
      double number = 0;
      ok = !value.get_double().get(number);
      if (ok) field.AppendReal(number);
      break;
    }
    case CellKind::Boolean: {
      bool flag = false;
      ok = !value.get_bool().get(flag);
      if (ok) field.AppendInt(flag ? 1 : 0);
      break;
    }
    case CellKind::Text: {
      std::string_view text;
      ok = !value.get_string().get(text);
      if (ok) field.AppendText(text);
      break;
    }
    case CellKind::Binary: {
      std::string_view text;
      std::optional<std::vector<std::uint8_t>> bytes;
      ok = !value.get_string().get(text) && (bytes = Base64Decode(text));
      if (ok) field.AppendText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
      break;
    }
  }
  if (!ok) Malformed(field.FieldName() + " sütununda " + std::string(WireTypeName(field.DataType())) + " türüne uymayan değer");
}

void ReadRows(dom::array rows, MemTable& table, std::size_t wireColumns) {
  const std::size_t columns = table.FieldCount();
  std::vector<CellKind> kinds;
  std::vector<Field*> fields;
  for (std::size_t i = 0; i < columns; ++i) {
    fields.push_back(&table.Fields(i));
    kinds.push_back(CellKindOf(fields.back()->DataType()));
  }
  table.BeginRows(rows.size());
  std::size_t rowNumber = 0;
  for (dom::element element : rows) {
    ++rowNumber;
    dom::array row;
    if (element.get_array().get(row) || row.size() != wireColumns) {
      Malformed(std::to_string(rowNumber) + ". satırda " + std::to_string(wireColumns) + " değer bekleniyordu");
    }
    std::size_t column = 0;
    for (dom::element value : row) {
      AppendCell(*fields[column], kinds[column], value);
      ++column;
    }
    // Prescribed columns that the result does not carry stay empty.
    for (; column < columns; ++column) fields[column]->AppendNull();
  }
  table.EndRows();
}

}  // namespace

std::string_view WireTypeName(FieldType type) {
  for (const WireType& wire : kWireTypes) {
    if (wire.type == type) return wire.name;
  }
  return "string";
}

FieldType FieldTypeFromWire(std::string_view name) {
  for (const WireType& wire : kWireTypes) {
    if (wire.name == name) return wire.type;
  }
  throw ProtocolError("Bilinmeyen sütun türü: " + std::string(name));
}

TableObject TableObject::FromJson(std::string_view json) {
  JsonDocumentPtr document = ParseJson(json);
  const dom::element root = document->root;
  return TableObject(std::move(document), root);
}

void LoadTableObject(const TableObject& object, MemTable& table, ColumnRule rule) {
  if (object.Empty()) throw ProtocolError("Tablo nesnesi yok");
  dom::object root;
  dom::array columns;
  dom::array rows;
  if (object.Element().get_object().get(root)) Malformed("nesne değil");
  if (root.at_key("columns").get_array().get(columns)) Malformed("\"columns\" dizisi yok");
  if (root.at_key("rows").get_array().get(rows)) Malformed("\"rows\" dizisi yok");
  const std::vector<FieldDef> defs = ReadColumns(columns);
  ApplyColumns(table, defs, rule);
  try {
    ReadRows(rows, table, defs.size());
  } catch (...) {
    // Never leave half a row behind: the table's columns would disagree on its length.
    table.Close();
    throw;
  }
}

void WriteTableObject(JsonWriter& writer, const MemTable& table) {
  writer.BeginObject();
  writer.Key("columns");
  writer.BeginArray();
  for (std::size_t i = 0; i < table.FieldCount(); ++i) {
    const FieldDef& def = table.Fields(i).Definition();
    writer.BeginObject();
    writer.Key("name");
    writer.String(def.name);
    writer.Key("type");
    writer.String(WireTypeName(def.type));
    if (def.size > 0) {
      writer.Key("size");
      writer.Int(def.size);
    }
    writer.EndObject();
  }
  writer.EndArray();
  writer.Key("rows");
  writer.BeginArray();
  for (std::size_t row = 0; row < table.RecordCount(); ++row) {
    writer.BeginArray();
    for (std::size_t i = 0; i < table.FieldCount(); ++i) {
      const Field& field = table.Fields(i);
      if (field.IsNullAt(row)) {
        writer.Null();
        continue;
      }
      switch (CellKindOf(field.DataType())) {
        case CellKind::Integer:
          writer.Int(field.LargeIntAt(row));
          break;
        case CellKind::Real:
          writer.Double(field.FloatAt(row));
          break;
        case CellKind::Boolean:
          writer.Bool(field.LargeIntAt(row) != 0);
          break;
        case CellKind::Text:
          writer.String(field.StringAt(row));
          break;
        case CellKind::Binary: {
          const std::string bytes = field.StringAt(row);
          writer.String(Base64Encode(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())));
          break;
        }
      }
    }
    writer.EndArray();
  }
  writer.EndArray();
  writer.EndObject();
}

void TableReader::Decode() {
  if (decoded_) return;
  LoadTableObject(object_, rows_, ColumnRule::Replace);
  decoded_ = true;
}

std::size_t TableReader::ColumnCount() {
  Decode();
  return rows_.FieldCount();
}

const FieldDef& TableReader::Column(std::size_t index) {
  Decode();
  return rows_.Fields(index).Definition();
}

bool TableReader::Next() {
  Decode();
  if (!started_) {
    started_ = true;
    if (rows_.RecordCount() == 0) return false;
    rows_.First();
    return true;
  }
  rows_.Next();
  return !rows_.Eof();
}

const Field& TableReader::Value(std::size_t column) {
  Decode();
  return rows_.Fields(column);
}

void LoadTable(const TableReader& reader, MemTable& table) {
  LoadTableObject(reader.Object(), table, ColumnRule::KeepPrescribed);
}

void AssignPacket(const DataPacket& packet, MemTable& table) {
  LoadTableObject(packet.object, table, ColumnRule::Replace);
}

}  // namespace zorvat
