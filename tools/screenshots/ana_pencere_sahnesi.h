// The main window with the demonstration server's data, for the scenes of its pages.
#pragma once

#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace zorvat {
class TForm1;
}

namespace zorvat::ekran {

// The main window after the login of the computer's user ("DEMO-AHMET"); a representative
// takes the customer on the given row of his list. `hazirla` then acts as the user would.
std::unique_ptr<QWidget> AnaPencereSahnesi(const std::string& kimlik, std::size_t cariSirasi, QSize boyut,
                                           const std::function<void(TForm1&)>& hazirla = {});

}  // namespace zorvat::ekran
