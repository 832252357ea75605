// One application object for every widget test, drawn on the offscreen platform that the
// test's environment names; the program's look applies as in the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "ui/look.h"

// Qt and the font libraries keep some memory until the process ends; only leaks of the
// project's own code count.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6\nleak:libglib\nleak:libdbus\nleak:libxkbcommon\n";
}

namespace {

class QtOrtami : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "zorvat_ui_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationDisplayName("Zorvat Oto B2B");
    zorvat::gorunum::Uygula(*application_);
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QApplication> application_;
};

const auto* const kOrtam = testing::AddGlobalTestEnvironment(new QtOrtami);

}  // namespace
