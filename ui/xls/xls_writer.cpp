#include "ui/xls/xls_writer.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <unordered_map>

#include "ui/state/text.h"

namespace zorvat {

XlsCell XlsCell::Number(double value, XlsFormat format) {
  XlsCell cell;
  cell.kind = Kind::Number;
  cell.number = value;
  cell.format = format;
  return cell;
}

XlsCell XlsCell::Text(std::string value, XlsFormat format) {
  XlsCell cell;
  cell.kind = Kind::Text;
  cell.text = std::move(value);
  cell.format = format;
  return cell;
}

XlsCell XlsCell::Boolean(bool value) {
  XlsCell cell;
  cell.kind = Kind::Boolean;
  cell.boolean = value;
  return cell;
}

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutDouble(Bytes& out, double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  Put32(out, static_cast<std::uint32_t>(bits));
  Put32(out, static_cast<std::uint32_t>(bits >> 32));
}

void Patch32(Bytes& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::u16string Utf16(std::string_view utf8, std::size_t limit) {
  std::u16string out;
  for (char32_t c : Utf32(utf8)) {
    if (c == U'\r') continue;  // a cell breaks its lines with LF alone
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  if (out.size() > limit) {
    out.resize(limit);
    if (!out.empty() && out.back() >= 0xD800 && out.back() < 0xDC00) out.pop_back();
  }
  return out;
}

// ---------------------------------------------------------------- BIFF8 records

constexpr std::size_t kMaxRecordData = 8224;

namespace rec {
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kCodepage = 0x0042;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kStyle = 0x0293;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kExtSst = 0x00FF;
constexpr std::uint16_t kColInfo = 0x007D;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kWindow2 = 0x023E;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kBoolErr = 0x0205;
}  // namespace rec

void Record(Bytes& out, std::uint16_t id, const Bytes& data) {
  Put16(out, id);
  Put16(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
}

// The cell formats: fifteen style formats, the default cell format, then the program's own.
enum CellXf : std::uint16_t {
  kXfDefault = 15,
  kXfHeader,
  kXfMoney,
  kXfDate,
  kXfDateTime,
  kXfTime,
  kXfWrapped,
};

std::uint16_t XfOf(XlsFormat format) {
  switch (format) {
    case XlsFormat::Money: return kXfMoney;
    case XlsFormat::Date: return kXfDate;
    case XlsFormat::DateTime: return kXfDateTime;
    case XlsFormat::Time: return kXfTime;
    case XlsFormat::Wrapped: return kXfWrapped;
    case XlsFormat::General: break;
  }
  return kXfDefault;
}

Bytes Bof(std::uint16_t substreamType) {
  Bytes data;
  Put16(data, 0x0600);  // BIFF8
  Put16(data, substreamType);
  Put16(data, 0x0DBB);  // build and year of the writing application's format
  Put16(data, 0x07CC);
  Put32(data, 0);
  Put32(data, 0x06);  // lowest version that can read it
  return data;
}

Bytes Font(bool bold) {
  Bytes data;
  Put16(data, 200);  // 10 points in twips
  Put16(data, 0);
  Put16(data, 0x7FFF);  // automatic colour
  Put16(data, bold ? 700 : 400);
  Put16(data, 0);
  data.push_back(0);
  data.push_back(0);
  data.push_back(0);
  data.push_back(0);
  const std::u16string name = u"Arial";
  data.push_back(static_cast<std::uint8_t>(name.size()));
  data.push_back(1);  // UTF-16
  for (char16_t c : name) Put16(data, c);
  return data;
}

Bytes Xf(std::uint16_t font, std::uint16_t numberFormat, bool style, bool wrap) {
  Bytes data;
  Put16(data, font);
  Put16(data, numberFormat);
  Put16(data, style ? 0xFFF5 : 0x0001);  // locked; a style has no parent
  data.push_back(static_cast<std::uint8_t>(0x20 | (wrap ? 0x08 : 0)));  // bottom aligned
  data.push_back(0);
  data.push_back(0);
  data.push_back(style ? 0 : 0xFC);  // a cell format sets all its attributes itself
  Put32(data, 0);
  Put32(data, 0);
  Put16(data, 0x20C0);  // automatic pattern colours
  return data;
}

// Built-in number formats every reader knows.
constexpr std::uint16_t kFmtGeneral = 0;
constexpr std::uint16_t kFmtMoney = 4;       // #,##0.00
constexpr std::uint16_t kFmtDate = 14;       // short date
constexpr std::uint16_t kFmtTime = 21;       // h:mm:ss
constexpr std::uint16_t kFmtDateTime = 22;   // short date h:mm

void WriteFormats(Bytes& out) {
  for (int i = 0; i < 4; ++i) Record(out, rec::kFont, Font(i == 1));
  for (int i = 0; i < kXfDefault; ++i) Record(out, rec::kXf, Xf(0, kFmtGeneral, true, false));
  Record(out, rec::kXf, Xf(0, kFmtGeneral, false, false));
  Record(out, rec::kXf, Xf(1, kFmtGeneral, false, false));
  Record(out, rec::kXf, Xf(0, kFmtMoney, false, false));
  Record(out, rec::kXf, Xf(0, kFmtDate, false, false));
  Record(out, rec::kXf, Xf(0, kFmtDateTime, false, false));
  Record(out, rec::kXf, Xf(0, kFmtTime, false, false));
  Record(out, rec::kXf, Xf(0, kFmtGeneral, false, true));
  Bytes normalStyle;
  Put16(normalStyle, 0x8000);  // built-in style on format 0
  normalStyle.push_back(0);     // "Normal"
  normalStyle.push_back(0xFF);
  Record(out, rec::kStyle, normalStyle);
}

// The distinct texts of the sheet in order of first use.
class SharedStrings {
 public:
  std::uint32_t Add(std::u16string text) {
    ++total_;
    auto [it, added] = index_.try_emplace(text, static_cast<std::uint32_t>(strings_.size()));
    if (added) strings_.push_back(std::move(text));
    return it->second;
  }

  // SST with CONTINUE records where it outgrows one record, then EXTSST. Positions are
  // offsets in the stream, which starts with `out`.
  void Write(Bytes& out) const {
    const std::size_t perBucket = std::max<std::size_t>(8, (strings_.size() + 127) / 128);
    Bytes extSst;
    Put16(extSst, static_cast<std::uint32_t>(perBucket));

    std::uint16_t id = rec::kSst;
    Bytes data;
    Put32(data, total_);
    Put32(data, static_cast<std::uint32_t>(strings_.size()));
    const auto flush = [&] {
      Record(out, id, data);
      id = rec::kContinue;
      data.clear();
    };
    for (std::size_t i = 0; i < strings_.size(); ++i) {
      const std::u16string& text = strings_[i];
      if (kMaxRecordData - data.size() < 5) flush();  // the header and one character stay together
      if (i % perBucket == 0) {
        Put32(extSst, static_cast<std::uint32_t>(out.size() + 4 + data.size()));
        Put16(extSst, static_cast<std::uint32_t>(4 + data.size()));
        Put16(extSst, 0);
      }
      Put16(data, static_cast<std::uint32_t>(text.size()));
      data.push_back(1);  // UTF-16
      std::size_t next = 0;
      while (next < text.size()) {
        std::size_t room = (kMaxRecordData - data.size()) / 2;
        if (room == 0) {
          flush();
          data.push_back(1);  // a string continued in a new record repeats its flags
          room = (kMaxRecordData - 1) / 2;
        }
        const std::size_t count = std::min(room, text.size() - next);
        for (std::size_t c = 0; c < count; ++c) Put16(data, text[next + c]);
        next += count;
      }
    }
    flush();
    Record(out, rec::kExtSst, extSst);
  }

 private:
  std::uint32_t total_ = 0;
  std::vector<std::u16string> strings_;
  std::unordered_map<std::u16string, std::uint32_t> index_;
};

void CellHeader(Bytes& data, std::size_t row, std::size_t column, std::uint16_t xf) {
  Put16(data, static_cast<std::uint32_t>(row));
  Put16(data, static_cast<std::uint32_t>(column));
  Put16(data, xf);
}

void WriteCell(Bytes& out, SharedStrings& strings, std::size_t row, std::size_t column, const XlsCell& cell,
               std::uint16_t textXf) {
  Bytes data;
  switch (cell.kind) {
    case XlsCell::Kind::Empty:
      return;
    case XlsCell::Kind::Number:
      CellHeader(data, row, column, XfOf(cell.format));
      PutDouble(data, cell.number);
      Record(out, rec::kNumber, data);
      return;
    case XlsCell::Kind::Text:
      CellHeader(data, row, column, cell.format == XlsFormat::General ? textXf : XfOf(cell.format));
      Put32(data, strings.Add(Utf16(cell.text, kXlsMaxTextLength)));
      Record(out, rec::kLabelSst, data);
      return;
    case XlsCell::Kind::Boolean:
      CellHeader(data, row, column, kXfDefault);
      data.push_back(cell.boolean ? 1 : 0);
      data.push_back(0);
      Record(out, rec::kBoolErr, data);
      return;
  }
}

Bytes Worksheet(const std::vector<XlsColumn>& columns, std::size_t rowCount, const XlsRowSource& rowAt,
                SharedStrings& strings) {
  Bytes out;
  Record(out, rec::kBof, Bof(0x0010));
  for (std::size_t c = 0; c < columns.size(); ++c) {
    Bytes info;
    Put16(info, static_cast<std::uint32_t>(c));
    Put16(info, static_cast<std::uint32_t>(c));
    // Width in 1/256 of a character of the default font, about 7 pixels wide.
    Put16(info, static_cast<std::uint32_t>(std::clamp(columns[c].widthPixels * 256 / 7, 256, 255 * 256)));
    Put16(info, kXfDefault);
    Put16(info, 0);
    Put16(info, 0);
    Record(out, rec::kColInfo, info);
  }
  Bytes dimensions;
  Put32(dimensions, 0);
  Put32(dimensions, static_cast<std::uint32_t>(rowCount + 1));
  Put16(dimensions, 0);
  Put16(dimensions, static_cast<std::uint32_t>(columns.size()));
  Put16(dimensions, 0);
  Record(out, rec::kDimensions, dimensions);

  for (std::size_t c = 0; c < columns.size(); ++c) {
    WriteCell(out, strings, 0, c, XlsCell::Text(columns[c].caption), kXfHeader);
  }
  std::vector<XlsCell> cells;
  for (std::size_t row = 0; row < rowCount; ++row) {
    cells.assign(columns.size(), XlsCell{});
    rowAt(row, cells);
    for (std::size_t c = 0; c < columns.size(); ++c) WriteCell(out, strings, row + 1, c, cells[c], kXfDefault);
  }

  Bytes window2;
  Put16(window2, 0x06B6);  // grid, headers, zeros, outline symbols, selected tab
  for (int i = 0; i < 3; ++i) Put16(window2, 0);
  Put16(window2, 64);  // automatic grid colour
  for (int i = 0; i < 3; ++i) Put16(window2, 0);
  Put32(window2, 0);
  Record(out, rec::kWindow2, window2);
  Record(out, rec::kEof, {});
  return out;
}

Bytes Globals(std::string_view sheetName, const SharedStrings& strings, std::size_t& sheetOffsetAt) {
  Bytes out;
  Record(out, rec::kBof, Bof(0x0005));
  Bytes codepage;
  Put16(codepage, 1200);  // UTF-16
  Record(out, rec::kCodepage, codepage);
  Bytes window1;
  for (std::uint32_t value : {0x0000u, 0x0000u, 0x4000u, 0x2000u, 0x0038u, 0u, 0u, 1u, 0x0258u}) Put16(window1, value);
  Record(out, rec::kWindow1, window1);
  WriteFormats(out);

  const std::u16string name = Utf16(sheetName, 31);
  Bytes sheet;
  Put32(sheet, 0);  // the sheet's offset, known once the globals end
  sheet.push_back(0);
  sheet.push_back(0);
  sheet.push_back(static_cast<std::uint8_t>(name.size()));
  sheet.push_back(1);
  for (char16_t c : name) Put16(sheet, c);
  sheetOffsetAt = out.size() + 4;
  Record(out, rec::kBoundSheet, sheet);

  strings.Write(out);
  Record(out, rec::kEof, {});
  return out;
}

// ---------------------------------------------------------------- compound file

constexpr std::size_t kSector = 512;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::size_t kHeaderDifat = 109;
constexpr std::size_t kEntriesPerSector = kSector / 4;
// Streams shorter than this would belong in the mini stream; padding avoids needing one.
constexpr std::size_t kMiniStreamCutoff = 4096;

std::size_t SectorsFor(std::size_t bytes) { return (bytes + kSector - 1) / kSector; }

void DirectoryEntry(Bytes& out, std::u16string_view name, std::uint8_t type, std::uint32_t child, std::uint32_t start,
                    std::uint32_t size) {
  const std::size_t begin = out.size();
  for (char16_t c : name) Put16(out, c);
  out.resize(begin + 64, 0);
  Put16(out, name.empty() ? 0 : static_cast<std::uint32_t>((name.size() + 1) * 2));
  out.push_back(type);
  out.push_back(1);  // black in the red-black tree
  Put32(out, kFree);  // left sibling
  Put32(out, kFree);  // right sibling
  Put32(out, child);
  out.resize(out.size() + 16 + 4 + 8 + 8, 0);  // class, state bits, times
  Put32(out, start);
  Put32(out, size);
  Put32(out, 0);
}

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

std::vector<std::uint8_t> CompoundFile(std::string_view streamName, std::vector<std::uint8_t> stream) {
  if (stream.size() < kMiniStreamCutoff) stream.resize(kMiniStreamCutoff, 0);
  if (stream.size() > 0x7FFFFFFF) throw std::length_error("Dosya bu biçim için çok büyük");
  const std::size_t dataSectors = SectorsFor(stream.size());
  const std::size_t directorySectors = 1;
  std::size_t fatSectors = 1;
  std::size_t difatSectors = 0;
  for (;;) {
    difatSectors = fatSectors > kHeaderDifat ? (fatSectors - kHeaderDifat + kEntriesPerSector - 2) / (kEntriesPerSector - 1) : 0;
    const std::size_t needed = (fatSectors + difatSectors + directorySectors + dataSectors + kEntriesPerSector - 1) / kEntriesPerSector;
    if (needed <= fatSectors) break;
    fatSectors = needed;
  }
  // Sector order: FAT, DIFAT, directory, then the stream.
  const std::size_t firstDifat = fatSectors;
  const std::size_t directory = firstDifat + difatSectors;
  const std::size_t firstData = directory + directorySectors;

  std::vector<std::uint32_t> fat(fatSectors * kEntriesPerSector, kFree);
  for (std::size_t i = 0; i < fatSectors; ++i) fat[i] = kFatSector;
  for (std::size_t i = 0; i < difatSectors; ++i) fat[firstDifat + i] = kDifatSector;
  fat[directory] = kEndOfChain;
  for (std::size_t i = 0; i < dataSectors; ++i) {
    fat[firstData + i] = i + 1 < dataSectors ? static_cast<std::uint32_t>(firstData + i + 1) : kEndOfChain;
  }

  Bytes out;
  out.reserve((1 + firstData + dataSectors) * kSector);
  for (std::uint8_t b : {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1}) out.push_back(b);
  out.resize(out.size() + 16, 0);
  Put16(out, 0x003E);
  Put16(out, 0x0003);  // version 3: 512-byte sectors
  Put16(out, 0xFFFE);  // little-endian
  Put16(out, 9);       // sector size 2^9
  Put16(out, 6);       // mini sector size 2^6
  out.resize(out.size() + 6, 0);
  Put32(out, 0);  // directory sectors (always 0 in version 3)
  Put32(out, static_cast<std::uint32_t>(fatSectors));
  Put32(out, static_cast<std::uint32_t>(directory));
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(kMiniStreamCutoff));
  Put32(out, kEndOfChain);  // no mini FAT
  Put32(out, 0);
  Put32(out, difatSectors > 0 ? static_cast<std::uint32_t>(firstDifat) : kEndOfChain);
  Put32(out, static_cast<std::uint32_t>(difatSectors));
  for (std::size_t i = 0; i < kHeaderDifat; ++i) Put32(out, i < fatSectors ? static_cast<std::uint32_t>(i) : kFree);

  for (std::uint32_t entry : fat) Put32(out, entry);
  for (std::size_t d = 0; d < difatSectors; ++d) {
    for (std::size_t i = 0; i < kEntriesPerSector - 1; ++i) {
      const std::size_t fatIndex = kHeaderDifat + d * (kEntriesPerSector - 1) + i;
      Put32(out, fatIndex < fatSectors ? static_cast<std::uint32_t>(fatIndex) : kFree);
    }
    Put32(out, d + 1 < difatSectors ? static_cast<std::uint32_t>(firstDifat + d + 1) : kEndOfChain);
  }

  std::u16string name;
  for (char32_t c : Utf32(streamName)) name.push_back(static_cast<char16_t>(c));
  DirectoryEntry(out, u"Root Entry", 5, 1, kEndOfChain, 0);
  DirectoryEntry(out, name, 2, kFree, static_cast<std::uint32_t>(firstData), static_cast<std::uint32_t>(stream.size()));
  DirectoryEntry(out, u"", 0, kFree, 0, 0);
  DirectoryEntry(out, u"", 0, kFree, 0, 0);

  out.insert(out.end(), stream.begin(), stream.end());
  out.resize((1 + firstData + dataSectors) * kSector, 0);
  return out;
}

std::vector<std::uint8_t> XlsWorkbook(std::string_view sheetName, const std::vector<XlsColumn>& columns,
                                      std::size_t rowCount, const XlsRowSource& rowAt) {
  if (rowCount + 1 > kXlsMaxRows) {
    throw std::length_error("Excel 97-2003 dosyası en çok 65.535 satır alır; bu listede " + std::to_string(rowCount) +
                            " satır var");
  }
  if (columns.size() > kXlsMaxColumns) throw std::length_error("Excel 97-2003 dosyası en çok 256 sütun alır");
  SharedStrings strings;
  const Bytes sheet = Worksheet(columns, rowCount, rowAt, strings);
  std::size_t sheetOffsetAt = 0;
  Bytes workbook = Globals(sheetName, strings, sheetOffsetAt);
  Patch32(workbook, sheetOffsetAt, static_cast<std::uint32_t>(workbook.size()));
  workbook.insert(workbook.end(), sheet.begin(), sheet.end());
  return CompoundFile("Workbook", std::move(workbook));
}

void WriteXlsFile(const std::filesystem::path& path, std::string_view sheetName, const std::vector<XlsColumn>& columns,
                  std::size_t rowCount, const XlsRowSource& rowAt) {
  const Bytes bytes = XlsWorkbook(sheetName, columns, rowCount, rowAt);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (file) file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (file) file.close();
  if (!file) throw std::runtime_error("Dosya yazılamadı: " + PathText(path));
}

}  // namespace zorvat
