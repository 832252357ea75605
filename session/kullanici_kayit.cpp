#include "session/kullanici_kayit.h"

#include "net/baglanti_dene.h"
#include "net/connection.h"
#include "net/mesaj.h"
#include "net/services.h"
#include "remote/proxim.h"
#include "session/platform_metin.h"

namespace zorvat {

namespace {

struct ZorunluAlan {
  EditState Tkullanicikayit::*alan;
  const char* mesaj;
};

// The fields a request cannot go without, in the order they are checked.
const ZorunluAlan kZorunluAlanlar[] = {
    {&Tkullanicikayit::firmaadi, "Firma Adı boş olamaz !"},
    {&Tkullanicikayit::adres1, "Adres boş olamaz !"},
    {&Tkullanicikayit::ilce, "İlçe Adı boş olamaz !"},
    {&Tkullanicikayit::sehir, "Şehir Adı boş olamaz !"},
    {&Tkullanicikayit::telefon, "Telefon  boş olamaz !"},
    {&Tkullanicikayit::yetkili, "Yetkili  boş olamaz !"},
    {&Tkullanicikayit::kullaniciadi, "Kullanıcı  boş olamaz !"},
    {&Tkullanicikayit::sifre, "Şifre  boş olamaz !"},
    {&Tkullanicikayit::mail, "Mail  boş olamaz !"},
};

}  // namespace

Tkullanicikayit::Tkullanicikayit(const TSonucBilgisi& bilgi, const Connection& baglanti, const Makine& makine)
    : con_(baglanti.Clone()) {
  Bilgim_.Kopyala(bilgi);
  _idsi = BilgisayarIdAl(makine);
  lblid.SetCaption("Bilgisayar ID: " + _idsi);
  kullaniciadi.SetText(Bilgim_.ADI());
  firmaadi.SetText(Bilgim_.CariAdi());
  Button2.SetCaption("Gönder");
  Button2.OnClick = [this] { OlayCalistir([this] { Button2Click(); }); };
  Button1.SetCaption("Kapat");
  Button1.OnClick = [this] { Button1Click(); };
  CariBilgisiDoldur();
  SetCaption("Şifre Değiştirme İsteği");
}

Tkullanicikayit::~Tkullanicikayit() = default;

// A server that cannot be reached leaves the card fields empty; the window opens anyway.
void Tkullanicikayit::CariBilgisiDoldur() {
  con_->Close();
  if (!BaglantiDene(*con_, 1)) return;
  {
    TServerMethods1Client proxy(con_.get());
    if (const TMobilCariBilgisi* kart = proxy.MobilCariBilgisiGetir(0, _idsi)) {
      adres1.SetText(kart->ADRES1());
      adres2.SetText(kart->ADRES2());
      ilce.SetText(kart->ILCE());
      sehir.SetText(kart->SEHIR());
      telefon.SetText(kart->TEL1());
      fax.SetText(kart->FAX1());
      vd.SetText(kart->VERGIDAIRESI());
      vn.SetText(kart->VERGINO());
    }
  }
  con_->Close();
}

bool Tkullanicikayit::IstekKontrol() {
  for (const ZorunluAlan& zorunlu : kZorunluAlanlar) {
    EditState& alan = this->*zorunlu.alan;
    if (!platform::Kirp(alan.Text()).empty()) continue;
    alan.SelectAll();
    alan.SetFocus();
    MesajGoster(zorunlu.mesaj, kUyari, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
    return false;
  }
  return true;
}

void Tkullanicikayit::SifreIstegiGonder() {
  con_->Close();
  if (!BaglantiDene(*con_, 1)) return;
  {
    TServerMethods1Client proxy(con_.get());
    proxy.MailGonserCari(_idsi, "Şifre Değiştirme İsteği", firmaadi.Text(), adres1.Text(), adres2.Text(), ilce.Text(),
                         sehir.Text(), telefon.Text(), fax.Text(), vd.Text(), vn.Text(), yetkili.Text(),
                         kullaniciadi.Text(), sifre.Text(), mail.Text(), kargoambar.Text());
  }
  con_->Close();
  MesajGoster("İsteğiniz Gönderildi!", kBilgi, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
}

void Tkullanicikayit::Button2Click() {
  if (IstekKontrol()) SifreIstegiGonder();
}

void Tkullanicikayit::Button1Click() { SetModalResult(mrCancel); }

}  // namespace zorvat
