#include "operations/no_answer_facts.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

// Failed sends are not searches; a route without an interface is named by its destination.
TEST(SearchedInterfaces, EachInterfaceThatSentOnceInOrder) {
  const std::string all = "255.255.255.255";
  const std::vector<SearchRoute> routes = {{all, "eth1", "10.1.0.1", true},
                                           {all, "eth0", "10.0.0.1", false},
                                           {"10.9.0.5", "eth1", "", true},
                                           {all, "", "", true},
                                           {all, "wlan0", "10.2.0.1", true}};
  EXPECT_EQ(SearchedInterfaces(routes),
            (std::vector<std::string>{"eth1", "255.255.255.255", "wlan0"}));
  EXPECT_TRUE(SearchedInterfaces({{all, "eth0", "10.0.0.1", false}}).empty());
}

}  // namespace
}  // namespace tamberlyx
