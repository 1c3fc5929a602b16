#include "app/start_up.h"

#include "app/welcome_dialog.h"
#include "pages/wizard.h"
#include "platform/net/socket_layer.h"
#include "protocol/messages.h"
#include "ui/main_window.h"

namespace tamberlyx {
StartUp::StartUp(const Services& services) : m_services(services) {}

bool StartUp::InitInstance() {
  if (!StartSocketLayer()) {
    m_services.ShowMessage(nullptr, messages::SocketsInitFailed());
    m_exitCode = 1;
    return false;
  }
  RunWelcomeDialog();
  return false;
}

bool StartUp::StartSocketLayer() {
  return m_services.socketLayer == nullptr || m_services.socketLayer->Start();
}

void StartUp::RunWelcomeDialog() {
  // The page objects live for the run; their windows go with the welcome dialog.
  Wizard wizard(m_services);
  WelcomeDialog dialog(wizard.Step1());
  SetApplicationMainWindow(&dialog);
  dialog.exec();
}

}  // namespace tamberlyx
