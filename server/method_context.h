// What a remote method's handler gets: its checked input parameters by ordinal, this
// worker's database connection, the server's settings, and the writer of its answer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "remote/json_writer.h"
#include "remote/memtable.h"
#include "remote/method_catalogue.h"
#include "remote/record_codec.h"
#include "server/database.h"
#include "server/settings.h"
#include "session/sonuc_bilgisi.h"

namespace zorvat::server {

// An error a method raises on purpose; its text goes to the client as it is.
class MethodError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One checked input value. A record parameter sent as null holds no record.
using Argument = std::variant<std::string, std::int32_t, double, bool, std::optional<TSonucBilgisi>>;

// A column of a table result: its name on the wire and its kind. The handler's query
// selects the columns in this order.
struct TableColumn {
  std::string_view name;
  FieldType type;
  int size = 0;
};

class MethodContext {
 public:
  MethodContext(const MethodDecl& method, std::vector<Argument> arguments, Database& db,
                const Settings& settings);

  const MethodDecl& Method() const { return method_; }
  const std::string& Text(std::size_t ordinal) const;
  std::int32_t Integer(std::size_t ordinal) const;
  double Double(std::size_t ordinal) const;
  bool Boolean(std::size_t ordinal) const;
  // The session record argument; a method that needs it fails when it was sent as null.
  const TSonucBilgisi& Record(std::size_t ordinal) const;
  const std::optional<TSonucBilgisi>& RecordOrNull(std::size_t ordinal) const;

  Database& Db() { return db_; }
  const Settings& ServerSettings() const { return settings_; }

  // The answer: exactly one of these per output, in order (the stream helpers write the
  // length output and the stream together).
  void ReturnText(std::string_view text);
  void ReturnInteger(std::int32_t value);
  void ReturnBoolean(bool value);
  void ReturnNull();
  template <class Record>
  void ReturnRecord(const Record& record) {
    int nextId = 1;
    WriteRecord(writer_, record, nextId);
    ++written_;
  }
  // Writes every row of the statement as a table object with the given columns.
  void ReturnTable(Statement& rows, std::span<const TableColumn> columns);
  // The length output and the bytes of a stream result; empty bytes announce length 0.
  void ReturnStream(std::string_view bytes);

  // The finished "result" array; fails when the handler wrote the wrong number of values.
  std::string Answer();

 private:
  template <class T>
  const T& Get(std::size_t ordinal) const;

  const MethodDecl& method_;
  std::vector<Argument> arguments_;
  Database& db_;
  const Settings& settings_;
  JsonWriter writer_;
  std::size_t written_ = 0;
};

using MethodHandler = std::function<void(MethodContext&)>;

// Handlers by method name.
class MethodRegistry {
 public:
  void Add(std::string_view name, MethodHandler handler);
  const MethodHandler* Find(std::string_view name) const;
  std::vector<std::string_view> Names() const;

 private:
  std::vector<std::pair<std::string_view, MethodHandler>> handlers_;
};

}  // namespace zorvat::server
