#include "app/drumvale_ui_app.h"

#include "app/drumvale_ui_dlg.h"
#include "pages/wizard.h"
#include "platform/desktop/message_box.h"
#include "platform/desktop/open_url.h"
#include "platform/net/socket_layer.h"
#include "protocol/messages.h"
#include "ui/main_window.h"

namespace tamberlyx {
namespace {

// Routes message boxes and web addresses to the run's services, and back afterwards.
class InstalledServices {
 public:
  explicit InstalledServices(const Services& services)
      : m_previousSink(InstallMessageSink(services.messageSink)),
        m_previousOpener(InstallUrlOpener(services.urlOpener)) {}
  ~InstalledServices() {
    InstallMessageSink(m_previousSink);
    InstallUrlOpener(m_previousOpener);
  }
  InstalledServices(const InstalledServices&) = delete;
  InstalledServices& operator=(const InstalledServices&) = delete;

 private:
  MessageSink* m_previousSink;
  UrlOpener* m_previousOpener;
};

}  // namespace

CDrumvaleUIApp::CDrumvaleUIApp(const Services& services) : m_services(services) {}

bool CDrumvaleUIApp::InitInstance() {
  const InstalledServices installed(m_services);
  if (!StartSocketLayer()) {
    ShowMessage(nullptr, messages::SocketsInitFailed());
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
