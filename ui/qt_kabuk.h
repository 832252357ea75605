// The system's shell on Qt: documents and addresses open with the system's handler,
// programs start detached, message beeps are the system's own where it has them.
#pragma once

#include "net/kabuk.h"

namespace zorvat {

class QtKabuk : public Kabuk {
 public:
  bool Ac(const std::string& dosyaVeyaAdres) override;
  bool ProgramBaslat(const std::string& program, const std::vector<std::string>& parametreler) override;
  void SesCal(MesajSesi ses) override;
};

}  // namespace zorvat
