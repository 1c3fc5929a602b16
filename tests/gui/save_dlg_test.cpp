// Step 4 over the shell: the two columns, the warning, and every way a save ends.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>

#include "device/default_settings.h"
#include "device/fake_devices.h"
#include "pages/confirm_dlg.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "protocol/requests.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/color_label.h"

namespace tamberlyx::test {
namespace {

constexpr char kDeviceIp[] = "192.168.0.20";
constexpr char kPassword[] = "s3cret";
constexpr int kCloseWaitMs = 5000;

std::string Edited(std::string settings,
                   const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [key, value] : edits) ReplaceSettingEntry(settings, key, key + "=" + value);
  return settings;
}

std::vector<std::string> Texts(const CSaveDlg::Column& column) {
  std::vector<std::string> texts;
  for (const auto& label : column) texts.push_back(label->text().toStdString());
  return texts;
}

class SavePageTest : public ShellFixture {
 protected:
  CSaveDlg& Page() { return m_wizard.Step4(); }
  void Open(const std::string& current, const std::string& edited) {
    SharedBuffers& buffers = m_wizard.Buffers();
    buffers.currentSettings = current;
    buffers.newSettings = edited;
    buffers.selectedDeviceIp = kDeviceIp;
    buffers.adminPassword = kPassword;
    ASSERT_TRUE(SwitchToPage(nullptr, Page(), kSaveTemplateId));
  }
  // Save, answered OK or Cancel in the confirmation, then the page's own end.
  void Save(bool confirm) {
    AnswerNextModal([confirm](QDialog& dialog) {
      auto* box = qobject_cast<CConfirmDlg*>(&dialog);
      ASSERT_NE(box, nullptr);
      (confirm ? box->OkButton() : box->CancelButton())->click();
    });
    ClickButton(*Page().Window(), kIdSave);
    QElapsedTimer clock;
    clock.start();
    while (confirm && Page().HasWindow() && clock.elapsed() < kCloseWaitMs) ProcessEvents(5);
  }
  device::DevicePeer& Device(device::DeviceOptions options = {}) {
    options.password = kPassword;
    return device::AddDevice(m_services.Network(), kDeviceIp, std::move(options));
  }

  const std::string m_settings = device::DefaultSettings("NAS-OFFICE", kDeviceIp);
};

TEST_F(SavePageTest, ShowsBothColumnsAndWarnsOnlyWhenTheAddressChanges) {
  struct Case {
    const char* name;
    std::string current;
    std::string edited;
    std::vector<std::string> oldValues;
    std::vector<std::string> newValues;
    bool warned;
  };
  const std::string day = "&date=2008/4/11&time=9:5:0";
  const std::string base =
      "sys.hostname=NAS&nwk.bootproto=none&nwk.ipaddr=10.0.0.2"
      "&nwk.netmask=255.0.0.0&sys.gateway=10.0.0.1" +
      day;
  const std::vector<std::string> baseShown{"NAS",   "10.0.0.2",  "255.0.0.0", "10.0.0.1",
                                           "Fixed", "2008/4/11", "9:5:0"};
  const std::string longName(1000, 'n');
  const Case cases[] = {
      {"AddressKept",
       base,
       Edited(base, {{"sys.hostname", "nas2"}}),
       baseShown,
       {"nas2", "10.0.0.2", "255.0.0.0", "10.0.0.1", "Fixed", "2008/4/11", "9:5:0"},
       false},
      {"DhcpKeepsTheAddress",
       base,
       Edited(base, {{"nwk.bootproto", "dhcp"}}),
       baseShown,
       {"NAS", "10.0.0.2", "255.0.0.0", "10.0.0.1", "DHCP", "2008/4/11", "9:5:0"},
       false},
      {"AddressChanged",
       base,
       Edited(base, {{"nwk.ipaddr", "10.0.0.3"}}),
       baseShown,
       {"NAS", "10.0.0.3", "255.0.0.0", "10.0.0.1", "Fixed", "2008/4/11", "9:5:0"},
       true},
      {"CapitalDhcpIsFixed",
       "nwk.bootproto=DHCP",
       "nwk.bootproto=dhcp",
       {"", "", "", "", "Fixed", "", ""},
       {"", "", "", "", "DHCP", "", ""},
       false},
      {"NothingReported",
       "",
       "",
       {"", "", "", "", "Fixed", "", ""},
       {"", "", "", "", "Fixed", "", ""},
       false},
      // Both addresses show as the same replacement character; the bytes still differ.
      {"UnreadableAddressesDiffer",
       "nwk.ipaddr=\xff",
       "nwk.ipaddr=\xfe",
       {"", "\xef\xbf\xbd", "", "", "Fixed", "", ""},
       {"", "\xef\xbf\xbd", "", "", "Fixed", "", ""},
       true},
      {"ThousandCharacterName",
       "sys.hostname=" + longName,
       "sys.hostname=" + longName,
       {longName, "", "", "", "Fixed", "", ""},
       {longName, "", "", "", "Fixed", "", ""},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open(c.current, c.edited);
    EXPECT_EQ(Texts(Page().OldValues()), c.oldValues);
    EXPECT_EQ(Texts(Page().NewValues()), c.newValues);
    EXPECT_EQ(Page().Warning()->isVisible(), c.warned);
    EXPECT_EQ(Page().DriveCheckBox()->isEnabled(), !c.warned);
    EXPECT_FALSE(Page().DriveCheckBox()->isChecked());
    EXPECT_EQ(Page().OldValues()[0]->width(), Page().OldValues()[1]->width());
    Page().DestroyWindow();
  }
}

// The labels stand on the rows and columns of the table in both languages, inside the page and
// clear of each other; the check box's text stays clear of the Save button beside it.
TEST_F(SavePageTest, LabelsInBothLanguages) {
  const int tops[] = {104, 127, 150, 173, 196, 230, 253};  // 0.295 H, 0.065 H apart, Date 0.097 H
  for (const Language language : {Language::kEnglish, Language::kKorean}) {
    const ScopedLanguage scoped(language);
    Open(m_settings, m_settings);
    std::vector<QRect> texts{Page().StepNumberLabel()->geometry(), Page().TitleLabel()->geometry(),
                             Page().OldHeading()->geometry(), Page().NewHeading()->geometry(),
                             Page().Warning()->geometry()};
    for (std::size_t row = 0; row < kSettingsRows; ++row) {
      EXPECT_EQ(Page().RowCaptions()[row]->pos(), QPoint(55, tops[row]));
      EXPECT_EQ(Page().OldValues()[row]->pos(), QPoint(240, tops[row]));
      EXPECT_EQ(Page().NewValues()[row]->pos(), QPoint(408, tops[row]));
      for (const CSaveDlg::Column* column :
           {&Page().RowCaptions(), &Page().OldValues(), &Page().NewValues()}) {
        texts.push_back((*column)[row]->geometry());
      }
    }
    EXPECT_EQ(Page().Warning()->pos(), QPoint(55, 276));
    const QCheckBox& box = *Page().DriveCheckBox();
    EXPECT_EQ(box.pos(), QPoint(230, 319));
    texts.push_back(QRect(box.pos(), QSize(box.sizeHint().width(), box.height())));
    const QRect save = Button(*Page().Window(), kIdSave)->geometry();
    EXPECT_FALSE(texts.back().intersects(save));
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_TRUE(Page().Window()->rect().contains(texts[i])) << i;
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        EXPECT_FALSE(texts[i].intersects(texts[j])) << i << " " << j;
      }
    }
    Page().DestroyWindow();
  }
}

TEST_F(SavePageTest, CancelInTheConfirmationSendsNothing) {
  Device();
  Open(m_settings, m_settings);
  Save(false);
  ProcessEvents(50);
  EXPECT_TRUE(m_services.Network().Sent().empty());
  EXPECT_TRUE(Page().HasWindow());
  EXPECT_TRUE(Page().Window()->isEnabled());
  EXPECT_EQ(m_wizard.Buffers().newSettings, m_settings);  // locale not rewritten
  EXPECT_TRUE(m_services.Messages().Shown().empty());
}

// Every save ends with one message and the page closed; only a confirmed save with the box
// ticked maps the shares, by name and, when the name does not resolve, by address.
TEST_F(SavePageTest, EveryEndOfASaveClosesThePageAndOnlyAConfirmedOneMaps) {
  struct Case {
    const char* name;
    device::DeviceOptions device;
    bool sendFails;
    bool ticked;
    std::set<std::string> unresolvable;
    const char* message;
    const char* caption;
    std::vector<MapCall> calls;
  };
  const char* kSaved = "Configurations have saved successfully!";
  const MapCall byName{"nas-study", kPassword, "admin"};
  const MapCall byAddress{kDeviceIp, kPassword, "admin"};
  device::DeviceOptions silent;
  silent.silentFor = {"SET"};
  const Case cases[] = {
      {"SavedUnticked", {}, false, false, {}, kSaved, "Status", {}},
      {"SavedTicked", {}, false, true, {}, kSaved, "Status", {byName}},
      {"NameDoesNotResolve", {}, false, true, {"nas-study"}, kSaved, "Status", {byName, byAddress}},
      {"NoAnswer", silent, false, true, {}, "Server does not exist!!", "tamberlyx-setup", {}},
      {"SendFailed", {}, true, true, {}, "Configurations have saved Fail!", "Status", {}},
  };
  const std::string edited = Edited(m_settings, {{kKeyHostName, "nas-study"}});
  m_services.SetTickPeriodMs(1);  // two of the saves wait out all 301 ticks
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_services.Network().RemovePeer(kDeviceIp);
    const device::DevicePeer& device = Device(c.device);
    m_services.Network().Failures().send = c.sendFails;
    m_services.Drives().SetUnresolvable(c.unresolvable);
    Open(m_settings, edited);
    if (c.ticked) Page().DriveCheckBox()->click();
    QWidget* page = Page().Window();
    m_services.Messages().onShow = [this, page](const ShownMessage& shown) {
      EXPECT_FALSE(m_wizard.SaveProgress().HasWindow());  // gone before the message
      EXPECT_EQ(shown.owner, page);
    };
    const std::size_t callsBefore = m_services.Drives().Calls().size();

    Save(true);
    EXPECT_FALSE(Page().HasWindow());
    ASSERT_EQ(m_services.Messages().Shown().size(), 1u);
    EXPECT_EQ(m_services.Messages().Texts().front(), c.message);
    EXPECT_EQ(m_services.Messages().Shown().front().caption.toStdString(), c.caption);
    EXPECT_EQ(std::vector<MapCall>(m_services.Drives().Calls().begin() + callsBefore,
                                   m_services.Drives().Calls().end()),
              c.calls);
    EXPECT_EQ(Page().Saved(), c.message == kSaved);
    if (!c.sendFails && c.device.silentFor.empty()) {
      EXPECT_EQ(device.Settings(), edited);
    }
    m_services.Messages().Clear();
    m_services.Messages().onShow = nullptr;
  }
}

// The request carries the whole working copy with its locale entry in the wizard's language,
// sent to the selected address from the address the device reported.
TEST_F(SavePageTest, TheSetRequestFollowsTheLanguageShown) {
  for (const Language language : {Language::kEnglish, Language::kKorean}) {
    const ScopedLanguage scoped(language);
    m_services.Network().RemovePeer(kDeviceIp);
    const device::DevicePeer& device = Device();
    m_services.Network().ClearSent();
    Open(m_settings, Edited(m_settings, {{kKeyIpAddress, "192.168.0.30"}}));
    Save(true);
    const std::string locale = language == Language::kKorean ? "kor" : "en";
    const std::string sent =
        Edited(m_settings, {{kKeyIpAddress, "192.168.0.30"}, {kKeyLocale, locale}});
    ASSERT_EQ(m_services.Network().Sent().size(), 1u);
    EXPECT_EQ(m_services.Network().Sent()[0].destination, kDeviceIp);
    EXPECT_EQ(m_services.Network().Sent()[0].bytes.substr(0, 25), "192.168.0.20   SET       ");
    EXPECT_EQ(device.Settings(), sent);
    EXPECT_EQ(m_wizard.Buffers().newSettings, sent);
    m_services.Messages().Clear();
  }
}

}  // namespace
}  // namespace tamberlyx::test
