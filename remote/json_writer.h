// Compact JSON text (no blanks) for requests, answers and tables. Values are appended to
// one string; commas between members and elements are put in automatically. The caller
// keeps the nesting well formed: every Key is followed by one value, every Begin by its End.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvat {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view name);

  // UTF-8 text; '"', '\\' and control characters are escaped, everything else stays.
  JsonWriter& String(std::string_view text);
  JsonWriter& Int(std::int64_t value);
  // The shortest text that reads back to the same double; integral values have no
  // fraction ("100"), -0.0 is "-0". NaN and infinities throw std::domain_error: the wire
  // has no form for them.
  JsonWriter& Double(double value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  // Text that is already JSON, written as one value.
  JsonWriter& Raw(std::string_view json);

  void Reserve(std::size_t size) { text_.reserve(size); }
  const std::string& Text() const { return text_; }
  // Hands the text over and leaves the writer empty for the next document.
  std::string Take();

 private:
  void BeginValue();
  void AppendQuoted(std::string_view text);

  std::string text_;
  bool needsComma_ = false;
};

}  // namespace zorvat
