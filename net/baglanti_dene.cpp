#include "net/baglanti_dene.h"

#include <chrono>

#include "net/connection.h"
#include "net/mesaj.h"
#include "net/services.h"
#include "remote/errors.h"

namespace zorvat {

namespace {

constexpr int kDenemeSayisi = 11;
constexpr std::chrono::milliseconds kDenemeArasi{500};

}  // namespace

bool BaglantiDene(Connection& baglanti, int goster) {
  baglanti.Close();
  bool acik = false;
  for (int deneme = 0; deneme < kDenemeSayisi && !acik; ++deneme) {
    try {
      baglanti.Open();
      acik = true;
    } catch (const RemoteError& hata) {
      const std::string metin = hata.what();
      Dagitici().RunOnUiAndWait([&] { Diyaloglar().DuzMesajGoster(metin); });
      baglanti.Close();
      Bekle(kDenemeArasi);
    }
  }
  if (!acik && goster == 1) MesajGoster(kBaglantiKurulamiyor, kHata, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
  return acik;
}

}  // namespace zorvat
