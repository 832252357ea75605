#include "ui/qt_kabuk.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zorvat {

bool QtKabuk::Ac(const std::string& dosyaVeyaAdres) {
  const QString hedef = QString::fromStdString(dosyaVeyaAdres);
  // An address has a scheme; anything else is a file of this machine.
  const QUrl adres(hedef, QUrl::StrictMode);
  const bool adresMi = adres.isValid() && adres.scheme().size() > 1;
  return QDesktopServices::openUrl(adresMi ? adres : QUrl::fromLocalFile(QFileInfo(hedef).absoluteFilePath()));
}

bool QtKabuk::ProgramBaslat(const std::string& program, const std::vector<std::string>& parametreler) {
  QStringList argumanlar;
  for (const std::string& parametre : parametreler) argumanlar << QString::fromStdString(parametre);
  return QProcess::startDetached(QString::fromStdString(program), argumanlar);
}

void QtKabuk::SesCal(MesajSesi ses) {
#ifdef _WIN32
  switch (ses) {
    case MesajSesi::Unlem: MessageBeep(MB_ICONEXCLAMATION); return;
    case MesajSesi::Hata: MessageBeep(MB_ICONHAND); return;
    case MesajSesi::Bilgi: MessageBeep(MB_ICONASTERISK); return;
    case MesajSesi::Soru: MessageBeep(MB_ICONQUESTION); return;
  }
#else
  // Other systems have one beep for every kind.
  (void)ses;
  QApplication::beep();
#endif
}

}  // namespace zorvat
