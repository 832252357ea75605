// Prints this computer's ID, the one under which the application server keeps the user's
// account, so that a demonstration server can register this computer for a user:
//   zorvatoto-server --register "$(zorvat_bilgisayar_id)" AHMET
#include <cstdio>

#include "session/kimlik.h"

int main() {
  const std::string kimlik = zorvat::BilgisayarIdAl();
  if (kimlik.empty()) {
    std::fprintf(stderr, "Bu bilgisayarın kimliği bulunamadı: ne disk seri numarası ne ağ adaptörü adresi var\n");
    return 1;
  }
  std::printf("%s\n", kimlik.c_str());
  return 0;
}
