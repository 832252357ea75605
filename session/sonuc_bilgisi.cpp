#include "session/sonuc_bilgisi.h"

namespace zorvat {

TSonucBilgisi::TSonucBilgisi() : FMusteriTipi(1), FVersion(1) {}

void TSonucBilgisi::Kopyala(const TSonucBilgisi& source) { *this = source; }

}  // namespace zorvat
