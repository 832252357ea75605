#include "catalogue/sepete_ekle.h"

#include <memory>
#include <string>

#include "catalogue/liste_sutunlari.h"
#include "catalogue/resim.h"
#include "net/baglanti_dene.h"
#include "net/connection.h"
#include "net/services.h"
#include "remote/memtable.h"
#include "remote/proxim.h"
#include "session/sonuc_bilgisi.h"

namespace zorvat {

namespace {

// A field of the current record, the part.
std::string Metin(const MemTable& tablo, std::string_view alan) { return AlanMetni(tablo, tablo.CurrentRow(), alan); }
double Sayi(const MemTable& tablo, std::string_view alan) { return AlanSayisi(tablo, tablo.CurrentRow(), alan); }

void KampanyaBasliklari(Tstokayarinti& pencere, const std::string& indirimYazisi) {
  pencere.Label2.SetCaption("Kampanyalı Fiyat:");
  pencere.indirimoran.SetCaption("Kampanyalı " + indirimYazisi);
}

// The captions by the list the part comes from and by its campaign flag.
void BasliklariYaz(Tstokayarinti& pencere, const MemTable& kaynak, SepetKaynagi tur) {
  const std::string indirimYazisi = Metin(kaynak, "INDIRIMYAZI");
  const bool kampanyali = tur == SepetKaynagi::Kampanyali || Sayi(kaynak, "K") == 1;
  if (kampanyali) {
    KampanyaBasliklari(pencere, indirimYazisi);
  } else if (tur == SepetKaynagi::YeniStoklar) {
    pencere.indirimoran.SetCaption("İndirim:  % " + indirimYazisi);
  } else {
    pencere.indirimoran.SetCaption("İndirim: %" + indirimYazisi);
  }
}

}  // namespace

std::unique_ptr<Tstokayarinti> SepeteEklePenceresi(const SepetBaglami& baglam, const MemTable& kaynak,
                                                   SepetKaynagi tur, std::int32_t stokno) {
  std::unique_ptr<Tstokayarinti> pencere =
      tur == SepetKaynagi::StokListesi ? Tstokayarinti::Ac(stokno) : std::make_unique<Tstokayarinti>();
  ResimYukle(baglam.bagc, stokno, pencere->Image1);
  pencere->kdvoran = Sayi(kaynak, "KDV");
  pencere->barkod.SetCaption(Metin(kaynak, "BARKOD"));
  pencere->adi.SetCaption(Metin(kaynak, "ADI"));
  pencere->finishkod.SetCaption(Metin(kaynak, "FINISHKOD"));
  pencere->marka.SetCaption(Metin(kaynak, "MARKA"));
  pencere->model.SetCaption(Metin(kaynak, "MODEL"));
  pencere->edindirim1.SetValue(Sayi(kaynak, "IND1"));
  pencere->edindirim2.SetValue(Sayi(kaynak, "IND2"));
  pencere->edindirim3.SetValue(Sayi(kaynak, "IND3"));
  pencere->edindirim4.SetValue(Sayi(kaynak, "IND4"));
  pencere->birimfiyat.SetValue(Sayi(kaynak, "FIYAT"));
  if (SatisTemsilcisi(baglam.sbilgi.MusteriTipi())) pencere->FiyatlariAc(tur != SepetKaynagi::Kampanyali);
  BasliklariYaz(*pencere, kaynak, tur);
  return pencere;
}

void SepeteEkleAc(const SepetBaglami& baglam, const MemTable& kaynak, SepetKaynagi tur, std::int32_t stokno) {
  std::unique_ptr<Tstokayarinti> pencere = SepeteEklePenceresi(baglam, kaynak, tur, stokno);
  if (Diyaloglar().PencereGoster(*pencere) != mrOk) return;
  SatirEkleGonder(baglam, kaynak, pencere->adet.Value(), pencere->birimfiyat.Value(),
                  {pencere->edindirim1.Value(), pencere->edindirim2.Value(), pencere->edindirim3.Value(),
                   pencere->edindirim4.Value()});
}

void SatirEkleGonder(const SepetBaglami& baglam, const MemTable& kaynak, double miktar, double fiyat,
                     const std::array<double, 4>& oranlar) {
  auto kopya = std::make_unique<TSonucBilgisi>();
  kopya->Kopyala(baglam.sbilgi);
  if (!BaglantiDene(baglam.bagc, 1)) return;
  struct Kapatici {
    Connection& baglanti;
    ~Kapatici() { baglanti.Close(); }
  } kapatici{baglam.bagc};
  TServerMethods1Client proxy(&baglam.bagc);
  const std::int32_t sonuc = proxy.SepetEkle2(
      std::move(kopya), baglam.sbilgi.CARINO(), static_cast<std::int32_t>(Sayi(kaynak, "STOK_STOKNO")),
      Metin(kaynak, "BARKOD"), Metin(kaynak, "ADI"), miktar, static_cast<std::int32_t>(Sayi(kaynak, "KDV")), fiyat,
      oranlar[0], baglam.sbilgi.Sirano(), static_cast<std::int32_t>(Sayi(kaynak, "K")), oranlar[1], oranlar[2],
      oranlar[3]);
  if (sonuc == 1 && baglam.SepetiYenile) baglam.SepetiYenile();
}

}  // namespace zorvat
