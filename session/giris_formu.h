// The login window "Giriş". The server keeps one account per computer: the client sends
// this computer's ID, receives the account's whole session record and compares the typed
// name and password with it. On the way the window picks the server address profile,
// remembers name and password in ayar.ini, sends an outdated client to the update window and
// an unknown computer to the request form, and lets a sales representative pick a customer.
#pragma once

#include <string>

#include "session/istemci_ortami.h"
#include "session/sonuc_bilgisi.h"
#include "ui/state/controls.h"

namespace zorvat {

class Connection;

// Computer name, user, LAN address and computer ID of the machine into the session record,
// so that these always describe this computer, whatever the server sent.
void MakineKimligiYaz(TSonucBilgisi& bilgi, const Makine& makine);

class Tgirisform : public FormState {
 public:
  // The opener's main connection and session record, which a login fills. Prepares the
  // window as FormCreate does: internet profile, computer ID, remembered name and password.
  Tgirisform(Connection& bagim, TSonucBilgisi& Bilgim, IstemciOrtami ortam);

  void adiKeyDown(char32_t& key);
  void sifreKeyDown(char32_t& key);
  // "Giriş": the public address in the background, then Devamet.
  void Button1Click();
  // "Vazgeç": the program ends.
  void Button2Click();
  // The second half of an attempt with the public address found: the server's record in
  // the background, then the checks.
  void Devamet(const std::string& i);

  const std::string& idsi() const { return idsi_; }

  LabelState RxLabel1;
  CheckBoxState benihatirla;
  LabelState Label1;
  LabelState Label2;
  EditState adi;
  EditState sifre;
  ButtonState Button1;
  ButtonState Button2;
  BusyAnimationState RxGIFAnimator1;

 private:
  void FormCreate();
  // Worker: the account's record for this computer copied over Bilgim; false when the
  // server cannot be reached or sends none.
  bool GirisBilgisiAl(const std::string& disIp);
  bool KaydiGetir(Connection& baglanti);
  void KayitGeldi(bool dogrusonuc);
  void KayitDenetle();
  void Reddet();
  void TekrarDenemeyeAc();
  void AyarlariOku();
  void AyarlariKaydet();
  void GuncellemeGoster();
  void IstekFormuGoster();

  Connection& bagim_;
  TSonucBilgisi& Bilgim_;
  IstemciOrtami ortam_;
  std::string idsi_;
};

}  // namespace zorvat
