// The reader thread over local datagram socket pairs: the sender blocks rather than losing
// anything, so order and completeness are exact.
#include "platform/net/datagram_reader.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/net/socket_fd.h"
#include "protocol/constants.h"
#include "thread_count.h"

namespace tamberlyx {
namespace {

using testing::ThreadCount;

class DatagramReaderTest : public ::testing::Test {
 protected:
  DatagramReaderTest() {
    int pair[2] = {-1, -1};
    EXPECT_EQ(::socketpair(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0, pair), 0);
    m_readEnd = SocketFd(pair[0]);
    m_writeEnd = SocketFd(pair[1]);
  }
  void Send(const std::string& bytes) {
    ASSERT_EQ(::send(m_writeEnd.Get(), bytes.data(), bytes.size(), 0),
              static_cast<ssize_t>(bytes.size()));
  }
  // Waits until `count` datagrams are queued or two seconds passed.
  std::vector<std::string> Take(std::size_t count) {
    std::vector<std::string> taken;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (taken.size() < count && std::chrono::steady_clock::now() < deadline) {
      if (std::optional<Datagram> datagram = m_queue.Pop()) {
        taken.push_back(datagram->bytes);
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    }
    return taken;
  }

  SocketFd m_readEnd;
  SocketFd m_writeEnd;
  ReceiveQueue m_queue{100000};
  std::atomic<int> m_wakes{0};
};

TEST_F(DatagramReaderTest, HandsEveryDatagramOverInOrderAndStopsCleanly) {
  const int threadsBefore = ThreadCount();
  constexpr int kCount = 3000;
  {
    DatagramReader reader({m_readEnd.Get()}, m_queue, [this] { ++m_wakes; });
    EXPECT_EQ(ThreadCount(), threadsBefore + 1);
    for (int i = 0; i < kCount; ++i) Send(std::to_string(i));
    const std::vector<std::string> taken = Take(kCount);
    ASSERT_EQ(taken.size(), std::size_t{kCount});
    for (int i = 0; i < kCount; ++i) ASSERT_EQ(taken[i], std::to_string(i));
    EXPECT_GE(m_wakes.load(), 1);
    EXPECT_LE(m_wakes.load(), kCount) << "at most one wake-up per batch";
    EXPECT_EQ(reader.KernelDrops(), 0u);
  }
  EXPECT_EQ(ThreadCount(), threadsBefore);
}

// Datagrams spread over several sockets come out in the order they were sent, not socket by
// socket as they were read.
TEST_F(DatagramReaderTest, SeveralSocketsMergeInArrivalOrder) {
  std::vector<SocketFd> ends;
  std::vector<int> readEnds;
  for (int i = 0; i < 3; ++i) {
    int pair[2] = {-1, -1};
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0, pair), 0);
    readEnds.push_back(pair[0]);
    ends.emplace_back(pair[0]);
    ends.emplace_back(pair[1]);
  }
  constexpr int kCount = 3000;
  DatagramReader reader(readEnds, m_queue, [] {});
  for (int i = 0; i < kCount; ++i) {
    const std::string bytes = std::to_string(i);
    ASSERT_EQ(::send(ends[2 * (i % 3) + 1].Get(), bytes.data(), bytes.size(), 0),
              static_cast<ssize_t>(bytes.size()));
  }
  const std::vector<std::string> taken = Take(kCount);
  ASSERT_EQ(taken.size(), std::size_t{kCount});
  for (int i = 0; i < kCount; ++i) ASSERT_EQ(taken[i], std::to_string(i));
}

TEST_F(DatagramReaderTest, OversizedDatagramIsCutButStaysOversized) {
  DatagramReader reader({m_readEnd.Get()}, m_queue, [] {});
  Send(std::string(5000, 'x'));
  Send("after");
  const std::vector<std::string> taken = Take(2);
  ASSERT_EQ(taken.size(), 2u);
  EXPECT_EQ(taken[0].size(), kMaxDatagramLength + 1);
  EXPECT_EQ(taken[1], "after");
}

// Ending an exchange in the middle of a burst: the reader stops while datagrams still pour in,
// and nothing is queued or woken once Stop has returned.
TEST_F(DatagramReaderTest, StopsDuringABurstAndWakesNobodyAfterwards) {
  const int threadsBefore = ThreadCount();
  std::atomic<bool> sending{true};
  std::thread sender([this, &sending] {
    while (sending) ::send(m_writeEnd.Get(), "burst", 5, MSG_DONTWAIT);
  });
  auto reader = std::make_unique<DatagramReader>(std::vector<int>{m_readEnd.Get()}, m_queue,
                                                 [this] { ++m_wakes; });
  ASSERT_FALSE(Take(100).empty());
  reader->Stop();
  const int wakes = m_wakes.load();
  while (m_queue.Pop()) {
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(m_queue.Pop().has_value());
  EXPECT_EQ(m_wakes.load(), wakes);
  reader.reset();
  sending = false;
  sender.join();
  EXPECT_EQ(ThreadCount(), threadsBefore);
}

}  // namespace
}  // namespace tamberlyx
