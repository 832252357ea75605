// A small stock list for the grid tests: typed columns, Turkish names, a money column with
// the money format, status codes, ticks and dates.
#pragma once

#include <string>
#include <vector>

#include "net/bicim.h"
#include "remote/memtable.h"
#include "ui/state/grid_view.h"

namespace zorvat::test {

struct StokSatiri {
  int stokno;
  std::string adi;
  std::string marka;
  double fiyat;
  int durum;
  int sec;
  double tarih;  // day serial
};

// 45352 is 1 March 2024.
inline const std::vector<StokSatiri> kStoklar = {
    {10, "FREN BALATASI ÖN", "BOSCH", 1234.5, 1, 1, 45352},
    {11, "İTİCİ KAPAK", "ÇELİK", 99.9, 0, 0, 45353},
    {12, "FİLTRE HAVA", "BOSCH", 250, 3, 1, 45354},
    {13, "ŞANZIMAN YAĞI", "MANN", 480.25, 2, 0, 45355},
    {14, "CAM SUYU", "CESUR", 35, 1, 0, 45356},
    {15, "ÇAMURLUK SAĞ", "ÇELİK", 1500, 5, 1, 45357},
};

inline void StoklariYukle(MemTable& tablo, const std::vector<StokSatiri>& satirlar = kStoklar) {
  tablo.DefineFields({{"STOKNO", FieldType::Integer},
                      {"ADI", FieldType::String, 100},
                      {"MARKA", FieldType::String, 50},
                      {"FIYAT", FieldType::Float},
                      {"DURUM", FieldType::SmallInt},
                      {"SEC", FieldType::Integer},
                      {"TARIH", FieldType::Date}});
  tablo.BeginRows(satirlar.size());
  for (const StokSatiri& s : satirlar) {
    tablo.Fields(0).AppendInt(s.stokno);
    tablo.Fields(1).AppendText(s.adi);
    tablo.Fields(2).AppendText(s.marka);
    tablo.Fields(3).AppendReal(s.fiyat);
    tablo.Fields(4).AppendInt(s.durum);
    tablo.Fields(5).AppendInt(s.sec);
    tablo.Fields(6).AppendReal(s.tarih);
  }
  tablo.EndRows();
  tablo.FieldByName("FIYAT").SetDisplayFormat(std::string(ParaBicimi));
  tablo.First();
}

inline void StokSutunlari(GridView& view) {
  GridColumn& sec = view.AddColumn("colSEC", "SEC", "Seç");
  sec.offered = false;
  sec.kind = CellKind::Check;
  GridColumn& stokno = view.AddColumn("colSTOKNO", "STOKNO");
  stokno.visible = false;
  stokno.offered = false;
  view.AddColumn("colADI", "ADI", "Açıklama").tag = 3;
  view.AddColumn("colMARKA", "MARKA", "Marka").tag = 2;
  view.AddColumn("colFIYAT", "FIYAT", "Fiyat").tag = 2;
  GridColumn& durum = view.AddColumn("colDURUM", "DURUM", "Durum");
  durum.kind = CellKind::Icon;
  durum.icons = DurumSimgeleri();
  view.AddColumn("colTARIH", "TARIH", "Tarih");
}

// The value of a column in the shown rows, top to bottom.
inline std::vector<std::string> Sutun(const GridView& view, const std::string& column) {
  std::vector<std::string> values;
  for (std::size_t row = 0; row < view.RowCount(); ++row) {
    const GridRow shown = view.Row(row);
    if (shown.kind == RowKind::Data) values.push_back(view.CellText(shown.index, *view.FindColumn(column)));
  }
  return values;
}

}  // namespace zorvat::test
