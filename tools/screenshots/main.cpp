// Renders every window of the program with demonstration data into PNG files, offscreen,
// so that a person can look at what a user sees.
//
//   zorvat_screenshots [folder] [name-part]
//
// The folder defaults to "ekran_goruntuleri"; with a name part, only the scenes whose name
// contains it are rendered.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPixmap>
#include <cstdio>

#include "tools/screenshots/sahne.h"
#include "ui/look.h"
#include "ui/qt_services.h"

namespace zorvat::ekran {

std::vector<Sahne>& Sahneler() {
  static std::vector<Sahne> sahneler;
  return sahneler;
}

namespace {

// Lets layouts settle and animations reach a frame worth showing.
void Bekle(int milisaniye) {
  QElapsedTimer sure;
  sure.start();
  while (sure.elapsed() < milisaniye) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The offscreen platform draws no window frame; a plain title bar shows the caption a user
// would read there.
QImage BaslikliGoruntu(QWidget& pencere) {
  const QPixmap icerik = pencere.grab();
  if (pencere.windowTitle().isEmpty()) return icerik.toImage();
  constexpr int kBaslikYuksekligi = 30;
  QImage resim(icerik.width(), icerik.height() + kBaslikYuksekligi, QImage::Format_ARGB32);
  resim.fill(QColor(60, 65, 74));
  QPainter p(&resim);
  p.drawPixmap(0, kBaslikYuksekligi, icerik);
  p.setPen(Qt::white);
  QFont yazi = p.font();
  yazi.setBold(true);
  p.setFont(yazi);
  p.drawText(QRect(10, 0, resim.width() - 20, kBaslikYuksekligi), Qt::AlignLeft | Qt::AlignVCenter, pencere.windowTitle());
  return resim;
}

int Calistir(const QString& klasor, const std::string& suzgec) {
  if (!QDir().mkpath(klasor)) {
    std::fprintf(stderr, "Klasör oluşturulamadı: %s\n", klasor.toUtf8().constData());
    return 1;
  }
  int yazilan = 0;
  for (const Sahne& sahne : Sahneler()) {
    if (!suzgec.empty() && sahne.ad.find(suzgec) == std::string::npos) continue;
    std::unique_ptr<QWidget> pencere = sahne.kur();
    pencere->show();
    Bekle(400);
    const QString yol = QDir(klasor).filePath(QString::fromStdString(sahne.ad) + ".png");
    if (!BaslikliGoruntu(*pencere).save(yol, "PNG")) {
      std::fprintf(stderr, "Yazılamadı: %s\n", yol.toUtf8().constData());
      return 1;
    }
    std::printf("%s\n", yol.toUtf8().constData());
    ++yazilan;
  }
  if (yazilan == 0) std::fprintf(stderr, "Adında '%s' geçen bir pencere yok\n", suzgec.c_str());
  return yazilan > 0 ? 0 : 1;
}

}  // namespace
}  // namespace zorvat::ekran

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication uygulama(argc, argv);
  QApplication::setApplicationDisplayName("Zorvat Oto B2B");
  zorvat::gorunum::Uygula(uygulama);
  // The windows' logic hands its work to the user-interface thread as in the program.
  zorvat::QtServices hizmetler;
  const QString klasor = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ekran_goruntuleri");
  return zorvat::ekran::Calistir(klasor, argc > 2 ? argv[2] : "");
}
