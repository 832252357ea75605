// Saving a grid as a legacy Excel workbook, as the lists' "Excel Kaydet" buttons do.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zorvat {

class GridView;

// The name the workbook is written under: the extension of the chosen name is replaced by
// ".xls". Everything from the last full stop after the last folder separator or drive
// colon is cut off; a name without such a full stop simply gets ".xls".
std::string XlsDosyaAdi(std::string_view secilen);

// Writes what the grid shows: its visible columns in their current order under their
// captions, and every row that passes its filters (collapsed groups too, each group
// under a row of its own), as typed values: numbers as numbers, dates as dates, texts
// with their Turkish letters. Icon cells give their description, ticks a Boolean.
void GridToXls(const GridView& view, const std::filesystem::path& path);

// The save-file dialog ("Excel|*.xls*"), the name rule and the writing. Returns the file
// written, nothing when the user cancelled. A file that cannot be written throws.
std::optional<std::string> GridExcelKaydet(const GridView& view);

}  // namespace zorvat
