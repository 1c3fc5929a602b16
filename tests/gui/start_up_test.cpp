#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>

#include "app/start_up.h"
#include "app/welcome_template.h"
#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "platform/desktop/message_box.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/scoped_language.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/test_services.h"
#include "text/string_table.h"

namespace tamberlyx::test {
namespace {

const QString kStep1 = QStringLiteral("Tamberlyx Link - Setup Wizard (Step 1)");
const QString kStep2 = QStringLiteral("Tamberlyx Link - Setup Wizard (Step 2)");

TEST(StartUpTest, FailingSocketLayerShowsOnlyItsMessageAndEnds) {
  TestServices services(/*socketsWork=*/false);
  int windowsWhileShown = -1;
  services.Messages().onShow = [&](const ShownMessage&) {
    windowsWhileShown = VisibleWindowCount();
  };
  StartUp app(services.Get());

  EXPECT_FALSE(app.InitInstance());

  ASSERT_EQ(services.Messages().Shown().size(), 1u);
  const ShownMessage& shown = services.Messages().Shown().front();
  EXPECT_EQ(shown.message.text, LoadString(103));
  EXPECT_EQ(shown.message.text, "Windows sockets initialization failed.");
  EXPECT_EQ(shown.caption, "tamberlyx-setup");
  EXPECT_EQ(StyleOf(shown.message.id).icon, QMessageBox::Warning);
  EXPECT_EQ(windowsWhileShown, 0);
  EXPECT_EQ(VisibleWindowCount(), 0);
  EXPECT_EQ(app.ExitCode(), 1);
  EXPECT_EQ(services.SocketLayer().Starts(), 1);
}

// Every page window still open when the welcome dialog ends goes with it.
struct EndCase {
  const char* name;
  std::function<void(QDialog&)> end;
};

class WelcomeEndTest : public testing::TestWithParam<EndCase> {};

TEST_P(WelcomeEndTest, EndsTheProgramWithEveryPage) {
  ScopedLanguage english(Language::kEnglish);
  TestServices services;
  device::AddDevice(services.Network(), "192.168.0.20");
  StartUp app(services.Get());
  QPointer<QWidget> step1;
  QPointer<QWidget> step2;
  AnswerNextModal([&](QDialog& welcome) {
    EXPECT_EQ(welcome.windowTitle(), "Tamberlyx Link - Setup Wizard v1.60");
    ClickButton(welcome, kIdSetup);
    if (QWidget* page = FindWindow(kStep1)) PressSetupOnStep1(*page, "admin");  // on to Step 2
    ClickButton(welcome, kIdSetup);  // and a new Step 1 beside it
    ProcessEvents();
    step1 = FindWindow(kStep1);
    step2 = FindWindow(kStep2);
    EXPECT_TRUE(step1 && step2);
    // The new Step 1's search box shows too while its search runs; a busy machine may let the
    // search end before this look.
    EXPECT_GE(VisibleWindowCount(), 3);
    GetParam().end(welcome);
  });

  EXPECT_FALSE(app.InitInstance());
  ProcessEvents();

  EXPECT_TRUE(step1.isNull());
  EXPECT_TRUE(step2.isNull());
  EXPECT_EQ(VisibleWindowCount(), 0);
  EXPECT_TRUE(services.Messages().Shown().empty());
  EXPECT_EQ(app.ExitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, WelcomeEndTest,
    testing::Values(EndCase{"Exit", [](QDialog& d) { ClickButton(d, kIdCancel); }},
                    EndCase{"Escape", [](QDialog& d) { PressKey(d, Qt::Key_Escape); }},
                    EndCase{"CloseBox", [](QDialog& d) { d.close(); }}),
    [](const testing::TestParamInfo<EndCase>& param) { return std::string(param.param.name); });

TEST(StartUpTest, EnterOnTheWelcomeDialogIsSetupNotAnEnd) {
  ScopedLanguage english(Language::kEnglish);
  TestServices services;
  StartUp app(services.Get());
  bool stillOpen = false;
  bool stepOneOpen = false;
  AnswerNextModal([&](QDialog& welcome) {
    PressKey(welcome, Qt::Key_Return);
    ProcessEvents();
    stillOpen = welcome.isVisible();
    stepOneOpen = FindWindow(kStep1) != nullptr;
    welcome.reject();
  });

  app.InitInstance();

  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(stepOneOpen);
}

}  // namespace
}  // namespace tamberlyx::test
