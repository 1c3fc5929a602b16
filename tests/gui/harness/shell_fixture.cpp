#include "tests/gui/harness/shell_fixture.h"

#include "app/welcome_template.h"
#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/search_actions.h"
#include "ui/main_window.h"

namespace tamberlyx::test {

ShellFixture::ShellFixture() {
  SetApplicationMainWindow(&m_welcome);
  m_welcome.show();
  ProcessEvents();
}

ShellFixture::~ShellFixture() {
  ProcessEvents();
}

void ShellFixture::GoForwardTo(int step) {
  if (m_services.Network().FindPeer(kFixtureDevice) == nullptr) {
    device::AddDevice(m_services.Network(), kFixtureDevice);
  }
  ClickButton(m_welcome, kIdSetup);
  WaitForSearch(m_wizard.Step1());
  if (step >= 2) PressSetupOnStep1(*m_wizard.Step1().Window(), kFixturePassword);
  if (step >= 3) ClickButton(*m_wizard.Step2().Window(), kIdIpNext);
  if (step >= 4) ClickButton(*m_wizard.Step3().Window(), kIdDateTimeNext);
  ProcessEvents();
}

}  // namespace tamberlyx::test
