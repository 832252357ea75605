// What the lists of parts share: their columns declared as a table, and reading a row's
// fields whether or not the server sent the column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/state/grid_view.h"

namespace zorvat {

// How a column starts: shown, hidden but offered in the column chooser, or never offered
// (shown later only by the rules of the user's kind).
enum class Baslangic : std::uint8_t { Gorunur, Gizli, Sunulmaz };

struct ListeSutunu {
  const char* alan;
  const char* baslik;  // empty: the field name is the header
  Baslangic baslangic;
  int agirlik;  // the width weight (`Tag`)
  CellKind tur = CellKind::Text;
  std::vector<IconValue> (*simgeler)() = nullptr;
};

// Adds the columns in order, each named by the prefix and its field.
void SutunlariEkle(GridView& view, std::string_view onek, std::span<const ListeSutunu> sutunlar);

// A row's number or text; 0 or empty when the column is missing or the value null.
double AlanSayisi(const MemTable& tablo, std::size_t kayit, std::string_view alan);
std::string AlanMetni(const MemTable& tablo, std::size_t kayit, std::string_view alan);

}  // namespace zorvat
