#include "operations/save_order.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

using Indexes = std::vector<std::size_t>;

AddressMove Move(std::uint32_t from, std::optional<std::uint32_t> to) {
  return {from, to};
}

TEST(SaveOrderTest, NoDeviceTakesAnAddressBeforeItsHolderLeft) {
  struct Case {
    const char* what;
    std::vector<AddressMove> moves;
    Indexes order, cycle, sameTarget;
  } cases[] = {
      {"independent moves keep the file's order",
       {Move(1, 11), Move(2, 12), Move(3, {})},
       {0, 1, 2},
       {},
       {}},
      {"into an address another leaves", {Move(1, 2), Move(2, 3)}, {1, 0}, {}, {}},
      {"a chain of three", {Move(1, 2), Move(2, 3), Move(3, 4)}, {2, 1, 0}, {}, {}},
      {"staying put is no move", {Move(1, 1), Move(2, 1)}, {}, {}, {0, 1}},
      {"a swap", {Move(1, 2), Move(2, 1)}, {}, {0, 1}, {}},
      {"a ring of three beside a move",
       {Move(1, 2), Move(2, 3), Move(3, 1), Move(7, 8)},
       {},
       {0, 1, 2},
       {}},
      {"one address for two", {Move(1, 5), Move(2, 6), Move(3, 5)}, {}, {}, {0, 2}},
  };
  for (const Case& c : cases) {
    const SaveOrder result = OrderSaves(c.moves);
    EXPECT_EQ(result.order, c.order) << c.what;
    EXPECT_EQ(result.cycle, c.cycle) << c.what;
    EXPECT_EQ(result.sameTarget, c.sameTarget) << c.what;
  }
}

}  // namespace
}  // namespace tamberlyx
