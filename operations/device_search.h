#pragma once

#include <cstddef>

#include "operations/exchange_request.h"
#include "protocol/device_list.h"
#include "protocol/exchange.h"

namespace tamberlyx {

// What a search does with its exchange, for the window that runs it: the list is emptied once
// listening has started (a search that cannot listen leaves it as it stood), and every GETOK
// lists its device unless its address is listed already.
class DeviceSearch {
 public:
  explicit DeviceSearch(DeviceList& devices) : m_devices(devices) {}

  // The request to start the exchange with; forgets the last search.
  ExchangeRequest Begin();
  void OnListening();
  void OnReply(const Reply& reply);

  // CLIENT_PORT was bound for this search's window.
  bool Listened() const { return m_listened; }
  // GETOK replies that passed the header checks, repeats included.
  std::size_t Replies() const { return m_replies; }
  DeviceList& Devices() { return m_devices; }

 private:
  DeviceList& m_devices;
  bool m_listened = false;
  std::size_t m_replies = 0;
};

}  // namespace tamberlyx
