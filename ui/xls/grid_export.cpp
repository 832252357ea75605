#include "ui/xls/grid_export.h"

#include "net/dialogs.h"
#include "net/klasorler.h"
#include "net/services.h"
#include "ui/state/grid_view.h"
#include "ui/xls/xls_writer.h"

namespace zorvat {

namespace {

XlsFormat DateFormatOf(FieldType type) {
  switch (type) {
    case FieldType::Date: return XlsFormat::Date;
    case FieldType::Time: return XlsFormat::Time;
    default: return XlsFormat::DateTime;
  }
}

XlsCell TypedCell(const GridView& view, const GridColumn& column, std::size_t record) {
  const Field* field = view.DataSource() != nullptr && !column.fieldName.empty()
                           ? view.DataSource()->FindField(column.fieldName)
                           : nullptr;
  if (column.kind == CellKind::Custom || column.kind == CellKind::Memo) {
    return XlsCell::Text(view.CellText(record, column), XlsFormat::Wrapped);
  }
  if (field == nullptr || field->IsNullAt(record)) return {};
  switch (column.kind) {
    case CellKind::Icon: return XlsCell::Text(view.CellText(record, column));
    case CellKind::Check: return XlsCell::Boolean(view.CellChecked(record, column));
    default: break;
  }
  switch (field->DataType()) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt:
      return XlsCell::Number(static_cast<double>(field->LargeIntAt(record)));
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::BCD:
      return XlsCell::Number(field->FloatAt(record), field->DisplayFormat().empty() ? XlsFormat::General : XlsFormat::Money);
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime:
      return XlsCell::Number(field->FloatAt(record), DateFormatOf(field->DataType()));
    case FieldType::Boolean:
      return XlsCell::Boolean(field->LargeIntAt(record) != 0);
    default:
      return XlsCell::Text(field->DisplayTextAt(record));
  }
}

}  // namespace

std::string XlsDosyaAdi(std::string_view secilen) {
  const std::size_t folderEnd = secilen.find_last_of("\\/:");
  const std::size_t nameStart = folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
  const std::size_t dot = secilen.rfind('.');
  if (dot != std::string_view::npos && dot >= nameStart) secilen = secilen.substr(0, dot);
  return std::string(secilen) + ".xls";
}

void GridToXls(const GridView& view, const std::filesystem::path& path) {
  std::vector<const GridColumn*> columns;
  std::vector<XlsColumn> captions;
  for (std::size_t index : view.VisibleColumns()) {
    columns.push_back(&view.ColumnAt(index));
    captions.push_back({view.ColumnAt(index).HeaderText(), view.ColumnAt(index).width});
  }
  // Groups are written expanded: each group's row, then all of its records.
  std::vector<GridRow> rows;
  if (view.GroupCount() == 0) {
    for (std::uint32_t record : view.Records()) rows.push_back({RowKind::Data, record});
  } else {
    for (std::size_t g = 0; g < view.GroupCount(); ++g) {
      rows.push_back({RowKind::GroupHeader, g});
      const GridGroup& group = view.Group(g);
      for (std::size_t i = group.first; i < group.last; ++i) rows.push_back({RowKind::Data, view.Records()[i]});
    }
  }
  const std::string groupCaption = [&] {
    for (std::size_t i = 0; i < view.ColumnCount(); ++i) {
      if (view.ColumnAt(i).fieldName == view.GroupField()) return view.ColumnAt(i).HeaderText();
    }
    return view.GroupField();
  }();
  WriteXlsFile(path, "Sayfa1", captions, rows.size(), [&](std::size_t row, std::vector<XlsCell>& cells) {
    const GridRow& shown = rows[row];
    if (shown.kind == RowKind::GroupHeader) {
      if (!cells.empty()) cells[0] = XlsCell::Text(groupCaption + " : " + view.Group(shown.index).value);
      return;
    }
    for (std::size_t c = 0; c < columns.size(); ++c) cells[c] = TypedCell(view, *columns[c], shown.index);
  });
}

std::optional<std::string> GridExcelKaydet(const GridView& view) {
  KayitDosyasiIstegi istek;
  istek.filtreAciklamasi = "Excel";
  istek.filtreDeseni = "*.xls*";
  const std::optional<std::string> secilen = Diyaloglar().KayitDosyasiSor(istek);
  if (!secilen) return std::nullopt;
  const std::string dosya = XlsDosyaAdi(*secilen);
  GridToXls(view, Utf8Yol(dosya));
  return dosya;
}

}  // namespace zorvat
