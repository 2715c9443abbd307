#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

namespace {

// Widgets need an application object; the tests run under the offscreen
// platform, so nothing is shown.
class QtApplicationEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "vh_widget_tests";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
    // Whatever a test leaves in the user's folders (recovery copies, say)
    // goes to a test location, never among the user's own.
    QStandardPaths::setTestModeEnabled(true);
  }
  void TearDown() override { delete app_; }

private:
  QApplication* app_ = nullptr;
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
