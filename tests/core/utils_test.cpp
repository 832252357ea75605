#include "net/utils.h"

#include <gtest/gtest.h>

#include "net/bicim.h"
#include "remote/table_codec.h"

namespace zorvat {
namespace {

void Load(MemTable& table, const std::string& json) {
  LoadTableObject(TableObject::FromJson(json), table, ColumnRule::Replace);
}

std::string Basket(const std::string& rows) {
  return R"({"columns":[{"name":"SIRANO","type":"int32"},{"name":"SEC","type":"int16"}],"rows":[)" + rows + "]}";
}

TEST(KayitVarmiTest, OpenWithRows) {
  MemTable table;
  EXPECT_FALSE(KayitVarmi(table));
  Load(table, Basket(""));
  EXPECT_FALSE(KayitVarmi(table));
  Load(table, Basket("[1,0]"));
  EXPECT_TRUE(KayitVarmi(table));
  table.Close();
  EXPECT_FALSE(KayitVarmi(table));
}

TEST(SeciliVarmiTest, StopsOnTheFirstTickedRow) {
  MemTable table;
  Load(table, Basket("[1,0],[2,0],[3,1],[4,0]"));
  EXPECT_TRUE(SeciliVarmi(table));
  EXPECT_EQ(table.RecNo(), 3u);
  EXPECT_EQ(table.FieldByName("SIRANO").AsInteger(), 3);
}

TEST(SeciliVarmiTest, NoTickLeavesTheCursorPastTheLastRow) {
  MemTable table;
  Load(table, Basket("[1,0],[2,0]"));
  EXPECT_FALSE(SeciliVarmi(table));
  EXPECT_TRUE(table.Eof());
}

TEST(SeciliVarmiTest, ClosedOrEmptyTable) {
  MemTable table;
  EXPECT_FALSE(SeciliVarmi(table));
  Load(table, Basket(""));
  EXPECT_FALSE(SeciliVarmi(table));
}

TEST(FloatAlanBicimleTest, OnlyPlainFloatingPointFields) {
  MemTable table;
  Load(table, R"({"columns":[{"name":"N","type":"int32"},{"name":"T","type":"string"},{"name":"A","type":"float"},
       {"name":"B","type":"float"},{"name":"C","type":"currency"},{"name":"D","type":"bcd"}],
       "rows":[[1,"x",1234567.5,0.125,5,6]]})");
  FloatAlanBicimle(table);
  for (const char* name : {"N", "T", "C", "D"}) EXPECT_EQ(table.FieldByName(name).DisplayFormat(), "") << name;
  EXPECT_EQ(table.FieldByName("A").DisplayFormat(), "#,###,##0.00");
  EXPECT_EQ(table.FieldByName("B").DisplayFormat(), "#,###,##0.00");

  AyiraclariAyarla(IngilizceAyiraclar);
  EXPECT_EQ(table.FieldByName("A").DisplayText(), "1,234,567.50");
  EXPECT_EQ(table.FieldByName("B").DisplayText(), "0.13");
  AyiraclariAyarla(TurkceAyiraclar);
  EXPECT_EQ(table.FieldByName("A").DisplayText(), "1.234.567,50");
  AyiraclariAyarla(IngilizceAyiraclar);
}

}  // namespace
}  // namespace zorvat
