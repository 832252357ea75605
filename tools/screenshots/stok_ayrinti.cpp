// The add-to-basket dialog filled as its opener fills it from a row of the stock search:
// a customer's view of a discounted brake part, and a sales representative's with the
// price and the rate boxes open.
#include <stdexcept>

#include "catalogue/sepete_ekle.h"
#include "catalogue/stok_ayrinti.h"
#include "net/connection.h"
#include "remote/memtable.h"
#include "remote/proxim.h"
#include "remote/table_codec.h"
#include "tools/screenshots/demo_sunucusu.h"
#include "tools/screenshots/sahne.h"
#include "ui/stok_ayrinti_penceresi.h"

namespace zorvat::ekran {
namespace {

// The search of the scene: brake parts, with pictures for some of them.
constexpr const char* kArama = "fren";

// Moves to the first discounted part outside the campaigns that has a picture on the server.
void IndirimliParcayaGit(MemTable& stok) {
  for (stok.First(); !stok.Eof(); stok.Next()) {
    const bool indirimli = stok.FieldByName("IND1").AsFloat() > 1 && stok.FieldByName("K").AsFloat() == 0;
    // The demonstration data has pictures for every third stock item from the first on.
    const bool resimli = static_cast<std::int64_t>(stok.FieldByName("STOK_STOKNO").AsFloat()) % 3 == 1;
    if (indirimli && resimli) return;
  }
  throw std::runtime_error("Demo verisinde indirimli, resimli bir fren parçası yok");
}

std::unique_ptr<QWidget> StokAyrintiSahnesi(const std::string& kimlik, bool temsilci) {
  auto sahne = std::make_unique<SahnePenceresi>();
  auto& bagc = sahne->Durum<Connection>(DemoBaglantisi());
  TSonucBilgisi sbilgi = DemoKaydi(kimlik);
  // A representative acts for the customer he chose; here the demonstration customer.
  if (temsilci) sbilgi.SetCARINO(DemoKaydi("DEMO-AHMET").CARINO());
  auto& stok = sahne->Durum<MemTable>();
  {
    bagc.Open();
    TServerMethods1Client proxy(&bagc);
    auto kopya = std::make_unique<TSonucBilgisi>();
    kopya->Kopyala(sbilgi);
    AssignPacket(proxy.StokAraGetir(kArama, std::move(kopya)), stok);
  }
  bagc.Close();
  IndirimliParcayaGit(stok);

  const auto stokno = static_cast<std::int32_t>(stok.FieldByName("STOK_STOKNO").AsFloat());
  const SepetBaglami baglam{bagc, sbilgi, {}};
  auto& form = *sahne->Durum<std::unique_ptr<Tstokayarinti>>(
      SepeteEklePenceresi(baglam, stok, SepetKaynagi::StokListesi, stokno));
  form.adet.SetValue(2);
  auto* pencere = new StokAyrintiPenceresi(form, sahne.get());
  return Sahnede(std::move(sahne), pencere, {662, 631});
}

const SahneKaydi kMusteri("stok_ayrinti_musteri", [] { return StokAyrintiSahnesi("DEMO-AHMET", false); });
const SahneKaydi kTemsilci("stok_ayrinti_temsilci", [] { return StokAyrintiSahnesi("DEMO-MURAT", true); });

}  // namespace
}  // namespace zorvat::ekran
