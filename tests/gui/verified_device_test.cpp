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

std::string DeviceSettings(const std::string& name, const std::string& address,
                           const std::string& zone) {
  return "sys.hostname=" + name + "&nwk.wireless.ssid=" + name +
         "&nwk.bootproto=none&nwk.ipaddr=" + address +
         "&nwk.netmask=255.255.255.0&sys.Time.timeZone=" + zone +
         "&date=2008/04/11&time=09:05:00&locale=en";
}

class VerifiedDeviceTest : public ShellFixture {
 protected:
  VerifiedDeviceTest() {
    AddDevice(kAlpha, DeviceSettings("ALPHA", kAlpha, "Seoul"), 0);
    AddDevice(kBeta, DeviceSettings("BETA", kBeta, "Osaka"), 20);  // listed second
  }
  void AddDevice(const char* address, std::string settings, int delayMs) {
    device::DeviceOptions options;
    options.settings = std::move(settings);
    options.delayMs = delayMs;
    device::AddDevice(m_services.Network(), address, options);
  }
  const std::string& SettingsOf(const char* address) {
    return device::FindDevice(m_services.Network(), address)->Settings();
  }
  // The requests of `word` that went to `address`.
  int SentTo(const char* address, const char* word) {
    int count = 0;
    for (const SentDatagram& sent : m_services.Network().Sent()) {
      const auto parsed = ParseDatagram(sent.bytes);
      count += sent.destination == address && parsed && parsed->wordToken == word;
    }
    return count;
  }
  // Setup on the welcome dialog; the search selects alpha, the first found.
  QWidget& NewStep1() {
    ClickButton(m_welcome, kIdSetup);
    WaitForSearch(m_wizard.Step1());
    return *m_wizard.Step1().Window();
  }
  // Beta chosen on a new Step 1, its password accepted, on to page `step`; beta's Step 2 is
  // renamed so that a lost name shows.
  void BetaUpTo(int step) {
    QWidget& step1 = NewStep1();
    m_wizard.Step1().DeviceListBox()->setCurrentRow(1);
    PressSetupOnStep1(step1, kFixturePassword);
    qobject_cast<QLineEdit*>(m_wizard.Step2().Control(kIdServerName))->setText("beta2");
    if (step >= 3) ClickButton(*m_wizard.Step2().Window(), kIdIpNext);
    if (step >= 4) ClickButton(*m_wizard.Step3().Window(), kIdDateTimeNext);
  }
  void SaveConfirmed() {
    AnswerNextModal([](QDialog& confirm) { confirm.accept(); });
    ClickButton(*m_wizard.Step4().Window(), kIdSave);
    QElapsedTimer clock;
    clock.start();
    while (m_wizard.Step4().HasWindow() && clock.elapsed() < 5000) ProcessEvents(5);
  }
  bool Shown(MessageId id) {
    const auto& shown = m_services.Messages().Shown();
    return std::any_of(shown.begin(), shown.end(),
                       [id](const ShownMessage& m) { return m.message.id == id; });
  }
};

// A second Step 1 selected alpha while beta's page was open: the page's next move says so and
// closes; alpha, never verified, is sent nothing and beta is not written either.
TEST_F(VerifiedDeviceTest, APageOfTheVerifiedDeviceStopsOnceAnotherIsSelected) {
  struct Case {
    int step;
    int button;
  };
  const Case cases[] = {
      {2, kIdIpNext}, {3, kIdDateTimeNext}, {3, kIdDateTimeBack}, {4, kIdSave}, {4, kIdSaveBack}};
  const WizardPage* pages[] = {nullptr, nullptr, &m_wizard.Step2(), &m_wizard.Step3(),
                               &m_wizard.Step4()};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "step " << c.step << ", button " << c.button);
    BetaUpTo(c.step);
    QDialog* page = pages[c.step]->Window();
    NewStep1();
    ASSERT_EQ(m_wizard.Buffers().selectedDeviceIp, kAlpha);
    m_services.Messages().Clear();
    m_services.Network().ClearSent();

    ClickButton(*page, c.button);
    ProcessEvents();

    EXPECT_TRUE(Shown(MessageId::kOtherDeviceSelected));
    EXPECT_FALSE(pages[c.step]->HasWindow());
    EXPECT_FALSE(m_wizard.Step3().HasWindow() || m_wizard.Step4().HasWindow());
    EXPECT_TRUE(m_services.Network().Sent().empty());
    EXPECT_EQ(SettingsOf(kAlpha), DeviceSettings("ALPHA", kAlpha, "Seoul"));
    EXPECT_EQ(SettingsOf(kBeta), DeviceSettings("BETA", kBeta, "Osaka"));
    m_wizard.Step1().DestroyWindow();
    m_wizard.Step4().BackPage().DestroyWindow();
  }
}

// Beta's page hidden with Escape, then alpha verified on a new Step 1: the page, reached again,
// shows alpha, and the save gives alpha its own name, address and time zone.
TEST_F(VerifiedDeviceTest, AHiddenPageOfAnotherDeviceIsMadeAnewForTheVerifiedOne) {
  for (const int hidden : {2, 3, 4}) {
    SCOPED_TRACE(testing::Message() << "hidden step " << hidden);
    BetaUpTo(hidden);
    WizardPage* pages[] = {&m_wizard.Step2(), &m_wizard.Step3(), &m_wizard.Step4()};
    PressKey(*pages[hidden - 2]->Window(), Qt::Key_Escape);
    m_services.Network().ClearSent();

    PressSetupOnStep1(NewStep1(), kFixturePassword);
    EXPECT_EQ(
        qobject_cast<QLineEdit*>(m_wizard.Step2().Control(kIdServerName))->text().toStdString(),
        "alpha");
    EXPECT_EQ(qobject_cast<IpAddressEdit*>(m_wizard.Step2().Control(kIdIpAddress))->GetAddress(),
              (IpAddressEdit::Octets{192, 168, 0, 11}));
    ClickButton(*m_wizard.Step2().Window(), kIdIpNext);
    ClickButton(*m_wizard.Step3().Window(), kIdDateTimeNext);
    EXPECT_EQ(m_wizard.Step4().NewValues()[0]->text().toStdString(), "alpha");
    SaveConfirmed();

    EXPECT_EQ(SentTo(kBeta, kWordSet) + SentTo(kBeta, kWordVerify), 0);
    EXPECT_EQ(SettingsOf(kAlpha),
              "sys.hostname=alpha&nwk.wireless.ssid=alpha&nwk.bootproto=none&nwk.ipaddr=" +
                  std::string(kAlpha) +
                  "&nwk.netmask=255.255.255.0&sys.Time.timeZone=Seoul&date=2008/04/11&time=09:"
                  "05:00&locale=en");
    EXPECT_EQ(SettingsOf(kBeta), DeviceSettings("BETA", kBeta, "Osaka"));
    for (WizardPage* page : pages) page->DestroyWindow();
    m_services.Network().RemovePeer(kAlpha);
    AddDevice(kAlpha, DeviceSettings("ALPHA", kAlpha, "Seoul"), 0);
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
