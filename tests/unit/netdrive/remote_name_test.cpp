#include "netdrive/remote_name.h"

#include <gtest/gtest.h>

namespace tamberlyx::netdrive {
namespace {

struct ServerCase {
  const char* remote;
  const char* server;
  bool onServer;
  std::optional<std::string> share;
};

class RemoteNameTest : public ::testing::TestWithParam<ServerCase> {};

TEST_P(RemoteNameTest, MatchesTheWholeServerName) {
  const ServerCase& c = GetParam();
  EXPECT_EQ(IsOnServer(c.remote, c.server), c.onServer);
  EXPECT_EQ(ShareNameOn(c.remote, c.server), c.share);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoteNameTest,
    ::testing::Values(ServerCase{"\\\\192.168.0.1\\public", "192.168.0.1", true, "public"},
                      ServerCase{"\\\\192.168.0.10\\public", "192.168.0.1", false, std::nullopt},
                      ServerCase{"\\\\192.168.0.1", "192.168.0.1", true, std::nullopt},
                      ServerCase{"\\\\192.168.0.1\\", "192.168.0.1", true, std::nullopt},
                      ServerCase{"\\\\10.0.0.1\\192.168.0.1", "192.168.0.1", false, std::nullopt},
                      ServerCase{"\\\\NAS-1\\media\\films", "nas-1", true, "media\\films"},
                      ServerCase{"\\192.168.0.1\\public", "192.168.0.1", false, std::nullopt},
                      ServerCase{"\\\\\\public", "", false, std::nullopt}));

}  // namespace
}  // namespace tamberlyx::netdrive
