// Loading a stock search result into the in-memory table, against simdjson's plain parse
// of the same bytes: the load should cost little more than the parse itself.
#include <benchmark/benchmark.h>
#include <simdjson.h>

#include <string>

#include "bench/stock_list.h"
#include "remote/table_codec.h"

namespace zorvat {
namespace {

using bench::StockListJson;

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
