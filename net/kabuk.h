// What the logic asks of the system's shell: opening a document or an address with its
// handler, starting a program, the message beep. The toolkit layer provides it; tests
// record what was asked.
#pragma once

#include <string>
#include <vector>

#include "net/dialogs.h"

namespace zorvat {

class Kabuk {
 public:
  virtual ~Kabuk() = default;
  // Opens a file or an address with the system's handler; false when nothing took it.
  virtual bool Ac(const std::string& dosyaVeyaAdres) = 0;
  // Starts a program with its parameters and does not wait; false when it did not start.
  virtual bool ProgramBaslat(const std::string& program, const std::vector<std::string>& parametreler) = 0;
  // The system's message beep of the kind.
  virtual void SesCal(MesajSesi ses) = 0;
};

}  // namespace zorvat
