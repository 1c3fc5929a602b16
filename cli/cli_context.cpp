#include "cli/cli_context.h"

namespace tamberlyx::cli {

CliContext WithTransport(const CliContext& context, Transport& transport) {
  return {transport,        context.timer,        context.out,        context.err,
          context.progress, context.tickPeriodMs, context.interfaces, context.probe};
}

}  // namespace tamberlyx::cli
