// The password change request window "Şifre Değiştirme İsteği": the customer's account card
// as the server holds it for this computer, corrected by the user together with the wished
// user name, password, mail and freight depot, sent as one request through the server's
// mail method. Nothing in the session or on the computer changes.
#pragma once

#include <memory>
#include <string>

#include "session/kimlik.h"
#include "session/sonuc_bilgisi.h"
#include "ui/state/controls.h"

namespace zorvat {

class Connection;

class Tkullanicikayit : public FormState {
 public:
  // Ac: a copy of the connection and of the session record, the computer ID, the card.
  Tkullanicikayit(const TSonucBilgisi& bilgi, const Connection& baglanti, const Makine& makine = BuMakine());
  ~Tkullanicikayit() override;

  void CariBilgisiDoldur();
  // True when every required field holds more than blanks; otherwise the first empty one
  // is selected, focused and named in a warning.
  bool IstekKontrol();
  void SifreIstegiGonder();
  // "Gönder" and "Kapat".
  void Button2Click();
  void Button1Click();

  LabelState lblid;
  EditState firmaadi;
  EditState adres1;
  EditState adres2;
  EditState ilce;
  EditState sehir;
  EditState telefon;
  EditState fax;
  EditState vd;
  EditState vn;
  EditState yetkili;
  EditState kullaniciadi;
  EditState sifre;
  EditState mail;
  EditState kargoambar;
  ButtonState Button2;
  ButtonState Button1;

 private:
  std::unique_ptr<Connection> con_;
  TSonucBilgisi Bilgim_;
  std::string _idsi;
};

}  // namespace zorvat
