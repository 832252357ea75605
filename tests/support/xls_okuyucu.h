// Reads a legacy Excel workbook back with an independent reader (libfreexl), so that the
// tests see the file as another program would.
#pragma once

#include <freexl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace zorvat::test {

// A cell as the reader gives it: empty, a number, or a text (dates come as text).
using Okunan = std::variant<std::monostate, double, std::string>;

struct OkunanDosya {
  unsigned int satirlar = 0;
  unsigned short sutunlar = 0;
  std::vector<std::vector<Okunan>> hucreler;
  std::vector<std::vector<int>> turler;
};

inline OkunanDosya Oku(const std::filesystem::path& yol, unsigned int enCok = 100000) {
  const void* dosya = nullptr;
  OkunanDosya okunan;
  if (freexl_open(yol.string().c_str(), &dosya) != FREEXL_OK) {
    ADD_FAILURE() << "libfreexl could not open " << yol;
    return okunan;
  }
  EXPECT_EQ(freexl_select_active_worksheet(dosya, 0), FREEXL_OK);
  EXPECT_EQ(freexl_worksheet_dimensions(dosya, &okunan.satirlar, &okunan.sutunlar), FREEXL_OK);
  for (unsigned int r = 0; r < std::min(okunan.satirlar, enCok); ++r) {
    okunan.hucreler.emplace_back();
    okunan.turler.emplace_back();
    for (unsigned short c = 0; c < okunan.sutunlar; ++c) {
      FreeXL_CellValue deger;
      EXPECT_EQ(freexl_get_cell_value(dosya, r, c, &deger), FREEXL_OK);
      okunan.turler.back().push_back(deger.type);
      switch (deger.type) {
        case FREEXL_CELL_INT: okunan.hucreler.back().emplace_back(static_cast<double>(deger.value.int_value)); break;
        case FREEXL_CELL_DOUBLE: okunan.hucreler.back().emplace_back(deger.value.double_value); break;
        case FREEXL_CELL_NULL: okunan.hucreler.back().emplace_back(); break;
        default: okunan.hucreler.back().emplace_back(std::string(deger.value.text_value)); break;
      }
    }
  }
  freexl_close(dosya);
  return okunan;
}

}  // namespace zorvat::test
