// The reference server in process with fresh demonstration data, for the scenes of the
// windows that show what the server sends. Made on first use, stopped when the tool ends.
#pragma once

#include <string>

#include "net/connection.h"
#include "session/sonuc_bilgisi.h"

namespace zorvat::ekran {

// Parameters of a connection to the demonstration server.
ConnectionParams DemoBaglantisi();

// The session record the server keeps for a demonstration computer ("DEMO-AHMET").
TSonucBilgisi DemoKaydi(const std::string& bilgisayarId);

}  // namespace zorvat::ekran
