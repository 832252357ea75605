// Reading the hand-written fixtures of tests/data.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace zorvat::test {

// The fixture's text without its final line break.
inline std::string Fixture(const std::string& name) {
  std::ifstream file(std::string(ZORVAT_TEST_DATA) + "/" + name, std::ios::binary);
  if (!file) throw std::runtime_error("fixture missing: " + name);
  std::ostringstream text;
  text << file.rdbuf();
  std::string content = text.str();
  while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) content.pop_back();
  return content;
}

}  // namespace zorvat::test
