#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "operations/awaited_devices.h"
#include "operations/exchange_request.h"
#include "protocol/device_list.h"
#include "protocol/exchange.h"

namespace tamberlyx {

// What a search does with its exchange, for the window that runs it: the list is emptied once
// listening has started (a search that cannot listen leaves it as it stood), and every GETOK
// lists its device unless its address is listed already. A search told which devices it waits
// for may end its window as soon as each has answered (HeardAll); the window's owner asks.
class DeviceSearch {
 public:
  explicit DeviceSearch(DeviceList& devices) : m_devices(devices) {}

  // The request to start the exchange with; forgets the last search's answers, not the devices
  // awaited.
  ExchangeRequest Begin();
  // The devices this search and the next wait for, instead of those before (none: every search
  // waits its whole window); may be called while a search runs, as may AwaitAlso.
  void Await(std::vector<FollowTarget> targets) { m_awaited.Replace(std::move(targets)); }
  void AwaitAlso(FollowTarget target) { m_awaited.Add(std::move(target)); }
  // Every device awaited has answered this search.
  bool HeardAll() const { return m_awaited.AllAnswered(); }
  void OnListening();
  void OnReply(const Reply& reply);

  // CLIENT_PORT was bound for this search's window.
  bool Listened() const { return m_listened; }
  // GETOK replies that passed the header checks, repeats included.
  std::size_t Replies() const { return m_replies; }
  DeviceList& Devices() { return m_devices; }

 private:
  DeviceList& m_devices;
  AwaitedDevices m_awaited;
  bool m_listened = false;
  std::size_t m_replies = 0;
};

}  // namespace tamberlyx
