#include "remote/record_codec.h"

namespace zorvat::detail {

void ThrowFieldKind(std::string_view name, std::string_view expected) {
  throw ProtocolError("Kayıt alanı " + std::string(name) + " için " + std::string(expected) +
                      " bekleniyordu");
}

simdjson::dom::object RecordFields(simdjson::dom::element element, std::string_view expectedType) {
  simdjson::dom::object object;
  if (element.get_object().get(object)) throw ProtocolError("The input value is not a valid Object");
  std::string_view type;
  if (object.at_key("type").get_string().get(type)) {
    throw ProtocolError("Kayıt nesnesinin \"type\" üyesi yok");
  }
  if (type != expectedType) {
    throw ProtocolError("Beklenmeyen kayıt türü '" + std::string(type) + "' (beklenen '" +
                        std::string(expectedType) + "')");
  }
  simdjson::dom::object fields;
  if (object.at_key("fields").get_object().get(fields)) {
    throw ProtocolError("Kayıt nesnesinin \"fields\" üyesi yok");
  }
  return fields;
}

}  // namespace zorvat::detail
