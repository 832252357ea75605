#include "ui/state/tab_caption.h"

#include <charconv>

#include "ui/state/text.h"

namespace zorvat {

namespace {

constexpr std::size_t kTitleLimit = 100;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int WholeNumberOrZero(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

}  // namespace

TSonuc BaslikAyir(std::string_view caption) {
  const std::size_t equals = caption.find('=');
  if (equals == std::string_view::npos) return {0, std::string(caption)};
  std::u32string title = Utf32(caption.substr(equals + 1));
  if (title.size() > kTitleLimit) title.resize(kTitleLimit);
  return {WholeNumberOrZero(caption.substr(0, equals)), Utf8(title)};
}

std::string SayacliBaslik(long long count, std::string_view title) {
  return std::to_string(count) + "=" + std::string(title);
}

}  // namespace zorvat
