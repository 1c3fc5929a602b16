#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/net/datagram_reader.h"
#include "platform/net/receive_queue.h"
#include "platform/net/socket_fd.h"
#include "protocol/transport.h"

class QSocketNotifier;

namespace tamberlyx {

// The sockets bound to CLIENT_PORT. A reader thread drains them; readiness of what it read is
// delivered on the Qt event loop of the thread that calls Watch, one wake-up per batch.
class UdpListener : public Listener {
 public:
  explicit UdpListener(std::vector<SocketFd> sockets);
  ~UdpListener() override;
  UdpListener(const UdpListener&) = delete;
  UdpListener& operator=(const UdpListener&) = delete;

  // Starts reading and reports waiting datagrams to `onReady` as read events, again after each
  // call while some still wait. False when the event loop cannot be woken.
  bool Watch(ReadyCallback onReady);
  std::optional<Datagram> Receive() override;
  ReceiveDrops Drops() const override;

 private:
  // Shared with the notifier's slot, which may outlive this listener when the callback ends
  // the exchange.
  struct Dispatch {
    bool running = false;
    bool alive = true;
  };
  void OnWake();
  void Wake() const;

  std::vector<SocketFd> m_sockets;
  SocketFd m_wakeup;  // eventfd: the reader's signal to the event loop
  ReceiveQueue m_queue;
  ReadyCallback m_onReady;
  std::unique_ptr<QSocketNotifier> m_notifier;
  std::shared_ptr<Dispatch> m_dispatch = std::make_shared<Dispatch>();
  std::unique_ptr<DatagramReader> m_reader;
  std::unordered_map<unsigned, std::string> m_interfaceNames;  // by index, as they come
};

}  // namespace tamberlyx
