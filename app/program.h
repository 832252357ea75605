// The program on Qt: the application object with its look, the real services, the window
// of each logic class, the main window's start-up and the message loop.
#pragma once

#include <functional>

#include "session/istemci_ortami.h"

namespace zorvat {

class QtDialogs;
class TForm1;

// Tells the dialogs service how each window of the program is built.
void PencereTurleriniKaydet(QtDialogs& dialogs);

// Runs the program until its process ends. `baslarken` runs once the application and its
// services exist, just before the main window's start-up; the program passes none.
int ProgramiCalistir(IstemciOrtami ortam, const std::function<void(TForm1&)>& baslarken = {});

}  // namespace zorvat
