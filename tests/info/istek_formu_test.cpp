// The request form of an unknown computer: the dealer's web form with the computer ID.
#include "info/istek_formu.h"

#include <gtest/gtest.h>

#include "net/adresler.h"
#include "net/dialogs.h"

namespace zorvat {
namespace {

TEST(IstekFormuTest, TheAddressCarriesTheIdUncodedAndKapatCloses) {
  InternetProfiliniYaz();
  EXPECT_EQ(IstekFormuAdresi("ZV 77&1"), "http://127.0.0.1:8080/formmailgonder.aspx?carino=0&kullanici= &id=ZV 77&1");

  Tformistekyeni form;
  EXPECT_EQ(form.Button1.Caption(), "Kapat");
  form.Button1.Click();
  EXPECT_EQ(form.ModalResult(), mrCancel);
}

}  // namespace
}  // namespace zorvat
