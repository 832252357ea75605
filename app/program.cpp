#include "app/program.h"

#include <QApplication>
#include <memory>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "account/cari_secim.h"
#include "app/ana_form.h"
#include "catalogue/stok_ayrinti.h"
#include "basket/siparis_onay.h"
#include "info/dosya_indir.h"
#include "info/istek_formu.h"
#include "net/bicim.h"
#include "session/giris_formu.h"
#include "session/kullanici_kayit.h"
#include "ui/ana_pencere.h"
#include "ui/cari_secim_penceresi.h"
#include "ui/dosya_indir_penceresi.h"
#include "ui/giris_penceresi.h"
#include "ui/istek_formu_penceresi.h"
#include "ui/look.h"
#include "ui/qt_services.h"
#include "ui/sifre_istegi_penceresi.h"
#include "ui/stok_ayrinti_penceresi.h"
#include "ui/siparis_onay_penceresi.h"

namespace zorvat {

namespace {

template <class Form, class Pencere>
void PencereTuru(QtDialogs& dialogs) {
  dialogs.PencereTuru<Form>([](Form& form, QWidget* sahip) -> std::unique_ptr<FormPenceresi> {
    return std::make_unique<Pencere>(form, sahip);
  });
}

// The embedded browser's helper processes refuse to start sandboxed as root (as on a build
// machine or a container); elsewhere the sandbox stays on.
void WebTarayicisiniHazirla() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#ifndef _WIN32
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

}  // namespace

void PencereTurleriniKaydet(QtDialogs& dialogs) {
  PencereTuru<Tgirisform, GirisPenceresi>(dialogs);
  PencereTuru<Tseccari, CariSecimPenceresi>(dialogs);
  PencereTuru<Tkullanicikayit, SifreIstegiPenceresi>(dialogs);
  PencereTuru<Tdosyaindir, DosyaIndirPenceresi>(dialogs);
  PencereTuru<Tformistekyeni, IstekFormuPenceresi>(dialogs);
  PencereTuru<Tstokayarinti, StokAyrintiPenceresi>(dialogs);
  PencereTuru<TONAYSIP, SiparisOnayPenceresi>(dialogs);
}

int ProgramiCalistir(IstemciOrtami ortam, const std::function<void(TForm1&)>& baslarken) {
  WebTarayicisiniHazirla();
  // The program reads no command line: the application object gets only its name.
  static int argc = 1;
  static char ad[] = "zorvatoto";
  static char* argv[] = {ad, nullptr};
  QApplication uygulama(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(kUygulamaBasligi));
  gorunum::Uygula(uygulama);
  AyiraclariAyarla(YerelAyiraclar());

  QtServices hizmetler;
  PencereTurleriniKaydet(hizmetler.dialogs);
  TForm1 form(std::move(ortam));
  if (baslarken) baslarken(form);
  form.FormCreate();
  AnaPencere pencere(form);
  hizmetler.dialogs.AnaPencereyiAyarla(&pencere);
  pencere.showMaximized();
  return QApplication::exec();
}

}  // namespace zorvat
