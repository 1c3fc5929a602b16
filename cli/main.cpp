#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <iostream>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/output/password_input.h"
#include "operations/stream_event_sink.h"
#include "platform/language/system_language.h"
#include "platform/log/program_start.h"
#include "platform/net/neighbour_probe.h"
#include "platform/net/posix_interface_network.h"
#include "platform/net/qt_exchange_timer.h"
#include "platform/net/qt_scheduler.h"
#include "platform/net/udp_transport.h"

using namespace tamberlyx;

namespace {

int UsageError(const std::string& error) {
  std::cerr << cli::kProgramPrefix << error << "\nTry 'tamberlyx-cli --help'.\n";
  return cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  cli::ParseOutcome parsed = cli::ParseCommandLine(args);
  if (!parsed.command) return UsageError(parsed.error);
  if (parsed.command->kind == cli::CommandKind::kHelp) {
    std::cout << cli::UsageText();
    return cli::kExitOk;
  }
  cli::Credentials credentials;
  credentials.korean = IsKoreanSystem();
  if (cli::NeedsPassword(parsed.command->kind)) {
    cli::PasswordOutcome password = cli::ReadPasswordFromStdin();
    if (!password.password) return UsageError(password.error);
    credentials.password = std::move(*password.password);
  }

  QCoreApplication application(argc, argv);
  StreamEventSink verbose(std::cerr, "tamberlyx-cli");
  if (parsed.command->verbose) {
    SetEventSink(&verbose);
    ReportProgramStart("tamberlyx-cli");
  }
  UdpTransport transport;
  PosixInterfaceNetwork interfaces;
  QtExchangeTimer timer;
  cli::ProgressIndicator progress(std::cerr, isatty(STDERR_FILENO) == 1);
  cli::CliContext context{transport, timer, std::cout, std::cerr, progress};
  context.interfaces = &interfaces;
  QtScheduler scheduler;
  NeighbourProbe probe(scheduler.Function());
  context.probe = &probe;
  const auto command = cli::MakeCommand(*parsed.command, context, std::move(credentials),
                                        [](int exitCode) { QCoreApplication::exit(exitCode); });
  // Started inside the event loop, so that an exit requested at once is not lost.
  QTimer::singleShot(0, &application, [&command] { command->Start(); });
  return QCoreApplication::exec();
}
