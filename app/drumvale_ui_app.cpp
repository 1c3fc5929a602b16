#include "app/drumvale_ui_app.h"

#include "app/drumvale_ui_dlg.h"
#include "pages/wizard.h"
#include "platform/net/socket_layer.h"
#include "protocol/messages.h"
#include "ui/main_window.h"

namespace tamberlyx {
CDrumvaleUIApp::CDrumvaleUIApp(const Services& services) : m_services(services) {}

bool CDrumvaleUIApp::InitInstance() {
  if (!StartSocketLayer()) {
    m_services.ShowMessage(nullptr, messages::SocketsInitFailed());
    m_exitCode = 1;
    return false;
  }
  RunWelcomeDialog();
  return false;
}

bool CDrumvaleUIApp::StartSocketLayer() {
  return m_services.socketLayer == nullptr || m_services.socketLayer->Start();
}

void CDrumvaleUIApp::RunWelcomeDialog() {
  // The page objects live for the run; their windows go with the welcome dialog.
  Wizard wizard(m_services);
  CDrumvaleUIDlg dialog(wizard);
  SetApplicationMainWindow(&dialog);
  dialog.exec();
}

}  // namespace tamberlyx
