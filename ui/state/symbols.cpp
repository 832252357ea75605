#include "ui/state/symbols.h"

namespace zorvat {

std::vector<IconValue> DurumSimgeleri() {
  return {
      {"0", Simge::DurumYok, "Yok"},
      {"1", Simge::DurumVar, "Var"},
      {"2", Simge::DurumTelefon, "Telefon Açınız"},
      {"3", Simge::DurumYolda, "Yolda"},
      {"4", Simge::DurumOzelSiparis, "Özel Sipariş"},
      {"5", Simge::DurumTedarik, "Tedarik Sürecinde"},
  };
}

std::vector<IconValue> DepoSimgeleri() {
  return {
      {"VAR", Simge::DepoVar, "Var"},
      {"YOK", Simge::DepoYokta, "Yok"},
  };
}

std::vector<IconValue> EvetHayirSimgeleri(Simge forOne) {
  return {
      {"0", Simge::Yok, "Hayır"},
      {"1", forOne, "Evet"},
  };
}

}  // namespace zorvat
