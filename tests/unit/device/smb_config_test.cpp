#include "device/smb_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace tamberlyx::device {
namespace {

const SmbSetup kSetup{"10.66.0.11", "/srv/nas", "/tmp/state", "root"};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SmbConfig, ListensOnTheDevicesAddressOnlyWithoutGuests) {
  const std::vector<std::string> lines = Lines(SmbConfigText(kSetup));
  for (const char* line :
       {"  interfaces = 10.66.0.11", "  bind interfaces only = yes", "  disable netbios = yes",
        "  map to guest = Never", "  restrict anonymous = 2", "  load printers = no",
        "  passdb backend = tdbsam:/tmp/state/passdb.tdb"}) {
    EXPECT_TRUE(Has(lines, line)) << line;
  }
}

TEST(SmbConfig, OffersEachShareFolderToTheShareUserAlone) {
  const std::vector<std::string> lines = Lines(SmbConfigText(kSetup));
  for (const std::string& share : kShareNames) {
    const auto section = std::find(lines.begin(), lines.end(), "[" + share + "]");
    ASSERT_NE(section, lines.end()) << share;
    const std::vector<std::string> body(section + 1, std::min(section + 4, lines.end()));
    EXPECT_TRUE(Has(body, "  path = /srv/nas/" + share)) << share;
    EXPECT_TRUE(Has(body, "  valid users = root")) << share;
  }
  EXPECT_EQ(SmbUserMapText(kSetup), "root = admin\n");
}

// A path outside the state folder would share files with, or disturb, the system's samba.
TEST(SmbConfig, KeepsEveryStatePathInTheStateFolder) {
  for (const std::string& line : Lines(SmbConfigText(kSetup))) {
    const std::size_t slash = line.find(" = /");
    if (slash == std::string::npos || line.find("path = ") != std::string::npos) continue;
    const std::string path = line.substr(slash + 3);
    EXPECT_TRUE(path.starts_with("/tmp/state/") || path == "/dev/null") << line;
  }
  for (const std::string& folder : SmbStateFolders(kSetup)) {
    EXPECT_TRUE(folder.starts_with("/tmp/state/")) << folder;
  }
}

}  // namespace
}  // namespace tamberlyx::device
