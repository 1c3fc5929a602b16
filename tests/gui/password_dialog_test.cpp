// The admin password check against a simulated device: every way a check can end.
#include "pages/password_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <QPointer>

#include "app/welcome_template.h"
#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "protocol/datagram.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/main_window.h"

namespace tamberlyx::test {
namespace {

constexpr char kDevice[] = "192.168.0.20";

class PasswordDialogTest : public ShellFixture {
 protected:
  PasswordDialogTest() {
    m_wizard.Buffers().currentSettings = "nwk.ipaddr=192.168.0.20";
    m_wizard.Buffers().selectedDeviceIp = kDevice;
    m_dialog.AttachTo(&m_welcome);
  }
  // Shows the dialog without blocking, types the password and presses OK.
  void Check(const QString& password) {
    m_dialog.open();
    m_dialog.PasswordEdit()->setText(password);
    QTest::mouseClick(m_dialog.OkButton(), Qt::LeftButton);
  }
  void WaitWhileChecking() {
    for (int i = 0; i < 1000 && m_dialog.Checking(); ++i) ProcessEvents(2);
  }
  void Inject(const char* word) {
    m_services.Network().Inject(BuildDatagram(m_services.Network().PcAddress(), word, ""), kDevice);
    ProcessEvents(20);
  }
  bool Usable() {
    return m_dialog.isEnabled() && m_dialog.PasswordEdit()->isEnabled() &&
           m_dialog.OkButton()->isEnabled() && m_dialog.CancelButton()->isEnabled() &&
           !m_wizard.PasswordProgress().HasWindow();
  }

  PasswordDialog& m_dialog = m_wizard.Password().Dialog();
};

enum class Trouble { kNone, kSilent, kForeignAddress, kSendFails, kPortHeld };
struct OutcomeCase {
  const char* name;
  const char* typed;
  Trouble trouble;
  int result;  // -1: the dialog stays open for another try
  std::vector<std::string> messages;
  const char* editAfter;
};

class PasswordOutcomeTest : public PasswordDialogTest,
                            public testing::WithParamInterface<OutcomeCase> {};

TEST_P(PasswordOutcomeTest, EndsAsTheDeviceAnswered) {
  const OutcomeCase& c = GetParam();
  device::DeviceOptions options;
  options.password = "s3cret";
  if (c.trouble == Trouble::kSilent) options.silentFor = {"VERIFY"};
  if (c.trouble == Trouble::kForeignAddress) options.foreignAddress = "192.168.0.99";
  m_services.Network().Failures().send = c.trouble == Trouble::kSendFails;
  m_services.Network().HoldClientPort(c.trouble == Trouble::kPortHeld);
  device::AddDevice(m_services.Network(), kDevice, options);
  Check(c.typed);
  EXPECT_FALSE(Usable());
  WaitWhileChecking();

  EXPECT_EQ(m_dialog.isVisible() ? -1 : m_dialog.result(), c.result);
  EXPECT_EQ(m_services.Messages().Texts(), c.messages);
  EXPECT_EQ(m_dialog.PasswordEdit()->text(), c.editAfter);
  EXPECT_TRUE(Usable());
  EXPECT_EQ(m_wizard.Buffers().adminPassword, c.typed);
}

const char kNoAnswer[] = "Error server is not exist!!";
const char kBindFailed[] = "Failed to bind CLIENT_PORT!\nError Code";
INSTANTIATE_TEST_SUITE_P(
    Outcomes, PasswordOutcomeTest,
    testing::Values(
        OutcomeCase{"Right", "s3cret", Trouble::kNone, QDialog::Accepted, {}, "s3cret"},
        OutcomeCase{"Wrong", "guess", Trouble::kNone, -1, {"Wrong password!"}, ""},
        OutcomeCase{"Silent", "s3cret", Trouble::kSilent, QDialog::Rejected, {kNoAnswer}, "s3cret"},
        OutcomeCase{"ForAnotherPc",
                    "s3cret",
                    Trouble::kForeignAddress,
                    QDialog::Rejected,
                    {kNoAnswer},
                    "s3cret"},
        OutcomeCase{"SendFails", "s3cret", Trouble::kSendFails, -1, {}, "s3cret"},
        OutcomeCase{"PortHeld",
                    "s3cret",
                    Trouble::kPortHeld,
                    QDialog::Rejected,
                    {kBindFailed, kNoAnswer},
                    "s3cret"}),
    [](const testing::TestParamInfo<OutcomeCase>& param) { return std::string(param.param.name); });

TEST_F(PasswordDialogTest, SixteenMaskedCharactersAndAnEmptyPasswordIsSentAsSuch) {
  m_dialog.open();
  EXPECT_EQ(m_dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
  QTest::keyClicks(m_dialog.focusWidget(), "abcdefghijklmnopq");
  EXPECT_EQ(m_dialog.PasswordEdit()->text(), "abcdefghijklmnop");
  m_dialog.PasswordEdit()->clear();
  QTest::keyClick(m_dialog.PasswordEdit(), Qt::Key_Return);
  EXPECT_EQ(m_services.Network().Sent().at(0).bytes, "192.168.0.20   VERIFY    passwd=");
}

// A word the dialog does not know makes it usable while the check still listens; what the user
// does next must end that check first, or CLIENT_PORT stays taken.
TEST_F(PasswordDialogTest, AfterAnUnknownWordCancelAndOkFreeThePortFirst) {
  Check("first");
  Inject("HOLD");
  ASSERT_TRUE(Usable() && m_dialog.Checking());
  m_dialog.PasswordEdit()->setText("second");
  QTest::mouseClick(m_dialog.OkButton(), Qt::LeftButton);
  Inject("VERIFYOK");
  EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
  EXPECT_EQ(m_wizard.Buffers().adminPassword, "second");

  Check("third");
  Inject("HOLD");
  QTest::mouseClick(m_dialog.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(m_services.Network().ClientPortBound());
  ProcessEvents(700);  // past the old check's end of time
  EXPECT_TRUE(m_services.Messages().Shown().empty());
}

using PasswordRunTest = ShellFixture;

// One dialog serves every check of the run, over the Step 1 window that asks, each time as new.
TEST_F(PasswordRunTest, EveryPasswordCheckOpensTheSameDialogAsNew) {
  GoForwardTo(1);
  QWidget* step1 = m_wizard.Step1().Window();
  std::vector<QDialog*> opened;
  for (const bool cancel : {true, false}) {
    AnswerNextModal([&opened, step1, cancel](QDialog& modal) {
      auto* dialog = qobject_cast<PasswordDialog*>(&modal);
      ASSERT_NE(dialog, nullptr);
      opened.push_back(dialog);
      EXPECT_TRUE(dialog->isWindow() && dialog->parentWidget() == step1);
      EXPECT_EQ(dialog->PasswordEdit()->text(), "");
      EXPECT_EQ(dialog->focusWidget(), dialog->PasswordEdit());
      EXPECT_TRUE(dialog->PasswordEdit()->isEnabled() && dialog->OkButton()->isEnabled() &&
                  dialog->CancelButton()->isEnabled());
      dialog->PasswordEdit()->setText(cancel ? "typed" : kFixturePassword);
      QPushButton* button = cancel ? dialog->CancelButton() : dialog->OkButton();
      button->setFocus();  // as a click on a real screen would
      QTest::mouseClick(button, Qt::LeftButton);
    });
    ClickButton(*step1, kIdOk);
    EXPECT_EQ(m_wizard.Password().Dialog().parentWidget(), nullptr);
  }
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], opened[1]);
  EXPECT_EQ(opened[0], &m_wizard.Password().Dialog());
  EXPECT_TRUE(m_wizard.Step2().HasWindow());
}

// The run ends while the dialog is open: the welcome dialog takes Step 1's window, and the
// dialog in it, along; the wizard must not delete the dialog a second time.
TEST(PasswordRunEndTest, TheDialogGoesOnceWithTheWindowThatAsked) {
  const ScopedLanguage language(Language::kEnglish);
  TestServices services;
  device::AddDevice(services.Network(), "192.168.0.20");
  Wizard wizard(services.Get());
  QPointer<QDialog> asked;
  {
    auto* welcome = new WelcomeDialog(wizard.Step1());
    SetApplicationMainWindow(welcome);
    welcome->show();
    ClickButton(*welcome, kIdSetup);
    WaitForSearch(wizard.Step1());
    AnswerNextModal([&asked, welcome](QDialog& modal) {
      asked = &modal;
      delete welcome;
    });
    ClickButton(*wizard.Step1().Window(), kIdOk);
  }
  ProcessEvents();
  EXPECT_TRUE(asked.isNull());
  EXPECT_FALSE(wizard.Step1().HasWindow() || wizard.Step2().HasWindow());
}

}  // namespace
}  // namespace tamberlyx::test
