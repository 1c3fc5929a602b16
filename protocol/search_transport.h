#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/interface_network.h"
#include "protocol/search_options.h"
#include "protocol/transport.h"

namespace tamberlyx {

// One way a request left this PC.
struct SearchRoute {
  std::string destination;       // the broadcast address, or an address asked directly
  std::string interfaceName;     // what it left through; empty when no route was found
  std::string interfaceAddress;  // the source it left from, when known
  bool sent = false;
  bool operator==(const SearchRoute&) const = default;
};

// The transport of the client's commands and of the wizard's pages. A broadcast goes out as
// widely as the options say (out of every interface, and straight to each address); a request
// to one device, with every interface searched, leaves through the interface that device
// answers on. The listening stays the one socket on CLIENT_PORT, so every answer lands in the
// same window.
class SearchTransport : public Transport {
 public:
  SearchTransport(Transport& inner, InterfaceNetwork* interfaces, SearchOptions options);

  // True when any of the sends succeeded.
  bool Send(std::string_view datagram, std::string_view destination, bool broadcast) override;
  ListenResult Listen(ReadyCallback onReady) override;
  std::vector<std::string> OwnAddresses() override;

  const SearchOptions& Options() const { return m_options; }
  // Every way the last request went, in order.
  const std::vector<SearchRoute>& Routes() const { return m_routes; }
  // The interface a device at `address` is reached through (and answers on); empty if unknown.
  std::string InterfaceTowards(std::string_view address) const;

 private:
  bool SendEveryInterface(std::string_view datagram, std::string_view destination);
  bool SendToDevice(std::string_view datagram, std::string_view destination);
  bool SendRouted(std::string_view datagram, std::string_view destination, bool broadcast);
  std::optional<LocalInterface> DeviceInterface(std::string_view address) const;
  // Keeps the way a request went, and says so to the log.
  void Record(std::string_view datagram, SearchRoute route);

  Transport& m_inner;
  InterfaceNetwork* m_interfaces;
  SearchOptions m_options;
  std::vector<SearchRoute> m_routes;
};

}  // namespace tamberlyx
