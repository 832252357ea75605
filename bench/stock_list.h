// A stock search result as the server sends it: the stock list's columns, in the order a
// search answers them, and as many rows as asked, for the benchmarks of loading and showing.
#pragma once

#include <string>

#include "remote/json_writer.h"

namespace zorvat::bench {

struct Column {
  const char* name;
  const char* type;
};

// The stock list's columns, in the order a search answers them.
constexpr Column kStockColumns[] = {
    {"DURUM", "int16"},         {"DEPO2", "string"},         {"OEM1", "string"},
    {"OEM2", "string"},         {"OEM3", "string"},          {"BARKOD", "string"},
    {"ADI", "string"},          {"OEM4", "string"},          {"STOK_STOKNO", "int32"},
    {"FINISHKOD", "string"},    {"URETICIKODU", "string"},   {"RESIM", "int16"},
    {"BARKOD_BARKODNO", "string"}, {"DIGERADI", "string"},   {"DPKOD", "string"},
    {"OEMNO", "string"},        {"BIRIM", "string"},         {"MARKA", "string"},
    {"MODEL", "string"},        {"ANAGRUP", "string"},       {"OZELKOD", "string"},
    {"KALAN", "float"},         {"PKOD", "string"},          {"KDV", "int32"},
    {"ALINANSIPARIS", "float"}, {"VERILENSIPARIS", "float"}, {"LISTEFIYAT1", "float"},
    {"KAMPFIYAT", "float"},     {"FIYAT", "float"},          {"Y", "int16"},
    {"K", "int16"},             {"INDIRIMYAZI", "string"},   {"NETFIYAT", "float"},
    {"KDVDAHIL", "float"},      {"IND1", "float"},           {"IND2", "float"},
    {"IND3", "float"},          {"IND4", "float"},
};

inline std::string StockListJson(int rows) {
  JsonWriter writer;
  writer.BeginObject();
  writer.Key("columns");
  writer.BeginArray();
  for (const Column& column : kStockColumns) {
    writer.BeginObject();
    writer.Key("name");
    writer.String(column.name);
    writer.Key("type");
    writer.String(column.type);
    writer.EndObject();
  }
  writer.EndArray();
  writer.Key("rows");
  writer.BeginArray();
  for (int row = 0; row < rows; ++row) {
    writer.BeginArray();
    for (const Column& column : kStockColumns) {
      const std::string type = column.type;
      if (type == "string") {
        writer.String(std::string(column.name) == "ADI" ? "ÖN FREN BALATASI SERAMİK " + std::to_string(row)
                                                         : "ZV-" + std::to_string(row * 7 % 100000));
      } else if (type == "float") {
        writer.Double(row % 1000 + 0.25 * (row % 4));
      } else {
        writer.Int(row % 6);
      }
    }
    writer.EndArray();
  }
  writer.EndArray();
  writer.EndObject();
  return writer.Take();
}

}  // namespace zorvat::bench
