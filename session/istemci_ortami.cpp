#include "session/istemci_ortami.h"

#include "net/klasorler.h"
#include "session/ayar_dosyasi.h"
#include "zorvat_config.h"

namespace zorvat {

IstemciOrtami ProgramOrtami() {
  IstemciOrtami ortam;
  ortam.sunucuPortu = std::to_string(yapi::kUygulamaPortu);
  ortam.disIpServisi = yapi::kDisIpServisi;
  ortam.ayarDosyasi = AyarDosyasiYolu();
  ortam.guncelleme.dosya = YerelVeriKlasoru() / "ZorvatOtoSetup.exe";
  return ortam;
}

}  // namespace zorvat
