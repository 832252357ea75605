// The client as it ships, with the hook of the end-to-end test: it logs in through the login
// window's logic with the name and password the test gives, waits for the main window with
// its header filled, prints the header, closes the main window and answers the exit question
// with "Evet". Only this test build reads the environment: the test's ports, user and
// password. The program itself reads none.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/ana_form.h"
#include "app/program.h"
#include "session/giris_formu.h"
#include "ui/ana_pencere.h"
#include "ui/form_window.h"
#include "ui/message_dialog.h"

namespace zorvat {
namespace {

constexpr int kAdimAraligi = 100;    // ms between two looks at the windows
constexpr int kEnUzunSure = 120000;  // ms before the hook gives up

std::string Degisken(const char* ad) {
  const char* deger = std::getenv(ad);
  if (deger == nullptr) {
    std::fprintf(stderr, "%s tanımlı değil\n", ad);
    std::exit(2);
  }
  return deger;
}

void Yaz(const std::string& satir) {
  std::printf("%s\n", satir.c_str());
  std::fflush(stdout);
}

// Plays the user: one step each time the windows are ready for it.
class Kullanici : public QObject {
 public:
  Kullanici(TForm1& form, std::string ad, std::string sifre)
      : QObject(QCoreApplication::instance()), form_(form), ad_(std::move(ad)), sifre_(std::move(sifre)) {
    connect(&zamanlayici_, &QTimer::timeout, this, [this] { Adim(); });
    zamanlayici_.start(kAdimAraligi);
    QTimer::singleShot(kEnUzunSure, this, [this] {
      Yaz("zaman aşımı, adım " + std::to_string(adim_));
      std::_Exit(3);
    });
  }

 private:
  void Adim() {
    switch (adim_) {
      case 0:
        GirisYap();
        break;
      case 1:
        AnaPencereyiKapat();
        break;
      default:
        CikisSorusunuCevapla();
        break;
    }
  }

  void GirisYap() {
    auto* pencere = dynamic_cast<FormPenceresi*>(QApplication::activeModalWidget());
    if (pencere == nullptr || !pencere->isVisible()) return;
    auto* giris = dynamic_cast<Tgirisform*>(&pencere->Form());
    if (giris == nullptr) return;
    Yaz("giriş penceresi: " + giris->Caption());
    giris->adi.Type(ad_ + "\r");
    giris->sifre.Type(sifre_ + "\r");
    adim_ = 1;
  }

  void AnaPencereyiKapat() {
    AnaPencere* ana = nullptr;
    for (QWidget* pencere : QApplication::topLevelWidgets()) {
      if (auto* aday = dynamic_cast<AnaPencere*>(pencere); aday && aday->isVisible()) ana = aday;
    }
    if (ana == nullptr || form_.kullanicilbl.Caption().empty()) return;
    Yaz("ana pencere: " + form_.Caption());
    Yaz("Kullanıcı: " + form_.kullanicilbl.Caption());
    Yaz("Firma: " + form_.cariadilbl.Caption());
    Yaz("Temsilci: " + form_.saticilbl.Caption());
    adim_ = 2;
    // Closing asks modally; the question is answered in the next steps.
    QTimer::singleShot(0, ana, [ana] { ana->close(); });
  }

  void CikisSorusunuCevapla() {
    auto* soru = dynamic_cast<MesajDiyalogu*>(QApplication::activeModalWidget());
    if (soru == nullptr || !soru->isVisible()) return;
    for (QPushButton* dugme : soru->findChildren<QPushButton*>()) {
      if (dugme->text() != QStringLiteral("Evet")) continue;
      Yaz("çıkış sorusu: " + soru->windowTitle().toStdString());
      dugme->click();
      return;
    }
  }

  TForm1& form_;
  std::string ad_;
  std::string sifre_;
  QTimer zamanlayici_;
  int adim_ = 0;
};

}  // namespace
}  // namespace zorvat

int main() {
  using namespace zorvat;
  IstemciOrtami ortam = ProgramOrtami();
  ortam.sunucuPortu = Degisken("ZORVAT_UCTAN_UCA_SUNUCU_PORTU");
  ortam.disIpServisi = "http://127.0.0.1:" + Degisken("ZORVAT_UCTAN_UCA_WEB_PORTU") + "/ip";
  const std::string ad = Degisken("ZORVAT_UCTAN_UCA_KULLANICI");
  const std::string sifre = Degisken("ZORVAT_UCTAN_UCA_SIFRE");
  return ProgramiCalistir(std::move(ortam), [&](TForm1& form) { new Kullanici(form, ad, sifre); });
}
