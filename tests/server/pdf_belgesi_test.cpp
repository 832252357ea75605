#include "server/pdf_belgesi.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

namespace zorvat::server {
namespace {

// The document's text as poppler's pdftotext reads it.
std::string TextOf(const std::string& pdf) {
  const auto path = std::filesystem::temp_directory_path() / ("zorvat-pdf-" + std::to_string(::getpid()) + ".pdf");
  std::ofstream(path, std::ios::binary) << pdf;
  std::string text;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("pdftotext -layout '" + path.string() + "' -").c_str(), "r"),
                                             pclose);
  char buffer[4096];
  std::size_t got = 0;
  while (pipe && (got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) text.append(buffer, got);
  std::filesystem::remove(path);
  return text;
}

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
  const std::string text = TextOf(pdf);
  EXPECT_NE(text.find("Cari Özeti — ÖZ GÜNEŞ OTO"), std::string::npos) << text.substr(0, 300);
  EXPECT_NE(text.find("Satış Faturası ığüşöçİĞÜŞÖÇ"), std::string::npos);
  EXPECT_NE(text.find("FT-120"), std::string::npos);
  EXPECT_NE(text.find('\f'), std::string::npos) << "120 rows need a second page";
}

TEST(PdfBelgesiTest, CellsWiderThanTheirColumnAreShortened) {
  PdfBelgesi belge("Kısaltma");
  belge.Tablo({{"Açıklama", 60}}, {{"ÇOK UZUN BİR PARÇA AÇIKLAMASI ŞİŞLİ"}});
  const std::string text = TextOf(belge.Bayt());
  EXPECT_EQ(text.find("ŞİŞLİ"), std::string::npos);
  EXPECT_NE(text.find("…"), std::string::npos) << text;
}

}  // namespace
}  // namespace zorvat::server
