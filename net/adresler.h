// Where the application server and the dealer's web site are: the internet profile from
// the start of the login, the office profile once a login finds itself in the office.
#pragma once

#include <string>

namespace zorvat {

// Host of the application server.
const std::string& SunucuAdresi();
// Base address of the dealer's web site, ending with "/".
const std::string& WebAdresi();
// Prefix of product picture addresses; the stock number is appended.
const std::string& ResimAdresi();

// Writes the internet profile (when the login window is created).
void InternetProfiliniYaz();
// Writes the office profile.
void OfisProfiliniYaz();
// At a login click: the office profile when this machine's public address is the office's
// (compared trimmed), otherwise the settings stay as they are. True when the office
// profile was chosen.
bool AdresProfiliSec(const std::string& disIp);

}  // namespace zorvat
