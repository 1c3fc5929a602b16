#include <QApplication>
#include <memory>

#include "app/device_drive_mapper.h"
#include "app/drumvale_ui_app.h"
#include "platform/net/posix_socket_layer.h"
#include "platform/net/qt_exchange_timer.h"
#include "platform/net/udp_transport.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tamberlyx::PosixSocketLayer sockets;
  tamberlyx::Services services;
  services.socketLayer = &sockets;
  services.makeTransport = [] { return std::make_unique<tamberlyx::UdpTransport>(); };
  services.makeTimer = [] { return std::make_unique<tamberlyx::QtExchangeTimer>(); };
  tamberlyx::DeviceDriveMapper driveMapper(tamberlyx::MakePlatformDriveServices());
  services.driveMapper = &driveMapper;
  tamberlyx::CDrumvaleUIApp app(services);
  app.InitInstance();
  return app.ExitCode();
}
