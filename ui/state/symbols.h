// The program's pictures by meaning; the toolkit layer draws them. Icon cells of grids map
// a field's value to one of them and to the description a user reads in filters and tips.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorvat {

enum class Simge : std::uint8_t {
  Yok,  // no picture
  // Stock status codes 0 to 5.
  DurumYok,
  DurumVar,
  DurumTelefon,
  DurumYolda,
  DurumOzelSiparis,
  DurumTedarik,
  // Flags of the lists.
  DepoVar,
  DepoYokta,
  Resim,
  Yeni,
  Kampanya,
  Evet,
  // Pages of the main window.
  StokListesi,
  Sepet,
  OncekiSiparisler,
  CariEkstre,
  YeniStoklar,
  Kampanyali,
  Duyurular,
  Bakiyeler,
  SanalPos,
  Iletisim,
  // Buttons.
  Ara,
  Temizle,
  Onceki,
  Sonraki,
  Menu,
};

// One value of an icon cell: the field's text, the picture and its description.
struct IconValue {
  std::string value;
  Simge icon = Simge::Yok;
  std::string description;
};

// Stock status codes 0 to 5 with the legend's meanings.
std::vector<IconValue> DurumSimgeleri();
// "VAR" and "YOK" of the second store.
std::vector<IconValue> DepoSimgeleri();
// A 0/1 flag: the picture for 1, none for 0, described "Hayır" and "Evet".
std::vector<IconValue> EvetHayirSimgeleri(Simge forOne);

}  // namespace zorvat
