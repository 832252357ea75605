#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <stdexcept>

#include "net/mesaj.h"
#include "ui/message_dialog.h"

namespace zorvat {

QWidget* QtDialogs::Sahip() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return anaPencere_.data();
}

int QtDialogs::MesajPenceresiGoster(const MesajPenceresi& pencere) {
  MesajDiyalogu diyalog(pencere, Sahip());
  diyalog.Ortala(anaPencere_.data());
  kabuk_.SesCal(pencere.ses);
  return diyalog.exec();
}

void QtDialogs::DuzMesajGoster(const std::string& metin) {
  MesajPenceresi pencere = MesajPenceresiHazirla(metin, kBilgi, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
  pencere.baslik = QApplication::applicationDisplayName().toStdString();
  MesajDiyalogu diyalog(pencere, Sahip(), false);
  diyalog.Ortala(anaPencere_.data());
  diyalog.exec();
}

void QtDialogs::UyariGoster(const std::string& metin) {
  const MesajPenceresi pencere = MesajPenceresiHazirla(metin, kUyari, {MsgDlgBtn::OK}, MsgDlgBtn::OK);
  MesajDiyalogu diyalog(pencere, Sahip());
  diyalog.Ortala(anaPencere_.data());
  kabuk_.SesCal(pencere.ses);
  diyalog.exec();
}

std::optional<std::string> QtDialogs::KayitDosyasiSor(const KayitDosyasiIstegi& istek) {
  const QString filtre = QString::fromStdString(istek.filtreAciklamasi + " (" + istek.filtreDeseni + ")");
  const QString secilen = QFileDialog::getSaveFileName(Sahip(), QString(), QString(), filtre, nullptr,
                                                       QFileDialog::DontConfirmOverwrite);
  if (secilen.isEmpty()) return std::nullopt;
  return secilen.toStdString();
}

int QtDialogs::PencereGoster(FormState& pencere) {
  auto kurucu = kurucular_.find(std::type_index(typeid(pencere)));
  if (kurucu == kurucular_.end()) throw std::logic_error("Bu pencere türü için bir görünüm tanımlı değil");
  std::unique_ptr<FormPenceresi> gorunum = kurucu->second(pencere, Sahip());
  return gorunum->ModalGoster();
}

}  // namespace zorvat
