// The admin password check against simulated devices: every way a check can end.
#include "pages/password_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "device/fake_devices.h"
#include "platform/desktop/message_box.h"
#include "protocol/datagram.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"

namespace tamberlyx::test {
namespace {

constexpr char kDevice[] = "192.168.0.20";
constexpr char kPc[] = "192.168.0.100";

class PasswordDlgTest : public ShellFixture {
 protected:
  PasswordDlgTest() {
    m_wizard.Buffers().currentSettings = "sys.hostname=nas&nwk.ipaddr=192.168.0.20";
    m_wizard.Buffers().selectedDeviceIp = kDevice;
  }
  device::DevicePeer& AddDevice(device::DeviceOptions options = {}) {
    options.password = "s3cret";
    return device::AddDevice(m_services.Network(), kDevice, std::move(options));
  }
  // Shows the dialog without blocking, types the password and presses OK.
  void Check(CPasswordDlg& dialog, const QString& password) {
    dialog.open();
    dialog.PasswordEdit()->setText(password);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  }
  void WaitWhileChecking(const CPasswordDlg& dialog) {
    for (int i = 0; i < 1000 && dialog.Checking(); ++i) ProcessEvents(2);
    ProcessEvents();
  }
  void Inject(const char* word) {
    m_services.Network().Inject(BuildDatagram(kPc, word, ""), kDevice);
  }
  bool Usable(const CPasswordDlg& dialog) {
    return dialog.isEnabled() && dialog.PasswordEdit()->isEnabled() &&
           dialog.OkButton()->isEnabled() && dialog.CancelButton()->isEnabled() &&
           !m_wizard.PasswordProgress().HasWindow();
  }
};

struct OutcomeCase {
  const char* name;
  const char* typed;
  std::function<void(device::DeviceOptions&, FakeNetwork&)> arrange;
  int result;  // -1: the dialog stays open for another try
  std::vector<std::string> messages;
  const char* editAfter;
};

class PasswordOutcomeTest : public PasswordDlgTest,
                            public testing::WithParamInterface<OutcomeCase> {};

TEST_P(PasswordOutcomeTest, EndsAsTheDeviceAnswered) {
  const OutcomeCase& c = GetParam();
  device::DeviceOptions options;
  if (c.arrange) c.arrange(options, m_services.Network());
  AddDevice(options);
  CPasswordDlg dialog(m_wizard, &m_welcome);
  Check(dialog, c.typed);
  EXPECT_FALSE(dialog.PasswordEdit()->isEnabled());
  EXPECT_TRUE(m_wizard.PasswordProgress().HasWindow());
  WaitWhileChecking(dialog);

  EXPECT_EQ(dialog.isVisible() ? -1 : dialog.result(), c.result);
  EXPECT_EQ(m_services.Messages().Texts(), c.messages);
  EXPECT_EQ(dialog.PasswordEdit()->text(), c.editAfter);
  EXPECT_TRUE(Usable(dialog));
  EXPECT_EQ(m_wizard.Buffers().adminPassword, c.typed);
  EXPECT_FALSE(m_services.Network().ClientPortBound());
}

const auto kNoAnswer = "Error server is not exist!!";
INSTANTIATE_TEST_SUITE_P(
    Outcomes, PasswordOutcomeTest,
    testing::Values(
        OutcomeCase{"Right", "s3cret", {}, QDialog::Accepted, {}, "s3cret"},
        OutcomeCase{"Wrong", "guess", {}, -1, {"Wrong password!"}, ""},
        OutcomeCase{"Silent",
                    "s3cret",
                    [](device::DeviceOptions& o, FakeNetwork&) { o.silentFor = {"VERIFY"}; },
                    QDialog::Rejected,
                    {kNoAnswer},
                    "s3cret"},
        // The address field names another PC: not ours, so the dialog waits on until the end.
        OutcomeCase{"ForAnotherPc",
                    "s3cret",
                    [](device::DeviceOptions& o, FakeNetwork&) { o.foreignAddress = "10.9.9.9"; },
                    QDialog::Rejected,
                    {kNoAnswer},
                    "s3cret"},
        OutcomeCase{"SendFails",
                    "s3cret",
                    [](device::DeviceOptions&, FakeNetwork& n) { n.Failures().send = true; },
                    -1,
                    {},
                    "s3cret"},
        OutcomeCase{"PortHeld",
                    "s3cret",
                    [](device::DeviceOptions&, FakeNetwork& n) { n.HoldClientPort(true); },
                    QDialog::Rejected,
                    {"Failed to bind CLIENT_PORT!\nError Code", kNoAnswer},
                    "s3cret"}),
    [](const testing::TestParamInfo<OutcomeCase>& param) { return std::string(param.param.name); });

TEST_F(PasswordDlgTest, ShowsItsTextsAndSendsTheEditsWholeText) {
  AddDevice();
  CPasswordDlg dialog(m_wizard, &m_welcome);
  dialog.open();
  EXPECT_EQ(dialog.windowTitle(), "Verify admin password");
  EXPECT_EQ(dialog.Prompt()->text(), "Please enter current admin password:");
  EXPECT_EQ(dialog.OkButton()->text(), "OK");
  EXPECT_TRUE(dialog.OkButton()->isDefault());
  EXPECT_EQ(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialog.focusWidget(), dialog.PasswordEdit());
  QTest::keyClicks(dialog.PasswordEdit(), "abcdefghijklmnopq");
  EXPECT_EQ(dialog.PasswordEdit()->text(), "abcdefghijklmnop");

  dialog.PasswordEdit()->clear();
  QTest::keyClick(dialog.PasswordEdit(), Qt::Key_Return);
  WaitWhileChecking(dialog);

  ASSERT_FALSE(m_services.Network().Sent().empty());
  EXPECT_EQ(m_services.Network().Sent()[0],
            (SentDatagram{"192.168.0.20   VERIFY    passwd=", kDevice, false}));
  EXPECT_EQ(m_services.Messages().Shown().at(0).caption, "Error");
  EXPECT_EQ(StyleOf(m_services.Messages().Shown().at(0).message.id).icon, QMessageBox::Warning);
}

TEST_F(PasswordDlgTest, KoreanTexts) {
  const ScopedLanguage korean(Language::kKorean);
  CPasswordDlg dialog(m_wizard, &m_welcome);
  EXPECT_EQ(dialog.windowTitle(), "admin 비밀번호 확인");
  EXPECT_EQ(dialog.Prompt()->text(), "admin 비밀번호입력:");
  EXPECT_EQ(dialog.OkButton()->text(), "확인");
  EXPECT_EQ(dialog.CancelButton()->text(), "취소");
}

// A word the dialog does not know makes it usable again while the check still listens; what
// the user does next must end that check first, or CLIENT_PORT stays taken.
TEST_F(PasswordDlgTest, AnUnknownWordThenCancelFreesThePort) {
  CPasswordDlg dialog(m_wizard, &m_welcome);
  Check(dialog, "s3cret");
  Inject("HOLD");
  ProcessEvents(20);
  ASSERT_TRUE(dialog.Checking());
  ASSERT_TRUE(Usable(dialog));

  QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);

  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.Checking());
  EXPECT_FALSE(m_services.Network().ClientPortBound());
  ProcessEvents(700);  // past the end of the old check's time
  EXPECT_TRUE(m_services.Messages().Shown().empty());
}

TEST_F(PasswordDlgTest, AnUnknownWordThenOkStartsAFreshCheck) {
  CPasswordDlg dialog(m_wizard, &m_welcome);
  Check(dialog, "first");
  Inject("HOLD");
  ProcessEvents(20);
  ASSERT_TRUE(Usable(dialog));

  dialog.PasswordEdit()->setText("second");
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  Inject("VERIFYOK");
  WaitWhileChecking(dialog);

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(m_services.Messages().Shown().empty());  // no bind error
  EXPECT_EQ(m_wizard.Buffers().adminPassword, "second");
  EXPECT_EQ(m_services.Network().Sent().size(), 2u);
}

}  // namespace
}  // namespace tamberlyx::test
