#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <sstream>

#include "cli/command.h"
#include "platform/fakenet/fake_network.h"
#include "platform/fakenet/fake_transport.h"
#include "platform/fakenet/manual_scheduler.h"
#include "platform/fakenet/manual_timer.h"

namespace tamberlyx::cli {

// A command over the in-process network with the real exchanges, the clock moved tick by tick.
struct RunHarness {
  // Runs `command` to its end, or for `maxTicks`; returns the exit code (-1: it did not end).
  int RunCommand(const CliCommand& command, Credentials credentials, int maxTicks) {
    return RunWith(
        [&](Command::Finish finish) {
          return MakeCommand(command, context, std::move(credentials), std::move(finish));
        },
        maxTicks);
  }

  // The same for the command `make` builds around the finish it is given.
  int RunWith(const std::function<std::unique_ptr<Command>(Command::Finish)>& make, int maxTicks) {
    std::optional<int> exitCode;
    const auto running = make([&exitCode](int code) { exitCode = code; });
    running->Start();
    for (ticks = 0; !exitCode && ticks < maxTicks; ++ticks) {
      scheduler.RunDue(scheduler.Now() + timer.PeriodMs());
      timer.Fire();
    }
    return exitCode.value_or(-1);
  }

  ManualScheduler scheduler;
  FakeNetwork network{scheduler.Function()};
  FakeTransport transport{network};
  ManualTimer timer;
  std::ostringstream out;
  std::ostringstream err;
  ProgressIndicator progress{err, false};
  CliContext context{transport, timer, out, err, progress};
  int ticks = 0;  // of the last run
};

}  // namespace tamberlyx::cli
