// Tables on the wire: the table object {"columns":[...],"rows":[[...],...]}, the table
// reader that a table result arrives as, and the data packet that a packet result arrives
// as. Both keep the parsed answer and are decoded from the parser's document straight into
// the in-memory table's typed storage when they are loaded.
#pragma once

#include <simdjson.h>

#include <memory>
#include <string_view>
#include <vector>

#include "remote/json_document.h"
#include "remote/json_writer.h"
#include "remote/memtable.h"

namespace zorvat {

std::string_view WireTypeName(FieldType type);
// Throws ProtocolError for an unknown name.
FieldType FieldTypeFromWire(std::string_view name);

// A table object inside a parsed answer.
class TableObject {
 public:
  TableObject() = default;
  TableObject(JsonDocumentPtr document, simdjson::dom::element element)
      : document_(std::move(document)), element_(element) {}
  // A standalone table object parsed from its text; throws ProtocolError for bad JSON.
  static TableObject FromJson(std::string_view json);

  bool Empty() const { return document_ == nullptr; }
  simdjson::dom::element Element() const { return element_; }

 private:
  JsonDocumentPtr document_;
  simdjson::dom::element element_;
};

// How a load treats the columns the table already has.
enum class ColumnRule {
  // A table result: an existing column stays when the result has the same name at its
  // position; another name there fails; further columns are added.
  KeepPrescribed,
  // A data packet: the packet's columns replace the table's.
  Replace,
};

// Decodes a table object into the table: columns by the rule, then every row in order; the
// current row is the last one afterwards. Throws ProtocolError for a malformed object and
// std::runtime_error with "Additional columns must be added after the prescribed columns."
// when a result renames a prescribed column.
void LoadTableObject(const TableObject& object, MemTable& table, ColumnRule rule);

// Writes the table's columns and all its rows as one table object.
void WriteTableObject(JsonWriter& writer, const MemTable& table);

// A table result: read forward row by row, or loaded whole into an in-memory table with the
// one loading routine, LoadTable.
class TableReader {
 public:
  explicit TableReader(TableObject object) : object_(std::move(object)) {}

  std::size_t ColumnCount();
  const FieldDef& Column(std::size_t index);
  // Moves to the next row; false after the last one.
  bool Next();
  // A value of the current row.
  const Field& Value(std::size_t column);

  const TableObject& Object() const { return object_; }

 private:
  void Decode();

  TableObject object_;
  MemTable rows_;
  bool decoded_ = false;
  bool started_ = false;
};

// A packet result: a complete dataset, columns and rows, that a table takes whole.
struct DataPacket {
  TableObject object;
};

// Loads a table result into a table, keeping its prescribed columns.
void LoadTable(const TableReader& reader, MemTable& table);
// Makes the packet the table's complete data.
void AssignPacket(const DataPacket& packet, MemTable& table);

}  // namespace zorvat
