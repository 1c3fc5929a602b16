#include <QApplication>
#include <iostream>
#include <memory>

#include "app/device_drive_mapper.h"
#include "app/start_up.h"
#include "app/usage.h"
#include "platform/desktop/qt_translations.h"
#include "platform/desktop/termination_signals.h"
#include "platform/language/system_language.h"
#include "platform/log/event_log.h"
#include "platform/log/program_start.h"
#include "platform/net/neighbour_probe.h"
#include "platform/net/posix_interface_network.h"
#include "platform/net/posix_socket_layer.h"
#include "platform/net/qt_exchange_timer.h"
#include "platform/net/qt_scheduler.h"
#include "platform/net/udp_transport.h"

int main(int argc, char** argv) {
  if (tamberlyx::AsksForUsage(argc, argv)) {
    std::cout << tamberlyx::UsageText();
    return 0;
  }
  // Each log line says when; QT_MESSAGE_PATTERN still wins when the user sets it.
  qSetMessagePattern(QStringLiteral("%{time yyyy-MM-ddThh:mm:ss.zzz} %{category}: %{message}"));
  QApplication application(argc, argv);
  tamberlyx::InstallQtTranslations(application, tamberlyx::IsKoreanSystem());
  tamberlyx::EventLog log;
  tamberlyx::SetEventSink(&log);
  tamberlyx::ReportProgramStart("tamberlyx-setup");
  // Ending every event loop unwinds the welcome dialog and its pages as closing it would.
  tamberlyx::TerminationSignals termination;
  QObject::connect(&termination, &tamberlyx::TerminationSignals::received,
                   [] { QCoreApplication::exit(0); });
  tamberlyx::PosixSocketLayer sockets;
  tamberlyx::Services services;
  services.socketLayer = &sockets;
  services.makeTransport = [] { return std::make_unique<tamberlyx::UdpTransport>(); };
  tamberlyx::PosixInterfaceNetwork interfaces;
  services.interfaces = &interfaces;
  services.makeTimer = [] { return std::make_unique<tamberlyx::QtExchangeTimer>(); };
  tamberlyx::DeviceDriveMapper driveMapper(tamberlyx::MakePlatformDriveServices());
  services.driveMapper = &driveMapper;
  tamberlyx::QtScheduler scheduler;
  tamberlyx::NeighbourProbe probe(scheduler.Function());
  services.addressProbe = &probe;
  tamberlyx::StartUp app(services);
  app.InitInstance();
  return app.ExitCode();
}
