#include "catalogue/liste_sutunlari.h"

namespace zorvat {

void SutunlariEkle(GridView& view, std::string_view onek, std::span<const ListeSutunu> sutunlar) {
  for (const ListeSutunu& tanim : sutunlar) {
    GridColumn& kolon = view.AddColumn(std::string(onek) + tanim.alan, tanim.alan, tanim.baslik);
    kolon.visible = tanim.baslangic == Baslangic::Gorunur;
    kolon.offered = tanim.baslangic != Baslangic::Sunulmaz;
    kolon.tag = tanim.agirlik;
    kolon.kind = tanim.tur;
    if (tanim.simgeler != nullptr) kolon.icons = tanim.simgeler();
  }
}

double AlanSayisi(const MemTable& tablo, std::size_t kayit, std::string_view alan) {
  const Field* field = tablo.FindField(alan);
  return field == nullptr || field->IsNullAt(kayit) ? 0.0 : field->FloatAt(kayit);
}

std::string AlanMetni(const MemTable& tablo, std::size_t kayit, std::string_view alan) {
  const Field* field = tablo.FindField(alan);
  return field == nullptr ? std::string() : field->StringAt(kayit);
}

}  // namespace zorvat
