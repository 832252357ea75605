#include "net/mesaj.h"

#include <algorithm>
#include <array>

#include "net/services.h"

namespace zorvat {

namespace {

struct DugmeTanimi {
  MsgDlgBtn dugme;
  const char* baslik;
  int sonuc;
};

// The buttons in the dialog's own order, with their captions and results.
constexpr std::array<DugmeTanimi, 10> kDugmeler{{
    {MsgDlgBtn::Yes, "Evet", mrYes},
    {MsgDlgBtn::No, "Hayır", mrNo},
    {MsgDlgBtn::OK, "Tamam", mrOk},
    {MsgDlgBtn::Cancel, "Vazgeç", mrCancel},
    {MsgDlgBtn::Abort, "İptal", mrAbort},
    {MsgDlgBtn::Retry, "Tekrar", mrRetry},
    {MsgDlgBtn::Ignore, "Atla", mrIgnore},
    {MsgDlgBtn::NoToAll, "Tümüne Hayır", mrNoToAll},
    {MsgDlgBtn::YesToAll, "Tümüne Evet", mrYesToAll},
    {MsgDlgBtn::Help, "Yardım", mrNone},
}};

struct TurTanimi {
  const char* baslik;
  MesajSesi ses;
};

constexpr std::array<TurTanimi, 4> kTurler{{
    {"Uyarı", MesajSesi::Unlem},
    {"Hata", MesajSesi::Hata},
    {"Bilgi", MesajSesi::Bilgi},
    {"Soru", MesajSesi::Soru},
}};

MsgDlgBtn OdakDugmesi(MsgDlgButtons dugmeler, const std::vector<MesajDugmesi>& sirali) {
  for (MsgDlgBtn aday : {MsgDlgBtn::OK, MsgDlgBtn::Yes, MsgDlgBtn::Retry}) {
    if (dugmeler.Contains(aday)) return aday;
  }
  return sirali.empty() ? MsgDlgBtn::OK : sirali.front().dugme;
}

int EscapeSonucu(MsgDlgButtons dugmeler) {
  if (dugmeler.Contains(MsgDlgBtn::Cancel)) return mrCancel;
  if (dugmeler.Contains(MsgDlgBtn::No)) return mrNo;
  if (dugmeler.Contains(MsgDlgBtn::OK)) return mrOk;
  return mrCancel;
}

}  // namespace

MesajPenceresi MesajPenceresiHazirla(const std::string& metin, int tur, MsgDlgButtons dugmeler,
                                     MsgDlgBtn ilkSekme) {
  const TurTanimi& turTanimi = kTurler.at(static_cast<std::size_t>(std::clamp(tur, 0, 3)));
  MesajPenceresi pencere;
  pencere.metin = metin;
  pencere.tur = tur;
  pencere.baslik = turTanimi.baslik;
  pencere.ses = turTanimi.ses;
  for (const DugmeTanimi& tanim : kDugmeler) {
    if (dugmeler.Contains(tanim.dugme)) {
      pencere.dugmeler.push_back({tanim.dugme, tanim.baslik, tanim.sonuc});
      pencere.sekmeSirasi.push_back(tanim.dugme);
    }
  }
  auto ilk = std::find(pencere.sekmeSirasi.begin(), pencere.sekmeSirasi.end(), ilkSekme);
  if (ilk != pencere.sekmeSirasi.end()) std::rotate(pencere.sekmeSirasi.begin(), ilk, ilk + 1);
  pencere.odak = OdakDugmesi(dugmeler, pencere.dugmeler);
  pencere.escapeSonucu = EscapeSonucu(dugmeler);
  pencere.kapatmaSonucu = mrCancel;
  return pencere;
}

int MesajGoster(const std::string& metin, int tur, MsgDlgButtons dugmeler, MsgDlgBtn ilkSekme) {
  const MesajPenceresi pencere = MesajPenceresiHazirla(metin, tur, dugmeler, ilkSekme);
  int sonuc = mrNone;
  Dagitici().RunOnUiAndWait([&] { sonuc = Diyaloglar().MesajPenceresiGoster(pencere); });
  return sonuc;
}

}  // namespace zorvat
