#include "platform/net/receive_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace tamberlyx {
namespace {

std::vector<Datagram> Numbered(int first, int count) {
  std::vector<Datagram> batch;
  for (int i = first; i < first + count; ++i) batch.push_back({std::to_string(i), "10.0.0.1"});
  return batch;
}

std::vector<std::string> PopAll(ReceiveQueue& queue) {
  std::vector<std::string> taken;
  while (std::optional<Datagram> datagram = queue.Pop()) taken.push_back(datagram->bytes);
  return taken;
}

TEST(ReceiveQueue, KeepsOrderDropsWhatExceedsTheCapAndWakesOncePerWait) {
  ReceiveQueue queue(4);
  std::vector<Datagram> batch = Numbered(0, 3);
  EXPECT_TRUE(queue.Push(batch));
  EXPECT_TRUE(batch.empty());
  batch = Numbered(3, 3);
  EXPECT_FALSE(queue.Push(batch)) << "a wake-up is already on its way";
  EXPECT_EQ(queue.Dropped(), 2u);
  EXPECT_FALSE(queue.WakeIfWaiting());

  queue.WakeTaken();
  EXPECT_EQ(queue.Pop()->bytes, "0");
  EXPECT_TRUE(queue.WakeIfWaiting()) << "what the event loop left is announced again";
  EXPECT_EQ(PopAll(queue), (std::vector<std::string>{"1", "2", "3"}));
  queue.WakeTaken();
  EXPECT_FALSE(queue.WakeIfWaiting()) << "nothing waits";
  batch = {};
  EXPECT_FALSE(queue.Push(batch)) << "an empty batch wakes nobody";
}

// A flood must neither grow memory nor lose count: what is taken and what is dropped add up.
TEST(ReceiveQueue, CapHoldsUnderAFloodFromAnotherThread) {
  constexpr int kBatches = 2000, kBatchSize = 50;
  constexpr std::size_t kCap = 256;
  ReceiveQueue queue(kCap);
  std::atomic<bool> done{false};
  std::atomic<int> wakes{0};
  std::thread reader([&] {
    for (int i = 0; i < kBatches; ++i) {
      std::vector<Datagram> batch = Numbered(i * kBatchSize, kBatchSize);
      if (queue.Push(batch)) ++wakes;
    }
    done = true;
  });
  std::size_t taken = 0;
  int last = -1;
  bool ordered = true;
  while (!done || queue.WakeIfWaiting()) {
    queue.WakeTaken();
    while (std::optional<Datagram> datagram = queue.Pop()) {
      const int number = std::stoi(datagram->bytes);
      ordered = ordered && number > last;
      last = number;
      ++taken;
    }
  }
  reader.join();
  taken += PopAll(queue).size();
  EXPECT_TRUE(ordered);
  EXPECT_EQ(taken + queue.Dropped(), std::size_t{kBatches} * kBatchSize);
  EXPECT_GT(queue.Dropped(), 0u) << "the flood outran the cap";
  EXPECT_LE(wakes.load(), kBatches);
}

}  // namespace
}  // namespace tamberlyx
