// The record classes that remote methods return as objects.
#pragma once

#include "remote/record.h"

namespace zorvat {

// Footer of one order: messages, state, who placed it and how it travels.
#define TSIPARISDIPAYRINTI_ALANLARI(ALAN) \
  ALAN(std::string, SizinMesaj)           \
  ALAN(std::string, Durumu)               \
  ALAN(std::string, Veren)                \
  ALAN(std::string, Kargo)                \
  ALAN(std::string, BizimMesaj)           \
  ALAN(std::string, TeslimCinsi)          \
  ALAN(std::string, KargoCinsi)           \
  ALAN(std::string, SaticiNotu)

class TSiparisDipAyrinti {
  ZORVAT_KAYIT_SINIFI(TSiparisDipAyrinti, "baglantiu", TSIPARISDIPAYRINTI_ALANLARI)

 public:
  void Kopyala(const TSiparisDipAyrinti& source) { *this = source; }
};

// Order counters of the customer selection window's status buttons.
#define TTUSSONUCLARI_ALANLARI(ALAN)   \
  ALAN(std::int32_t, Alindi)           \
  ALAN(std::int32_t, Onaylandi)        \
  ALAN(std::int32_t, ParcaliHazirlandi) \
  ALAN(std::int32_t, SevkEdildi)       \
  ALAN(std::int32_t, Hazirlandi)       \
  ALAN(std::int32_t, Goruldu)

class TTusSonuclari {
  ZORVAT_KAYIT_SINIFI(TTusSonuclari, "baglantiu", TTUSSONUCLARI_ALANLARI)

 public:
  void Kopyala(const TTusSonuclari& source) { *this = source; }
};

// The account card of the customer registered for this computer.
#define TMOBILCARIBILGISI_ALANLARI(ALAN) \
  ALAN(std::string, BILGISAYARID)        \
  ALAN(std::string, SEHIR)               \
  ALAN(std::string, FAX1)                \
  ALAN(std::string, SATICIMAIL)          \
  ALAN(std::string, SATICIADI)           \
  ALAN(std::string, CARIADI)             \
  ALAN(std::string, EMAIL)               \
  ALAN(std::string, VERGIDAIRESI)        \
  ALAN(std::string, YETKILI)             \
  ALAN(std::string, AltGrup)             \
  ALAN(std::string, TEL2)                \
  ALAN(std::string, SIFRE)               \
  ALAN(std::string, GSM)                 \
  ALAN(std::string, TEL1)                \
  ALAN(std::string, ADRES2)              \
  ALAN(double, TLBORC)                   \
  ALAN(double, TLALACAK)                 \
  ALAN(std::string, ADRES1)              \
  ALAN(std::string, ULKE)                \
  ALAN(std::string, AnaGrup)             \
  ALAN(std::int32_t, CARINO)             \
  ALAN(double, TLBAKIYE)                 \
  ALAN(std::string, VERGINO)             \
  ALAN(std::string, MAIL)                \
  ALAN(std::string, OzelKod)             \
  ALAN(std::string, KULLANICIADI)        \
  ALAN(std::string, SATICITELEFON)       \
  ALAN(std::string, CARIKOD)             \
  ALAN(std::string, FAX2)                \
  ALAN(std::string, ILCE)

class TMobilCariBilgisi {
  ZORVAT_KAYIT_SINIFI(TMobilCariBilgisi, "mobilstokunit", TMOBILCARIBILGISI_ALANLARI)

 public:
  void Kopyala(const TMobilCariBilgisi& source) { *this = source; }
};

// One opening advertisement or announcement; Resim is a JPEG file as hexadecimal text.
#define TACILISEKRAN_ALANLARI(ALAN) \
  ALAN(std::int32_t, SiraNo)        \
  ALAN(std::string, Resim)          \
  ALAN(std::string, Baslik)         \
  ALAN(std::string, Arama)

class TAcilisEkran {
  ZORVAT_KAYIT_SINIFI(TAcilisEkran, "mobilstokunit", TACILISEKRAN_ALANLARI)
};

// The announcements, in the server's order.
#define TACILISEKRANLARIKI_ALANLARI(ALAN) ALAN(std::vector<TAcilisEkran>, Ekranlar)

class TAcilisEkranlariki {
  ZORVAT_KAYIT_SINIFI(TAcilisEkranlariki, "mobilstokunit", TACILISEKRANLARIKI_ALANLARI)
};

}  // namespace zorvat
