#include "remote/table_codec.h"

#include <gtest/gtest.h>

#include "net/bicim.h"
#include "remote/errors.h"
#include "support/fixtures.h"

namespace zorvat {
namespace {

std::string Encode(const MemTable& table) {
  JsonWriter writer;
  WriteTableObject(writer, table);
  return writer.Take();
}

void Load(std::string_view json, MemTable& table, ColumnRule rule = ColumnRule::Replace) {
  LoadTableObject(TableObject::FromJson(json), table, rule);
}

TEST(TableObjectTest, EveryColumnTypeDecodesToTypedFields) {
  MemTable table;
  Load(test::Fixture("tablo_her_tur.json"), table);

  ASSERT_EQ(table.FieldCount(), 13u);
  ASSERT_EQ(table.RecordCount(), 3u);
  const std::vector<std::pair<std::string, FieldType>> expected = {
      {"KUCUK", FieldType::SmallInt},    {"STOK_STOKNO", FieldType::Integer},
      {"BUYUK", FieldType::LargeInt},    {"FIYAT", FieldType::Float},
      {"TUTAR", FieldType::Currency},    {"ORAN", FieldType::BCD},
      {"AKTIF", FieldType::Boolean},     {"ADI", FieldType::String},
      {"TARIH", FieldType::Date},        {"SAAT", FieldType::Time},
      {"ZAMAN", FieldType::DateTime},    {"RESIM", FieldType::Blob},
      {"Döviz Tutar", FieldType::Float},
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(table.Fields(i).FieldName(), expected[i].first);
    EXPECT_EQ(table.Fields(i).DataType(), expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(table.FieldByName("ADI").Size(), 100);

  table.First();
  EXPECT_EQ(table.FieldByName("KUCUK").AsInteger(), 1);
  EXPECT_EQ(table.FieldByName("STOK_STOKNO").AsInteger(), 101);
  EXPECT_EQ(table.FieldByName("BUYUK").AsLargeInt(), 9007199254740993LL);
  EXPECT_DOUBLE_EQ(table.FieldByName("FIYAT").AsFloat(), 412.5);
  EXPECT_DOUBLE_EQ(table.FieldByName("TUTAR").AsFloat(), 1234567.5);
  EXPECT_TRUE(table.FieldByName("AKTIF").AsBoolean());
  EXPECT_EQ(table.FieldByName("ADI").AsString(), "ÖN FREN BALATASI \"ŞİŞLİ\" ığüçö/\\\n");
  EXPECT_EQ(table.FieldByName("TARIH").AsString(), "09.12.2025");
  EXPECT_EQ(table.FieldByName("SAAT").AsString(), "12:00:00");
  EXPECT_EQ(table.FieldByName("ZAMAN").AsString(), "09.12.2025 18:00:00");
  EXPECT_EQ(table.FieldByName("RESIM").AsString(), std::string("\x00\x01\x02\xff", 4));
  EXPECT_DOUBLE_EQ(table.FieldByName("Döviz Tutar").AsFloat(), 12.34);

  table.Next();
  for (std::size_t i = 0; i < table.FieldCount(); ++i) {
    EXPECT_TRUE(table.Fields(i).IsNull()) << table.Fields(i).FieldName();
  }

  table.Next();
  EXPECT_EQ(table.FieldByName("STOK_STOKNO").AsInteger(), -2147483647 - 1);
  EXPECT_EQ(table.FieldByName("BUYUK").AsLargeInt(), INT64_MIN);
  EXPECT_FALSE(table.FieldByName("AKTIF").AsBoolean());
  EXPECT_FALSE(table.FieldByName("ADI").IsNull());
  EXPECT_EQ(table.FieldByName("ADI").AsString(), "");
  EXPECT_FALSE(table.FieldByName("RESIM").IsNull());
}

TEST(TableObjectTest, EncodesBackToTheSameJson) {
  const std::string json = test::Fixture("tablo_her_tur.json");
  MemTable table;
  Load(json, table);
  EXPECT_EQ(Encode(table), json);
}

TEST(TableObjectTest, RowsKeepTheirOrderAndTheLastRowIsCurrent) {
  MemTable table;
  Load(R"({"columns":[{"name":"N","type":"int32"}],"rows":[[3],[1],[2]]})", table);
  EXPECT_EQ(table.RecNo(), 3u);
  EXPECT_EQ(table.FieldByName("N").AsInteger(), 2);
  EXPECT_FALSE(table.Eof());
  std::vector<int> order;
  for (table.First(); !table.Eof(); table.Next()) order.push_back(table.FieldByName("N").AsInteger());
  EXPECT_EQ(order, (std::vector<int>{3, 1, 2}));
}

TEST(TableObjectTest, MembersInAnyOrderAndAnEmptyTable) {
  MemTable table;
  Load(R"({"rows":[],"columns":[{"name":"A","type":"string"}]})", table);
  EXPECT_TRUE(table.Active());
  EXPECT_EQ(table.RecordCount(), 0u);
  EXPECT_EQ(table.RecNo(), 0u);
  EXPECT_TRUE(table.Eof());
}

TEST(TableObjectTest, TableResultKeepsPrescribedColumnsAndTheirFormats) {
  MemTable table;
  Load(R"({"columns":[{"name":"A","type":"float"},{"name":"B","type":"string"}],"rows":[[1.5,"x"]]})",
       table);
  table.FieldByName("A").SetDisplayFormat("#,###,##0.00");
  Field* before = &table.FieldByName("A");

  Load(R"({"columns":[{"name":"A","type":"float"},{"name":"B","type":"string"},{"name":"C","type":"int32"}],
           "rows":[[2.25,"y",7],[3,"z",8]]})",
       table, ColumnRule::KeepPrescribed);

  EXPECT_EQ(&table.FieldByName("A"), before);
  EXPECT_EQ(table.FieldByName("A").DisplayFormat(), "#,###,##0.00");
  ASSERT_EQ(table.FieldCount(), 3u);
  EXPECT_EQ(table.RecordCount(), 2u);
  table.First();
  EXPECT_DOUBLE_EQ(table.FieldByName("A").AsFloat(), 2.25);
  EXPECT_EQ(table.FieldByName("C").AsInteger(), 7);
}

TEST(TableObjectTest, TableResultRenamingAPrescribedColumnFails) {
  MemTable table;
  Load(R"({"columns":[{"name":"A","type":"int32"},{"name":"B","type":"int32"}],"rows":[]})", table);
  try {
    Load(R"({"columns":[{"name":"A","type":"int32"},{"name":"X","type":"int32"}],"rows":[[1,2]]})",
         table, ColumnRule::KeepPrescribed);
    FAIL() << "renaming must fail";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Additional columns must be added after the prescribed columns.");
  }
}

TEST(TableObjectTest, TableResultWithFewerColumnsLeavesTheRestEmpty) {
  MemTable table;
  Load(R"({"columns":[{"name":"A","type":"int32"},{"name":"B","type":"string"}],"rows":[]})", table);
  Load(R"({"columns":[{"name":"A","type":"int32"}],"rows":[[5]]})", table, ColumnRule::KeepPrescribed);
  ASSERT_EQ(table.RecordCount(), 1u);
  EXPECT_EQ(table.FieldByName("A").AsInteger(), 5);
  EXPECT_TRUE(table.FieldByName("B").IsNull());
}

TEST(TableObjectTest, PacketReplacesTheColumns) {
  MemTable table;
  Load(R"({"columns":[{"name":"A","type":"int32"}],"rows":[[1]]})", table);
  Load(R"({"columns":[{"name":"Z","type":"string"}],"rows":[["q"]]})", table, ColumnRule::Replace);
  ASSERT_EQ(table.FieldCount(), 1u);
  EXPECT_EQ(table.Fields(0).FieldName(), "Z");
  EXPECT_EQ(table.FieldByName("Z").AsString(), "q");
}

TEST(TableObjectTest, MalformedObjectsFailAndLeaveNoHalfRow) {
  const std::vector<std::string> cases = {
      R"([1,2])",
      R"({"rows":[]})",
      R"({"columns":[]})",
      R"({"columns":[{"name":"A","type":"decimal"}],"rows":[]})",
      R"({"columns":[{"type":"int32"}],"rows":[]})",
      R"({"columns":[{"name":"A","type":"int32"}],"rows":[[1,2]]})",
      R"({"columns":[{"name":"A","type":"int32"},{"name":"B","type":"int32"}],"rows":[[1]]})",
      R"({"columns":[{"name":"A","type":"int32"}],"rows":[["bir"]]})",
      R"({"columns":[{"name":"A","type":"int32"}],"rows":[[1.5]]})",
      R"({"columns":[{"name":"A","type":"boolean"}],"rows":[[1]]})",
      R"({"columns":[{"name":"A","type":"blob"}],"rows":[["not base64!"]]})",
      R"({"columns":[{"name":"A","type":"int32"},{"name":"B","type":"int32"}],"rows":[[1,2],[3,"x"]]})",
  };
  for (const std::string& json : cases) {
    MemTable table;
    EXPECT_THROW(Load(json, table), ProtocolError) << json;
    EXPECT_FALSE(table.Active()) << json;
  }
}

TEST(TableObjectTest, InvalidJsonIsAProtocolError) {
  EXPECT_THROW(TableObject::FromJson("{\"columns\":"), ProtocolError);
}

TEST(TableReaderTest, ReadsRowByRowAndLoadsIntoATable) {
  TableReader reader(TableObject::FromJson(
      R"({"columns":[{"name":"SIRANO","type":"int32"},{"name":"ADI","type":"string"}],"rows":[[1,"Kargo"],[2,"Elden"]]})"));
  ASSERT_EQ(reader.ColumnCount(), 2u);
  EXPECT_EQ(reader.Column(1).name, "ADI");
  std::vector<std::pair<int, std::string>> rows;
  while (reader.Next()) rows.emplace_back(reader.Value(0).AsInteger(), reader.Value(1).AsString());
  EXPECT_EQ(rows, (std::vector<std::pair<int, std::string>>{{1, "Kargo"}, {2, "Elden"}}));
  EXPECT_FALSE(reader.Next());

  MemTable table;
  LoadTable(reader, table);
  EXPECT_EQ(table.RecordCount(), 2u);
  EXPECT_EQ(table.FieldByName("ADI").AsString(), "Elden");
}

TEST(TableReaderTest, EmptyResultHasNoRows) {
  TableReader reader(TableObject::FromJson(R"({"columns":[{"name":"A","type":"int32"}],"rows":[]})"));
  EXPECT_FALSE(reader.Next());
}

}  // namespace
}  // namespace zorvat
