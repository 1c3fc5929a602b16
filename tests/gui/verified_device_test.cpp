// Steps 2 to 4 write and send only for the device whose password was accepted, and only what
// their windows showed for it; a page's entries go into the settings whole or not at all.
#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/welcome_template.h"
#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/scoped_language.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/color_label.h"
#include "ui/ip_address_edit.h"

namespace tamberlyx::test {
namespace {

constexpr char kAlpha[] = "192.168.0.11";
constexpr char kBeta[] = "192.168.0.12";

// In the form the pages write, so that a save of unchanged pages sends the text as it was.
std::string Reported(const std::string& address) {
  const std::string name = address == kAlpha ? "alpha" : "beta";
  return "sys.hostname=" + name + "&nwk.wireless.ssid=" + name +
         "&nwk.bootproto=none&nwk.ipaddr=" + address +
         "&sys.Time.timeZone=" + (address == kAlpha ? "Seoul" : "Osaka") +
         "&date=2008/04/11&time=09:05:00&locale=en";
}

class VerifiedDeviceTest : public ShellFixture {
 protected:
  VerifiedDeviceTest() {
    for (const char* address : {kAlpha, kBeta}) {
      device::DeviceOptions options;
      options.settings = Reported(address);
      options.delayMs = address == kBeta ? 20 : 0;  // listed second
      device::AddDevice(m_services.Network(), address, options);
    }
  }
  bool Unchanged(const char* address) {
    return device::FindDevice(m_services.Network(), address)->Settings() == Reported(address);
  }
  int SetsSentTo(const char* address) {
    return static_cast<int>(std::count_if(
        m_services.Network().Sent().begin(), m_services.Network().Sent().end(),
        [address](const SentDatagram& sent) {
          const auto parsed = ParseDatagram(sent.bytes);
          return sent.destination == address && parsed && parsed->wordToken == kWordSet;
        }));
  }
  // Setup on the welcome dialog; the search selects alpha, the first found.
  QWidget& NewStep1() {
    ClickButton(m_welcome, kIdSetup);
    WaitForSearch(m_wizard.Step1());
    return *m_wizard.Step1().Window();
  }
  // Beta chosen on a new Step 1, its password accepted, renamed on Step 2, on to page `step`.
  void BetaUpTo(int step) {
    QWidget& step1 = NewStep1();
    m_wizard.Step1().DeviceListBox()->setCurrentRow(1);
    PressSetupOnStep1(step1, kFixturePassword);
    qobject_cast<QLineEdit*>(m_wizard.Step2().Control(kIdServerName))->setText("beta2");
    if (step >= 3) ClickButton(*m_wizard.Step2().Window(), kIdIpNext);
    if (step >= 4) ClickButton(*m_wizard.Step3().Window(), kIdDateTimeNext);
  }
};

// Measured: with beta's Step 3 open, a second Step 1 selected alpha; Next and Save then wrote
// alpha, never verified. Now the page's next move says so and closes, and nothing is sent.
TEST_F(VerifiedDeviceTest, APageOfTheVerifiedDeviceStopsOnceAnotherIsSelected) {
  const std::pair<int, int> moves[] = {
      {2, kIdIpNext}, {3, kIdDateTimeNext}, {3, kIdDateTimeBack}, {4, kIdSave}, {4, kIdSaveBack}};
  const WizardPage* pages[] = {&m_wizard.Step2(), &m_wizard.Step3(), &m_wizard.Step4()};
  for (const auto& [step, button] : moves) {
    SCOPED_TRACE(testing::Message() << "step " << step << ", button " << button);
    BetaUpTo(step);
    QDialog* page = pages[step - 2]->Window();
    NewStep1();
    ASSERT_EQ(m_wizard.Buffers().selectedDeviceIp, kAlpha);
    m_services.Messages().Clear();
    m_services.Network().ClearSent();

    ClickButton(*page, button);
    ProcessEvents();

    ASSERT_EQ(m_services.Messages().Shown().size(), 1u);
    EXPECT_EQ(m_services.Messages().Shown()[0].message.id, MessageId::kOtherDeviceSelected);
    EXPECT_FALSE(pages[step - 2]->HasWindow());
    EXPECT_FALSE(m_wizard.Step3().HasWindow() || m_wizard.Step4().HasWindow());
    EXPECT_TRUE(m_services.Network().Sent().empty());
    EXPECT_TRUE(Unchanged(kAlpha) && Unchanged(kBeta));
    m_wizard.Step1().DestroyWindow();
  }
}

// Measured: beta's Step 2 hidden with Escape, alpha verified on a new Step 1; OK showed beta's
// page and the save sent alpha beta's name and address. Now the hidden page (Step 2, 3 or 4) is
// made anew for alpha, and alpha gets its own settings back.
TEST_F(VerifiedDeviceTest, AHiddenPageOfAnotherDeviceIsMadeAnewForTheVerifiedOne) {
  WizardPage* pages[] = {&m_wizard.Step2(), &m_wizard.Step3(), &m_wizard.Step4()};
  for (const int hidden : {2, 3, 4}) {
    SCOPED_TRACE(testing::Message() << "hidden step " << hidden);
    BetaUpTo(hidden);
    PressKey(*pages[hidden - 2]->Window(), Qt::Key_Escape);
    m_services.Network().ClearSent();

    PressSetupOnStep1(NewStep1(), kFixturePassword);
    EXPECT_EQ(
        qobject_cast<QLineEdit*>(m_wizard.Step2().Control(kIdServerName))->text().toStdString(),
        "alpha");
    ClickButton(*m_wizard.Step2().Window(), kIdIpNext);
    ClickButton(*m_wizard.Step3().Window(), kIdDateTimeNext);
    EXPECT_EQ(m_wizard.Step4().NewValues()[0]->text().toStdString(), "alpha");
    AnswerNextModal([](QDialog& confirm) { confirm.accept(); });
    ClickButton(*m_wizard.Step4().Window(), kIdSave);
    for (int waited = 0; m_wizard.Step4().HasWindow() && waited < 5000; waited += 5) {
      ProcessEvents(5);
    }

    EXPECT_EQ(SetsSentTo(kAlpha), 1);
    EXPECT_EQ(SetsSentTo(kBeta), 0);
    EXPECT_TRUE(Unchanged(kAlpha) && Unchanged(kBeta));
    for (WizardPage* page : pages) page->DestroyWindow();
  }
}

// The settings text padded to `length` characters after `entries`.
std::string Padded(const std::string& entries, std::size_t length) {
  return entries + "&pad=" + std::string(length - entries.size() - 5, 'x');
}

class WholeOrNothingTest : public ShellFixture {
 protected:
  void Open(WizardPage& page, const std::string& settings) {
    SharedBuffers& buffers = m_wizard.Buffers();
    buffers.currentSettings = buffers.newSettings = settings;
    buffers.selectedDeviceIp = kFixtureDevice;
    m_wizard.SetVerifiedDevice(SelectedDevice(buffers));
    m_services.Messages().Clear();
    ASSERT_TRUE(SwitchToPage(nullptr, page, page.TemplateId()));
  }
  // The one message shown, if it is the one about the limit.
  QString LimitMessage() {
    const auto& shown = m_services.Messages().Shown();
    if (shown.size() != 1 || shown[0].message.id != MessageId::kSettingsDoNotFit) return {};
    return QString::fromStdString(shown[0].message.text);
  }
};

// Measured: a rename of a 998-character text changed the server name but not the wireless
// name, and the page moved on as if all was written.
TEST_F(WholeOrNothingTest, NextWritesEveryEntryOfItsPageOrNone) {
  const std::string names = "sys.hostname=lim&nwk.wireless.ssid=lim&nwk.bootproto=none";
  struct Case {
    const char* what;
    int step;
    std::string before, after;  // the page's entries, unpadded
    const char* field;          // named when they do not fit
  };
  const Case cases[] = {
      {"rename", 2, names + "&nwk.ipaddr=10.0.0.1",
       "sys.hostname=limx&nwk.wireless.ssid=limx&nwk.bootproto=none&nwk.ipaddr=10.0.0.1",
       "Server Name"},
      {"new address", 2, names + "&nwk.ipaddr=10.0.0.1", names + "&nwk.ipaddr=10.0.0.12",
       "IP Address"},
      {"reformatting", 3, "date=2008/4/11&time=9:05:00", "date=2008/04/11&time=09:05:00",
       "Server Name"},
  };
  for (const std::size_t length : {997u, 998u, 999u}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.what << " at " << length);
      DevicePage& page = c.step == 2 ? static_cast<DevicePage&>(m_wizard.Step2())
                                     : static_cast<DevicePage&>(m_wizard.Step3());
      const std::string before = Padded(c.before, length);
      Open(page, before);
      if (c.after.starts_with("sys.hostname=limx")) {
        qobject_cast<QLineEdit*>(page.Control(kIdServerName))->setText("limx");
      } else if (c.step == 2) {
        qobject_cast<IpAddressEdit*>(page.Control(kIdIpAddress))->SetField(3, 12);
      }
      const bool fits = length + c.after.size() - c.before.size() <= kMaxSettingsLength;

      ClickButton(*page.Window(), c.step == 2 ? kIdIpNext : kIdDateTimeNext);

      const std::string& written = m_wizard.Buffers().newSettings;
      EXPECT_EQ(written, fits ? c.after + before.substr(c.before.size()) : before);
      EXPECT_NE(page.HasWindow(), fits);
      EXPECT_EQ(LimitMessage().contains(c.field), !fits) << LimitMessage().toStdString();
      page.DestroyWindow();
      m_wizard.Step3().DestroyWindow();
      m_wizard.Step4().DestroyWindow();
    }
  }
}

// Save's rewrite of the language entry on a full text: refused whole, in the page's language,
// with nothing sent, rather than sent without it.
TEST_F(WholeOrNothingTest, SaveSendsNothingWhenTheLanguageEntryDoesNotFit) {
  const ScopedLanguage korean(Language::kKorean);
  for (const std::size_t length : {998u, 999u}) {
    SCOPED_TRACE(length);
    const std::string settings = Padded("sys.hostname=nas&locale=en", length);
    device::DeviceOptions options;
    options.settings = settings;
    device::AddDevice(m_services.Network(), kFixtureDevice, options);
    Open(m_wizard.Step4(), settings);
    const bool fits = length < kMaxSettingsLength;
    if (fits) AnswerNextModal([](QDialog& confirm) { confirm.accept(); });

    ClickButton(*m_wizard.Step4().Window(), kIdSave);
    QElapsedTimer clock;
    clock.start();
    while (fits && m_wizard.Step4().HasWindow() && clock.elapsed() < 5000) ProcessEvents(5);

    const std::string& now = device::FindDevice(m_services.Network(), kFixtureDevice)->Settings();
    EXPECT_EQ(now.find("locale=kor") != std::string::npos, fits);
    EXPECT_EQ(m_wizard.Step4().HasWindow(), !fits);
    EXPECT_EQ(LimitMessage().contains(QStringLiteral("서버명")), !fits);
    m_wizard.Step4().DestroyWindow();
    m_services.Network().RemovePeer(kFixtureDevice);
  }
}

}  // namespace
}  // namespace tamberlyx::test
