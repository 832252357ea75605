#include "net/utils.h"

#include "net/bicim.h"
#include "remote/memtable.h"

namespace zorvat {

bool KayitVarmi(const MemTable& tablo) { return tablo.Active() && tablo.RecordCount() > 0; }

bool SeciliVarmi(MemTable& tablo) {
  if (!KayitVarmi(tablo)) return false;
  const Field& sec = tablo.FieldByName("SEC");
  for (tablo.First(); !tablo.Eof(); tablo.Next()) {
    if (sec.AsInteger() == 1) return true;
  }
  return false;
}

void FloatAlanBicimle(MemTable& tablo) {
  for (std::size_t i = 0; i < tablo.FieldCount(); ++i) {
    Field& alan = tablo.Fields(i);
    if (alan.DataType() == FieldType::Float) alan.SetDisplayFormat(std::string(ParaBicimi));
  }
}

}  // namespace zorvat
