// Loading a stock search result into the in-memory table, against simdjson's plain parse
// of the same bytes: the load should cost little more than the parse itself.
#include <benchmark/benchmark.h>
#include <simdjson.h>

#include <string>

#include "remote/json_writer.h"
#include "remote/table_codec.h"

namespace zorvat {
namespace {

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

std::string StockListJson(int rows) {
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

void BM_LoadStockList(benchmark::State& state) {
  const std::string json = StockListJson(static_cast<int>(state.range(0)));
  MemTable table;
  for (auto _ : state) {
    LoadTableObject(TableObject::FromJson(json), table, ColumnRule::Replace);
    benchmark::DoNotOptimize(table.RecordCount());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * json.size()));
}
BENCHMARK(BM_LoadStockList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_SimdjsonParseOnly(benchmark::State& state) {
  const std::string json = StockListJson(static_cast<int>(state.range(0)));
  simdjson::dom::parser parser;
  for (auto _ : state) {
    simdjson::dom::element root;
    if (parser.parse(json).get(root)) state.SkipWithError("parse failed");
    benchmark::DoNotOptimize(root);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * json.size()));
}
BENCHMARK(BM_SimdjsonParseOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The two halves of a load: parsing into a document, and decoding the document's table
// into typed columns.
void BM_ParseIntoDocument(benchmark::State& state) {
  const std::string json = StockListJson(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TableObject object = TableObject::FromJson(json);
    benchmark::DoNotOptimize(object);
  }
}
BENCHMARK(BM_ParseIntoDocument)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_DecodeParsedTable(benchmark::State& state) {
  const TableObject object = TableObject::FromJson(StockListJson(static_cast<int>(state.range(0))));
  MemTable table;
  for (auto _ : state) {
    LoadTableObject(object, table, ColumnRule::Replace);
    benchmark::DoNotOptimize(table.RecordCount());
  }
}
BENCHMARK(BM_DecodeParsedTable)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvat
