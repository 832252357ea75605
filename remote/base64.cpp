#include "remote/base64.h"

#include <array>

namespace zorvat {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint8_t kNotInAlphabet = 0xFF;

constexpr std::array<std::uint8_t, 256> DecodeTable() {
  std::array<std::uint8_t, 256> table{};
  table.fill(kNotInAlphabet);
  for (std::uint8_t i = 0; i < 64; ++i) table[static_cast<unsigned char>(kAlphabet[i])] = i;
  return table;
}

constexpr std::array<std::uint8_t, 256> kDecode = DecodeTable();

// The 6-bit values of one group of four characters; false when one is outside the alphabet.
bool GroupValues(std::string_view group, std::uint32_t& bits) {
  bits = 0;
  for (const char c : group) {
    const std::uint8_t value = kDecode[static_cast<unsigned char>(c)];
    if (value == kNotInAlphabet) return false;
    bits = bits << 6 | value;
  }
  return true;
}

// The last group: "xxxx", "xxx=" or "xx==", with the leftover bits of the padding zero.
bool DecodeLastGroup(std::string_view group, std::vector<std::uint8_t>& bytes) {
  const std::size_t padding = group[3] != '=' ? 0 : group[2] != '=' ? 1 : 2;
  std::uint32_t bits = 0;
  if (!GroupValues(group.substr(0, 4 - padding), bits)) return false;
  bits <<= 6 * padding;
  if ((bits & ((1U << (8 * padding)) - 1)) != 0) return false;
  for (std::size_t i = 0; i < 3 - padding; ++i) bytes.push_back(static_cast<std::uint8_t>(bits >> (16 - 8 * i)));
  return true;
}

}  // namespace

std::string Base64Encode(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const std::uint32_t bits = bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2];
    text.push_back(kAlphabet[bits >> 18]);
    text.push_back(kAlphabet[bits >> 12 & 0x3F]);
    text.push_back(kAlphabet[bits >> 6 & 0x3F]);
    text.push_back(kAlphabet[bits & 0x3F]);
  }
  const std::size_t rest = bytes.size() - i;
  if (rest == 0) return text;
  const std::uint32_t bits = bytes[i] << 16 | (rest == 2 ? bytes[i + 1] << 8 : 0);
  text.push_back(kAlphabet[bits >> 18]);
  text.push_back(kAlphabet[bits >> 12 & 0x3F]);
  text.push_back(rest == 2 ? kAlphabet[bits >> 6 & 0x3F] : '=');
  text.push_back('=');
  return text;
}

std::optional<std::vector<std::uint8_t>> Base64Decode(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  if (text.empty()) return bytes;
  bytes.reserve(text.size() / 4 * 3);
  const std::size_t lastGroup = text.size() - 4;
  for (std::size_t i = 0; i < lastGroup; i += 4) {
    std::uint32_t bits = 0;
    if (!GroupValues(text.substr(i, 4), bits)) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(bits >> 16));
    bytes.push_back(static_cast<std::uint8_t>(bits >> 8));
    bytes.push_back(static_cast<std::uint8_t>(bits));
  }
  if (!DecodeLastGroup(text.substr(lastGroup), bytes)) return std::nullopt;
  return bytes;
}

}  // namespace zorvat
