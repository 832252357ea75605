// A folder of its own for one test, removed afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvat::test {

class GeciciKlasor {
 public:
  GeciciKlasor() {
    std::string sablon = (std::filesystem::temp_directory_path() / "zorvat-XXXXXX").string();
    if (!mkdtemp(sablon.data())) throw std::runtime_error("geçici klasör açılamadı");
    yol_ = sablon;
  }
  ~GeciciKlasor() {
    std::error_code hata;
    std::filesystem::remove_all(yol_, hata);
  }
  GeciciKlasor(const GeciciKlasor&) = delete;
  GeciciKlasor& operator=(const GeciciKlasor&) = delete;

  const std::filesystem::path& yol() const { return yol_; }

  // Writes `icerik` byte for byte to `goreli` under the folder, creating the folders on the way.
  std::filesystem::path Yaz(const std::filesystem::path& goreli, std::string_view icerik) const {
    const auto dosya = yol_ / goreli;
    std::filesystem::create_directories(dosya.parent_path());
    std::ofstream(dosya, std::ios::binary) << icerik;
    return dosya;
  }

  std::filesystem::path Klasor(const std::filesystem::path& goreli) const {
    std::filesystem::create_directories(yol_ / goreli);
    return yol_ / goreli;
  }

  static std::string Oku(const std::filesystem::path& dosya) {
    std::ifstream girdi(dosya, std::ios::binary);
    return {std::istreambuf_iterator<char>(girdi), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path yol_;
};

}  // namespace zorvat::test
