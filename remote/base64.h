// Standard base64 (RFC 4648 alphabet, with padding): how streams and binary fields travel.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorvat {

std::string Base64Encode(std::span<const std::uint8_t> bytes);

// Strict: the length must be a multiple of four, only the alphabet may appear, '=' only
// as one or two final characters, and the bits that padding leaves over must be zero, so
// every byte sequence has exactly one accepted text. Line breaks and blanks are refused.
// "" gives zero bytes; any refused text gives no result.
std::optional<std::vector<std::uint8_t>> Base64Decode(std::string_view text);

}  // namespace zorvat
