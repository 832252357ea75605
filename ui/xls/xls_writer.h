// The legacy Excel 97-2003 workbook (.xls): one worksheet in BIFF8 records, stored as the
// "Workbook" stream of a compound file. Texts go to the shared string table as UTF-16, so
// Turkish letters stay intact; numbers and dates stay numbers with their number formats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvat {

enum class XlsFormat : std::uint8_t {
  General,
  Money,     // "#,##0.00"
  Date,      // the reader's short date
  DateTime,  // short date and time
  Time,
  Wrapped,   // text on several lines
};

struct XlsCell {
  enum class Kind : std::uint8_t { Empty, Number, Text, Boolean };

  Kind kind = Kind::Empty;
  double number = 0;
  std::string text;  // UTF-8
  bool boolean = false;
  XlsFormat format = XlsFormat::General;

  static XlsCell Number(double value, XlsFormat format = XlsFormat::General);
  static XlsCell Text(std::string value, XlsFormat format = XlsFormat::General);
  static XlsCell Boolean(bool value);
};

struct XlsColumn {
  std::string caption;
  int widthPixels = 100;
};

// The limits of the format.
inline constexpr std::size_t kXlsMaxRows = 65536;
inline constexpr std::size_t kXlsMaxColumns = 256;
inline constexpr std::size_t kXlsMaxTextLength = 32767;  // UTF-16 units; longer texts are cut

// Fills the cells of one data row, one per column.
using XlsRowSource = std::function<void(std::size_t row, std::vector<XlsCell>& cells)>;

// The workbook's bytes: the header row of bold captions, then `rowCount` rows. More rows or
// columns than the format holds throw std::length_error with a message for the user.
std::vector<std::uint8_t> XlsWorkbook(std::string_view sheetName, const std::vector<XlsColumn>& columns,
                                      std::size_t rowCount, const XlsRowSource& rowAt);

// Writes the workbook to the file; a file that cannot be written throws std::runtime_error
// naming it.
void WriteXlsFile(const std::filesystem::path& path, std::string_view sheetName, const std::vector<XlsColumn>& columns,
                  std::size_t rowCount, const XlsRowSource& rowAt);

// A compound file holding one stream; exposed for tests of the container.
std::vector<std::uint8_t> CompoundFile(std::string_view streamName, std::vector<std::uint8_t> stream);

}  // namespace zorvat
