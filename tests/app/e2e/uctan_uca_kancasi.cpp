// The client as it ships, with the hook of the end-to-end test: it logs in through the login
// window's logic with the name and password the test gives, waits for the main window with
// its header filled, searches, puts the first part found into the basket through the add
// dialog, ticks only that line, sends the order through the approval window, closes the main
// window and answers the exit question with "Evet". It prints what it did, for the test to
// compare with the server's data. Only this test build reads the environment: the test's
// ports, user and password. The program itself reads none.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/ana_form.h"
#include "app/program.h"
#include "basket/siparis_onay.h"
#include "catalogue/stok_ayrinti.h"
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
      case 0: GirisYap(); break;
      case 1: Ara(); break;
      case 2: ParcaSec(); break;
      case 3: SepeteEkle(); break;
      case 4: SepetiAc(); break;
      case 5: SatiriIsaretle(); break;
      case 6: SiparisiOnayla(); break;
      case 7: BilgiyiKapat(); break;
      case 8: AnaPencereyiKapat(); break;
      default: CikisSorusunuCevapla(); break;
    }
  }

  // The window shown modally now, with the logic of the kind asked for.
  template <class Form>
  static Form* AcikPencere() {
    auto* pencere = dynamic_cast<FormPenceresi*>(QApplication::activeModalWidget());
    if (pencere == nullptr || !pencere->isVisible()) return nullptr;
    return dynamic_cast<Form*>(&pencere->Form());
  }

  // Runs a user's action once the hook's own step has returned: it may open a modal window.
  void Sonra(std::function<void()> eylem) { QTimer::singleShot(0, QCoreApplication::instance(), std::move(eylem)); }

  void GirisYap() {
    auto* giris = AcikPencere<Tgirisform>();
    if (giris == nullptr) return;
    Yaz("giriş penceresi: " + giris->Caption());
    giris->adi.Type(ad_ + "\r");
    giris->sifre.Type(sifre_ + "\r");
    adim_ = 1;
  }

  void Ara() {
    if (AnaPencereBul() == nullptr || form_.kullanicilbl.Caption().empty()) return;
    Yaz("ana pencere: " + form_.Caption());
    Yaz("Kullanıcı: " + form_.kullanicilbl.Caption());
    Yaz("Firma: " + form_.cariadilbl.Caption());
    Yaz("Temsilci: " + form_.saticilbl.Caption());
    form_.araedit.Type("FREN\r");
    adim_ = 2;
  }

  void ParcaSec() {
    if (!form_.araedit.Enabled() || !form_.stokListesi.stok.Active()) return;
    Yaz("arama: " + form_.sPageControl1.Page(0).caption);
    form_.stokListesi.cxGrid1DBTableView1.SetFocusedRow(0);
    adim_ = 3;
    Sonra([this] { form_.stokListesi.cxGrid1DBTableView1.DblClick(); });
  }

  void SepeteEkle() {
    auto* dialog = AcikPencere<Tstokayarinti>();
    if (dialog == nullptr) return;
    stokno_ = form_.stokListesi.stok.FieldByName("STOK_STOKNO").AsInteger();
    Yaz("sepete ekle: " + dialog->barkod.Caption());
    dialog->adet.EditedByUser(2);
    adim_ = 4;
    dialog->ParcaliTus1.Click();
  }

  void SepetiAc() {
    if (QApplication::activeModalWidget() != nullptr) return;
    form_.sPageControl1.SetActivePage("ssepet");
    adim_ = 5;
  }

  // Only the new line goes into the order: every tick off, then the new line's on.
  void SatiriIsaretle() {
    Sepet& sepet = form_.sepetSayfasi;
    if (sepet.Yukleniyor() || !sepet.sepet.Active() || !sepet.sepet.Locate("STOKNO", stokno_)) return;
    const std::int32_t sirano = sepet.sepet.FieldByName("SIRANO").AsInteger();
    sepet.Button5.Click();
    GridView& view = sepet.cxGridDBTableView1;
    for (std::size_t satir = 0; satir < view.RowCount(); ++satir) {
      if (sepet.sepet.FieldByName("SIRANO").LargeIntAt(view.Row(satir).index) == sirano) view.SetFocusedRow(satir);
    }
    view.SetFocusedColumn("cxGridDBTableView1SEC");
    view.DblClick();
    Yaz("işaretli satır: " + std::to_string(sirano));
    Yaz("sepet: " + form_.sPageControl1.Page(1).caption + ", genel toplam " + sepet.geneltoplaml.Caption());
    adim_ = 6;
    Sonra([&sepet] { sepet.Button1.Click(); });
  }

  void SiparisiOnayla() {
    auto* onay = AcikPencere<TONAYSIP>();
    if (onay == nullptr) return;
    onay->boxkargo.ChosenByUser(0);
    onay->kargocombo.ChosenByUser(1);
    onay->aciklamagir.SetText("Uçtan uca deneme");
    Yaz("onay: " + onay->Caption());
    Yaz("kargo: " + onay->kargocombo.SelectedText());
    adim_ = 7;
    onay->Button1.Click();
  }

  void BilgiyiKapat() {
    auto* bilgi = dynamic_cast<MesajDiyalogu*>(QApplication::activeModalWidget());
    if (bilgi == nullptr || !bilgi->isVisible()) return;
    for (QLabel* etiket : bilgi->findChildren<QLabel*>()) {
      if (!etiket->text().isEmpty()) Yaz("bilgi: " + etiket->text().toStdString());
    }
    adim_ = 8;
    DugmeyeBas(*bilgi, QStringLiteral("Tamam"));
  }

  static AnaPencere* AnaPencereBul() {
    for (QWidget* pencere : QApplication::topLevelWidgets()) {
      if (auto* aday = dynamic_cast<AnaPencere*>(pencere); aday && aday->isVisible()) return aday;
    }
    return nullptr;
  }

  void AnaPencereyiKapat() {
    AnaPencere* ana = AnaPencereBul();
    if (ana == nullptr || QApplication::activeModalWidget() != nullptr) return;
    adim_ = 9;
    // Closing asks modally; the question is answered in the next steps.
    QTimer::singleShot(0, ana, [ana] { ana->close(); });
  }

  void CikisSorusunuCevapla() {
    auto* soru = dynamic_cast<MesajDiyalogu*>(QApplication::activeModalWidget());
    if (soru == nullptr || !soru->isVisible()) return;
    Yaz("çıkış sorusu: " + soru->windowTitle().toStdString());
    DugmeyeBas(*soru, QStringLiteral("Evet"));
  }

  static void DugmeyeBas(QWidget& pencere, const QString& baslik) {
    for (QPushButton* dugme : pencere.findChildren<QPushButton*>()) {
      if (dugme->text() == baslik) {
        dugme->click();
        return;
      }
    }
  }

  TForm1& form_;
  std::string ad_;
  std::string sifre_;
  QTimer zamanlayici_;
  int adim_ = 0;
  std::int32_t stokno_ = 0;
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
