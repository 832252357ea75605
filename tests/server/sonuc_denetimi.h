// Checks the tests of the order history, account and information methods share: a table
// result's columns by name, order and kind, the bytes of a stream result, and the text of a
// PDF document as an independent reader (poppler's pdftotext) sees it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "remote/base64.h"
#include "server_fixture.h"

namespace zorvat::test {

struct Kolon {
  const char* ad;
  FieldType tur;
};

// The table of a call that must succeed.
inline std::unique_ptr<MemTable> BasariliTablo(SunucuFiksturu& sunucu, std::string_view metot,
                                               const std::string& govde) {
  const Sonuc sonuc = sunucu.Cagir(metot, govde);
  EXPECT_EQ(sonuc.Durum(), 200) << metot << ": " << sonuc.Govde();
  if (sonuc.Durum() != 200) return std::make_unique<MemTable>();
  return sonuc.Tablo(0);
}

// The table starts with these columns, in this order and of these kinds.
inline void KolonlariDenetle(const MemTable& tablo, const std::vector<Kolon>& kolonlar) {
  ASSERT_GE(tablo.FieldCount(), kolonlar.size());
  for (std::size_t i = 0; i < kolonlar.size(); ++i) {
    EXPECT_EQ(tablo.Fields(i).FieldName(), kolonlar[i].ad) << "sütun " << i;
    EXPECT_EQ(tablo.Fields(i).DataType(), kolonlar[i].tur) << kolonlar[i].ad;
  }
}

// The first row of a query on the server's database, every column as text.
inline std::vector<std::string> VeritabanindanMetinler(const SunucuFiksturu& sunucu, const std::string& sql) {
  server::Database db(sunucu.VeritabaniYolu());
  server::Statement& sorgu = db.Prepare(sql);
  std::vector<std::string> metinler;
  if (sorgu.Step()) {
    for (int i = 0; i < sorgu.ColumnCount(); ++i) metinler.emplace_back(sorgu.Text(i));
  }
  sorgu.Reset();
  return metinler;
}

// The bytes of a stream answer (the length output, then the stream); the announced length
// must be the number of bytes sent.
inline std::string AkisBaytlari(const Sonuc& sonuc) {
  EXPECT_EQ(sonuc.Durum(), 200) << sonuc.Govde();
  if (sonuc.Durum() != 200) return {};
  EXPECT_EQ(sonuc.Adet(), 2u);
  const std::vector<std::uint8_t> baytlar = Base64Decode(sonuc.Metin(1)).value();
  EXPECT_EQ(sonuc.Tamsayi(0), static_cast<std::int64_t>(baytlar.size()));
  return {baytlar.begin(), baytlar.end()};
}

// The document's text laid out as on the page.
inline std::string PdfMetni(const std::string& pdf) {
  static std::atomic<int> sayac = 0;
  const auto yol = std::filesystem::temp_directory_path() /
                   ("zorvat-test-" + std::to_string(::getpid()) + "-" + std::to_string(++sayac) + ".pdf");
  std::ofstream(yol, std::ios::binary) << pdf;
  std::unique_ptr<FILE, int (*)(FILE*)> boru(
      popen(("pdftotext -layout '" + yol.string() + "' - 2>/dev/null").c_str(), "r"), pclose);
  std::string metin;
  char parca[4096];
  std::size_t okunan = 0;
  while (boru && (okunan = std::fread(parca, 1, sizeof parca, boru.get())) > 0) metin.append(parca, okunan);
  boru.reset();
  std::filesystem::remove(yol);
  return metin;
}

}  // namespace zorvat::test
