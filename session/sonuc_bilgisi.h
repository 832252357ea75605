// The session record: who is working, for which customer account, with which sales
// representative, what the server said about this installation, and this computer's
// identity. The main window owns one; every remote call that takes it gets a fresh copy.
#pragma once

#include "remote/record.h"

namespace zorvat {

#define TSONUCBILGISI_ALANLARI(ALAN)    \
  ALAN(std::string, BILGISAYARID)       \
  ALAN(std::string, SaticiMail)         \
  ALAN(std::int32_t, Sirano)            \
  ALAN(std::string, CariAdi)            \
  ALAN(std::string, SIFRE)              \
  ALAN(std::int32_t, SaticiNo)          \
  ALAN(std::int32_t, CARINO)            \
  ALAN(std::int32_t, AKTIF)             \
  ALAN(std::string, Kullanicimail)      \
  ALAN(std::string, ADI)                \
  ALAN(std::string, SaticiTelefon)      \
  ALAN(std::string, carikod)            \
  ALAN(bool, Varmi)                     \
  ALAN(std::string, SaticiAdi)          \
  ALAN(std::string, BilgiSayarAdi)      \
  ALAN(std::string, Disip)              \
  ALAN(std::string, Icip)               \
  ALAN(std::string, BilgisayarKullanici) \
  ALAN(std::int32_t, MusteriTipi)       \
  ALAN(std::int32_t, Version)

class TSonucBilgisi {
  ZORVAT_KAYIT_SINIFI(TSonucBilgisi, "baglantiu", TSONUCBILGISI_ALANLARI)

 public:
  // Texts empty, numbers 0, Varmi false; kind 1 and version 1 until the login copies the
  // server's record over it.
  TSonucBilgisi();

  // Copies all twenty fields; nothing of this record's own values survives.
  void Kopyala(const TSonucBilgisi& source);
};

// Kinds 1 and 2 are sales representatives: they act for a customer they pick.
inline bool SatisTemsilcisi(int musteriTipi) { return musteriTipi == 1 || musteriTipi == 2; }

}  // namespace zorvat
