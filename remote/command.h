// A remote command: one server method addressed as "TServerMethods1.<name>", its parameter
// list by ordinal (inputs, then outputs, then the result), and the results of its last
// execution, which it owns until it runs again or dies.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "remote/memory_stream.h"
#include "remote/method_catalogue.h"
#include "remote/table_codec.h"

namespace zorvat {

class Connection;

class DSParameter {
 public:
  explicit DSParameter(const ParamDecl& declaration) : declaration_(declaration) {}

  const ParamDecl& Declaration() const { return declaration_; }

  // Inputs: each setter checks the declared kind and keeps the value's JSON text.
  void SetWideString(std::string_view value);
  void SetInt32(std::int32_t value);
  void SetDouble(double value);  // a NaN or an infinity is refused: it is never sent
  void SetBoolean(bool value);
  void SetJSONValue(std::string json);  // a record object's JSON form
  void SetNull();                       // an absent record object
  const std::string& EncodedValue() const { return encoded_; }

  // Outputs of the last execution.
  std::int64_t GetInt64() const;
  std::int32_t GetInt32() const;
  double GetDouble() const;
  bool GetBoolean() const;
  const std::string& GetWideString() const;
  // The record object's JSON form; none for a null record.
  std::optional<simdjson::dom::element> GetJSONValue() const;
  TableReader* GetDBXReader() const;
  DataPacket GetVariant() const;
  MemoryStream* GetStream() const;

 private:
  friend class DSCommand;
  void RequireKind(ValueKind kind, bool output) const;
  void ClearOutput();

  ParamDecl declaration_;
  std::string encoded_;
  std::int64_t integer_ = 0;
  double real_ = 0.0;
  bool boolean_ = false;
  std::string text_;
  std::optional<simdjson::dom::element> record_;
  TableObject table_;
  std::unique_ptr<TableReader> reader_;
  std::unique_ptr<MemoryStream> stream_;
};

class DSCommand {
 public:
  explicit DSCommand(Connection& connection) : connection_(connection) {}

  const std::string CommandType = "DataSnap.ServerMethod";
  std::string Text;  // "TServerMethods1." + method name

  // Builds the parameter list from the catalogue; throws ServerError for a method the
  // server does not publish.
  void Prepare();
  bool Prepared() const { return method_ != nullptr; }
  std::vector<DSParameter>& Parameters() { return parameters_; }

  // Sends the inputs, then reads the outputs and the result into the parameter list.
  // Results of the previous execution are released first.
  void ExecuteUpdate();

  // Keeps a record result alive until the next execution; returns it.
  template <class T>
  T* Own(T record) {
    auto owned = std::make_shared<T>(std::move(record));
    owned_.push_back(owned);
    return owned.get();
  }

 private:
  std::string RequestBody() const;
  void ReadAnswer(int status, const std::string& body);
  void ReadResults(const std::string& body);
  void ReadResult(DSParameter& parameter, simdjson::dom::element value);

  Connection& connection_;
  const MethodDecl* method_ = nullptr;
  std::vector<DSParameter> parameters_;
  JsonDocumentPtr answer_;
  std::vector<std::shared_ptr<void>> owned_;
};

}  // namespace zorvat
