#include "tests/gui/harness/shell_fixture.h"

#include "app/welcome_template.h"
#include "pages/page_ids.h"
#include "tests/gui/harness/gui_actions.h"
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
  ClickButton(m_welcome, kIdSetup);
  if (step >= 2) ClickButton(*m_wizard.Step1().Window(), kIdOk);
  if (step >= 3) ClickButton(*m_wizard.Step2().Window(), kIdIpNext);
  if (step >= 4) ClickButton(*m_wizard.Step3().Window(), kIdDateTimeNext);
  ProcessEvents();
}

}  // namespace tamberlyx::test
