// The JSON object form of record classes:
//   {"type":"<unit>.<class>","id":<n>,"fields":{"F...":...}}
// ids count from 1 for the outermost object in the order objects are written; fields go in
// declaration order; an array field holds objects of the same form.
#pragma once

#include <simdjson.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "remote/errors.h"
#include "remote/json_writer.h"

namespace zorvat {

template <class T>
void WriteRecord(JsonWriter& writer, const T& record, int& nextId);
template <class T>
T RecordFromElement(simdjson::dom::element element);

namespace detail {

struct FieldWriter {
  JsonWriter& writer;
  int& nextId;

  void operator()(std::string_view name, const std::string& value) {
    writer.Key(name);
    writer.String(value);
  }
  void operator()(std::string_view name, std::int32_t value) {
    writer.Key(name);
    writer.Int(value);
  }
  void operator()(std::string_view name, double value) {
    writer.Key(name);
    writer.Double(value);
  }
  void operator()(std::string_view name, bool value) {
    writer.Key(name);
    writer.Bool(value);
  }
  template <class Element>
  void operator()(std::string_view name, const std::vector<Element>& elements) {
    writer.Key(name);
    writer.BeginArray();
    for (const Element& element : elements) WriteRecord(writer, element, nextId);
    writer.EndArray();
  }
};

[[noreturn]] void ThrowFieldKind(std::string_view name, std::string_view expected);
simdjson::dom::object RecordFields(simdjson::dom::element element, std::string_view expectedType);

// Stores each member of "fields" into the field of the same name; members the class does
// not have are ignored, fields without a member keep the constructor's value.
struct FieldReader {
  simdjson::dom::object fields;

  template <class Value>
  void operator()(std::string_view name, Value& value) {
    simdjson::dom::element member;
    if (fields.at_key(name).get(member) != simdjson::SUCCESS || member.is_null()) return;
    Read(name, member, value);
  }

  static void Read(std::string_view name, simdjson::dom::element member, std::string& value) {
    std::string_view text;
    if (member.get_string().get(text)) ThrowFieldKind(name, "metin");
    value.assign(text);
  }
  static void Read(std::string_view name, simdjson::dom::element member, std::int32_t& value) {
    std::int64_t number = 0;
    if (member.get_int64().get(number) || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
      ThrowFieldKind(name, "32 bitlik tamsayı");
    }
    value = static_cast<std::int32_t>(number);
  }
  static void Read(std::string_view name, simdjson::dom::element member, double& value) {
    if (member.get_double().get(value)) ThrowFieldKind(name, "sayı");
  }
  static void Read(std::string_view name, simdjson::dom::element member, bool& value) {
    if (member.get_bool().get(value)) ThrowFieldKind(name, "true ya da false");
  }
  template <class Element>
  static void Read(std::string_view name, simdjson::dom::element member,
                   std::vector<Element>& elements) {
    simdjson::dom::array array;
    if (member.get_array().get(array)) ThrowFieldKind(name, "dizi");
    elements.clear();
    for (simdjson::dom::element item : array) elements.push_back(RecordFromElement<Element>(item));
  }
};

}  // namespace detail

// Builds a record from an element of a parsed answer; throws as RecordFromJson does.
template <class T>
T RecordFromElement(simdjson::dom::element element) {
  T record;
  record.AlanlariGez(detail::FieldReader{detail::RecordFields(element, T::kTur)});
  return record;
}

template <class T>
void WriteRecord(JsonWriter& writer, const T& record, int& nextId) {
  writer.BeginObject();
  writer.Key("type");
  writer.String(T::kTur);
  writer.Key("id");
  writer.Int(nextId++);
  writer.Key("fields");
  writer.BeginObject();
  record.AlanlariGez(detail::FieldWriter{writer, nextId});
  writer.EndObject();
  writer.EndObject();
}

template <class T>
std::string RecordToJson(const T& record) {
  JsonWriter writer;
  int nextId = 1;
  WriteRecord(writer, record, nextId);
  return writer.Take();
}

// Builds a record from one JSON object of the form above. Throws ProtocolError for a value
// that is not an object ("The input value is not a valid Object"), a "type" other than T's
// and a field of the wrong kind.
template <class T>
T RecordFromJson(std::string_view json) {
  simdjson::dom::parser parser;
  simdjson::dom::element element;
  if (parser.parse(json.data(), json.size()).get(element)) {
    throw ProtocolError("Kayıt nesnesi geçerli JSON değil");
  }
  return RecordFromElement<T>(element);
}

}  // namespace zorvat
