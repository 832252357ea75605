#include "server/pdf_belgesi.h"

#include <gtest/gtest.h>

#include "sonuc_denetimi.h"

namespace zorvat::server {
namespace {

TEST(PdfBelgesiTest, TurkishLettersAndTablesAcrossPages) {
  PdfBelgesi belge("Cari Özeti — ÖZ GÜNEŞ OTO");
  belge.Satir("Tarih: 09.12.2025   Satıcı: Gökhan Çelik", true);
  belge.Bosluk();
  std::vector<std::vector<std::string>> satirlar;
  for (int i = 1; i <= 120; ++i) {
    satirlar.push_back({"FT-" + std::to_string(i), "Satış Faturası ığüşöçİĞÜŞÖÇ", std::to_string(i) + ",50"});
  }
  belge.Tablo({{"Evrak No", 80}, {"Açıklama", 300}, {"Tutar", 90, true}}, satirlar);
  const std::string pdf = belge.Bayt();

  ASSERT_TRUE(pdf.starts_with("%PDF-"));
  const std::string text = test::PdfMetni(pdf);
  EXPECT_NE(text.find("Cari Özeti — ÖZ GÜNEŞ OTO"), std::string::npos) << text.substr(0, 300);
  EXPECT_NE(text.find("Satış Faturası ığüşöçİĞÜŞÖÇ"), std::string::npos);
  EXPECT_NE(text.find("FT-120"), std::string::npos);
  EXPECT_NE(text.find('\f'), std::string::npos) << "120 rows need a second page";
}

TEST(PdfBelgesiTest, CellsWiderThanTheirColumnAreShortened) {
  PdfBelgesi belge("Kısaltma");
  belge.Tablo({{"Açıklama", 60}}, {{"ÇOK UZUN BİR PARÇA AÇIKLAMASI ŞİŞLİ"}});
  const std::string text = test::PdfMetni(belge.Bayt());
  EXPECT_EQ(text.find("ŞİŞLİ"), std::string::npos);
  EXPECT_NE(text.find("…"), std::string::npos) << text;
}

}  // namespace
}  // namespace zorvat::server
