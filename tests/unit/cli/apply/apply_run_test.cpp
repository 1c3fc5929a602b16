// apply over the in-process network: the plan, the parallel saves on one listening socket, the
// read-back, and what a second run sends.
#include <gtest/gtest.h>

#include "cli/apply/apply_command.h"
#include "cli/exit_codes.h"
#include "device/fake_devices.h"
#include "protocol/datagram.h"
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
          R"("Tokyo"}], "now_at": "192.168.0.21", "error": null})"),
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

}  // namespace
}  // namespace tamberlyx::cli
