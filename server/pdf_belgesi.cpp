#include "server/pdf_belgesi.h"

#include <hpdf.h>

#include <array>
#include <filesystem>
#include <stdexcept>

namespace zorvat::server {

namespace {

constexpr float kKenar = 40;
constexpr float kSatirYuksekligi = 14;
constexpr float kYaziBoyu = 9;
constexpr float kBaslikBoyu = 15;

constexpr std::array<const char*, 3> kYaziTipleri = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans.ttf",
    "C:\\Windows\\Fonts\\DejaVuSans.ttf",
};

std::string YaziTipiBul(std::string_view kalinEki) {
  for (const char* yol : kYaziTipleri) {
    std::string aday(yol);
    if (!kalinEki.empty()) aday.insert(aday.size() - 4, kalinEki);
    if (std::filesystem::exists(aday)) return aday;
  }
  throw std::runtime_error("PDF için DejaVu Sans yazı tipi bulunamadı (paket fonts-dejavu-core)");
}

// Text up to the width, ending in "…" when cut; cuts only between UTF-8 characters.
std::string Sigdir(HPDF_Page sayfa, std::string_view metin, float genislik) {
  std::string sonuc(metin);
  if (HPDF_Page_TextWidth(sayfa, sonuc.c_str()) <= genislik) return sonuc;
  while (!sonuc.empty()) {
    do {
      sonuc.pop_back();
    } while (!sonuc.empty() && (static_cast<unsigned char>(sonuc.back()) & 0xC0) == 0x80);
    if (!sonuc.empty()) sonuc.pop_back();
    const std::string aday = sonuc + "…";
    if (HPDF_Page_TextWidth(sayfa, aday.c_str()) <= genislik) return aday;
  }
  return sonuc;
}

}  // namespace

struct PdfBelgesi::Durum {
  HPDF_Doc belge = nullptr;
  HPDF_Font yazi = nullptr;
  HPDF_Font kalinYazi = nullptr;
  HPDF_Page sayfa = nullptr;
  float y = 0;
};

PdfBelgesi::PdfBelgesi(std::string_view baslik) : d_(std::make_unique<Durum>()) {
  d_->belge = HPDF_New(nullptr, nullptr);
  if (d_->belge == nullptr) throw std::runtime_error("PDF belgesi oluşturulamadı");
  HPDF_UseUTFEncodings(d_->belge);
  HPDF_SetCurrentEncoder(d_->belge, "UTF-8");
  HPDF_SetCompressionMode(d_->belge, HPDF_COMP_ALL);
  const char* normal = HPDF_LoadTTFontFromFile(d_->belge, YaziTipiBul("").c_str(), HPDF_TRUE);
  const char* kalin = HPDF_LoadTTFontFromFile(d_->belge, YaziTipiBul("-Bold").c_str(), HPDF_TRUE);
  if (normal == nullptr || kalin == nullptr) throw std::runtime_error("PDF yazı tipi yüklenemedi");
  d_->yazi = HPDF_GetFont(d_->belge, normal, "UTF-8");
  d_->kalinYazi = HPDF_GetFont(d_->belge, kalin, "UTF-8");
  YeniSayfa();
  HPDF_Page_SetFontAndSize(d_->sayfa, d_->kalinYazi, kBaslikBoyu);
  HPDF_Page_BeginText(d_->sayfa);
  HPDF_Page_TextOut(d_->sayfa, kKenar, d_->y - kBaslikBoyu, std::string(baslik).c_str());
  HPDF_Page_EndText(d_->sayfa);
  d_->y -= kBaslikBoyu + kSatirYuksekligi;
}

PdfBelgesi::~PdfBelgesi() { HPDF_Free(d_->belge); }

void PdfBelgesi::YeniSayfa() {
  d_->sayfa = HPDF_AddPage(d_->belge);
  HPDF_Page_SetSize(d_->sayfa, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
  d_->y = HPDF_Page_GetHeight(d_->sayfa) - kKenar;
}

void PdfBelgesi::YerAyir(float yukseklik) {
  if (d_->y - yukseklik < kKenar) YeniSayfa();
}

void PdfBelgesi::Yaz(float x, std::string_view metin, bool kalin, float genislik, bool sagaYasli) {
  HPDF_Page_SetFontAndSize(d_->sayfa, kalin ? d_->kalinYazi : d_->yazi, kYaziBoyu);
  const std::string sigan = Sigdir(d_->sayfa, metin, genislik);
  const float solx = sagaYasli ? x + genislik - HPDF_Page_TextWidth(d_->sayfa, sigan.c_str()) : x;
  HPDF_Page_BeginText(d_->sayfa);
  HPDF_Page_TextOut(d_->sayfa, solx, d_->y - kYaziBoyu, sigan.c_str());
  HPDF_Page_EndText(d_->sayfa);
}

void PdfBelgesi::Satir(std::string_view metin, bool kalin) {
  YerAyir(kSatirYuksekligi);
  Yaz(kKenar, metin, kalin, HPDF_Page_GetWidth(d_->sayfa) - 2 * kKenar, false);
  d_->y -= kSatirYuksekligi;
}

void PdfBelgesi::Bosluk() { d_->y -= kSatirYuksekligi / 2; }

void PdfBelgesi::BaslikSatiri(const std::vector<PdfSutunu>& sutunlar) {
  float x = kKenar;
  for (const PdfSutunu& sutun : sutunlar) {
    Yaz(x, sutun.baslik, true, sutun.genislik - 4, sutun.sagaYasli);
    x += sutun.genislik;
  }
  d_->y -= kSatirYuksekligi;
  HPDF_Page_SetLineWidth(d_->sayfa, 0.5);
  HPDF_Page_MoveTo(d_->sayfa, kKenar, d_->y + 3);
  HPDF_Page_LineTo(d_->sayfa, x, d_->y + 3);
  HPDF_Page_Stroke(d_->sayfa);
}

void PdfBelgesi::Tablo(const std::vector<PdfSutunu>& sutunlar, const std::vector<std::vector<std::string>>& satirlar) {
  YerAyir(2 * kSatirYuksekligi);
  BaslikSatiri(sutunlar);
  for (const auto& satir : satirlar) {
    if (d_->y - kSatirYuksekligi < kKenar) {
      YeniSayfa();
      BaslikSatiri(sutunlar);
    }
    float x = kKenar;
    for (std::size_t i = 0; i < sutunlar.size() && i < satir.size(); ++i) {
      Yaz(x, satir[i], false, sutunlar[i].genislik - 4, sutunlar[i].sagaYasli);
      x += sutunlar[i].genislik;
    }
    d_->y -= kSatirYuksekligi;
  }
}

std::string PdfBelgesi::Bayt() {
  if (HPDF_SaveToStream(d_->belge) != HPDF_OK || HPDF_GetError(d_->belge) != HPDF_OK) {
    throw std::runtime_error("PDF belgesi yazılamadı (hata " + std::to_string(HPDF_GetError(d_->belge)) + ")");
  }
  HPDF_ResetStream(d_->belge);
  std::string bayt;
  for (;;) {
    HPDF_BYTE parca[4096];
    HPDF_UINT32 boy = sizeof parca;
    HPDF_ReadFromStream(d_->belge, parca, &boy);
    if (boy == 0) break;
    bayt.append(reinterpret_cast<const char*>(parca), boy);
  }
  return bayt;
}

}  // namespace zorvat::server
