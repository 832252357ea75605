// The dialogs of the program on Qt: the message dialog, the plain message box, the
// standard warning dialog, the save-file dialog and the modal windows.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>

#include "net/dialogs.h"
#include "net/kabuk.h"
#include "ui/form_window.h"

namespace zorvat {

class QtDialogs : public Dialogs {
 public:
  // Builds the window of a form kind on the owner.
  using PencereKurucu = std::function<std::unique_ptr<FormPenceresi>(FormState& form, QWidget* sahip)>;

  // The message dialog sounds its kind through the shell.
  explicit QtDialogs(Kabuk& kabuk) : kabuk_(kabuk) {}

  // Dialogs are centred over the main window once it exists, over the screen before.
  void AnaPencereyiAyarla(QWidget* anaPencere) { anaPencere_ = anaPencere; }

  // Tells how the windows of the form class T are built.
  template <class T>
  void PencereTuru(std::function<std::unique_ptr<FormPenceresi>(T& form, QWidget* sahip)> kur) {
    kurucular_[std::type_index(typeid(T))] = [kur = std::move(kur)](FormState& form, QWidget* sahip) {
      return kur(static_cast<T&>(form), sahip);
    };
  }

  int MesajPenceresiGoster(const MesajPenceresi& pencere) override;
  void DuzMesajGoster(const std::string& metin) override;
  void UyariGoster(const std::string& metin) override;
  std::optional<std::string> KayitDosyasiSor(const KayitDosyasiIstegi& istek) override;
  int PencereGoster(FormState& pencere) override;

 private:
  QWidget* Sahip() const;

  Kabuk& kabuk_;
  QPointer<QWidget> anaPencere_;
  std::map<std::type_index, PencereKurucu> kurucular_;
};

}  // namespace zorvat
