#include "device/program_options.h"

#include <gtest/gtest.h>

namespace tamberlyx::device {
namespace {

using Args = std::vector<std::string>;

ProgramOptions ParseGood(const Args& args) {
  const ParsedCommandLine parsed = ParseProgramOptions(args);
  EXPECT_TRUE(parsed.options.has_value()) << parsed.error;
  return parsed.options.value_or(ProgramOptions{});
}

TEST(ProgramOptions, DefaultsToOneWellBehavedDevice) {
  const ProgramOptions options = ParseGood({});
  EXPECT_EQ(options.device.name, "TAMBERLYX");
  EXPECT_EQ(options.device.password, "admin");
  EXPECT_EQ(options.count, 1);
  EXPECT_FALSE(options.firstAddress);
  EXPECT_EQ(options.devicePort, 1212);
  EXPECT_EQ(options.clientPort, 1211);
  EXPECT_EQ(options.httpPort, 8090);
  EXPECT_EQ(options.device.delayMs, 0);
  EXPECT_EQ(options.smbDir, "");
  EXPECT_FALSE(options.help);
}

TEST(ProgramOptions, ReadsEveryOption) {
  const ProgramOptions options = ParseGood({"--name",
                                            "LAB",
                                            "--password=",
                                            "--settings",
                                            "/tmp/s.txt",
                                            "--count",
                                            "3",
                                            "--first-address=10.0.1.254",
                                            "--port-device",
                                            "2212",
                                            "--port-client",
                                            "2211",
                                            "--http",
                                            "0",
                                            "--delay",
                                            "900",
                                            "--silent",
                                            "VERIFY",
                                            "--silent=SET",
                                            "--duplicate",
                                            "--foreign-address",
                                            "10.9.9.9",
                                            "--unknown-word",
                                            "HELLO",
                                            "--reply-to-source-port",
                                            "--oversized",
                                            "--apply-network",
                                            "--dhcp-pool=10.0.2.1-10.0.2.9",
                                            "--restart-ms",
                                            "150",
                                            "--help"});
  EXPECT_EQ(options.device.name, "LAB");
  EXPECT_EQ(options.device.password, "");
  EXPECT_EQ(options.settingsFile, "/tmp/s.txt");
  EXPECT_EQ(options.count, 3);
  EXPECT_EQ(options.firstAddress, 0x0A0001FEu);
  EXPECT_EQ(options.devicePort, 2212);
  EXPECT_EQ(options.clientPort, 2211);
  EXPECT_EQ(options.httpPort, 0);
  EXPECT_EQ(options.device.delayMs, 900);
  EXPECT_EQ(options.device.silentFor, (std::set<std::string>{"SET", "VERIFY"}));
  EXPECT_TRUE(options.device.duplicateReplies);
  EXPECT_EQ(options.device.foreignAddress, "10.9.9.9");
  EXPECT_EQ(options.device.unknownWord, "HELLO");
  EXPECT_TRUE(options.device.replyToSourcePort);
  EXPECT_TRUE(options.device.oversized);
  EXPECT_TRUE(options.network.apply);
  ASSERT_TRUE(options.network.dhcpPool);
  EXPECT_EQ(options.network.dhcpPool->first, 0x0A000201u);
  EXPECT_EQ(options.network.dhcpPool->last, 0x0A000209u);
  EXPECT_EQ(options.network.restartMs, 150);
  EXPECT_TRUE(options.help);
  EXPECT_FALSE(ParseGood({}).network.apply);
  EXPECT_EQ(ParseGood({"--apply-network"}).network.restartMs, 2000);
  EXPECT_EQ(ParseGood({"--smb-dir=/srv/nas"}).smbDir, "/srv/nas");
  EXPECT_FALSE(ParseGood({"--smb-dir=/srv/nas"}).smbPassword);
  EXPECT_EQ(ParseGood({"--smb-dir=/srv/nas", "--smb-password="}).smbPassword, "");
  // The shares' smbd moves with the device.
  EXPECT_TRUE(ParseGood({"--apply-network", "--smb-dir=/srv/nas"}).network.apply);
}

TEST(ProgramOptions, RefusesCommandLinesItCannotRun) {
  const Args bad[] = {
      {"--nmae", "X"},
      {"positional"},
      {"--name"},
      {"--name", ""},
      {"--name", "A&B"},
      {"--name", std::string(64, 'n')},
      {"--password", std::string(65, 'p')},
      {"--count", "2"},  // without a first address
      {"--count", "0", "--first-address", "10.0.0.2"},
      {"--count", "8193", "--first-address", "10.0.0.2"},
      {"--count", "2", "--first-address", "255.255.255.254"},
      {"--first-address", "10.0.0"},
      {"--first-address", "10.0.0.256"},
      {"--port-device", "0"},
      {"--port-client", "65536"},
      {"--http", "-1"},
      {"--http", "80x"},
      {"--delay", "-5"},
      {"--silent", "GETOK"},
      {"--silent", "verify"},
      {"--foreign-address", "somewhere"},
      {"--unknown-word", "TOOLONGWORD"},
      {"--unknown-word", "TWO WORDS"},
      {"--duplicate=yes"},
      {"--settings", ""},
      {"--smb-dir", ""},
      {"--smb-dir", "/a\nglobal = x"},  // would add a line to smbd's configuration
      {"--smb-dir", "/srv", "--count", "2", "--first-address", "10.0.0.2"},
      {"--smb-password", "other"},  // no shares to protect
      {"--smb-dir", "/srv", "--smb-password", std::string(65, 'p')},
      {"--dhcp-pool", "10.0.0.1-10.0.0.9"},  // without --apply-network: nothing to use it
      {"--restart-ms", "100"},
      {"--apply-network", "--dhcp-pool", "10.0.0.9-10.0.0.1"},
      {"--apply-network", "--restart-ms", "-1"},
  };
  for (const Args& args : bad) {
    const ParsedCommandLine parsed = ParseProgramOptions(args);
    EXPECT_FALSE(parsed.options.has_value()) << args.front();
    EXPECT_FALSE(parsed.error.empty()) << args.front();
  }
}

// The texts scripts and people have seen since the first version.
TEST(ProgramOptions, RefusalsKeepTheirWords) {
  const std::pair<Args, std::string_view> cases[] = {
      {{"--nmae=X"}, "unknown option: --nmae=X"},
      {{"positional"}, "unknown option: positional"},
      {{"--name"}, "--name needs a value"},
      {{"--duplicate=yes"}, "--duplicate takes no value"},
      {{"--count", "2"}, "--count needs --first-address"},
      {{"--count", "010", "--first-address", "10.0.0.2", "--delay", "0x10"},
       "--delay: the delay must be 0 to 600000 milliseconds"},
      {{"--port-client", "+5"}, "--port-client: not a port number: +5"},
      {{"--silent", "verify"}, "--silent: --silent takes Tamberlyx, VERIFY or SET, not verify"},
      {{"--settings="}, "--settings: --settings needs a file name"},
  };
  for (const auto& [args, error] : cases) {
    EXPECT_EQ(ParseProgramOptions(args).error, error) << args.front();
  }
  EXPECT_EQ(ParseGood({"--count", "010", "--first-address", "10.0.0.2"}).count, 10) << "decimal";
}

TEST(ProgramOptions, UsageNamesEveryOption) {
  const std::string usage = UsageText();
  for (const char* option : {"--name",          "--password",
                             "--settings",      "--count",
                             "--first-address", "--port-device",
                             "--port-client",   "--http",
                             "--delay",         "--silent",
                             "--duplicate",     "--foreign-address",
                             "--unknown-word",  "--reply-to-source-port",
                             "--oversized",     "--smb-dir",
                             "--smb-password",  "--apply-network",
                             "--dhcp-pool",     "--restart-ms",
                             "--help"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace tamberlyx::device
