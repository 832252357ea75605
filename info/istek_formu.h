// The request form: an unknown computer asks the dealer for access through the dealer's web
// form, into which this computer's ID is passed. The login ends the program after it.
#pragma once

#include <string>

#include "ui/state/controls.h"

namespace zorvat {

// The request web form for the computer: the web base address, the form's path and the ID,
// with nothing encoded (the blank after "kullanici=" belongs to the address).
std::string IstekFormuAdresi(const std::string& bilgisayarId);

class Tformistekyeni : public FormState {
 public:
  Tformistekyeni();

  // "Kapat".
  void Button1Click();

  WebBrowserState sitem;
  ButtonState Button1;
};

}  // namespace zorvat
