// The commands end to end over the in-process network, with the real exchange and ticks.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "cli/exit_codes.h"
#include "device/fake_devices.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/settings_text.h"
#include "tests/unit/cli/run_harness.h"

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

class CommandRunTest : public ::testing::Test, public RunHarness {
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
    return RunCommand(*parsed.command, std::move(credentials), 1000);
  }

  std::vector<std::string> SentWords() const {
    std::vector<std::string> words;
    for (const SentDatagram& sent : network.Sent()) words.push_back(sent.bytes.substr(15, 10));
    return words;
  }
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
  EXPECT_NE(err.str().find("dropped 0 by the kernel and 0 by the queue"), std::string::npos);
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

// On a Korean system a text with no room for locale=kor went out silently with locale=en.
TEST_F(CommandRunTest, SetRefusesALocaleRewriteThatCannotFitBeforeSendingThePassword) {
  std::string settings = device::FindDevice(network, kFirst)->Settings();
  ReplaceSettingEntry(settings, "locale", "locale=en");
  const std::size_t room = kMaxSettingsLength - settings.size();
  const std::string dns = GetSettingValue(settings, "sys.dns") + std::string(room, 'x');
  for (const bool korean : {true, false}) {
    err.str("");
    network.ClearSent();
    const std::string assignment = "sys.dns=" + dns;
    const int expected = korean ? kExitUsage : kExitOk;
    EXPECT_EQ(Run({"set", kFirst, assignment}, {"admin", korean}), expected) << err.str();
    if (korean) {
      EXPECT_EQ(err.str(),
                "locale=kor would make the settings longer than 999 characters; "
                "shorten another entry\n");
      EXPECT_EQ(SentWords(), std::vector<std::string>{"Tamberlyx"});
    }
  }
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

// Says SETOK and keeps its old settings: only a read-back can tell.
class ForgetfulDevice : public NetworkPeer {
 public:
  explicit ForgetfulDevice(std::string address)
      : m_device(Device("FORGETFUL"), address), m_address(std::move(address)) {}
  const std::string& Address() const override { return m_address; }
  std::vector<PeerReply> Handle(std::string_view datagram, std::string_view requester) override {
    if (FieldToken(datagram.substr(15, 10)) != "SET") return m_device.Handle(datagram, requester);
    return {{BuildDatagram(requester, "SETOK", ""), false, 0}};
  }

 private:
  device::DevicePeer m_device;
  std::string m_address;
};

TEST_F(CommandRunTest, SetWaitReadsTheEntriesBackAndFailsWhenTheyDidNotTake) {
  network.AddPeer(std::make_unique<ForgetfulDevice>("192.168.0.43"));
  EXPECT_EQ(Run({"set", "--wait", "3", kFirst, "sys.hostname=RENAMED"}, {"admin"}), kExitOk);
  EXPECT_EQ(out.str(),
            "Configurations have saved successfully!\n"
            "Read back from 192.168.0.21: every entry as written.\n");
  out.str("");
  network.ClearSent();
  EXPECT_EQ(Run({"set", "--wait", "2", "192.168.0.43", "sys.hostname=RENAMED"}, {"admin"}),
            kExitFailed);
  // Each window ends at its one answer, yet the searches are no closer than whole windows.
  EXPECT_LE(std::ranges::count(SentWords(), std::string("Tamberlyx")), 5);
  EXPECT_EQ(out.str(), "Configurations have saved successfully!\n");
  EXPECT_EQ(err.str(),
            "Read back: answered at 192.168.0.43 with sys.hostname=FORGETFUL, not RENAMED\n");
  EXPECT_GE(ticks, 16 + 40);
  // It reports the new fixed address, but has not moved there.
  err.str("");
  EXPECT_EQ(Run({"set", "--wait", "1", kFirst, "nwk.ipaddr=192.168.0.61"}, {"admin"}), kExitFailed);
  EXPECT_EQ(err.str(), "Read back: answered at 192.168.0.21, not at 192.168.0.61\n");
}

}  // namespace
}  // namespace tamberlyx::cli
