// The legacy Excel export, read back by an independent reader (libfreexl).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <variant>

#include "tests/support/scripted_services.h"
#include "tests/support/xls_okuyucu.h"
#include "tests/ui/grid_fixture.h"
#include "ui/xls/grid_export.h"
#include "ui/xls/xls_writer.h"

namespace zorvat {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;

using test::Oku;
using test::Okunan;
using test::OkunanDosya;

class XlsTest : public testing::Test {
 protected:
  XlsTest()
      : klasor(fs::temp_directory_path() /
               ("zorvat_xls_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))) {
    fs::create_directories(klasor);
  }
  ~XlsTest() override { fs::remove_all(klasor); }

  fs::path klasor;
};

TEST_F(XlsTest, AGridIsWrittenAsTheUserSeesItWithTypedValues) {
  MemTable tablo;
  test::StoklariYukle(tablo);
  GridView view;
  test::StokSutunlari(view);
  view.SetDataSource(&tablo);
  view.SetColumnVisible("colMARKA", false);  // hidden by the user: not written
  view.SetColumnVisible("colSTOKNO", true);  // shown by the user: written
  view.MoveColumn(6, 1);                     // "Tarih" moved to the front after "Seç"
  view.SetFilter("colDURUM", {"Var", "Yok", "Tedarik Sürecinde"});

  const fs::path yol = klasor / "stok.xls";
  GridToXls(view, yol);
  const OkunanDosya okunan = Oku(yol);

  ASSERT_EQ(okunan.hucreler.size(), 5u) << "the header and the four rows the filter lets through";
  EXPECT_THAT(okunan.hucreler[0], ElementsAre(Okunan("Seç"), Okunan("Tarih"), Okunan("STOKNO"), Okunan("Açıklama"),
                                               Okunan("Fiyat"), Okunan("Durum")));
  EXPECT_THAT(okunan.hucreler[1], ElementsAre(Okunan(1.0), Okunan("2024-03-01"), Okunan(10.0), Okunan("FREN BALATASI ÖN"),
                                               Okunan(1234.5), Okunan("Var")));
  EXPECT_THAT(okunan.hucreler[2], ElementsAre(Okunan(0.0), Okunan("2024-03-02"), Okunan(11.0), Okunan("İTİCİ KAPAK"),
                                               Okunan(99.9), Okunan("Yok")));
  EXPECT_EQ(okunan.turler[1][1], FREEXL_CELL_DATE) << "dates stay dates";
  EXPECT_EQ(okunan.turler[1][4], FREEXL_CELL_DOUBLE) << "money stays a number";
  EXPECT_EQ(okunan.hucreler[4][3], Okunan("ÇAMURLUK SAĞ"));
}

TEST_F(XlsTest, GroupedGridsAreWrittenExpandedUnderARowPerGroup) {
  MemTable tablo;
  test::StoklariYukle(tablo);
  GridView view;
  test::StokSutunlari(view);
  view.SetDataSource(&tablo);
  view.GroupBy("MARKA");
  view.FullCollapse();
  const fs::path yol = klasor / "grup.xls";
  GridToXls(view, yol);
  const OkunanDosya okunan = Oku(yol);
  ASSERT_EQ(okunan.hucreler.size(), 1u + 4u + 6u);
  EXPECT_EQ(okunan.hucreler[1][0], Okunan("Marka : BOSCH")) << "the group row names the column's caption";
  EXPECT_EQ(okunan.hucreler[2][1], Okunan("FREN BALATASI ÖN"));
  EXPECT_EQ(okunan.hucreler[4][0], Okunan("Marka : CESUR"));
}

TEST_F(XlsTest, ManyAndLongTextsCrossRecordBoundariesIntact) {
  // Over 8 KB of shared strings, so the table continues in further records, and one text
  // longer than a record on its own.
  std::vector<std::string> metinler;
  for (int i = 0; i < 3000; ++i) metinler.push_back("ŞĞÜÇİÖ parça " + std::to_string(i));
  std::string uzun;
  for (int i = 0; i < 6000; ++i) uzun += i % 2 ? "ı" : "ğ";
  metinler.push_back(uzun);
  const fs::path yol = klasor / "metin.xls";
  WriteXlsFile(yol, "Sayfa1", {{"Metin", 100}, {"Sayı", 60}}, metinler.size(), [&](std::size_t r, std::vector<XlsCell>& h) {
    h[0] = XlsCell::Text(metinler[r]);
    h[1] = XlsCell::Number(static_cast<double>(r) + 0.5);
  });
  const OkunanDosya okunan = Oku(yol);
  ASSERT_EQ(okunan.hucreler.size(), metinler.size() + 1);
  for (std::size_t r = 0; r < metinler.size(); ++r) {
    ASSERT_EQ(okunan.hucreler[r + 1][0], Okunan(metinler[r])) << "row " << r;
    ASSERT_EQ(okunan.hucreler[r + 1][1], Okunan(static_cast<double>(r) + 0.5));
  }
}

TEST_F(XlsTest, LargeWorkbooksNeedMoreThanTheHeadersListOfTableSectors) {
  // About 10 MB: more allocation-table sectors than the compound file's header can list.
  constexpr std::size_t kSatirlar = 60000;
  constexpr std::size_t kSutunlar = 10;
  const std::vector<XlsColumn> sutunlar(kSutunlar, XlsColumn{"Değer", 80});
  const fs::path yol = klasor / "buyuk.xls";
  WriteXlsFile(yol, "Sayfa1", sutunlar, kSatirlar, [](std::size_t r, std::vector<XlsCell>& h) {
    for (std::size_t c = 0; c < h.size(); ++c) h[c] = XlsCell::Number(static_cast<double>(r * 10 + c));
  });
  EXPECT_GT(fs::file_size(yol), 109u * 128u * 512u);
  const void* dosya = nullptr;
  ASSERT_EQ(freexl_open(yol.string().c_str(), &dosya), FREEXL_OK);
  ASSERT_EQ(freexl_select_active_worksheet(dosya, 0), FREEXL_OK);
  FreeXL_CellValue deger;
  ASSERT_EQ(freexl_get_cell_value(dosya, kSatirlar, kSutunlar - 1, &deger), FREEXL_OK);
  EXPECT_EQ(deger.type, FREEXL_CELL_DOUBLE);
  EXPECT_EQ(deger.value.double_value, static_cast<double>((kSatirlar - 1) * 10 + kSutunlar - 1));
  freexl_close(dosya);
}

TEST_F(XlsTest, TheFormatsLimitsAreErrorsForTheUserNotBrokenFiles) {
  const auto bos = [](std::size_t, std::vector<XlsCell>&) {};
  EXPECT_NO_THROW(XlsWorkbook("Sayfa1", {{"A", 10}}, 65535, bos));
  EXPECT_THROW(XlsWorkbook("Sayfa1", {{"A", 10}}, 65536, bos), std::length_error);
  EXPECT_THROW(XlsWorkbook("Sayfa1", std::vector<XlsColumn>(257), 1, bos), std::length_error);
  EXPECT_THROW(WriteXlsFile(klasor / "yok" / "a.xls", "Sayfa1", {{"A", 10}}, 1, bos), std::runtime_error);
}

TEST(XlsDosyaAdi, ReplacesOrAppendsTheExtensionOfTheNameOnly) {
  struct Case {
    const char* secilen;
    const char* yazilan;
  };
  const Case cases[] = {
      {"sepet.xlsx", "sepet.xls"},
      {"sepet", "sepet.xls"},
      {"sepet.xls", "sepet.xls"},
      {R"(C:\a.b\sepet)", R"(C:\a.b\sepet.xls)"},
      {"/home/ali/a.b/sepet", "/home/ali/a.b/sepet.xls"},
      {"/home/ali/sepet.2024.csv", "/home/ali/sepet.2024.xls"},
      {"C:sepet.txt", "C:sepet.xls"},
      {"D:", "D:.xls"},
  };
  for (const Case& c : cases) EXPECT_EQ(XlsDosyaAdi(c.secilen), c.yazilan) << c.secilen;
}

TEST_F(XlsTest, TheSaveActionAsksForAFileAndWritesItUnderTheXlsName) {
  test::ScriptedServices services;
  MemTable tablo;
  test::StoklariYukle(tablo);
  GridView view;
  test::StokSutunlari(view);
  view.SetDataSource(&tablo);

  services.dialogs.saveAnswers = {std::nullopt, (klasor / "sepet.xlsx").string()};
  EXPECT_EQ(GridExcelKaydet(view), std::nullopt);
  EXPECT_TRUE(fs::is_empty(klasor)) << "nothing is written when the user cancels";
  EXPECT_EQ(GridExcelKaydet(view), (klasor / "sepet.xls").string());
  EXPECT_EQ(Oku(klasor / "sepet.xls").hucreler.size(), 7u);
  ASSERT_EQ(services.dialogs.saveRequests.size(), 2u);
  EXPECT_EQ(services.dialogs.saveRequests[0].filtreAciklamasi, "Excel");
  EXPECT_EQ(services.dialogs.saveRequests[0].filtreDeseni, "*.xls*");
}

}  // namespace
}  // namespace zorvat
