#include "ui/sifre_istegi_penceresi.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <span>
#include <vector>

#include "session/kullanici_kayit.h"
#include "ui/bindings.h"
#include "ui/look.h"

namespace zorvat {

namespace {

// One line of the form: its caption and one or two edits side by side.
struct FormSatiri {
  const char* baslik;
  EditState Tkullanicikayit::*ilk;
  EditState Tkullanicikayit::*ikinci;
};

const FormSatiri kFirmaSatirlari[] = {
    {"Firma Adı:", &Tkullanicikayit::firmaadi, nullptr},
    {"Adres:", &Tkullanicikayit::adres1, nullptr},
    {"Adres2:", &Tkullanicikayit::adres2, nullptr},
    {"İlçe/Şehir:", &Tkullanicikayit::ilce, &Tkullanicikayit::sehir},
    {"Telefon/Fax:", &Tkullanicikayit::telefon, &Tkullanicikayit::fax},
    {"Vergi Dairesi / No:", &Tkullanicikayit::vd, &Tkullanicikayit::vn},
    {"Yetkili:", &Tkullanicikayit::yetkili, nullptr},
};

const FormSatiri kKullaniciSatirlari[] = {
    {"Kullanıcı Adı:", &Tkullanicikayit::kullaniciadi, nullptr},
    {"Şifre:", &Tkullanicikayit::sifre, nullptr},
    {"Mail:", &Tkullanicikayit::mail, nullptr},
    {"Kargo Ambar:", &Tkullanicikayit::kargoambar, nullptr},
};

QLabel* Bolum(const char* baslik, QWidget* sahip) {
  auto* etiket = new QLabel(QString::fromUtf8(baslik), sahip);
  etiket->setFont(gorunum::Tahoma(15, true));
  etiket->setAlignment(Qt::AlignCenter);
  QPalette palet = etiket->palette();
  palet.setColor(QPalette::WindowText, gorunum::kKirmiziBaslik);
  etiket->setPalette(palet);
  return etiket;
}

// Adds the lines to the grid from `satir` on; the edits join the tab order as they come.
int SatirlariEkle(Tkullanicikayit& form, std::span<const FormSatiri> satirlar, QGridLayout* izgara, int satir,
                  std::vector<QLineEdit*>& sira, QWidget* sahip) {
  for (const FormSatiri& tanim : satirlar) {
    auto* baslik = new QLabel(QString::fromUtf8(tanim.baslik), sahip);
    baslik->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    izgara->addWidget(baslik, satir, 0);
    const auto kutu = [&](EditState Tkullanicikayit::*alan) {
      auto* edit = new QLineEdit(sahip);
      edit->setFont(gorunum::Tahoma(13));
      Bagla(edit, form.*alan);
      sira.push_back(edit);
      return edit;
    };
    if (tanim.ikinci == nullptr) {
      izgara->addWidget(kutu(tanim.ilk), satir, 1, 1, 2);
    } else {
      izgara->addWidget(kutu(tanim.ilk), satir, 1);
      izgara->addWidget(kutu(tanim.ikinci), satir, 2);
    }
    ++satir;
  }
  return satir;
}

}  // namespace

SifreIstegiPenceresi::SifreIstegiPenceresi(Tkullanicikayit& form, QWidget* parent) : FormPenceresi(form, parent) {
  setFont(gorunum::Tahoma(13, true));
  resize(705, 514);
  auto* duzen = new QVBoxLayout(this);
  auto* kimlik = new QLabel(this);
  Bagla(kimlik, form.lblid);
  duzen->addWidget(kimlik);

  auto* izgara = new QGridLayout;
  izgara->setColumnStretch(1, 1);
  izgara->setColumnStretch(2, 1);
  std::vector<QLineEdit*> sira;
  izgara->addWidget(Bolum("Firma Bilgileri", this), 0, 0, 1, 3);
  int satir = SatirlariEkle(form, kFirmaSatirlari, izgara, 1, sira, this);
  izgara->addWidget(Bolum("Kullanıcı Bilgileri", this), satir, 0, 1, 3);
  SatirlariEkle(form, kKullaniciSatirlari, izgara, satir + 1, sira, this);
  duzen->addLayout(izgara);
  duzen->addStretch();

  auto* alt = new QHBoxLayout;
  auto* gonder = new QPushButton(this);
  auto* kapat = new QPushButton(this);
  for (QPushButton* dugme : {gonder, kapat}) {
    dugme->setMinimumSize(110, 34);
    dugme->setAutoDefault(false);
  }
  Bagla(gonder, form.Button2);
  Bagla(kapat, form.Button1);
  alt->addWidget(gonder);
  alt->addStretch();
  alt->addWidget(kapat);
  duzen->addLayout(alt);

  for (std::size_t i = 1; i < sira.size(); ++i) setTabOrder(sira[i - 1], sira[i]);
  sira.front()->setFocus();
}

}  // namespace zorvat
