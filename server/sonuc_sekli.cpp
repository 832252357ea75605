#include "server/sonuc_sekli.h"

namespace zorvat::server {

SonucSekli::SonucSekli(std::initializer_list<Sutun> sutunlar) {
  for (const Sutun& sutun : sutunlar) {
    kolonlar_.push_back({sutun.ad, sutun.tur});
    if (!secim_.empty()) secim_ += ", ";
    secim_ += sutun.ifade;
  }
}

}  // namespace zorvat::server
