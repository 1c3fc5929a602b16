// apply over the in-process network: the plan, the parallel saves on one listening socket, the
// read-back, and what a second run sends.
#include <gtest/gtest.h>

#include <map>

#include "cli/apply/apply_command.h"
#include "cli/exit_codes.h"
#include "device/fake_devices.h"
#include "operations/address_probe.h"
#include "platform/fakenet/fake_interface_network.h"
#include "protocol/datagram.h"
#include "protocol/ipv4_text.h"
#include "protocol/settings_text.h"
#include "tests/unit/cli/run_harness.h"

namespace tamberlyx::cli {
namespace {

// A device that, once saved with another nwk.ipaddr, answers from there.
class MovingDevice : public NetworkPeer {
 public:
  MovingDevice(device::DeviceOptions options, std::string address)
      : m_device(std::move(options), address), m_address(std::move(address)) {}
  const std::string& Address() const override { return m_address; }
  std::vector<PeerReply> Handle(std::string_view datagram, std::string_view requester) override {
    std::vector<PeerReply> replies = m_device.Handle(datagram, requester);
    const std::string moved = GetSettingValue(m_device.Settings(), "nwk.ipaddr");
    if (!moved.empty()) m_address = moved;
    return replies;
  }

 private:
  device::DevicePeer m_device;
  std::string m_address;
};

device::DeviceOptions Named(std::string name, int delayMs, std::string password = "admin") {
  device::DeviceOptions options;
  options.name = std::move(name);
  options.delayMs = delayMs;
  options.password = std::move(password);
  return options;
}

class ApplyRunTest : public ::testing::Test, public RunHarness {
 protected:
  ApplyRunTest() {
    device::AddDevice(network, "192.168.0.21", Named("ALPHA", 40));
    network.AddPeer(std::make_unique<MovingDevice>(Named("BRAVO", 10, "s3cret"), "192.168.0.22"));
    device::AddDevice(network, "192.168.0.23", Named("CHARLIE", 25));
  }

  int Run(std::vector<std::string_view> args, const std::string& file) {
    args.insert(args.begin(), "apply");
    args.push_back("site.json");
    ParseOutcome parsed = ParseCommandLine(args);
    EXPECT_TRUE(parsed.command) << parsed.error;
    ApplyFileOutcome loaded = ParseApplyFile(file);
    EXPECT_TRUE(loaded.errors.empty());
    for (FileDevice& device : loaded.file.devices) {
      device.password = device.identifier == "192.168.0.22" ? "s3cret" : "admin";
    }
    const ApplyFileSource source = [&loaded] { return LoadedApplyFile{loaded.file, {}}; };
    return RunWith(
        [&](Command::Finish finish) {
          return std::make_unique<ApplyCommand>(*parsed.command, context, Credentials{},
                                                std::move(finish), source);
        },
        4000);
  }

  std::vector<std::string> SentTo(std::string_view word) const {
    std::vector<std::string> to;
    for (const SentDatagram& sent : network.Sent()) {
      if (FieldToken(std::string_view(sent.bytes).substr(15, 10)) == word) {
        to.push_back(sent.destination);
      }
    }
    return to;
  }
};

const std::string kSite = R"({"devices": [
  {"mac": "02:4C:C0:A8:00:15", "settings": {"sys.hostname": "ARCHIVE", "sys.Time.timeZone": "Tokyo"}},
  {"address": "192.168.0.22", "settings": {"nwk.ipaddr": "192.168.0.52"}},
  {"name": "CHARLIE", "settings": {"sys.hostname": "CHARLIE"}}
]})";

TEST_F(ApplyRunTest, ChangesWhatDiffersReadsItBackAndASecondRunSendsOnlyTheSearch) {
  EXPECT_EQ(Run({"--json", "--wait", "5"}, kSite), kExitOk) << err.str();
  const std::string report = out.str();
  EXPECT_NE(
      report.find(
          R"({"device": "mac 02:4C:C0:A8:00:15", "mac": "02:4c:c0:a8:00:15", "address": "192.168.0.21", "result": )"
          R"("changed", "changes": [{"key": "sys.hostname", "old": "ALPHA", "new": )"
          R"("ARCHIVE"}, {"key": "sys.Time.timeZone", "old": "Seoul", "new": )"
          R"("Tokyo"}], "now_at": "192.168.0.21", "error": null, "address_findings": []})"),
      std::string::npos)
      << report;
  EXPECT_NE(report.find(R"("address": "192.168.0.22", "result": "changed")"), std::string::npos);
  EXPECT_NE(report.find(R"("now_at": "192.168.0.52")"), std::string::npos) << report;
  EXPECT_NE(report.find(R"("result": "unchanged", "changes": [], "now_at": "192.168.0.23")"),
            std::string::npos);
  EXPECT_EQ(SentTo("VERIFY"), (std::vector<std::string>{"192.168.0.21", "192.168.0.22"}));
  EXPECT_EQ(SentTo("SET").size(), 2u);
  EXPECT_EQ(report.find("s3cret"), std::string::npos);

  network.ClearSent();
  out.str("");
  EXPECT_EQ(Run({}, R"({"devices": [
    {"mac": "02:4c:c0:a8:00:15", "settings": {"sys.hostname": "ARCHIVE"}},
    {"address": "192.168.0.52", "settings": {"nwk.ipaddr": "192.168.0.52"}}]})"),
            kExitOk);
  EXPECT_EQ(network.Sent().size(), 1u) << "only the search";
  EXPECT_NE(out.str().find("mac 02:4c:c0:a8:00:15 at 192.168.0.21: unchanged\n"), std::string::npos)
      << out.str();
}

TEST_F(ApplyRunTest, AJsonReportGivesTheFilesMacForADeviceNeverFound) {
  EXPECT_EQ(Run({"--check", "--json"}, R"({"devices": [
    {"mac": "02:4C:00:00:00:99", "settings": {"sys.hostname": "GONE"}},
    {"name": "GHOST", "settings": {"sys.hostname": "GHOST"}}]})"),
            kExitFailed);
  EXPECT_NE(out.str().find(R"("mac": "02:4C:00:00:00:99", "address": null, "result": "failed")"),
            std::string::npos)
      << out.str();
  EXPECT_NE(out.str().find(R"("device": "name GHOST", "mac": null)"), std::string::npos);
}

TEST_F(ApplyRunTest, CheckShowsThePlanAndSendsNothingAfterTheSearch) {
  EXPECT_EQ(Run({"--check"}, kSite), kExitOk);
  EXPECT_EQ(network.Sent().size(), 1u);
  EXPECT_NE(out.str().find("mac 02:4C:C0:A8:00:15 at 192.168.0.21:\n"
                           "- sys.hostname=ALPHA\n+ sys.hostname=ARCHIVE\n"
                           "- sys.Time.timeZone=Seoul\n+ sys.Time.timeZone=Tokyo\n"),
            std::string::npos)
      << out.str();
  EXPECT_NE(out.str().find("name CHARLIE at 192.168.0.23: unchanged\n"), std::string::npos);
}

TEST_F(ApplyRunTest, TheSearchEndsOnceEveryDeviceNamedByMacOrAddressHasAnswered) {
  device::AddDevice(network, "192.168.0.24", Named("DELTA", 400));
  struct Case {
    std::vector<std::pair<const char*, const char*>> devices;  // how each is named
    int ticks;  // of 50 ms, within one; the whole window is 16
  };
  const Case cases[] = {
      {{{"mac", "02:4C:C0:A8:00:15"}, {"address", "192.168.0.22"}}, 1},
      {{{"address", "192.168.0.24"}, {"mac", "02:4c:c0:a8:00:15"}}, 8},
      {{{"mac", "02:4c:c0:a8:00:15"}, {"name", "CHARLIE"}}, 16},  // two may answer to a name
      {{{"address", "192.168.0.22"}, {"mac", "02:4c:00:00:00:99"}}, 16},
  };
  for (const Case& c : cases) {
    std::string file = R"({"devices": [)";
    for (const auto& [naming, identifier] : c.devices) {
      file += std::string(file.back() == '[' ? "" : ", ") + "{\"" + naming + "\": \"" + identifier +
              R"(", "settings": {"sys.dns": "10.0.0.53"}})";
    }
    Run({"--check"}, file + "]}");
    EXPECT_NEAR(ticks, c.ticks, 1) << file;
    EXPECT_EQ(network.Sent().size(), 1u) << file;
    network.ClearSent();
  }
}

// A SETOK or VERIFYOK from a host nobody asked must not decide any device's exchange.
TEST_F(ApplyRunTest, InterleavedAnswersReachTheirOwnDeviceAndAThirdHostChangesNothing) {
  device::AddDevice(network, "192.168.0.24", Named("DELTA", 300, "other"));
  network.Inject(BuildDatagram(network.PcAddress(), "VERIFYOK", ""), "192.168.0.99", 850);
  network.Inject(BuildDatagram(network.PcAddress(), "SETOK", ""), "192.168.0.99", 860);
  EXPECT_EQ(Run({"--parallel", "4", "--wait", "0"}, R"({"devices": [
    {"name": "ALPHA", "settings": {"sys.dns": "10.0.0.53"}},
    {"name": "DELTA", "settings": {"sys.dns": "10.0.0.53"}},
    {"name": "GHOST", "settings": {"sys.dns": "10.0.0.53"}},
    {"address": "192.168.0.23", "settings": {"sys.dns": "10.0.0.54"}}]})"),
            kExitFailed);
  const std::string table = out.str();
  EXPECT_NE(table.find("ALPHA         192.168.0.21  changed                  192.168.0.21"),
            std::string::npos)
      << table;
  EXPECT_NE(table.find("DELTA         192.168.0.24  failed: Wrong password!  192.168.0.24"),
            std::string::npos);
  EXPECT_NE(table.find("GHOST         -             failed: not found        -"),
            std::string::npos);
  EXPECT_EQ(GetSettingValue(device::FindDevice(network, "192.168.0.23")->Settings(), "sys.dns"),
            "10.0.0.54");
  EXPECT_NE(GetSettingValue(device::FindDevice(network, "192.168.0.24")->Settings(), "sys.dns"),
            "10.0.0.53");
}

TEST_F(ApplyRunTest, AnEntryNoDeviceReportsStopsEveryDeviceAfterTheSearch) {
  EXPECT_EQ(Run({},
                "{\"devices\": [\n  {\"name\": \"ALPHA\", \"settings\": {\"sys.hostname\": "
                "\"A\"}},\n  {\"name\": \"CHARLIE\", \"settings\": {\"no.such\": \"1\"}}]}"),
            kExitUsage);
  EXPECT_EQ(err.str(),
            "site.json:3:36: name CHARLIE does not report the key \"no.such\"\n"
            "Nothing was sent to any device.\n");
  EXPECT_EQ(network.Sent().size(), 1u);
}

// Answers for the addresses it is told are taken, a moment later, as the neighbour table would.
class FakeProbe : public AddressProbe {
 public:
  explicit FakeProbe(Scheduler scheduler) : m_scheduler(std::move(scheduler)) {}
  void Probe(const std::string&, std::uint32_t address, const std::string&, Done done) override {
    asked.push_back(FormatIpv4(address));
    const auto holder = holders.find(asked.back());
    m_scheduler(300, [done, mac = holder == holders.end() ? "" : holder->second] { done(mac); });
  }
  std::map<std::string, std::string> holders;
  std::vector<std::string> asked;

 private:
  Scheduler m_scheduler;
};

struct AddressCase {
  const char* what;
  std::string devices;
  std::vector<std::string_view> args;
  int exit;
  std::vector<std::string> sets, asked;
  std::string shown;  // a part of standard output or standard error
  std::size_t wrongPasswords = 0;
};

void PrintTo(const AddressCase& c, std::ostream* os) {
  *os << c.what;
}

class ApplyAddressTest : public ApplyRunTest, public ::testing::WithParamInterface<AddressCase> {
 protected:
  ApplyAddressTest() {
    device::DeviceOptions delta = Named("DELTA", 5);
    delta.settings =
        "sys.hostname=DELTA&nwk.mac=02:4c:c0:a8:00:18&nwk.bootproto=none&nwk.ipaddr=192.168.0.24&"
        "nwk.netmask=255.255.255.0&sys.gateway=10.9.9.9&locale=en";
    device::AddDevice(network, "192.168.0.24", delta);
    context.interfaces = &m_lan;
    context.probe = &probe;
    probe.holders["192.168.0.60"] = "02:00:5e:00:00:60";
    probe.holders["192.168.0.61"] = "02:00:5e:00:00:61";
  }
  FakeProbe probe{scheduler.Function()};

 private:
  FakeInterfaceNetwork m_lan{network, {{"eth0", network.PcAddress(), "255.255.255.0"}}};
};

TEST_P(ApplyAddressTest, SavesEachAfterItsHolderHoldsBackTakenAddressesAndRefusesSwaps) {
  const AddressCase& c = GetParam();
  std::vector<std::string_view> args = c.args;
  args.insert(args.end(), {"--wait", "0"});
  EXPECT_EQ(Run(args, "{\"devices\": [" + c.devices + "]}"), c.exit) << err.str();
  EXPECT_EQ(SentTo("SET"), c.sets);
  EXPECT_EQ(SentTo("VERIFY").size(), c.sets.size() + c.wrongPasswords);
  EXPECT_EQ(probe.asked, c.asked);
  EXPECT_NE((out.str() + err.str()).find(c.shown), std::string::npos) << out.str() << err.str();
}

const std::string kAlpha = R"({"mac": "02:4c:c0:a8:00:15", "settings": {"nwk.ipaddr": )";
const std::string kBravo = R"({"address": "192.168.0.22", "settings": {"nwk.ipaddr": )";
const std::string kCharlie = R"({"name": "CHARLIE", "settings": {"nwk.ipaddr": )";

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyAddressTest,
    ::testing::Values(
        AddressCase{"into the address another entry leaves: after it, and not probed",
                    kAlpha + R"("192.168.0.22"}}, )" + kBravo + R"("192.168.0.52"}})",
                    {},
                    kExitOk,
                    {"192.168.0.22", "192.168.0.21"},
                    {"192.168.0.52"},
                    "mac 02:4c:c0:a8:00:15 at 192.168.0.21:\n- nwk.ipaddr=192.168.0.21"},
        AddressCase{"a swap of devices named by hardware address: refused after the search",
                    kAlpha + R"("192.168.0.22"}}, {"mac": "02:4c:c0:a8:00:16", "settings": )"
                             R"({"nwk.ipaddr": "192.168.0.21"}})",
                    {},
                    kExitUsage,
                    {},
                    {},
                    "site.json:1:56: mac 02:4c:c0:a8:00:15 (at 192.168.0.21) to 192.168.0.22, "
                    "mac 02:4c:c0:a8:00:16 (at 192.168.0.22) to 192.168.0.21: each takes"},
        AddressCase{"a taken address",
                    kCharlie + R"("192.168.0.60"}})",
                    {"--check"},
                    kExitAddressRefused,
                    {},
                    {"192.168.0.60"},
                    "name CHARLIE at 192.168.0.23: failed: its new address would not work "
                    "(--force saves anyway)\n- nwk.ipaddr=192.168.0.23\n+ "
                    "nwk.ipaddr=192.168.0.60\n! Another host (02:00:5e:00:00:60) already "
                    "answers at 192.168.0.60.\n"},
        AddressCase{"a taken address with --force",
                    kCharlie + R"("192.168.0.60"}})",
                    {"--force"},
                    kExitOk,
                    {"192.168.0.23"},
                    {"192.168.0.60"},
                    "name CHARLIE at 192.168.0.23:\n- nwk.ipaddr=192.168.0.23\n+ "
                    "nwk.ipaddr=192.168.0.60\n! Another host"},
        AddressCase{"its holder held back, it stays unsaved too",
                    kAlpha + R"("192.168.0.22"}}, )" + kBravo + R"("192.168.0.61"}})",
                    {},
                    kExitAddressRefused,
                    {},
                    {"192.168.0.61"},
                    "was not saved and still holds 192.168.0.22"},
        AddressCase{"its holder refused the password: it stays unsaved, sent nothing",
                    kAlpha + R"("192.168.0.22"}}, {"mac": "02:4c:c0:a8:00:16", "settings": )"
                             R"({"nwk.ipaddr": "192.168.0.52"}})",
                    {},
                    kExitFailed,
                    {},
                    {"192.168.0.52"},
                    "failed: mac 02:4c:c0:a8:00:16 was not saved and still holds 192.168.0.22",
                    1},
        AddressCase{"a rename leaves a gateway set up outside the subnet as it was",
                    R"({"name": "DELTA", "settings": {"sys.hostname": "DELTA-2"}})",
                    {},
                    kExitOk,
                    {"192.168.0.24"},
                    {},
                    "name DELTA at 192.168.0.24:\n- sys.hostname=DELTA\n+ sys.hostname=DELTA-2\n"},
        AddressCase{"a loopback address, plainly wrong and not probed",
                    kCharlie + R"("127.0.0.5"}})",
                    {"--check"},
                    kExitAddressRefused,
                    {},
                    {},
                    "! 127.0.0.5 is a loopback address"}));

TEST_F(ApplyAddressTest, SetHoldsBackATakenAddressBeforeThePasswordGoesOut) {
  const std::pair<std::vector<std::string_view>, int> cases[] = {
      {{"set", "192.168.0.23", "nwk.ipaddr=192.168.0.60"}, kExitAddressRefused},
      {{"set", "--force", "192.168.0.23", "nwk.ipaddr=192.168.0.60"}, kExitOk},
  };
  for (const auto& [args, exit] : cases) {
    network.ClearSent();
    err.str("");
    const ParseOutcome parsed = ParseCommandLine(args);
    ASSERT_TRUE(parsed.command) << parsed.error;
    EXPECT_EQ(RunCommand(*parsed.command, Credentials{"admin", false}, 2000), exit);
    EXPECT_NE(err.str().find("Another host (02:00:5e:00:00:60) already answers at 192.168.0.60."),
              std::string::npos)
        << err.str();
    EXPECT_EQ(SentTo("VERIFY").size(), exit == kExitOk ? 1u : 0u) << err.str();
  }
}

}  // namespace
}  // namespace tamberlyx::cli
