#include "remote/memtable.h"

#include <gtest/gtest.h>

#include "net/bicim.h"
#include "remote/table_codec.h"

namespace zorvat {
namespace {

// A basket-like table: SIRANO, ADI, TUTAR (float), SEC.
class MemTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadTableObject(TableObject::FromJson(R"({"columns":[
        {"name":"SIRANO","type":"int32"},{"name":"ADI","type":"string"},
        {"name":"TUTAR","type":"float"},{"name":"SEC","type":"int16"}],
        "rows":[[10,"BALATA",100.5,0],[20,"DİSK",1234567.5,1],[30,"FİLTRE",null,0]]})"),
                    table, ColumnRule::Replace);
  }
  MemTable table;
};

TEST_F(MemTableTest, WalkingSetsBofAndEof) {
  table.First();
  EXPECT_TRUE(table.Bof());
  EXPECT_FALSE(table.Eof());
  table.Next();
  table.Next();
  EXPECT_EQ(table.RecNo(), 3u);
  EXPECT_FALSE(table.Eof());
  table.Next();
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.RecNo(), 3u);
  table.Prior();
  EXPECT_EQ(table.RecNo(), 2u);
}

TEST_F(MemTableTest, LocateMovesToTheFirstMatchOrStays) {
  table.First();
  EXPECT_TRUE(table.Locate("SIRANO", 20));
  EXPECT_EQ(table.RecNo(), 2u);
  EXPECT_TRUE(table.Locate("ADI", "FİLTRE"));
  EXPECT_EQ(table.RecNo(), 3u);
  EXPECT_FALSE(table.Locate("SIRANO", 99));
  EXPECT_EQ(table.RecNo(), 3u);
  EXPECT_THROW(table.Locate("YOK", 1), std::out_of_range);
}

TEST_F(MemTableTest, EditPostAndCancel) {
  table.First();
  EXPECT_THROW(table.FieldByName("SEC").SetAsLargeInt(1), std::logic_error);
  table.Edit();
  table.FieldByName("SEC").SetAsLargeInt(1);
  table.FieldByName("ADI").SetAsString("ÖN BALATA");
  table.Post();
  EXPECT_EQ(table.FieldByName("SEC").AsInteger(), 1);
  EXPECT_EQ(table.FieldByName("ADI").AsString(), "ÖN BALATA");

  table.Edit();
  table.FieldByName("TUTAR").Clear();
  table.Cancel();
  EXPECT_DOUBLE_EQ(table.FieldByName("TUTAR").AsFloat(), 100.5);
  EXPECT_EQ(table.FieldByName("ADI").AsString(), "ÖN BALATA");
}

TEST_F(MemTableTest, AppendAndDelete) {
  table.Append();
  table.FieldByName("SIRANO").SetAsLargeInt(40);
  table.Post();
  EXPECT_EQ(table.RecordCount(), 4u);
  EXPECT_EQ(table.RecNo(), 4u);
  EXPECT_TRUE(table.FieldByName("ADI").IsNull());

  table.Append();
  table.Cancel();
  EXPECT_EQ(table.RecordCount(), 4u);

  table.First();
  table.Delete();
  EXPECT_EQ(table.RecordCount(), 3u);
  EXPECT_EQ(table.FieldByName("SIRANO").AsInteger(), 20);
}

TEST_F(MemTableTest, DisplayTextFollowsTheFormatAndTheSeparators) {
  table.FieldByName("TUTAR").SetDisplayFormat("#,###,##0.00");
  table.MoveTo(1);
  AyiraclariAyarla(IngilizceAyiraclar);
  EXPECT_EQ(table.FieldByName("TUTAR").DisplayText(), "1,234,567.50");
  AyiraclariAyarla(TurkceAyiraclar);
  EXPECT_EQ(table.FieldByName("TUTAR").DisplayText(), "1.234.567,50");
  EXPECT_EQ(table.FieldByName("SIRANO").DisplayText(), "20");
  table.MoveTo(2);
  EXPECT_EQ(table.FieldByName("TUTAR").DisplayText(), "");
  AyiraclariAyarla(IngilizceAyiraclar);
}

TEST_F(MemTableTest, ObserversAreSilentWhileControlsAreDisabled) {
  std::vector<TableEvent> events;
  const int id = table.Subscribe([&](TableEvent event) { events.push_back(event); });
  table.DisableControls();
  table.First();
  table.Next();
  table.EmptyDataSet();
  EXPECT_TRUE(events.empty());
  table.EnableControls();
  EXPECT_EQ(events, std::vector<TableEvent>{TableEvent::Changed});
  table.Unsubscribe(id);
  table.Close();
  EXPECT_EQ(events.size(), 1u);
}

TEST_F(MemTableTest, CloseDropsRowsButKeepsColumns) {
  table.Close();
  EXPECT_FALSE(table.Active());
  EXPECT_EQ(table.RecordCount(), 0u);
  EXPECT_EQ(table.FieldCount(), 4u);
  EXPECT_THROW(table.First(), std::logic_error);
  table.CreateDataSet();
  EXPECT_TRUE(table.Active());
  EXPECT_EQ(table.RecordCount(), 0u);
}

}  // namespace
}  // namespace zorvat
