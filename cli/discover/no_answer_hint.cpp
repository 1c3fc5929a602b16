#include "cli/discover/no_answer_hint.h"

#include "protocol/constants.h"

namespace tamberlyx::cli {
namespace {

const std::string kPort = std::to_string(CLIENT_PORT);

std::string RouteLine(const SearchRoute& route) {
  std::string line = "  " + route.destination;
  if (route.interfaceName.empty()) {
    line += " (no route out of this PC)";
  } else {
    line += " out of " + route.interfaceName;
    if (!route.interfaceAddress.empty()) line += " (" + route.interfaceAddress + ")";
  }
  if (!route.sent) line += ": the send failed";
  return line + "\n";
}

std::string FirewallAdvice() {
  return "Each device answers to UDP port " + kPort +
         " on this PC, so a firewall here must let those datagrams in,\nfor example with one of:\n"
         "  nft add rule inet filter input udp dport " +
         kPort +
         " accept\n"
         "  ufw allow " +
         kPort +
         "/udp\n"
         "  firewall-cmd --add-port=" +
         kPort + "/udp\n";
}

std::string PortLine(ClientPortState port) {
  switch (port) {
    case ClientPortState::kListened:
      return "UDP port " + kPort + " was free: this search listened on it.\n";
    case ClientPortState::kHeld:
      return "UDP port " + kPort + " is held by another program, which gets the answers instead (" +
             "ss -ulpn 'sport = :" + kPort + "' names it).\n";
    case ClientPortState::kNotListened:
      break;
  }
  return "UDP port " + kPort + " is free, but this search did not listen on it.\n";
}

}  // namespace

std::string NoAnswerHint(const NoAnswerFacts& facts) {
  std::string hint = "Searched:\n";
  for (const SearchRoute& route : facts.routes) hint += RouteLine(route);
  hint += FirewallAdvice() + PortLine(facts.port);
  if (facts.everyInterfaceUntried) {
    hint += "A device on another segment of this PC: try --every-interface.\n";
  }
  if (facts.addressesUntried) {
    hint += "A device behind a router: try --address ADDRESS.\n";
  }
  return hint;
}

}  // namespace tamberlyx::cli
