#include "platform/log/program_start.h"

#include <QtGlobal>

#include "platform/net/interface_addresses.h"
#include "protocol/events.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {

void ReportProgramStart(const std::string& program) {
  ReportEvent({.kind = EventKind::kProgram,
               .detail = program + " " + TAMBERLYX_VERSION + ", Qt " + qVersion()});
  for (const InterfaceAddress& local : InterfaceIpv4Addresses()) {
    ReportEvent({.kind = EventKind::kInterface,
                 .interfaceName = local.interfaceName,
                 .address = FormatIpv4(local.address)});
  }
}

}  // namespace tamberlyx
