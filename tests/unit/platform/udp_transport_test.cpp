// The real transport, on loopback only and on ports of its own: never a broadcast here.
#include "platform/net/udp_transport.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <thread>

#include "event_loop.h"
#include "platform/fakenet/recording_owner.h"
#include "platform/net/posix_socket_layer.h"
#include "platform/net/qt_exchange_timer.h"
#include "platform/net/socket_fd.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/exchange.h"
#include "thread_count.h"

namespace tamberlyx {
namespace {

using testing::RunFor;
using testing::RunUntil;
using testing::ThreadCount;

constexpr char kLoopback[] = "127.0.0.1";

// A socket bound to `port` on all addresses (0: any free port), with `sharing` (SO_REUSEADDR or
// SO_REUSEPORT) switched on if not 0.
SocketFd BoundSocket(std::uint16_t port, int sharing = 0) {
  SocketFd socket(::socket(AF_INET, SOCK_DGRAM, 0));
  const int on = 1;
  if (sharing != 0) ::setsockopt(socket.Get(), SOL_SOCKET, sharing, &on, sizeof on);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(port);
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  if (::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) return {};
  return socket;
}

std::uint16_t FreePort() {
  const SocketFd socket = BoundSocket(0);
  sockaddr_in local{};
  socklen_t length = sizeof local;
  ::getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&local), &length);
  return ntohs(local.sin_port);
}

// Sends to itself: the device port is the listening port, so nothing leaves the machine.
class UdpTransportTest : public ::testing::Test {
 protected:
  // Listens with the socket kept in `listener`, reading every announced datagram into `received`.
  ListenError Listen() {
    ListenResult result = transport.Listen([this](unsigned event, unsigned error) {
      EXPECT_EQ(event, kReadEvent);
      EXPECT_EQ(error, 0u);
      while (std::optional<Datagram> datagram = listener->Receive()) received.push_back(*datagram);
    });
    listener = std::move(result.listener);
    return result.error;
  }

  std::uint16_t port = FreePort();
  UdpTransport transport{port, port};
  std::unique_ptr<Listener> listener;
  std::vector<Datagram> received;
};

TEST_F(UdpTransportTest, UnicastArrivesWithItsSourceThroughTheEventLoop) {
  ASSERT_EQ(Listen(), ListenError::kNone);
  ASSERT_TRUE(transport.Send("192.168.1.20   VERIFY    passwd=", kLoopback, false));

  ASSERT_TRUE(RunUntil([&] { return !received.empty(); }));
  EXPECT_EQ(received[0].bytes, "192.168.1.20   VERIFY    passwd=");
  EXPECT_EQ(received[0].source, kLoopback);
}

// Cut to a bounded length on the reader thread, but never to one that would be accepted.
TEST_F(UdpTransportTest, OversizedDatagramStaysLongerThanAnyAccepted) {
  ASSERT_EQ(Listen(), ListenError::kNone);
  ASSERT_TRUE(transport.Send(std::string(1100, 'x'), kLoopback, false));

  ASSERT_TRUE(RunUntil([&] { return !received.empty(); }));
  EXPECT_GT(received[0].bytes.size(), kMaxDatagramLength);
}

TEST_F(UdpTransportTest, BurstOfAThousandRepliesLosesNothing) {
  int maxQueue = 0;
  std::ifstream("/proc/sys/net/core/rmem_max") >> maxQueue;
  if (maxQueue < 4 * 1024 * 1024) GTEST_SKIP() << "net.core.rmem_max is " << maxQueue;
  ASSERT_EQ(Listen(), ListenError::kNone);
  const std::string reply(700, 'r');
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(transport.Send(reply, kLoopback, false));

  EXPECT_TRUE(RunUntil([&] { return received.size() == 1000; }));
  RunFor(20);
  EXPECT_EQ(received.size(), 1000u);
}

// Whether or not the other program asked to share the port, it must not get our replies.
TEST_F(UdpTransportTest, PortHeldByAnotherSocketFailsTheBindButReturnsTheSocket) {
  for (const int sharing : {0, SO_REUSEADDR, SO_REUSEPORT}) {
    SocketFd holder = BoundSocket(port, sharing);
    ASSERT_TRUE(holder.Valid());
    EXPECT_EQ(Listen(), ListenError::kBind) << "holder sharing with option " << sharing;
    EXPECT_NE(listener, nullptr);
  }
}

TEST_F(UdpTransportTest, SecondListenerFindsThePortTaken) {
  ASSERT_EQ(Listen(), ListenError::kNone);
  EXPECT_EQ(transport.Listen([](unsigned, unsigned) {}).error, ListenError::kBind);
}

TEST_F(UdpTransportTest, ListenerDestroyedInsideItsCallbackIsSafe) {
  int calls = 0;
  ListenResult result = transport.Listen([&](unsigned, unsigned) {
    ++calls;
    listener.reset();  // as an exchange ending on its reply does
  });
  listener = std::move(result.listener);
  ASSERT_TRUE(transport.Send("one", kLoopback, false));
  ASSERT_TRUE(transport.Send("two", kLoopback, false));

  EXPECT_TRUE(RunUntil([&] { return calls > 0; }));
  RunFor(30);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(BoundSocket(port).Valid()) << "the socket was closed";
}

// The answer that ends the exchange arrives in the middle of a stream: the listener and its
// reader go from inside the reply handler while datagrams still pour in.
TEST_F(UdpTransportTest, AnExchangeEndingDuringABurstLeavesNoThreadAndFreesThePort) {
  const int threadsBefore = ThreadCount();
  QtExchangeTimer timer;
  RecordingOwner owner;
  Exchange exchange(SetExchange(), transport, timer, owner, kTickPeriodMs);
  exchange.Start("request", kLoopback, AnyAddress());
  ASSERT_TRUE(exchange.SocketOpen());
  EXPECT_EQ(ThreadCount(), threadsBefore + 1);

  std::atomic<bool> sending{true};
  std::thread sender([this, &sending] {
    const std::string other = BuildDatagram("", "BUSY", "");
    for (int i = 0; i < 200; ++i) transport.Send(other, kLoopback, false);
    transport.Send(BuildDatagram("", kWordSetOk, ""), kLoopback, false);
    while (sending) transport.Send(other, kLoopback, false);
  });
  EXPECT_TRUE(RunUntil([&] { return !exchange.Running(); }));
  sending = false;
  sender.join();
  RunFor(20);

  EXPECT_EQ(owner.Words().back(), kWordSetOk);
  EXPECT_EQ(std::ranges::count(owner.Words(), kWordSetOk), 1);
  EXPECT_EQ(ThreadCount(), threadsBefore);
  EXPECT_TRUE(BoundSocket(port).Valid()) << "the socket was closed";
}

// Each socket sharing the port gets its own copy of a broadcast; the exchange sees one.
// Loopback's broadcast address never leaves the machine.
TEST_F(UdpTransportTest, ABroadcastCountsOnceThoughEverySocketOfThePortGetsIt) {
  ASSERT_EQ(Listen(), ListenError::kNone);
  ASSERT_TRUE(transport.Send("broadcast", "127.255.255.255", true));
  ASSERT_TRUE(transport.Send("unicast", kLoopback, false));

  ASSERT_TRUE(RunUntil([&] { return received.size() >= 2; }));
  RunFor(30);
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].bytes, "broadcast");
  EXPECT_EQ(received[1].bytes, "unicast");
}

TEST_F(UdpTransportTest, SendRefusesAMalformedDestination) {
  EXPECT_FALSE(transport.Send("x", "127.0.0", false));
  EXPECT_FALSE(transport.Send("x", "", false));
}

TEST(OwnAddressesTest, IncludeTheLoopbackInterfaceOnceEach) {
  const std::vector<std::string> own = UdpTransport().OwnAddresses();
  EXPECT_NE(std::ranges::find(own, kLoopback), own.end());
  EXPECT_EQ(std::set<std::string>(own.begin(), own.end()).size(), own.size());
}

TEST(PosixSocketLayerTest, StartsWhenSocketsCanBeMade) {
  EXPECT_TRUE(PosixSocketLayer().Start());
}

}  // namespace
}  // namespace tamberlyx
