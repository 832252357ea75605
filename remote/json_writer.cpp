#include "remote/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace zorvat {

namespace {

constexpr std::array<bool, 256> EscapedBytes() {
  std::array<bool, 256> escaped{};
  for (int c = 0; c < 0x20; ++c) escaped[c] = true;
  escaped['"'] = true;
  escaped['\\'] = true;
  return escaped;
}

constexpr std::array<bool, 256> kEscaped = EscapedBytes();

bool NeedsEscape(char c) { return kEscaped[static_cast<unsigned char>(c)]; }

void AppendEscape(std::string& out, char c) {
  switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
  }
  static constexpr char hex[] = "0123456789abcdef";
  const auto byte = static_cast<unsigned char>(c);
  const char unicode[] = {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 0x0F]};
  out.append(unicode, sizeof unicode);
}

template <typename Number>
void AppendNumber(std::string& out, Number value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  out.append(text, end);
}

}  // namespace

void JsonWriter::BeginValue() {
  if (needsComma_) text_.push_back(',');
  needsComma_ = true;
}

JsonWriter& JsonWriter::BeginObject() {
  BeginValue();
  text_.push_back('{');
  needsComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  text_.push_back('}');
  needsComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeginValue();
  text_.push_back('[');
  needsComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  text_.push_back(']');
  needsComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  BeginValue();
  AppendQuoted(name);
  text_.push_back(':');
  needsComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  BeginValue();
  AppendQuoted(text);
  return *this;
}

JsonWriter& JsonWriter::Int(std::int64_t value) {
  BeginValue();
  AppendNumber(text_, value);
  return *this;
}

JsonWriter& JsonWriter::Double(double value) {
  if (!std::isfinite(value)) {
    throw std::domain_error("JSON metnine sayı olmayan bir değer (NaN ya da sonsuz) yazılamaz.");
  }
  BeginValue();
  AppendNumber(text_, value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeginValue();
  text_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeginValue();
  text_ += "null";
  return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view json) {
  BeginValue();
  text_ += json;
  return *this;
}

std::string JsonWriter::Take() {
  std::string text = std::move(text_);
  text_.clear();
  needsComma_ = false;
  return text;
}

// Appends runs of plain bytes whole; only the bytes that must be escaped are handled one by one.
void JsonWriter::AppendQuoted(std::string_view text) {
  text_.push_back('"');
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!NeedsEscape(text[i])) continue;
    text_.append(text, runStart, i - runStart);
    AppendEscape(text_, text[i]);
    runStart = i + 1;
  }
  text_.append(text, runStart);
  text_.push_back('"');
}

}  // namespace zorvat
