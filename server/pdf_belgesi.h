// Report documents rendered to PDF: a title, lines of text and tables on A4 pages, in a
// TrueType font that has every Turkish letter.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zorvat::server {

struct PdfSutunu {
  std::string baslik;
  float genislik;  // points
  bool sagaYasli = false;
};

class PdfBelgesi {
 public:
  // Throws std::runtime_error when the font cannot be found or the document not started.
  explicit PdfBelgesi(std::string_view baslik);
  ~PdfBelgesi();
  PdfBelgesi(const PdfBelgesi&) = delete;
  PdfBelgesi& operator=(const PdfBelgesi&) = delete;

  void Satir(std::string_view metin, bool kalin = false);
  void Bosluk();
  // A table with a header row; it continues on new pages, repeating the header. Cells too
  // wide for their column are shortened with "…".
  void Tablo(const std::vector<PdfSutunu>& sutunlar, const std::vector<std::vector<std::string>>& satirlar);

  // The finished document's bytes.
  std::string Bayt();

 private:
  struct Durum;
  void YeniSayfa();
  void Yaz(float x, std::string_view metin, bool kalin, float genislik, bool sagaYasli);
  void BaslikSatiri(const std::vector<PdfSutunu>& sutunlar);
  void YerAyir(float yukseklik);

  std::unique_ptr<Durum> d_;
};

}  // namespace zorvat::server
