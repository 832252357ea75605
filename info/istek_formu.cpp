#include "info/istek_formu.h"

#include "net/adresler.h"
#include "net/dialogs.h"

namespace zorvat {

std::string IstekFormuAdresi(const std::string& bilgisayarId) {
  return WebAdresi() + "formmailgonder.aspx?carino=0&kullanici= &id=" + bilgisayarId;
}

Tformistekyeni::Tformistekyeni() {
  Button1.SetCaption("Kapat");
  Button1.OnClick = [this] { Button1Click(); };
}

void Tformistekyeni::Button1Click() { SetModalResult(mrCancel); }

}  // namespace zorvat
