// What the client's logic takes from its surroundings: where the application server listens,
// the public-address echo service, the settings file, the machine whose identity logs in and
// where a new version is downloaded from. The program takes the values of its build
// (ProgramOrtami); tests and tools give their own.
#pragma once

#include <filesystem>
#include <string>

#include "info/dosya_indir.h"
#include "session/dis_ip.h"
#include "session/kimlik.h"

namespace zorvat {

struct IstemciOrtami {
  std::string sunucuPortu;
  std::string disIpServisi;
  DisIpSecenekleri disIp;
  std::filesystem::path ayarDosyasi;
  const Makine* makine = &BuMakine();
  IndirmeAyari guncelleme;
};

// The build's server port and echo service, ayar.ini in the settings folder, this machine,
// and the setup download into the local application-data folder.
IstemciOrtami ProgramOrtami();

}  // namespace zorvat
