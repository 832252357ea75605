#include "server/request.h"

#include <cmath>
#include <limits>

#include "remote/errors.h"

namespace zorvat::server {

namespace {

namespace dom = simdjson::dom;

[[noreturn]] void Reject(const ParamDecl& parameter, std::size_t ordinal, const std::string& expected) {
  throw RequestRejected(400, "Parametre " + std::to_string(ordinal) + " (" + std::string(parameter.name) +
                                 "): " + expected + " bekleniyordu");
}

Argument DecodeArgument(const ParamDecl& parameter, std::size_t ordinal, dom::element value) {
  switch (parameter.kind) {
    case ValueKind::Text: {
      std::string_view text;
      if (value.get_string().get(text)) Reject(parameter, ordinal, "metin");
      return std::string(text);
    }
    case ValueKind::Integer: {
      std::int64_t number = 0;
      if (value.get_int64().get(number) || number < std::numeric_limits<std::int32_t>::min() ||
          number > std::numeric_limits<std::int32_t>::max()) {
        Reject(parameter, ordinal, "32 bitlik tamsayı");
      }
      return static_cast<std::int32_t>(number);
    }
    case ValueKind::Double: {
      double number = 0;
      if (value.get_double().get(number) || !std::isfinite(number)) Reject(parameter, ordinal, "sonlu bir sayı");
      return number;
    }
    case ValueKind::Boolean: {
      bool flag = false;
      if (value.get_bool().get(flag)) Reject(parameter, ordinal, "true ya da false");
      return flag;
    }
    case ValueKind::Record:
      if (value.is_null()) return std::optional<TSonucBilgisi>();
      try {
        return std::optional<TSonucBilgisi>(RecordFromElement<TSonucBilgisi>(value));
      } catch (const ProtocolError& error) {
        Reject(parameter, ordinal, std::string("oturum kaydı (") + error.what() + ")");
      }
    default:
      throw RequestRejected(400, "Parametre " + std::to_string(ordinal) + " girdi olarak gönderilemez");
  }
}

}  // namespace

DecodedRequest DecodeRequest(std::string_view method, std::string_view body) {
  DecodedRequest request;
  request.method = FindRemoteMethod(method);
  if (request.method == nullptr) {
    throw RequestRejected(404, "Method TServerMethods1." + std::string(method) + " not found");
  }
  dom::parser parser;
  dom::element document;
  if (parser.parse(body.data(), body.size()).get(document)) {
    throw RequestRejected(400, "İstek gövdesi geçerli JSON değil");
  }
  dom::array values;
  if (document["_parameters"].get_array().get(values)) {
    throw RequestRejected(400, "İstek gövdesinde \"_parameters\" dizisi yok");
  }
  std::vector<const ParamDecl*> inputs;
  for (const ParamDecl& parameter : request.method->params) {
    if (!parameter.output) inputs.push_back(&parameter);
  }
  if (values.size() != inputs.size()) {
    throw RequestRejected(400, std::string(method) + " " + std::to_string(inputs.size()) +
                                   " parametre alır, " + std::to_string(values.size()) + " gönderildi");
  }
  std::size_t ordinal = 0;
  for (dom::element value : values) {
    request.arguments.push_back(DecodeArgument(*inputs[ordinal], ordinal, value));
    ++ordinal;
  }
  return request;
}

}  // namespace zorvat::server
