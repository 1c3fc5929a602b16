#include "platform/gio/smb_location.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

struct LocationCase {
  const char* uri;
  std::optional<std::string> remoteName;
};

class SmbLocationTest : public ::testing::TestWithParam<LocationCase> {};

TEST_P(SmbLocationTest, ReadsTheServerAndShareOfAMount) {
  EXPECT_EQ(RemoteNameOf(GetParam().uri), GetParam().remoteName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmbLocationTest,
    ::testing::Values(LocationCase{"smb://10.66.0.11/public/", "\\\\10.66.0.11\\public"},
                      LocationCase{"smb://10.66.0.11/", "\\\\10.66.0.11"},
                      // Mounted with a user: still the same server's share.
                      LocationCase{"smb://admin@10.66.0.11/media", "\\\\10.66.0.11\\media"},
                      LocationCase{"smb:///", std::nullopt},
                      LocationCase{"sftp://10.66.0.11/public/", std::nullopt},
                      LocationCase{"file:///run/user/0/gvfs", std::nullopt}));

TEST(SmbLocation, MountsARemoteNameAsAFolderLocation) {
  EXPECT_EQ(SmbUriOf("\\\\10.66.0.11"), "smb://10.66.0.11/");
  EXPECT_EQ(SmbUriOf("\\\\10.66.0.11\\public"), "smb://10.66.0.11/public/");
  EXPECT_EQ(RemoteNameOf(SmbUriOf("\\\\10.66.0.11\\media")), "\\\\10.66.0.11\\media");
}

}  // namespace
}  // namespace tamberlyx
