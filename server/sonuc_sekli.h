// The columns of a table result next to the SQL expressions that give them, so a result's
// names, kinds and query cannot drift apart.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "server/method_context.h"

namespace zorvat::server {

struct Sutun {
  std::string_view ad;
  FieldType tur;
  std::string_view ifade;  // the SQL expression of the value
};

class SonucSekli {
 public:
  SonucSekli(std::initializer_list<Sutun> sutunlar);

  std::span<const TableColumn> Kolonlar() const { return kolonlar_; }
  // The expressions separated by commas, in column order: the list after SELECT.
  const std::string& SecimListesi() const { return secim_; }

 private:
  std::vector<TableColumn> kolonlar_;
  std::string secim_;
};

}  // namespace zorvat::server
