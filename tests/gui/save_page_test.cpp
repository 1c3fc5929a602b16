// Step 4 over the shell: the two columns, the warning, and every way a save ends.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>

#include "device/default_settings.h"
#include "device/fake_devices.h"
#include "pages/confirm_dialog.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "protocol/settings_text.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/color_label.h"

namespace tamberlyx::test {
namespace {

constexpr char kDeviceIp[] = "192.168.0.20";
constexpr char kPassword[] = "s3cret";

std::string Joined(const SavePage::Column& column) {
  std::string joined = column[0]->text().toStdString();
  for (std::size_t row = 1; row < column.size(); ++row) {
    joined += "|" + column[row]->text().toStdString();
  }
  return joined;
}

class SavePageTest : public ShellFixture {
 protected:
  SavePage& Page() { return m_wizard.Step4(); }
  void Open(const std::string& current, const std::string& edited) {
    m_wizard.Buffers() = {current, edited, kDeviceIp, kPassword};
    m_wizard.SetVerifiedDevice(SelectedDevice(m_wizard.Buffers()));
    ASSERT_TRUE(SwitchToPage(nullptr, Page(), kSaveTemplateId));
  }
  // Save, answered in the confirmation; a confirmed save is then waited out.
  void Save(bool confirm) {
    AnswerNextModal([confirm](QDialog& dialog) {
      auto& box = dynamic_cast<ConfirmDialog&>(dialog);
      (confirm ? box.OkButton() : box.CancelButton())->click();
    });
    ClickButton(*Page().Window(), kIdSave);
    QElapsedTimer clock;
    clock.start();
    while (confirm && Page().HasWindow() && clock.elapsed() < 5000) ProcessEvents(5);
  }
};

TEST_F(SavePageTest, ShowsBothColumnsAndWarnsOnlyWhenTheAddressChanges) {
  struct Case {
    std::string current, edited, oldShown, newShown;
    bool warned;
  };
  const std::string kilo(1000, 'n');
  const Case cases[] = {
      {"sys.hostname=NAS&nwk.ipaddr=10.0.0.2&nwk.netmask=255.0.0.0&sys.gateway=10.0.0.1&date=2008/"
       "4/11&time=9:5:0",
       "sys.hostname=nas2&nwk.ipaddr=10.0.0.2&nwk.netmask=255.0.0.0&sys.gateway=10.0.0.1&date=2008/"
       "04/11&time=09:05:00",
       "NAS|10.0.0.2|255.0.0.0|10.0.0.1|Fixed|2008/4/11|9:5:0",
       "nas2|10.0.0.2|255.0.0.0|10.0.0.1|Fixed|2008/04/11|09:05:00", false},
      // DHCP keeps the address it had.
      {"nwk.bootproto=none&nwk.ipaddr=10.0.0.2", "nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.2",
       "|10.0.0.2|||Fixed||", "|10.0.0.2|||DHCP||", false},
      {"nwk.ipaddr=10.0.0.2", "nwk.ipaddr=10.0.0.3", "|10.0.0.2|||Fixed||", "|10.0.0.3|||Fixed||",
       true},
      {"nwk.bootproto=DHCP", "", "||||Fixed||", "||||Fixed||", false},
      // Both show one replacement character; the bytes still differ.
      {"nwk.ipaddr=\xff", "nwk.ipaddr=\xfe", "|\xef\xbf\xbd|||Fixed||", "|\xef\xbf\xbd|||Fixed||",
       true},
      {"sys.hostname=" + kilo, "sys.hostname=" + kilo, kilo + "||||Fixed||", kilo + "||||Fixed||",
       false},
  };
  for (const Case& c : cases) {
    Open(c.current, c.edited);
    EXPECT_EQ(Joined(Page().OldValues()), c.oldShown) << c.current;
    EXPECT_EQ(Joined(Page().NewValues()), c.newShown) << c.edited;
    EXPECT_EQ(Page().Warning()->isVisible(), c.warned) << c.edited;
    EXPECT_TRUE(Page().DriveCheckBox()->isEnabled()) << c.edited;  // the drives follow the device
    Page().DestroyWindow();
  }
}

TEST_F(SavePageTest, CancelInTheConfirmationSendsNothing) {
  const std::string settings = device::DefaultSettings("NAS", kDeviceIp);
  device::AddDevice(m_services.Network(), kDeviceIp);
  Open(settings, settings);
  Save(false);
  ProcessEvents(50);
  EXPECT_TRUE(m_services.Network().Sent().empty());
  EXPECT_TRUE(Page().Window()->isVisible() && Page().Window()->isEnabled());
  EXPECT_EQ(m_wizard.Buffers().newSettings, settings);  // its locale entry not rewritten
}

// Every save ends with one message and the page closed; only a confirmed save with the box
// ticked maps the shares, by name and, when the name does not resolve, by address.
TEST_F(SavePageTest, EveryEndOfASaveClosesThePageAndOnlyAConfirmedOneMaps) {
  struct Case {
    bool silent, sendFails, ticked;
    std::set<std::string> unresolvable;
    std::string message, caption;
    std::vector<MapCall> calls;
  };
  const std::string saved = "Configurations have saved successfully!";
  const MapCall byName{"nas-study", kPassword, "admin"}, byAddress{kDeviceIp, kPassword, "admin"};
  const Case cases[] = {
      {false, false, false, {}, saved, "Status", {}},
      {false, false, true, {}, saved, "Status", {byName}},
      {false, false, true, {"nas-study"}, saved, "Status", {byName, byAddress}},
      {true, false, true, {}, "Server does not exist!!", "tamberlyx-setup", {}},
      {false, true, true, {}, "Configurations have saved Fail!", "Status", {}},
  };
  const std::string settings = device::DefaultSettings("NAS", kDeviceIp);
  std::string edited = settings;
  ReplaceSettingEntry(edited, "sys.hostname", "sys.hostname=nas-study");
  m_services.SetTickPeriodMs(1);  // two of the saves wait out all 301 ticks
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message + (c.ticked ? ", ticked" : ""));
    m_services.Network().RemovePeer(kDeviceIp);
    device::DeviceOptions options;
    if (c.silent) options.silentFor = {"SET"};
    const device::DevicePeer& device = device::AddDevice(m_services.Network(), kDeviceIp, options);
    m_services.Network().Failures().send = c.sendFails;
    m_services.Drives() = RecordingDriveMapper();
    m_services.Drives().SetUnresolvable(c.unresolvable);
    m_services.Messages().Clear();
    Open(settings, edited);
    if (c.ticked) Page().DriveCheckBox()->click();
    m_services.Messages().onShow = [this, page = Page().Window()](const ShownMessage& shown) {
      EXPECT_FALSE(m_wizard.SaveProgress().HasWindow());  // gone before the message
      EXPECT_EQ(shown.owner, page);
    };

    Save(true);
    EXPECT_FALSE(Page().HasWindow());
    ASSERT_EQ(m_services.Messages().Shown().size(), 1u);
    EXPECT_EQ(m_services.Messages().Texts()[0], c.message);
    EXPECT_EQ(m_services.Messages().Shown()[0].caption.toStdString(), c.caption);
    EXPECT_EQ(m_services.Drives().Calls(), c.calls);
    EXPECT_EQ(device.Settings() == edited, c.message == saved);
  }
}

}  // namespace
}  // namespace tamberlyx::test
