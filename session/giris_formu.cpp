#include "session/giris_formu.h"

#include <memory>
#include <optional>

#include "account/cari_secim.h"
#include "info/istek_formu.h"
#include "net/adresler.h"
#include "net/await.h"
#include "net/baglanti_dene.h"
#include "net/connection.h"
#include "net/mesaj.h"
#include "net/services.h"
#include "remote/proxim.h"
#include "session/ayar_dosyasi.h"
#include "session/platform_metin.h"

namespace zorvat {

namespace {

constexpr char32_t kEnter = U'\r';

constexpr const char* kAdresBilgisi =
    "ZORVAT OTO YEDEK PARÇA A.Ş.\r\n"
    "Organize Sanayi Bölgesi\r\n"
    "Yıldırım Cad. No: 14 Nilüfer / BURSA\r\n"
    "siparis@zorvatoto.com.tr\r\n"
    "Tel: 0 (224) 411 27 00\r\n"
    "Faks: 0 (224) 411 27 01";

bool Bos(const std::string& metin) { return platform::Kirp(metin).empty(); }

}  // namespace

void MakineKimligiYaz(TSonucBilgisi& bilgi, const Makine& makine) {
  bilgi.SetBilgiSayarAdi(BilgisayarAdiAl(makine));
  bilgi.SetBilgisayarKullanici(WindowsKullaniciAl(makine));
  bilgi.SetIcip(IcIpAl(makine));
  bilgi.SetBILGISAYARID(BilgisayarIdAl(makine));
}

Tgirisform::Tgirisform(Connection& bagim, TSonucBilgisi& Bilgim, IstemciOrtami ortam)
    : bagim_(bagim), Bilgim_(Bilgim), ortam_(std::move(ortam)) {
  SetCaption("Giriş");
  RxLabel1.SetCaption(kAdresBilgisi);
  benihatirla.SetCaption("Beni hatırla");
  benihatirla.SetChecked(true);
  Label1.SetCaption(" Kullanıcı Adı:");
  Label2.SetCaption(" Şifre:");
  adi.SetCasing(CharCase::Upper);
  adi.OnKeyPress = [this](char32_t& key) { adiKeyDown(key); };
  sifre.SetCasing(CharCase::Upper);
  sifre.OnKeyPress = [this](char32_t& key) { sifreKeyDown(key); };
  Button1.SetCaption("Giriş");
  Button1.OnClick = [this] { Button1Click(); };
  Button2.SetCaption("Vazgeç");
  Button2.OnClick = [this] { Button2Click(); };
  FormCreate();
  adi.SetFocus();
}

void Tgirisform::FormCreate() {
  InternetProfiliniYaz();
  idsi_ = BilgisayarIdAl(*ortam_.makine);
  AyarlariOku();
}

void Tgirisform::AyarlariOku() {
  const std::optional<KullaniciAyari> ayar = AyarDosyasiOku(ortam_.ayarDosyasi);
  if (!ayar) return;
  benihatirla.SetChecked(ayar->hatirla);
  if (!benihatirla.Checked()) return;
  adi.SetText(ayar->isim);
  sifre.SetText(ayar->sifre);
}

// Written even with "Beni hatırla" off: the 0 only keeps the fields empty at the next start.
void Tgirisform::AyarlariKaydet() {
  AyarDosyasiYaz({adi.Text(), sifre.Text(), benihatirla.Checked()}, ortam_.ayarDosyasi);
}

void Tgirisform::adiKeyDown(char32_t& key) {
  if (key != kEnter) return;
  if (Bos(adi.Text())) {
    key = 0;
    Kabugu().SesCal(MesajSesi::Hata);
    Diyaloglar().UyariGoster("Lütfen kullanıcı adını giriniz !");
    adi.SelectAll();
    adi.SetFocus();
    return;
  }
  sifre.SelectAll();
  sifre.SetFocus();
}

void Tgirisform::sifreKeyDown(char32_t& key) {
  if (key != kEnter) return;
  if (Bos(sifre.Text())) {
    key = 0;
    Kabugu().SesCal(MesajSesi::Hata);
    Diyaloglar().UyariGoster("Lütfen kullanıcı şifresini giriniz !");
    sifre.SelectAll();
    sifre.SetFocus();
    return;
  }
  // As a click of the user: while an attempt runs the button is off, and a second attempt
  // must not write the session record at the same time.
  Button1.Click();
}

// The public address is looked up once, in the background, and decides the profile in the
// completion: a lookup on the user-interface thread would freeze the window for as long
// as the echo service takes to answer or to fail.
void Tgirisform::Button1Click() {
  Button1.SetCaption("Bağlanıyor...");
  Button1.SetEnabled(false);
  RxGIFAnimator1.SetVisible(true);
  auto i = std::make_shared<std::string>();
  Async([this, i] { *i = DisIpAl(ortam_.disIpServisi, ortam_.disIp); })->Await([this, i] {
    Button1.SetCaption("Giriş!");
    RxGIFAnimator1.SetVisible(false);
    AdresProfiliSec(*i);
    Devamet(*i);
  });
}

void Tgirisform::Button2Click() { Sonlandir(); }

void Tgirisform::Devamet(const std::string& i) {
  if (Bos(i)) {
    MesajGoster("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !", kHata, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
    Button1.SetEnabled(true);
    return;
  }
  Bilgim_.SetDisip(i);
  bagim_.Params().HostName = SunucuAdresi();
  RxGIFAnimator1.SetVisible(true);
  auto dogrusonuc = std::make_shared<bool>(false);
  Async([this, dogrusonuc, i] { *dogrusonuc = GirisBilgisiAl(i); })->Await([this, dogrusonuc] {
    RxGIFAnimator1.SetVisible(false);
    KayitGeldi(*dogrusonuc);
  });
}

// The address of this attempt stays the session's public address: a second lookup that
// failed now would leave it empty and end the program right after a good login.
bool Tgirisform::GirisBilgisiAl(const std::string& disIp) {
  const std::unique_ptr<Connection> kopya = bagim_.Clone();
  if (!BaglantiDene(*kopya, 0)) return false;
  const bool geldi = KaydiGetir(*kopya);
  kopya->Close();
  if (!geldi) return false;
  MakineKimligiYaz(Bilgim_, *ortam_.makine);
  Bilgim_.SetDisip(disIp);
  return true;
}

bool Tgirisform::KaydiGetir(Connection& baglanti) {
  try {
    TServerMethods1Client proxy(&baglanti);
    const TSonucBilgisi* kayit = proxy.BuyukGetir(idsi_);
    if (kayit == nullptr) return false;
    Bilgim_.Kopyala(*kayit);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void Tgirisform::KayitGeldi(bool dogrusonuc) {
  if (!dogrusonuc) {
    MesajGoster("Bağlantı Kurulamadı !", kHata, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
    TekrarDenemeyeAc();
    return;
  }
  // A server error in a window opened from here is shown by the default error handling;
  // the user may then try again instead of facing a dead button.
  try {
    KayitDenetle();
  } catch (...) {
    TekrarDenemeyeAc();
    throw;
  }
}

void Tgirisform::KayitDenetle() {
  if (Bilgim_.Version() != yapi::kIstemciSurumu) GuncellemeGoster();
  if (!Bilgim_.Varmi()) {
    IstekFormuGoster();
    Sonlandir();
    return;
  }
  if (adi.Text() != Bilgim_.ADI() || sifre.Text() != Bilgim_.SIFRE()) {
    Reddet();
    return;
  }
  AyarlariKaydet();
  if (Bilgim_.AKTIF() != 1) {
    Reddet();
    return;
  }
  if (SatisTemsilcisi(Bilgim_.MusteriTipi()) && CariSecimAc(bagim_, Bilgim_) != mrOk) {
    Sonlandir();
    return;
  }
  SetModalResult(mrOk);
}

void Tgirisform::Reddet() {
  MesajGoster("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !", kUyari, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
  TekrarDenemeyeAc();
}

void Tgirisform::TekrarDenemeyeAc() {
  Button1.SetEnabled(true);
  adi.SelectAll();
  adi.SetFocus();
}

void Tgirisform::GuncellemeGoster() {
  Tdosyaindir pencere(Bilgim_.Version(), ortam_.guncelleme);
  Diyaloglar().PencereGoster(pencere);
}

void Tgirisform::IstekFormuGoster() {
  Tformistekyeni form;
  form.SetCaption("Zorvat Oto B2B İstek Formu");
  form.sitem.Navigate(IstekFormuAdresi(idsi_));
  Diyaloglar().PencereGoster(form);
}

}  // namespace zorvat
