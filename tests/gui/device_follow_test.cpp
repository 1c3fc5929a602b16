// After a save that moves the device: the wait for it, where it answers, and the drives there.
#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>

#include "app/welcome_template.h"
#include "device/default_settings.h"
#include "device/fake_devices.h"
#include "pages/confirm_dialog.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "protocol/settings_text.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"

namespace tamberlyx::test {
namespace {

constexpr char kDeviceIp[] = "192.168.0.20";
constexpr char kPassword[] = "pw";
constexpr char kSaved[] = "Configurations have saved successfully!";

enum class End { kWaitedOut, kCancelButton, kEscape };

class DeviceFollowTest : public ShellFixture {
 protected:
  DeviceFollowTest() {
    m_services.SetTickPeriodMs(1);
    m_services.SetFollowTiming(40, 400);
  }

  // Saves `entries` over the device's settings; once the device has stored them it moves to
  // `moveTo` ("" : it never answers again). Returns when the page has closed.
  void SaveAndMove(const std::vector<std::string>& entries, const std::string& moveTo, End end,
                   bool tickDrives) {
    const std::string settings = device::DefaultSettings("NAS", kDeviceIp);
    std::string edited = settings;
    for (const std::string& entry : entries) {
      ReplaceSettingEntry(edited, entry.substr(0, entry.find('=')), entry);
    }
    const device::DevicePeer* device = &device::AddDevice(m_services.Network(), kDeviceIp);
    m_wizard.Buffers() = {settings, edited, kDeviceIp, kPassword};
    m_wizard.SetVerifiedDevice(SelectedDevice(m_wizard.Buffers()));
    ASSERT_TRUE(SwitchToPage(nullptr, m_wizard.Step4(), kSaveTemplateId));
    if (tickDrives) m_wizard.Step4().DriveCheckBox()->click();
    const ModalAnswerer confirm(
        [](QDialog& dialog) { dynamic_cast<ConfirmDialog&>(dialog).OkButton()->click(); });
    ClickButton(*m_wizard.Step4().Window(), kIdSave);
    QElapsedTimer clock;
    clock.start();
    bool moved = false;
    bool stopped = end == End::kWaitedOut;
    m_followed = false;
    while (m_wizard.Step4().HasWindow() && clock.elapsed() < 5000) {
      m_followed = m_followed || m_wizard.Follow().Running();
      if (m_followed && !stopped) {
        stopped = true;
        Stop(end);
      }
      if (!moved && device->Settings() == edited) {
        moved = true;
        const std::string stored = device->Settings();
        m_services.Network().RemovePeer(kDeviceIp);
        device::DeviceOptions options;
        options.settings = stored;
        if (!moveTo.empty()) device::AddDevice(m_services.Network(), moveTo, options);
      }
      ProcessEvents(5);
    }
  }

  void Stop(End end) {
    ProgressDialog& progress = m_wizard.SaveProgress();
    ASSERT_TRUE(progress.HasWindow());
    if (end == End::kCancelButton) {
      ASSERT_TRUE(progress.CancelButton()->isVisible());
      progress.CancelButton()->click();
    } else {
      PressKey(*progress.Window(), Qt::Key_Escape);
    }
  }

  bool m_followed = false;
};

TEST_F(DeviceFollowTest, SaysWhereTheDeviceAnswersAndConnectsTheDrivesThere) {
  struct Case {
    const char* what;
    std::vector<std::string> entries;
    std::string moveTo;
    End end;
    std::string line;  // below the saved message; "" for none
    std::vector<MapCall> maps;
  };
  const std::string notYet = "The device has not answered yet.";
  const std::string stopped = "The wait was stopped; the device keeps its new settings.";
  const Case cases[] = {
      {"fixed",
       {"nwk.ipaddr=192.168.0.21"},
       "192.168.0.21",
       End::kWaitedOut,
       "The device now answers at 192.168.0.21.",
       {{"192.168.0.21", kPassword, "admin"}}},
      {"dhcp",
       {"nwk.bootproto=dhcp"},
       "192.168.0.57",
       End::kWaitedOut,
       "The device now answers at 192.168.0.57.",
       {{"192.168.0.57", kPassword, "admin"}}},
      {"gone", {"nwk.ipaddr=192.168.0.22"}, "", End::kWaitedOut, notYet, {}},
      {"cancel", {"nwk.ipaddr=192.168.0.23"}, "", End::kCancelButton, stopped, {}},
      {"escape", {"nwk.bootproto=dhcp"}, "", End::kEscape, stopped, {}},
      {"unmoved",
       {"sys.hostname=nas-study"},
       "",
       End::kWaitedOut,
       "",
       {{"nas-study", kPassword, "admin"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    m_services.Messages().Clear();
    m_services.Drives() = RecordingDriveMapper();
    m_services.Network().RemovePeer(kDeviceIp);
    SaveAndMove(c.entries, c.moveTo, c.end, true);
    EXPECT_FALSE(m_wizard.Step4().HasWindow());
    EXPECT_FALSE(m_wizard.Follow().Running());
    EXPECT_EQ(m_followed, !c.line.empty());
    ASSERT_EQ(m_services.Messages().Texts().size(), 1u);
    const std::string said = m_services.Messages().Texts()[0];
    EXPECT_EQ(said.substr(0, said.find('\n')), kSaved);
    const std::string line =
        said.find('\n') == std::string::npos ? "" : said.substr(said.find('\n') + 1);
    EXPECT_EQ(line.substr(0, c.line.size()), c.line);
    EXPECT_EQ(m_services.Drives().Calls(), c.maps);
    // The connections to the address it leaves go before the save.
    EXPECT_EQ(m_services.Drives().Forgotten().size(), c.line.empty() ? 0u : 1u);
    if (!c.moveTo.empty()) m_services.Network().RemovePeer(c.moveTo);
  }
}

// Setup while the device is followed: Step 1's search starts only once the follow has ended.
TEST_F(DeviceFollowTest, SetupWaitsForTheFollowToEnd) {
  m_services.SetFollowTiming(40, 300);
  bool searchedDuringFollow = false;
  m_services.Messages().onShow = [this, &searchedDuringFollow](const ShownMessage&) {
    searchedDuringFollow = m_wizard.Step1().Searching();
  };
  const ModalAnswerer confirm(
      [](QDialog& dialog) { dynamic_cast<ConfirmDialog&>(dialog).OkButton()->click(); });
  const std::string settings = device::DefaultSettings("NAS", kDeviceIp);
  std::string edited = settings;
  ReplaceSettingEntry(edited, "nwk.ipaddr", "nwk.ipaddr=192.168.0.24");
  device::AddDevice(m_services.Network(), kDeviceIp);
  m_wizard.Buffers() = {settings, edited, kDeviceIp, kPassword};
  m_wizard.SetVerifiedDevice(SelectedDevice(m_wizard.Buffers()));
  ASSERT_TRUE(SwitchToPage(nullptr, m_wizard.Step4(), kSaveTemplateId));
  ClickButton(*m_wizard.Step4().Window(), kIdSave);
  QElapsedTimer clock;
  clock.start();
  while (!m_wizard.Follow().Running() && clock.elapsed() < 3000) ProcessEvents(5);
  ASSERT_TRUE(m_wizard.Follow().Running());
  ClickButton(m_welcome, kIdSetup);
  ProcessEvents(20);
  EXPECT_FALSE(m_wizard.Step1().Searching());
  while (m_wizard.Step4().HasWindow() && clock.elapsed() < 5000) ProcessEvents(5);
  EXPECT_FALSE(searchedDuringFollow);
  while (m_wizard.SearchProgress().HasWindow() && clock.elapsed() < 8000) ProcessEvents(5);
  EXPECT_EQ(m_wizard.Devices().Size(), 1u);  // the device, still answering at its old address
  for (const std::string& text : m_services.Messages().Texts()) {
    EXPECT_EQ(text.find("bind"), std::string::npos);
  }
}

}  // namespace
}  // namespace tamberlyx::test
