#include "cli/cli_command.h"

#include <gtest/gtest.h>

namespace tamberlyx::cli {
namespace {

struct ParseCase {
  std::vector<std::string_view> args;
  std::optional<CommandKind> kind;  // nullopt: a usage error
  std::string_view errorPart = {};
};

class ParseCommandLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLineTest, KindOrError) {
  const ParseCase& c = GetParam();
  const ParseOutcome outcome = ParseCommandLine(c.args);
  if (c.kind) {
    ASSERT_TRUE(outcome.command) << outcome.error;
    EXPECT_EQ(outcome.command->kind, *c.kind);
  } else {
    ASSERT_FALSE(outcome.command);
    EXPECT_NE(outcome.error.find(c.errorPart), std::string::npos) << outcome.error;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseCommandLineTest,
    ::testing::Values(
        ParseCase{{}, std::nullopt, "missing command"}, ParseCase{{"--help"}, CommandKind::kHelp},
        ParseCase{{"set", "10.0.0.2", "-h"}, CommandKind::kHelp},
        ParseCase{{"discover"}, CommandKind::kDiscover},
        ParseCase{{"discover", "--json", "--stats"}, CommandKind::kDiscover},
        ParseCase{{"discover", "--xml"}, std::nullopt, "--xml"},
        ParseCase{{"verify", "10.0.0.2"}, CommandKind::kVerify},
        ParseCase{{"verify"}, std::nullopt, "missing ADDRESS"},
        ParseCase{{"verify", "10.0.0.2", "extra"}, std::nullopt, "extra"},
        ParseCase{{"verify", "10.0.0.256"}, std::nullopt, "not an IPv4 address"},
        ParseCase{{"verify", "host.local"}, std::nullopt, "not an IPv4 address"},
        ParseCase{{"set", "10.0.0.2"}, std::nullopt, "missing KEY=VALUE"},
        ParseCase{{"set", "10.0.0.2", "sys.hostname=A"}, CommandKind::kSet},
        ParseCase{{"set", "10.0.0.2", "novalue"}, std::nullopt, "KEY=VALUE"},
        ParseCase{{"set", "10.0.0.2", "k=a&b=c"}, std::nullopt, "\"&\""},
        ParseCase{{"set", "10.0.0.2", "locale=kor"}, std::nullopt, "locale"},
        ParseCase{{"wizard"}, std::nullopt, "unknown command"},
        ParseCase{{"discover", "--address"}, std::nullopt, "missing ADDRESS"},
        ParseCase{{"discover", "--address", "0.0.0.0"}, std::nullopt, "0.0.0.0"},
        ParseCase{{"set", "--address=nas", "10.0.0.2", "a=b"}, std::nullopt, "nas"},
        ParseCase{{"verify", "--every-interface"}, std::nullopt, "missing ADDRESS"},
        ParseCase{{"verify", "--address", "10.0.0.9"}, std::nullopt, "missing ADDRESS"},
        ParseCase{{"set", "--wait", "5", "10.0.0.2", "a=b"}, CommandKind::kSet},
        ParseCase{{"set", "10.0.0.2", "a=b", "--wait"}, std::nullopt, "needs a value"},
        ParseCase{{"verify", "--wait", "5", "10.0.0.2"}, std::nullopt, "--wait"},
        ParseCase{{"apply", "-"}, CommandKind::kApply},
        ParseCase{{"apply"}, std::nullopt, "missing FILE"},
        ParseCase{{"apply", "a.json", "b.json"}, std::nullopt, "b.json"},
        ParseCase{{"apply", "--force", "a.json"}, CommandKind::kApply},
        ParseCase{{"verify", "--force", "10.0.0.2"}, std::nullopt, "--force"},
        ParseCase{{"apply", "--parallel", "0", "a.json"}, std::nullopt, "1 to 256"},
        ParseCase{{"apply", "--wait=-1", "a.json"}, std::nullopt, "0 to 3600"},
        ParseCase{{"apply", "--wait", "5s", "a.json"}, std::nullopt, "\"5s\""}));

// The whole first line of a usage error, as scripts have seen it.
TEST(ParseCommandLine, UsageErrorsKeepTheirWords) {
  const std::pair<std::vector<std::string_view>, std::string_view> cases[] = {
      {{"discover", "-x"}, "discover: unknown argument \"-x\""},
      {{"--json", "discover"}, "unknown command \"--json\""},
      {{"discover", "--json=yes"}, "discover: --json takes no value"},
      {{"discover", "--address"}, "discover: --address: missing ADDRESS"},
      {{"verify", "--address="}, "verify: --address: not a device's IPv4 address: \"\""},
      {{"verify", "10.0.0.2", "--stats"}, "verify: unexpected argument \"--stats\""},
      {{"set", "10.0.0.2", "a=b", "--wait"}, "set: --wait needs a value"},
      {{"apply", "--wait", "+5", "a.json"},
       "apply: --wait takes a whole number from 0 to 3600, not \"+5\""},
  };
  for (const auto& [args, error] : cases) {
    EXPECT_EQ(ParseCommandLine(args).error, error) << args.back();
  }
  EXPECT_EQ(ParseCommandLine({"apply", "--parallel", "010", "a.json"}).command->parallel, 10);
}

TEST(UsageText, ShowsEachCommandAsDeclared) {
  const std::string usage = UsageText();
  EXPECT_TRUE(
      usage.starts_with("Usage:\n  tamberlyx-cli discover [SEARCH...] [--json] [--stats]\n"))
      << usage;
  EXPECT_NE(
      usage.find(
          "  tamberlyx-cli set [SEARCH...] [--wait SECONDS] [--force] ADDRESS KEY=VALUE...\n"),
      std::string::npos);
  EXPECT_EQ(usage.find("--every-interface"), usage.rfind("--every-interface")) << "shown once";
}

TEST(ParseCommandLine, ApplyTakesItsOptionsAnywhereAndDefaults) {
  const auto plain = ParseCommandLine({"apply", "site.json"});
  ASSERT_TRUE(plain.command);
  EXPECT_EQ(plain.command->parallel, 8);
  EXPECT_EQ(plain.command->waitSeconds, 30);
  EXPECT_FALSE(plain.command->check);
  const auto all =
      ParseCommandLine({"apply", "--json", "site.json", "--check", "--parallel=3", "--wait", "0",
                        "--password-file", "pw", "--address", "10.0.0.9"});
  ASSERT_TRUE(all.command) << all.error;
  EXPECT_TRUE(all.command->json && all.command->check);
  EXPECT_EQ(all.command->parallel, 3);
  EXPECT_EQ(all.command->waitSeconds, 0);
  EXPECT_EQ(all.command->passwordFile, "pw");
  EXPECT_EQ(all.command->file, "site.json");
  EXPECT_EQ(all.command->search.addresses, std::vector<std::string>{"10.0.0.9"});
}

TEST(ParseCommandLine, KeepsOptionsAddressAndAssignmentsInOrder) {
  const auto discover = ParseCommandLine({"discover", "--stats"});
  ASSERT_TRUE(discover.command);
  EXPECT_TRUE(discover.command->stats);
  EXPECT_FALSE(discover.command->json);

  const auto set = ParseCommandLine({"set", "10.0.0.2", "sys.hostname=NAS", "nwk.bootproto=dhcp"});
  ASSERT_TRUE(set.command);
  EXPECT_EQ(set.command->address, "10.0.0.2");
  ASSERT_EQ(set.command->assignments.size(), 2u);
  EXPECT_EQ(set.command->assignments[1].key, "nwk.bootproto");
  EXPECT_EQ(set.command->assignments[1].value, "dhcp");
}

TEST(ParseCommandLine, TakesSearchOptionsAnywhereForEveryCommand) {
  const auto set =
      ParseCommandLine({"set", "10.0.0.2", "--address", "10.9.0.2", "a=b", "--every-interface",
                        "--address=10.8.0.2", "--address", "10.9.0.2"});
  ASSERT_TRUE(set.command) << set.error;
  EXPECT_TRUE(set.command->search.everyInterface);
  EXPECT_EQ(set.command->search.addresses, (std::vector<std::string>{"10.9.0.2", "10.8.0.2"}));
  EXPECT_EQ(set.command->address, "10.0.0.2");
  EXPECT_EQ(set.command->assignments.size(), 1u);
}

}  // namespace
}  // namespace tamberlyx::cli
