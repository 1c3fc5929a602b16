// Step 4's Save with a new fixed address: the findings box, Go back to Step 2, Save anyway.
#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>

#include "device/default_settings.h"
#include "device/fake_devices.h"
#include "pages/confirm_dialog.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "protocol/ipv4_text.h"
#include "protocol/requests.h"
#include "protocol/settings_text.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/scoped_language.h"
#include "tests/gui/harness/shell_fixture.h"

namespace tamberlyx::test {
namespace {

constexpr char kDeviceIp[] = "192.168.0.20";  // this PC is 192.168.0.100/24 on eth0
constexpr char kHolder[] = "02:00:5e:00:00:07";

class AddressFindingsTest : public ShellFixture {
 protected:
  // Step 4 for the device with `entries` ("key=value" each) written over its settings.
  void Open(const std::vector<std::string>& entries) {
    m_settings = device::DefaultSettings("NAS", kDeviceIp);
    std::string edited = m_settings;
    for (const std::string& entry : entries) {
      ReplaceSettingEntry(edited, entry.substr(0, entry.find('=')), entry);
    }
    m_services.Network().RemovePeer(kDeviceIp);
    m_device = &device::AddDevice(m_services.Network(), kDeviceIp);
    m_services.Network().ClearSent();
    m_services.Messages().Clear();
    m_services.Messages().asked.clear();
    m_wizard.Buffers() = {m_settings, edited, kDeviceIp, "pw"};
    m_wizard.SetVerifiedDevice(SelectedDevice(m_wizard.Buffers()));
    ASSERT_TRUE(SwitchToPage(nullptr, m_wizard.Step4(), kSaveTemplateId));
  }
  // Save; the confirmation, when it comes, is answered with OK. Returns whether it came.
  bool Save() {
    const ModalAnswerer confirm(
        [](QDialog& dialog) { dynamic_cast<ConfirmDialog&>(dialog).OkButton()->click(); });
    ClickButton(*m_wizard.Step4().Window(), kIdSave);
    QElapsedTimer clock;
    clock.start();
    while (m_wizard.Step4().HasWindow() && m_wizard.Step4().Window()->isVisible() &&
           clock.elapsed() < 3000) {
      ProcessEvents(5);
    }
    return confirm.Answered() > 0;
  }

  std::string m_settings;
  const device::DevicePeer* m_device = nullptr;
};

TEST_F(AddressFindingsTest, EveryFindingIsShownAndGoBackSendsNothing) {
  struct Case {
    std::vector<std::string> entries;
    std::vector<const char*> said;  // each in the box, in this order; none: no box
    bool probed;
  };
  m_services.Probe().holders[*ParseIpv4("192.168.0.30")] = kHolder;
  m_services.Messages().proceedOnAsk = false;
  const Case cases[] = {
      {{"nwk.ipaddr=192.168.0.21"}, {}, true},
      {{"sys.hostname=other"}, {}, false},  // the address stays: nobody is asked
      {{"nwk.bootproto=dhcp", "nwk.ipaddr=192.168.5.20"}, {}, false},
      {{"nwk.ipaddr=192.168.5.20", "sys.gateway=192.168.5.1"},
       {"This PC, on 192.168.0.0/24 through eth0, will not reach the device at 192.168.5.20"},
       true},
      {{"nwk.ipaddr=192.168.0.30"}, {"Another host (02:00:5e:00:00:07) already answers at "}, true},
      // This PC's own address: nobody else can hold it, so nobody is asked.
      {{"nwk.ipaddr=192.168.0.100"}, {"192.168.0.100 is an address of this PC."}, false},
      {{"nwk.netmask=255.0.255.0"}, {"The subnet mask is not a mask"}, false},
      {{"nwk.ipaddr=192.168.0.255", "sys.gateway=10.0.0.1"},
       {"is the broadcast address", "The gateway is outside the subnet"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entries.back());
    const std::size_t probes = m_services.Probe().Calls().size();
    Open(c.entries);
    const bool confirmed = Save();
    EXPECT_EQ(m_services.Probe().Calls().size() - probes, c.probed ? 1u : 0u);
    if (c.said.empty()) {
      EXPECT_TRUE(m_services.Messages().asked.empty());
      EXPECT_TRUE(confirmed);
      continue;
    }
    ASSERT_EQ(m_services.Messages().asked.size(), 1u);
    const std::string text = m_services.Messages().asked[0].message.text;
    std::size_t at = 0;
    for (const char* part : c.said) {
      at = text.find(part, at);
      EXPECT_NE(at, std::string::npos) << text;
    }
    EXPECT_FALSE(confirmed);
    EXPECT_TRUE(m_services.Network().Sent().empty());
    EXPECT_TRUE(m_wizard.Step2().HasWindow() && m_wizard.Step2().Window()->isVisible());
    m_wizard.Step2().DestroyWindow();
  }
}

TEST_F(AddressFindingsTest, SaveAnywayGoesOnToTheConfirmationAndSavesAsBefore) {
  m_services.Messages().proceedOnAsk = true;
  m_services.SetTickPeriodMs(1);
  Open({"nwk.ipaddr=192.168.5.20"});
  const std::string edited = m_wizard.Buffers().newSettings;
  ASSERT_TRUE(Save());
  EXPECT_EQ(m_services.Messages().asked.size(), 1u);
  // Exactly the request a save without findings sends.
  const std::string request = BuildSetRequest(m_wizard.Buffers());
  EXPECT_EQ(std::ranges::count(m_services.Network().Sent(), request, &SentDatagram::bytes), 1);
  EXPECT_EQ(m_device->Settings(), edited);
}

TEST_F(AddressFindingsTest, KoreanPagesAskInKorean) {
  const ScopedLanguage korean(Language::kKorean);
  Open({"nwk.ipaddr=192.168.0.100"});
  Save();
  ASSERT_EQ(m_services.Messages().asked.size(), 1u);
  const Question& asked = m_services.Messages().asked[0];
  EXPECT_EQ(asked.proceed, "그래도 저장");
  EXPECT_EQ(asked.back, "돌아가기");
  EXPECT_NE(asked.message.text.find("192.168.0.100은(는) 이 PC의 주소입니다."), std::string::npos);
}

TEST_F(AddressFindingsTest, EscapeDuringTheProbeLeavesThePageAsItWas) {
  m_services.Probe().silent = true;
  Open({"nwk.ipaddr=192.168.0.21"});
  ClickButton(*m_wizard.Step4().Window(), kIdSave);
  ASSERT_TRUE(m_wizard.SaveProgress().HasWindow());
  QDialog* box = m_wizard.SaveProgress().Window();
  PressKey(*box, Qt::Key_Escape);
  EXPECT_FALSE(m_wizard.SaveProgress().HasWindow());
  EXPECT_TRUE(m_wizard.Step4().Window()->isEnabled());
  EXPECT_TRUE(m_services.Network().Sent().empty());
  m_services.Probe().silent = false;
}

}  // namespace
}  // namespace tamberlyx::test
