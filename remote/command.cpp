#include "remote/command.h"

#include <cmath>
#include <limits>

#include "net/connection.h"
#include "remote/base64.h"
#include "remote/errors.h"
#include "remote/json_writer.h"

namespace zorvat {

namespace {

constexpr std::string_view kClassPrefix = "TServerMethods1.";

std::string_view KindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::None:
      return "yok";
    case ValueKind::Text:
      return "metin";
    case ValueKind::Integer:
      return "Integer";
    case ValueKind::Double:
      return "Double";
    case ValueKind::Boolean:
      return "Boolean";
    case ValueKind::Int64:
      return "Int64";
    case ValueKind::Record:
      return "kayıt nesnesi";
    case ValueKind::Table:
      return "tablo";
    case ValueKind::Packet:
      return "veri paketi";
    case ValueKind::Stream:
      return "akış";
  }
  return "?";
}

std::string Snippet(std::string_view body) {
  constexpr std::size_t kMax = 200;
  return std::string(body.substr(0, kMax)) + (body.size() > kMax ? "..." : "");
}

}  // namespace

// ---------------------------------------------------------------------------------------

void DSParameter::RequireKind(ValueKind kind, bool output) const {
  if (declaration_.kind != kind || declaration_.output != output) {
    throw std::logic_error("Parametre " + std::string(declaration_.name) + " " +
                           std::string(KindName(declaration_.kind)) + " türünde; " +
                           std::string(KindName(kind)) + " olarak kullanıldı");
  }
}

void DSParameter::SetWideString(std::string_view value) {
  RequireKind(ValueKind::Text, false);
  JsonWriter writer;
  writer.String(value);
  encoded_ = writer.Take();
}

void DSParameter::SetInt32(std::int32_t value) {
  RequireKind(ValueKind::Integer, false);
  encoded_ = std::to_string(value);
}

void DSParameter::SetDouble(double value) {
  RequireKind(ValueKind::Double, false);
  if (!std::isfinite(value)) {
    throw std::invalid_argument("Parametre " + std::string(declaration_.name) + " sonlu bir sayı değil");
  }
  JsonWriter writer;
  writer.Double(value);
  encoded_ = writer.Take();
}

void DSParameter::SetBoolean(bool value) {
  RequireKind(ValueKind::Boolean, false);
  encoded_ = value ? "true" : "false";
}

void DSParameter::SetJSONValue(std::string json) {
  RequireKind(ValueKind::Record, false);
  encoded_ = std::move(json);
}

void DSParameter::SetNull() {
  RequireKind(ValueKind::Record, false);
  encoded_ = "null";
}

std::int64_t DSParameter::GetInt64() const {
  RequireKind(ValueKind::Int64, true);
  return integer_;
}

std::int32_t DSParameter::GetInt32() const {
  RequireKind(ValueKind::Integer, true);
  return static_cast<std::int32_t>(integer_);
}

double DSParameter::GetDouble() const {
  RequireKind(ValueKind::Double, true);
  return real_;
}

bool DSParameter::GetBoolean() const {
  RequireKind(ValueKind::Boolean, true);
  return boolean_;
}

const std::string& DSParameter::GetWideString() const {
  RequireKind(ValueKind::Text, true);
  return text_;
}

std::optional<simdjson::dom::element> DSParameter::GetJSONValue() const {
  RequireKind(ValueKind::Record, true);
  return record_;
}

TableReader* DSParameter::GetDBXReader() const {
  RequireKind(ValueKind::Table, true);
  return reader_.get();
}

DataPacket DSParameter::GetVariant() const {
  RequireKind(ValueKind::Packet, true);
  return DataPacket{table_};
}

MemoryStream* DSParameter::GetStream() const {
  RequireKind(ValueKind::Stream, true);
  return stream_.get();
}

void DSParameter::ClearOutput() {
  integer_ = 0;
  real_ = 0.0;
  boolean_ = false;
  text_.clear();
  record_.reset();
  table_ = TableObject();
  reader_.reset();
  stream_.reset();
}

// ---------------------------------------------------------------------------------------

void DSCommand::Prepare() {
  const std::string_view name =
      std::string_view(Text).starts_with(kClassPrefix) ? std::string_view(Text).substr(kClassPrefix.size())
                                                       : std::string_view();
  const MethodDecl* method = FindRemoteMethod(name);
  if (method == nullptr) throw ServerError("Method " + Text + " not found");
  parameters_.clear();
  for (const ParamDecl& declaration : method->params) parameters_.emplace_back(declaration);
  if (method->result != ValueKind::None) parameters_.emplace_back(ParamDecl{"Result", method->result, true});
  method_ = method;
}

std::string DSCommand::RequestBody() const {
  std::string body = R"({"_parameters":[)";
  bool first = true;
  for (const DSParameter& parameter : parameters_) {
    if (parameter.Declaration().output) continue;
    if (parameter.EncodedValue().empty()) {
      throw std::logic_error("Parametre " + std::string(parameter.Declaration().name) + " verilmedi");
    }
    if (!first) body += ',';
    body += parameter.EncodedValue();
    first = false;
  }
  body += "]}";
  return body;
}

void DSCommand::ExecuteUpdate() {
  if (!Prepared()) Prepare();
  owned_.clear();
  for (DSParameter& parameter : parameters_) {
    if (parameter.Declaration().output) parameter.ClearOutput();
  }
  answer_.reset();
  const HttpAnswer answer = connection_.Call(method_->name, RequestBody());
  ReadAnswer(answer.status, answer.body);
}

void DSCommand::ReadAnswer(int status, const std::string& body) {
  if (status == 200) {
    ReadResults(body);
    return;
  }
  if (status == 400 || status == 404 || status == 413 || status == 500) {
    simdjson::dom::parser parser;
    simdjson::dom::element document;
    std::string_view message;
    if (!parser.parse(body).get(document) && !document["error"].get_string().get(message)) {
      throw ServerError(std::string(message));
    }
  }
  throw ProtocolError("Sunucudan beklenmeyen yanıt (HTTP " + std::to_string(status) + "): " +
                      Snippet(body));
}

void DSCommand::ReadResults(const std::string& body) {
  JsonDocumentPtr document;
  simdjson::dom::array results;
  try {
    document = ParseJson(body);
  } catch (const ProtocolError&) {
    throw ProtocolError(std::string(method_->name) + " yanıtı JSON değil: " + Snippet(body));
  }
  if (document->root["result"].get_array().get(results)) {
    throw ProtocolError(std::string(method_->name) + " yanıtında \"result\" dizisi yok: " + Snippet(body));
  }
  if (results.size() != method_->OutputCount()) {
    throw ProtocolError(std::string(method_->name) + " yanıtında " +
                        std::to_string(method_->OutputCount()) + " değer bekleniyordu, " +
                        std::to_string(results.size()) + " geldi");
  }
  answer_ = std::move(document);
  auto value = results.begin();
  for (DSParameter& parameter : parameters_) {
    if (parameter.Declaration().output) ReadResult(parameter, *value++);
  }
}

void DSCommand::ReadResult(DSParameter& parameter, simdjson::dom::element value) {
  const auto wrongKind = [&] {
    return ProtocolError(std::string(method_->name) + " yanıtının " +
                         std::string(parameter.Declaration().name) + " değeri " +
                         std::string(KindName(parameter.Declaration().kind)) + " değil");
  };
  switch (parameter.Declaration().kind) {
    case ValueKind::Text: {
      std::string_view text;
      if (value.get_string().get(text)) throw wrongKind();
      parameter.text_ = text;
      return;
    }
    case ValueKind::Integer:
      if (value.get_int64().get(parameter.integer_) ||
          parameter.integer_ < std::numeric_limits<std::int32_t>::min() ||
          parameter.integer_ > std::numeric_limits<std::int32_t>::max()) {
        throw wrongKind();
      }
      return;
    case ValueKind::Int64:
      if (value.get_int64().get(parameter.integer_)) throw wrongKind();
      return;
    case ValueKind::Double:
      if (value.get_double().get(parameter.real_)) throw wrongKind();
      return;
    case ValueKind::Boolean:
      if (value.get_bool().get(parameter.boolean_)) throw wrongKind();
      return;
    case ValueKind::Record:
      if (value.is_null()) return;
      if (!value.is_object()) throw ProtocolError("The input value is not a valid Object");
      parameter.record_ = value;
      return;
    case ValueKind::Table:
    case ValueKind::Packet:
      if (!value.is_object()) throw wrongKind();
      parameter.table_ = TableObject(answer_, value);
      if (parameter.Declaration().kind == ValueKind::Table) {
        parameter.reader_ = std::make_unique<TableReader>(parameter.table_);
      }
      return;
    case ValueKind::Stream: {
      std::string_view text;
      if (value.get_string().get(text)) throw wrongKind();
      auto bytes = Base64Decode(text);
      if (!bytes) throw ProtocolError(std::string(method_->name) + " yanıtındaki akış geçerli base64 değil");
      parameter.stream_ = std::make_unique<MemoryStream>(std::move(*bytes));
      return;
    }
    case ValueKind::None:
      return;
  }
}

}  // namespace zorvat
