#include "platform/net/neighbour_table.h"

#include <gtest/gtest.h>
#include <linux/neighbour.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstring>

namespace tamberlyx {
namespace {

// One RTM_NEWNEIGH message as the kernel lays it out.
std::vector<std::uint8_t> Entry(int index, std::uint32_t address, std::vector<std::uint8_t> mac,
                                std::uint16_t state) {
  std::vector<std::uint8_t> bytes(NLMSG_HDRLEN + NLMSG_ALIGN(sizeof(ndmsg)));
  const auto append = [&bytes](unsigned short type, const void* data, std::size_t size) {
    rtattr attribute{static_cast<unsigned short>(RTA_LENGTH(size)), type};
    const std::size_t at = bytes.size();
    bytes.resize(at + RTA_SPACE(size));
    std::memcpy(bytes.data() + at, &attribute, sizeof attribute);
    std::memcpy(bytes.data() + at + RTA_LENGTH(0), data, size);
  };
  const std::uint32_t networkOrder = htonl(address);
  append(NDA_DST, &networkOrder, 4);
  if (!mac.empty()) append(NDA_LLADDR, mac.data(), mac.size());
  nlmsghdr header{static_cast<std::uint32_t>(bytes.size()), RTM_NEWNEIGH, 0, 0, 0};
  ndmsg message{};
  message.ndm_family = AF_INET;
  message.ndm_ifindex = index;
  message.ndm_state = state;
  std::memcpy(bytes.data(), &header, sizeof header);
  std::memcpy(bytes.data() + NLMSG_HDRLEN, &message, sizeof message);
  return bytes;
}

std::vector<std::uint8_t> Done() {
  std::vector<std::uint8_t> bytes(NLMSG_HDRLEN + 4);
  nlmsghdr header{static_cast<std::uint32_t>(bytes.size()), NLMSG_DONE, 0, 0, 0};
  std::memcpy(bytes.data(), &header, sizeof header);
  return bytes;
}

std::vector<std::uint8_t> Join(std::vector<std::vector<std::uint8_t>> parts) {
  std::vector<std::uint8_t> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(NeighbourTableTest, ReadsEntriesAndStopsAtTheEndOrAtDamage) {
  const auto reachable = Entry(3, 0x0A4D0014, {2, 0, 0, 0, 0, 0x99}, NUD_REACHABLE);
  const auto unresolved = Entry(3, 0x0A4D0015, {}, NUD_INCOMPLETE);
  auto cut = reachable;
  cut.resize(cut.size() - 6);  // the header promises more than arrived
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::size_t entries;
    bool last;
  } cases[] = {
      {"two entries, more to come", Join({reachable, unresolved}), 2, false},
      {"an entry, then the end", Join({reachable, Done()}), 1, true},
      {"cut short", Join({unresolved, cut}), 1, true},
      {"empty", {}, 0, false},
  };
  for (const Case& c : cases) {
    const NeighbourBatch batch = ParseNeighbourBatch(c.bytes);
    EXPECT_EQ(batch.entries.size(), c.entries) << c.what;
    EXPECT_EQ(batch.last, c.last) << c.what;
  }
  const NeighbourEntry entry = ParseNeighbourBatch(reachable).entries.at(0);
  EXPECT_EQ(entry.interfaceIndex, 3);
  EXPECT_EQ(entry.address, 0x0A4D0014U);
  EXPECT_EQ(entry.mac, "02:00:00:00:00:99");
  EXPECT_TRUE(entry.reachable);
}

}  // namespace
}  // namespace tamberlyx
