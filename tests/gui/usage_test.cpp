// When the wizard prints its usage instead of starting: Qt's own options must not count.
#include "app/usage.h"

#include <gtest/gtest.h>

#include <vector>

namespace tamberlyx {
namespace {

TEST(Usage, AskedForOnlyByHelpWhereverItStands) {
  const std::pair<std::vector<const char*>, bool> cases[] = {
      {{"tamberlyx-setup"}, false},
      {{"tamberlyx-setup", "--help"}, true},
      {{"tamberlyx-setup", "-platform", "offscreen", "-h"}, true},
      {{"tamberlyx-setup", "-stylesheet", "look.qss"}, false},  // holds an h, is no -h
      {{"tamberlyx-setup", "-display", ":1", "--reverse"}, false},
  };
  for (const auto& [arguments, asks] : cases) {
    EXPECT_EQ(AsksForUsage(static_cast<int>(arguments.size()), arguments.data()), asks)
        << arguments.back();
  }
}

}  // namespace
}  // namespace tamberlyx
