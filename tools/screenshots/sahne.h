// The windows the screenshot tool renders. Every window file adds its scenes with
// SahneKaydi; a scene builds its window with demonstration data and returns it unshown.
#pragma once

#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvat::ekran {

struct Sahne {
  std::string ad;  // the PNG file's name
  std::function<std::unique_ptr<QWidget>()> kur;
};

std::vector<Sahne>& Sahneler();

struct SahneKaydi {
  SahneKaydi(std::string ad, std::function<std::unique_ptr<QWidget>()> kur) {
    Sahneler().push_back({std::move(ad), std::move(kur)});
  }
};

// A window that owns the state objects its widgets are bound to; the widgets go first.
class SahnePenceresi : public QWidget {
 public:
  // The widgets go first, then the states in the reverse order of their making, so that a
  // grid view lets go of its table before the table goes.
  ~SahnePenceresi() override {
    for (QWidget* cocuk : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) delete cocuk;
    while (!durumlar_.empty()) durumlar_.pop_back();
  }

  template <class T, class... Args>
  T& Durum(Args&&... args) {
    auto durum = std::make_shared<T>(std::forward<Args>(args)...);
    durumlar_.push_back(durum);
    return *durum;
  }

 private:
  std::vector<std::shared_ptr<void>> durumlar_;
};

// The window's widgets inside the scene, which owns the logic they are bound to and shows
// the window's caption in its title bar.
inline std::unique_ptr<QWidget> Sahnede(std::unique_ptr<SahnePenceresi> sahne, QWidget* pencere, QSize boyut) {
  pencere->setWindowFlags(Qt::Widget);
  sahne->setWindowTitle(pencere->windowTitle());
  auto* duzen = new QVBoxLayout(sahne.get());
  duzen->setContentsMargins(0, 0, 0, 0);
  duzen->addWidget(pencere);
  sahne->resize(boyut);
  return sahne;
}

}  // namespace zorvat::ekran
