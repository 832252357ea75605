// A parsed JSON text. Elements taken from it are handles into its parser and stay valid as
// long as the document lives, so results keep the document they came from.
#pragma once

#include <simdjson.h>

#include <memory>
#include <string_view>

namespace zorvat {

struct JsonDocument {
  simdjson::dom::parser parser;
  simdjson::dom::element root;
};

using JsonDocumentPtr = std::shared_ptr<const JsonDocument>;

// Throws ProtocolError when the text is not JSON.
JsonDocumentPtr ParseJson(std::string_view text);

}  // namespace zorvat
