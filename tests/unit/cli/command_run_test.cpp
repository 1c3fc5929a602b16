// The commands end to end over the in-process network, with the real exchange and ticks.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/no_answer_hint.h"
#include "device/fake_devices.h"
#include "fake_interfaces.h"
#include "platform/fakenet/fake_network.h"
#include "platform/fakenet/fake_transport.h"
#include "platform/fakenet/manual_scheduler.h"
#include "platform/fakenet/manual_timer.h"
#include "protocol/datagram.h"
#include "protocol/settings_text.h"

namespace tamberlyx::cli {
namespace {

constexpr char kFirst[] = "192.168.0.21";
constexpr char kSecond[] = "192.168.0.22";

// A well-behaved device named `name`, changed by `tweak`.
device::DeviceOptions Device(std::string name,
                             const std::function<void(device::DeviceOptions&)>& tweak = {}) {
  device::DeviceOptions options;
  options.name = std::move(name);
  if (tweak) tweak(options);
  return options;
}

class CommandRunTest : public ::testing::Test {
 protected:
  CommandRunTest() {
    device::AddDevice(network, kFirst, Device("FIRST", [](auto& o) { o.delayMs = 120; }));
    device::AddDevice(network, kSecond, Device("SECOND", [](auto& o) {
                        o.password = "s3cret";
                        o.delayMs = 30;
                      }));
  }

  // Runs the command to its end; returns the exit code. `ticks` counts the timer's ticks.
  int Run(std::vector<std::string_view> args, Credentials credentials = {}) {
    const ParseOutcome parsed = ParseCommandLine(args);
    EXPECT_TRUE(parsed.command) << parsed.error;
    std::optional<int> exitCode;
    const auto command = MakeCommand(*parsed.command, context, std::move(credentials),
                                     [&exitCode](int code) { exitCode = code; });
    command->Start();
    for (ticks = 0; !exitCode && ticks < 1000; ++ticks) {
      scheduler.RunDue(scheduler.Now() + timer.PeriodMs());
      timer.Fire();
    }
    return exitCode.value_or(-1);
  }

  std::vector<std::string> SentWords() const {
    std::vector<std::string> words;
    for (const SentDatagram& sent : network.Sent()) words.push_back(sent.bytes.substr(15, 10));
    return words;
  }

  ManualScheduler scheduler;
  FakeNetwork network{scheduler.Function()};
  FakeTransport transport{network};
  ManualTimer timer;
  std::ostringstream out;
  std::ostringstream err;
  ProgressIndicator progress{err, false};
  CliContext context{transport, timer, out, err, progress};
  int ticks = 0;
};

TEST_F(CommandRunTest, DiscoverListsDevicesInArrivalOrderAfterSixteenTicks) {
  device::AddDevice(network, "192.168.0.23",
                    Device("TWICE", [](auto& o) { o.duplicateReplies = true; }));
  EXPECT_EQ(Run({"discover", "--stats"}), kExitOk);
  EXPECT_EQ(ticks, 16);
  const std::string table = out.str();
  const auto twice = table.find("TWICE"), second = table.find("SECOND"),
             first = table.find("FIRST");
  ASSERT_NE(first, std::string::npos) << table;
  EXPECT_LT(twice, second);
  EXPECT_LT(second, first);
  EXPECT_EQ(table.find("TWICE", twice + 1), std::string::npos) << "listed once";
  EXPECT_NE(err.str().find("listed 3, replies 4"), std::string::npos) << err.str();
}

TEST_F(CommandRunTest, DiscoverIgnoresLateAndForeignReplies) {
  device::AddDevice(network, "192.168.0.30", Device("LATE", [](auto& o) { o.delayMs = 900; }));
  device::AddDevice(network, "192.168.0.31",
                    Device("ELSEWHERE", [](auto& o) { o.foreignAddress = "192.168.0.99"; }));
  EXPECT_EQ(Run({"discover", "--json"}), kExitOk);
  EXPECT_EQ(out.str().find("LATE"), std::string::npos);
  EXPECT_EQ(out.str().find("ELSEWHERE"), std::string::npos);
  EXPECT_NE(out.str().find(R"("address": "192.168.0.22", "name": "SECOND")"), std::string::npos);
}

TEST_F(CommandRunTest, DiscoverWithClientPortHeldReportsBindErrorAndStillEndsByTime) {
  network.HoldClientPort(true);
  EXPECT_EQ(Run({"discover"}), kExitFailed);
  EXPECT_EQ(ticks, 16);
  const std::string text = err.str();
  EXPECT_TRUE(text.starts_with("Failed to bind CLIENT_PORT!\nError Code\nNo device answered.\n"))
      << text;
  EXPECT_NE(text.find("UDP port 1211 is held by another program"), std::string::npos) << text;
}

TEST_F(CommandRunTest, VerifyOutcomes) {
  struct Case {
    std::string_view address;
    std::string password;
    int exitCode;
    std::string_view stderrText;
  };
  const Case cases[] = {
      {kSecond, "s3cret", kExitOk, ""},
      {kSecond, "admin", kExitFailed, "Wrong password!\n"},
      {"192.168.0.77", "s3cret", kExitFailed, "no device answered at 192.168.0.77\n"},
  };
  for (const Case& c : cases) {
    err.str("");
    network.ClearSent();
    EXPECT_EQ(Run({"verify", c.address}, {c.password}), c.exitCode) << c.password;
    EXPECT_EQ(err.str(), c.stderrText);
    const bool verified = c.exitCode != kExitFailed || c.stderrText.starts_with("Wrong");
    EXPECT_EQ(network.Sent().size(), verified ? 2u : 1u);
  }
}

TEST_F(CommandRunTest, VerifyWithoutAnswerEndsAfterItsTimeLimit) {
  device::AddDevice(network, "192.168.0.40",
                    Device("MUTE", [](auto& o) { o.silentFor = {"VERIFY"}; }));
  EXPECT_EQ(Run({"verify", "192.168.0.40"}, {"admin"}), kExitFailed);
  EXPECT_EQ(ticks, 16 + 101);
  EXPECT_EQ(err.str(), "Error server is not exist!!\n");
}

TEST_F(CommandRunTest, VerifyWaitsPastAnUnknownWordForADecisiveOne) {
  device::AddDevice(network, "192.168.0.41",
                    Device("SLOW", [](auto& o) { o.silentFor = {"VERIFY"}; }));
  // Both arrive while VERIFY listens: discovery ends after 800 ms.
  network.Inject(BuildDatagram(network.PcAddress(), "MAYBE", ""), "192.168.0.41", 1000);
  network.Inject(BuildDatagram(network.PcAddress(), "VERIFYOK", ""), "192.168.0.41", 2000);
  EXPECT_EQ(Run({"verify", "192.168.0.41"}, {"admin"}), kExitOk);
  EXPECT_EQ(ticks, 40);
  EXPECT_EQ(err.str(), "");
}

TEST_F(CommandRunTest, SetRewritesTheGivenEntriesAndKeepsEveryOther) {
  const std::string before = device::FindDevice(network, kFirst)->Settings();
  ASSERT_TRUE(HasSettingKey(before, "locale"));
  EXPECT_EQ(Run({"set", kFirst, "sys.hostname=RENAMED", "sys.dns=192.168.0.53"},
                {"admin", /*korean=*/true}),
            kExitOk);
  EXPECT_EQ(out.str(), "Configurations have saved successfully!\n");
  std::string expected = before;
  ReplaceSettingEntry(expected, "sys.hostname", "sys.hostname=RENAMED");
  ReplaceSettingEntry(expected, "sys.dns", "sys.dns=192.168.0.53");
  ReplaceSettingEntry(expected, "locale", "locale=kor");
  EXPECT_EQ(device::FindDevice(network, kFirst)->Settings(), expected);
}

TEST_F(CommandRunTest, SetRefusesAKeyTheDeviceDidNotReportBeforeSendingThePassword) {
  EXPECT_EQ(Run({"set", kFirst, "sys.hostname=X", "no.such.key=1"}, {"admin"}), kExitUsage);
  EXPECT_EQ(err.str(), "the device does not report the key \"no.such.key\"\n");
  EXPECT_EQ(SentWords(), std::vector<std::string>{"Tamberlyx"});
}

TEST_F(CommandRunTest, SetAfterWrongPasswordSendsNothingMore) {
  EXPECT_EQ(Run({"set", kSecond, "sys.hostname=X"}, {"wrong"}), kExitFailed);
  EXPECT_EQ(SentWords(), (std::vector<std::string>{"Tamberlyx", "VERIFY    "}));
}

TEST_F(CommandRunTest, SetWithoutAnswerEndsAfterItsTimeLimit) {
  device::AddDevice(network, "192.168.0.42",
                    Device("DEAF", [](auto& o) { o.silentFor = {"SET"}; }));
  EXPECT_EQ(Run({"set", "192.168.0.42", "sys.hostname=X"}, {"admin"}), kExitFailed);
  EXPECT_EQ(err.str(), "Server does not exist!!\n");
  EXPECT_GE(ticks, 16 + 301);
}

// A PC on two segments: eth0 (where the default route leaves) and eth1 with a device of its own.
class WidenedSearchTest : public CommandRunTest {
 protected:
  static constexpr char kOther[] = "10.1.0.5";

  WidenedSearchTest() {
    interfaces.Add({"eth0", "192.168.0.100"}, "192.168.0.");
    interfaces.Add({"eth1", "10.1.0.1"}, "10.1.");
    context.interfaces = &interfaces;
    device::AddDevice(network, kOther, Device("OTHER"));
  }

  static std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
  }

  FakeInterfaces interfaces{network};
};

TEST_F(WidenedSearchTest, EveryInterfaceSendsTheSearchOutOfEachAndListsEveryDeviceOnce) {
  EXPECT_EQ(Run({"discover", "--every-interface"}), kExitOk);
  EXPECT_EQ(ticks, 16) << "one window for all answers";
  const std::string search = BuildDiscoveryRequest();
  EXPECT_EQ(interfaces.SentVia(),
            (std::vector<FakeInterfaces::Sent>{{"eth0", search, "255.255.255.255"},
                                               {"eth1", search, "255.255.255.255"}}));
  // Every device heard both broadcasts and answered twice.
  const std::string table = out.str();
  for (std::string_view name : {"FIRST", "SECOND", "OTHER"}) EXPECT_EQ(Count(table, name), 1u);
  EXPECT_TRUE(table.starts_with("INTERFACE  NAME")) << table;
  EXPECT_NE(table.find("eth1       OTHER   10.1.0.5"), std::string::npos) << table;
  EXPECT_NE(table.find("eth0       SECOND  192.168.0.22"), std::string::npos) << table;
}

TEST_F(WidenedSearchTest, AddressIsAskedDirectlyBesideTheBroadcast) {
  EXPECT_EQ(Run({"discover", "--address", kOther, "--json"}), kExitOk);
  const std::string search = BuildDiscoveryRequest();
  EXPECT_EQ(network.Sent(),
            (std::vector<SentDatagram>{{search, "255.255.255.255", true}, {search, kOther, true}}));
  EXPECT_TRUE(interfaces.SentVia().empty()) << "the broadcast takes the route";
  EXPECT_NE(out.str().find(R"("address": "10.1.0.5", "name": "OTHER", "interface": "eth1")"),
            std::string::npos)
      << out.str();
  EXPECT_EQ(Count(out.str(), "\"interface\": \"eth0\""), 2u);
}

TEST_F(WidenedSearchTest, WithoutUsableInterfacesTheSearchIsNeverNarrowerThanThePlainOne) {
  FakeInterfaces none{network};
  context.interfaces = &none;
  EXPECT_EQ(Run({"discover", "--every-interface"}), kExitOk);
  EXPECT_EQ(network.Sent().size(), 1u);
  EXPECT_EQ(Count(out.str(), "\n-          "), 3u) << "interface unknown: " << out.str();
}

TEST_F(WidenedSearchTest, OneInterfaceFailingLeavesTheOthersSearched) {
  interfaces.FailSendsVia("eth0");
  EXPECT_EQ(Run({"discover", "--every-interface"}), kExitOk);
  EXPECT_EQ(interfaces.SentVia().size(), 1u);
  EXPECT_EQ(Count(out.str(), "OTHER"), 1u);
}

TEST_F(WidenedSearchTest, SetSearchesEveryInterfaceThenTalksToTheDeviceDirectly) {
  EXPECT_EQ(Run({"set", "--every-interface", kOther, "sys.hostname=MOVED"}, {"admin"}), kExitOk);
  EXPECT_EQ(SentWords(),
            (std::vector<std::string>{"Tamberlyx", "Tamberlyx", "VERIFY    ", "SET       "}));
  EXPECT_EQ(network.Sent()[3].destination, kOther);
  EXPECT_FALSE(network.Sent()[3].broadcast);
  EXPECT_EQ(GetSettingValue(device::FindDevice(network, kOther)->Settings(), "sys.hostname"),
            "MOVED");
}

TEST_F(WidenedSearchTest, NothingAnsweringLeavesStdoutEmptyAndGuidesOnStderr) {
  for (std::string_view address : {kFirst, kSecond, kOther}) network.RemovePeer(address);
  struct Case {
    std::vector<std::string_view> args;
    std::string_view stdoutText;
    std::string_view searched;
  };
  const Case cases[] = {
      {{"discover"}, "", "Searched:\n  255.255.255.255 out of eth0\nEach device"},
      {{"discover", "--every-interface", "--json"},
       "[]\n",
       "Searched:\n  255.255.255.255 out of eth0 (192.168.0.100)\n"
       "  255.255.255.255 out of eth1 (10.1.0.1)\nEach device"},
      {{"discover", "--address", "10.9.0.9"},
       "",
       "  255.255.255.255 out of eth0\n  10.9.0.9 (no route out of this PC)\n"},
  };
  for (const Case& c : cases) {
    out.str("");
    err.str("");
    EXPECT_EQ(Run(c.args), kExitOk);
    EXPECT_EQ(out.str(), c.stdoutText);
    EXPECT_TRUE(err.str().starts_with("No device answered.\n")) << err.str();
    EXPECT_NE(err.str().find(c.searched), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("UDP port 1211 was free"), std::string::npos) << err.str();
  }
}

TEST(NoAnswerHint, SaysWhereItSearchedWhatToCheckAndWhatWasNotTried) {
  struct Case {
    std::vector<SearchRoute> routes;
    SearchOptions options;
    ClientPortState port;
    std::vector<std::string_view> present;
    std::vector<std::string_view> absent;
  };
  const std::vector<std::string_view> firewall{
      "nft add rule inet filter input udp dport 1211 accept", "ufw allow 1211/udp",
      "firewall-cmd --add-port=1211/udp"};
  const Case cases[] = {
      {{{"255.255.255.255", "eth0", "", true}},
       {},
       ClientPortState::kListened,
       {"  255.255.255.255 out of eth0\n", "port 1211 was free", "try --every-interface",
        "try --address ADDRESS"},
       {"failed"}},
      {{{"255.255.255.255", "eth0", "10.0.0.1", true},
        {"255.255.255.255", "eth1", "10.1.0.1", false},
        {"10.2.0.9", "eth0", "", true}},
       {true, {"10.2.0.9"}},
       ClientPortState::kHeld,
       {"out of eth1 (10.1.0.1): the send failed\n", "  10.2.0.9 out of eth0\n",
        "held by another program", "ss -ulpn 'sport = :1211'"},
       {"try --every-interface", "try --address"}},
      {{{"255.255.255.255", "", "", false}},
       {},
       ClientPortState::kNotListened,
       {"255.255.255.255 (no route out of this PC): the send failed",
        "port 1211 is free, but this search did not listen"},
       {}},
  };
  for (const Case& c : cases) {
    const std::string hint = NoAnswerHint(c.routes, c.options, c.port);
    for (std::string_view part : firewall) EXPECT_NE(hint.find(part), std::string::npos) << hint;
    for (std::string_view part : c.present) EXPECT_NE(hint.find(part), std::string::npos) << hint;
    for (std::string_view part : c.absent) EXPECT_EQ(hint.find(part), std::string::npos) << hint;
  }
}

}  // namespace
}  // namespace tamberlyx::cli
