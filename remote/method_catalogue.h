// The remote methods of TServerMethods1 that travel on the wire: each one's parameters in
// declaration order (the ordinals) with their kinds and directions, and its result kind.
// The client prepares its commands from this catalogue and the server checks requests
// against it, so both sides agree on every ordinal.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace zorvat {

enum class ValueKind {
  None,     // a method without a result
  Text,
  Integer,  // signed 32-bit
  Double,
  Boolean,
  Int64,    // output parameters only: the length of a stream result
  Record,   // a record object in its JSON form
  Table,    // a table reader
  Packet,   // a dataset data packet
  Stream,   // bytes, as base64 text
};

struct ParamDecl {
  std::string_view name;
  ValueKind kind;
  bool output = false;
};

struct MethodDecl {
  std::string_view name;
  std::vector<ParamDecl> params;
  ValueKind result = ValueKind::None;
  std::string_view recordType = {};  // "unit.class" of a record result

  std::size_t InputCount() const;
  std::size_t OutputCount() const;  // output parameters plus the result, as they are answered
};

std::span<const MethodDecl> RemoteMethods();
// nullptr for a name the server does not publish; letter case counts.
const MethodDecl* FindRemoteMethod(std::string_view name);

}  // namespace zorvat
