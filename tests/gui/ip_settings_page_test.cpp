// Step 2 over the shell: what it shows for a device's settings, the two modes, and what Next
// writes back.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "protocol/settings_text.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/ip_address_edit.h"

namespace tamberlyx::test {
namespace {

constexpr char kManual[] =
    "sys.hostname=NAS1&nwk.wireless.ssid=NAS1&nwk.bootproto=none&nwk.ipaddr=192.168.0.20&"
    "nwk.netmask=255.255.255.0&sys.gateway=192.168.0.1&sys.dns=192.168.0.1&x=1";
constexpr int kAddressIds[] = {kIdIpAddress, kIdNetmask, kIdGateway, kIdDns};

class IpSettingsPageTest : public ShellFixture {
 protected:
  IpSettingsPage& Page() { return m_wizard.Step2(); }
  void Open(const std::string& settings) {
    m_wizard.Buffers().newSettings = settings;
    m_wizard.SetVerifiedDevice(SelectedDevice(m_wizard.Buffers()));
    ASSERT_TRUE(SwitchToPage(nullptr, Page(), kIpSettingsTemplateId));
  }
  QLineEdit& Name() { return *qobject_cast<QLineEdit*>(Page().Control(kIdServerName)); }
  IpAddressEdit& Address(int i) {
    return *qobject_cast<IpAddressEdit*>(Page().Control(kAddressIds[i]));
  }
  QRadioButton& Radio(int id) { return *qobject_cast<QRadioButton*>(Page().Control(id)); }
  void Click(int radioId) { QTest::mouseClick(&Radio(radioId), Qt::LeftButton); }
  // Name and the four controls, blank fields as empty texts: "nas|192.168.0.20|...".
  std::string Shown() {
    QStringList shown{Name().text()};
    for (int i = 0; i < 4; ++i) {
      QStringList fields;
      for (std::size_t f = 0; f < 4; ++f) fields << Address(i).Field(f)->text();
      shown << fields.join(QLatin1Char('.'));
    }
    return shown.join(QLatin1Char('|')).toStdString();
  }
  bool Manual() {
    const bool manual = Radio(kIdManualAddress).isChecked();
    EXPECT_NE(manual, Radio(kIdDhcpAddress).isChecked());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Address(i).isEnabled(), manual);
    EXPECT_TRUE(Name().isEnabled());
    return manual;
  }
  const std::string& Next() {
    ClickButton(*Page().Window(), kIdIpNext);
    m_wizard.Step3().DestroyWindow();  // so that the next Next writes again
    return m_wizard.Buffers().newSettings;
  }
};

// Bad data from a device is shown as far as it goes and never stops the page.
TEST_F(IpSettingsPageTest, ShowsTheDeviceValuesInTheirMode) {
  struct Case {
    std::string settings;
    bool manual;
    std::string shown;
  };
  const Case cases[] = {
      {kManual, true, "nas1|192.168.0.20|255.255.255.0|192.168.0.1|192.168.0.1"},
      {"sys.hostname=MyNas&nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.300", false,
       "mynas|10.0.0.44|...|...|..."},
      {"nwk.bootproto=DHCP&nwk.ipaddr=1.2.3&sys.dns=999.1.1.1", true, "|1.2.3.|...|...|231.1.1.1"},
      {"nwk.bootproto=static&nwk.netmask=&sys.gateway=...", true, "|...|...|...|..."},
      {"nwk.bootproto=", true, "|...|...|...|..."},
      {"", true, "|...|...|...|..."},
      {"sys.hostname=" + std::string(900, 'N'), true, std::string(900, 'n') + "|...|...|...|..."},
      {"sys.hostname=caf\xe9&nwk.ipaddr=\xff.1", true, "caf\xef\xbf\xbd|0.1..|...|...|..."},
  };
  for (const Case& c : cases) {
    Open(c.settings);
    EXPECT_EQ(Manual(), c.manual) << c.settings;
    EXPECT_EQ(Shown(), c.shown) << c.settings;
    Page().DestroyWindow();
  }
}

TEST_F(IpSettingsPageTest, DhcpRestoresAllFiveFieldsAndManualKeepsThem) {
  std::string settings = kManual;
  ReplaceSettingEntry(settings, "sys.dns", "sys.dns=");  // an empty value is restored too
  Open(settings);
  const std::string device = "nas1|192.168.0.20|255.255.255.0|192.168.0.1|...";
  EXPECT_EQ(Shown(), device);
  Name().setText(QStringLiteral("edited"));
  for (int i = 0; i < 4; ++i) Address(i).SetAddress({1, 2, 3, 4});
  Click(kIdDhcpAddress);
  EXPECT_FALSE(Manual());
  EXPECT_EQ(Shown(), device);
  Click(kIdDhcpAddress);  // a click on the checked button runs it again
  EXPECT_FALSE(Manual());
  Click(kIdManualAddress);
  Address(3).SetAddress({8, 8, 8, 8});
  Click(kIdManualAddress);
  EXPECT_TRUE(Manual());
  EXPECT_EQ(Shown(), "nas1|192.168.0.20|255.255.255.0|192.168.0.1|8.8.8.8");
}

TEST_F(IpSettingsPageTest, NextWritesTheSevenEntriesOfItsModeWhereReported) {
  struct Case {
    std::string settings;
    int radio;  // clicked before Next; 0 none
    std::string written;
  };
  const Case cases[] = {
      {kManual, 0,
       "sys.hostname=nas1&nwk.wireless.ssid=nas1&nwk.bootproto=none&nwk.ipaddr=192.168.0.20&"
       "nwk.netmask=255.255.255.0&sys.gateway=192.168.0.1&sys.dns=192.168.0.1&x=1"},
      {kManual, kIdDhcpAddress,
       "sys.hostname=nas1&nwk.wireless.ssid=nas1&nwk.bootproto=dhcp&nwk.ipaddr=192.168.0.20&"
       "nwk.netmask=255.255.255.0&sys.gateway=192.168.0.1&sys.dns=192.168.0.1&x=1"},
      // Blank and 0.0.0.0 both go back as empty values; what the device did not report stays out.
      {"sys.hostname=MyNas&nwk.ipaddr=0.0.0.0&sys.gateway=0.0.0.1&sys.dns=", 0,
       "sys.hostname=mynas&nwk.ipaddr=&sys.gateway=0.0.0.1&sys.dns="},
      {"nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.300&sys.dns=garbage", kIdManualAddress,
       "nwk.bootproto=none&nwk.ipaddr=10.0.0.44&sys.dns="},
      {"a=1", 0, "a=1"},
      // A name the field cannot show goes back in its own bytes when left alone.
      {"sys.hostname=Caf\xe9&nwk.wireless.ssid=x", 0,
       "sys.hostname=caf\xe9&nwk.wireless.ssid=caf\xe9"},
  };
  for (const Case& c : cases) {
    Open(c.settings);
    if (c.radio != 0) Click(c.radio);
    EXPECT_EQ(Next(), c.written) << c.settings;
  }
}

TEST_F(IpSettingsPageTest, TheUsersEditsAreWrittenAndShownAgainAfterBack) {
  Open(kManual);
  Name().selectAll();
  QTest::keyClicks(&Name(), "Office-NAS-Number-2");  // capitals lower-cased, 15 typed at most
  Address(1).SetAddress({255, 255, 0, 0});
  Address(3).ClearAddress();
  const std::string written =
      "sys.hostname=office-nas-numb&nwk.wireless.ssid=office-nas-numb&nwk.bootproto=none&"
      "nwk.ipaddr=192.168.0.20&nwk.netmask=255.255.0.0&sys.gateway=192.168.0.1&sys.dns=&x=1";
  ClickButton(*Page().Window(), kIdIpNext);
  EXPECT_EQ(m_wizard.Buffers().newSettings, written);
  // Back from Step 3 shows what Next wrote.
  ClickButton(*m_wizard.Step3().Window(), kIdDateTimeBack);
  IpSettingsPage& back = m_wizard.Step2();
  EXPECT_EQ(qobject_cast<QLineEdit*>(back.Control(kIdServerName))->text(), "office-nas-numb");
  EXPECT_TRUE(qobject_cast<IpAddressEdit*>(back.Control(kIdDns))->IsBlank());
}

TEST_F(IpSettingsPageTest, ALongDeviceNameIsKeptAndCanOnlyShrink) {
  Open("sys.hostname=twenty-characters-xy");
  QTest::keyClick(&Name(), Qt::Key_End);
  QTest::keyClicks(&Name(), "z");
  EXPECT_EQ(Name().text(), QStringLiteral("twenty-characters-xy"));
  for (int i = 0; i < 6; ++i) QTest::keyClick(&Name(), Qt::Key_Backspace);
  QTest::keyClicks(&Name(), "abc");
  EXPECT_EQ(Name().text(), QStringLiteral("twenty-characta"));
}

}  // namespace
}  // namespace tamberlyx::test
