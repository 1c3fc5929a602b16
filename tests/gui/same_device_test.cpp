// Setup pressed while a later page is open: a new search that finds the verified device again
// starts its pages anew from Step 2; only another hardware address is another device.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>

#include "app/welcome_template.h"
#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/shell_fixture.h"

namespace tamberlyx::test {
namespace {

constexpr char kOtherAddress[] = "192.168.0.21";
constexpr char kMac[] = "00:11:22:33:44:55";

std::string Reported(const char* name, const char* mac, const char* time) {
  return std::string("sys.hostname=") + name + "&nwk.wireless.ssid=" + name +
         "&nwk.bootproto=none&nwk.ipaddr=192.168.0.20&nwk.mac=" + mac +
         "&sys.Time.timeZone=Seoul&date=2008/04/11&time=" + time + "&locale=en";
}

// What the second search finds.
enum class Found { kSame, kClockMoved, kSecondDevice, kSameMacElsewhere };

struct FlowCase {
  const char* name;
  Found found;
  int step;  // the page whose button is pressed after the search
  int button;
  MessageId said;
  int opens;  // the step shown afterwards
};

class SameDeviceTest : public ShellFixture, public testing::WithParamInterface<FlowCase> {
 protected:
  void AddNas(const char* address, const char* name, const char* mac, const char* time) {
    device::DeviceOptions options;
    options.settings = Reported(name, mac, time);
    options.delayMs = address == std::string(kFixtureDevice) ? 0 : 20;  // listed second
    device::AddDevice(m_services.Network(), address, options);
  }
  WizardPage& Page(int step) {
    WizardPage* pages[] = {&m_wizard.Step1(), &m_wizard.Step2(), &m_wizard.Step3(),
                           &m_wizard.Step4()};
    return *pages[step - 1];
  }
  QLineEdit& ServerName() {
    return *qobject_cast<QLineEdit*>(m_wizard.Step2().Control(kIdServerName));
  }
};

TEST_P(SameDeviceTest, ANewSearchOnlyRestartsThePagesOfTheSameDevice) {
  const FlowCase& c = GetParam();
  AddNas(kFixtureDevice, "nas", kMac, "09:05:00");
  GoForwardTo(2);
  ServerName().setText("edited");
  if (c.step >= 3) ClickButton(*m_wizard.Step2().Window(), kIdIpNext);
  if (c.step >= 4) ClickButton(*m_wizard.Step3().Window(), kIdDateTimeNext);
  QDialog* acting = Page(c.step).Window();
  ASSERT_NE(acting, nullptr);
  if (c.found == Found::kClockMoved || c.found == Found::kSameMacElsewhere) {
    m_services.Network().RemovePeer(kFixtureDevice);
  }
  if (c.found == Found::kClockMoved) AddNas(kFixtureDevice, "nas", kMac, "09:05:42");
  if (c.found == Found::kSameMacElsewhere) AddNas(kOtherAddress, "nas", kMac, "09:05:42");
  if (c.found == Found::kSecondDevice) AddNas(kOtherAddress, "other", "00:11:22:33:44:66", "1");

  ClickButton(m_welcome, kIdSetup);
  WaitForSearch(m_wizard.Step1());
  if (c.found == Found::kSecondDevice) m_wizard.Step1().DeviceListBox()->setCurrentRow(1);
  m_services.Messages().Clear();
  m_services.Network().ClearSent();
  ClickButton(*acting, c.button);
  ProcessEvents();

  ASSERT_EQ(m_services.Messages().Shown().size(), 1u);
  EXPECT_EQ(m_services.Messages().Shown()[0].message.id, c.said);
  EXPECT_TRUE(m_services.Network().Sent().empty());
  EXPECT_FALSE(m_wizard.Step3().HasWindow() || m_wizard.Step4().HasWindow());
  ASSERT_TRUE(Page(c.opens).HasWindow());
  EXPECT_TRUE(Page(c.opens).Window()->isVisible());
  if (c.opens == 2) {
    EXPECT_EQ(ServerName().text(), "nas");  // made from the new buffers
  }
}

constexpr MessageId kReadAgain = MessageId::kDeviceReadAgain;
constexpr MessageId kOther = MessageId::kOtherDeviceSelected;

INSTANTIATE_TEST_SUITE_P(
    Flows, SameDeviceTest,
    testing::Values(FlowCase{"SaveSame", Found::kSame, 4, kIdSave, kReadAgain, 2},
                    FlowCase{"BackSame", Found::kSame, 4, kIdSaveBack, kReadAgain, 2},
                    FlowCase{"NextOnStep3Same", Found::kSame, 3, kIdDateTimeNext, kReadAgain, 2},
                    FlowCase{"BackOnStep3Same", Found::kSame, 3, kIdDateTimeBack, kReadAgain, 2},
                    FlowCase{"NextOnStep2Same", Found::kSame, 2, kIdIpNext, kReadAgain, 2},
                    FlowCase{"SaveClock", Found::kClockMoved, 4, kIdSave, kReadAgain, 2},
                    FlowCase{"BackClock", Found::kClockMoved, 4, kIdSaveBack, kReadAgain, 2},
                    FlowCase{"NextClock", Found::kClockMoved, 3, kIdDateTimeNext, kReadAgain, 2},
                    FlowCase{"SaveSecondDevice", Found::kSecondDevice, 4, kIdSave, kOther, 1},
                    FlowCase{"NextSecondDevice", Found::kSecondDevice, 2, kIdIpNext, kOther, 1},
                    FlowCase{"SaveMoved", Found::kSameMacElsewhere, 4, kIdSave,
                             MessageId::kDeviceMoved, 1}),
    [](const testing::TestParamInfo<FlowCase>& param) { return param.param.name; });

}  // namespace
}  // namespace tamberlyx::test
