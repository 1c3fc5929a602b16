#include "netdrive/map_device_shares.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "netdrive/fake_host_resolver.h"
#include "netdrive/fake_network_provider.h"
#include "protocol/events.h"

namespace tamberlyx::netdrive {
namespace {

using Arrange = std::function<void(FakeNetworkProvider&)>;
using Pairs = std::vector<std::pair<std::string, std::string>>;  // local name, remote name

const std::string kDevice = "\\\\192.168.0.1";

FakeNetworkProvider::Container Shares(const std::vector<std::string>& names) {
  FakeNetworkProvider::Container container;
  for (const std::string& name : names)
    container.entries.push_back(FakeShare(kDevice + "\\" + name));
  return container;
}

void DeviceWithPublicAndMedia(FakeNetworkProvider& fake) {
  fake.AddContainer(kDevice, Shares({"public", "media"}));
}

void EveryLetterTaken(FakeNetworkProvider& fake) {
  for (char letter = 'C'; letter <= 'Z'; ++letter) fake.AddDrive(std::string{letter, ':', '\\'});
}

struct MapCase {
  const char* name;
  Arrange arrange;
  std::string host;
  int connected;
  Pairs connections;                 // afterwards, in order
  std::vector<std::string> calls{};  // every provider call, when the case is about them
};

Pairs ConnectionsOf(const FakeNetworkProvider& fake) {
  Pairs pairs;
  for (const auto& c : fake.Connections()) pairs.emplace_back(c.localName, c.remoteName);
  return pairs;
}

class MapDeviceSharesTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapDeviceSharesTest, LeavesTheExpectedConnections) {
  const MapCase& c = GetParam();
  FakeNetworkProvider fake;
  fake.SetServerPassword("secret");
  c.arrange(fake);
  FakeHostResolver resolver;
  resolver.Add("NAS-1", "192.168.0.1");

  const MapResult result = MapDeviceShares(fake, resolver, c.host, "secret", "admin");

  EXPECT_EQ(result.connected, c.connected);
  EXPECT_EQ(result.note.empty(), c.connected > 0) << result.note;
  EXPECT_EQ(ConnectionsOf(fake), c.connections);
  EXPECT_TRUE(fake.Remembered().empty());
  if (c.connected < 0) {
    EXPECT_TRUE(fake.Calls().empty());
  }
  if (!c.calls.empty()) {
    EXPECT_EQ(fake.Calls(), c.calls);
  }
}

const MapCase kMapCases[] = {
    {"FirstFreeLettersInTheDevicesOrder",
     [](FakeNetworkProvider& fake) {
       fake.AddDrive("C:\\");
       fake.AddDrive("D:\\");
       DeviceWithPublicAndMedia(fake);
     },
     "192.168.0.1",
     2,
     {{"E:", kDevice + "\\public"}, {"F:", kDevice + "\\media"}}},
    {"ServerNameMapsByItsAddress",
     DeviceWithPublicAndMedia,
     "NAS-1",
     2,
     {{"C:", kDevice + "\\public"}, {"D:", kDevice + "\\media"}}},
    {"NoSharesStillRemovesOldConnections",
     [](FakeNetworkProvider& fake) {
       fake.AddConnected("G:", kDevice + "\\old", true);
       fake.AddConnected("H:", kDevice + "\\older");
       fake.AddContainer(kDevice, {});
     },
     "192.168.0.1",
     0,
     {}},
    {"UnresolvableNameTouchesNothing",
     [](FakeNetworkProvider& fake) {
       fake.AddConnected("G:", kDevice + "\\public");
       DeviceWithPublicAndMedia(fake);
     },
     "NO-SUCH-NAS",
     -1,
     {{"G:", kDevice + "\\public"}}},
    // A connection to 192.168.0.10 was cancelled too: its remote name contains 192.168.0.1.
    {"OtherDeviceWithLongerAddressSurvives",
     [](FakeNetworkProvider& fake) {
       fake.AddConnected("G:", "\\\\192.168.0.10\\public", true);
       fake.AddConnected("H:", kDevice + "\\public", true);
       DeviceWithPublicAndMedia(fake);
     },
     "192.168.0.1",
     2,
     {{"G:", "\\\\192.168.0.10\\public"},
      {"C:", kDevice + "\\public"},
      {"D:", kDevice + "\\media"}}},
    {"ContainersAreSearchedDepthFirst",
     [](FakeNetworkProvider& fake) {
       FakeNetworkProvider::Container top = Shares({"a"});
       top.entries.push_back(FakeContainer(kDevice + "\\group"));
       top.entries.push_back(FakeShare(kDevice + "\\c"));
       fake.AddContainer(kDevice, top);
       fake.AddContainer(kDevice + "\\group", Shares({"b"}));
     },
     "192.168.0.1",
     3,
     {{"C:", kDevice + "\\a"}, {"D:", kDevice + "\\b"}, {"E:", kDevice + "\\c"}}},
    {"AContainerListingItselfIsListedOnce",
     [](FakeNetworkProvider& fake) {
       FakeNetworkProvider::Container top = Shares({"public"});
       top.entries.push_back(FakeContainer(kDevice));
       fake.AddContainer(kDevice, top);
     },
     "192.168.0.1",
     1,
     {{"C:", kDevice + "\\public"}}},
    {"SharesOfAnotherServerInTheListingAreLeftOut",
     [](FakeNetworkProvider& fake) {
       FakeNetworkProvider::Container top = Shares({"public"});
       top.entries.push_back(FakeShare("\\\\192.168.0.10\\media"));
       fake.AddContainer(kDevice, top);
     },
     "192.168.0.1",
     1,
     {{"C:", kDevice + "\\public"}}},
    {"AAndBAreNeverUsed",
     DeviceWithPublicAndMedia,
     "192.168.0.1",
     2,
     {{"C:", kDevice + "\\public"}, {"D:", kDevice + "\\media"}}},
    {"NoFreeLetterConnectsNothing",
     [](FakeNetworkProvider& fake) {
       EveryLetterTaken(fake);
       DeviceWithPublicAndMedia(fake);
     },
     "192.168.0.1",
     0,
     {}},
    {"RefusedListingLogsOnOnceAndRetries",
     [](FakeNetworkProvider& fake) {
       auto shares = Shares({"public", "media"});
       shares.refusal = ProviderStatus::kAccessDenied;
       fake.AddContainer(kDevice, shares);
     },
     "192.168.0.1",
     2,
     {{"C:", kDevice + "\\public"}, {"D:", kDevice + "\\media"}},
     {"list " + kDevice, "add - " + kDevice + " admin", "list " + kDevice, "connected",
      "cancel " + kDevice + "\\public", "add C: " + kDevice + "\\public admin",
      "cancel " + kDevice + "\\media", "add D: " + kDevice + "\\media admin"}},
    {"InvalidHandleLogsOnToo",
     [](FakeNetworkProvider& fake) {
       auto shares = Shares({"public"});
       shares.refusal = ProviderStatus::kInvalidHandle;
       fake.AddContainer(kDevice, shares);
     },
     "192.168.0.1",
     1,
     {{"C:", kDevice + "\\public"}},
     {"list " + kDevice, "add - " + kDevice + " admin", "list " + kDevice, "connected",
      "cancel " + kDevice + "\\public", "add C: " + kDevice + "\\public admin"}},
    {"OtherFailuresDoNotLogOn",
     [](FakeNetworkProvider& fake) { fake.AddConnected("G:", kDevice + "\\public"); },
     "192.168.0.1",
     0,
     {{"G:", kDevice + "\\public"}},
     {"list " + kDevice}},
    // A wrong password used to cancel the user's connections before finding nothing to map.
    {"WrongPasswordKeepsTheOldConnections",
     [](FakeNetworkProvider& fake) {
       fake.SetServerPassword("other");
       fake.AddConnected("G:", kDevice + "\\public");
       auto shares = Shares({"public"});
       shares.refusal = ProviderStatus::kAccessDenied;
       fake.AddContainer(kDevice, shares);
     },
     "192.168.0.1",
     0,
     {{"G:", kDevice + "\\public"}}},
    {"MountsReplaceEarlierMountsWhereThereAreNoLetters",
     [](FakeNetworkProvider& fake) {
       fake.SetUsesDriveLetters(false);
       EveryLetterTaken(fake);
       fake.AddConnected("/mnt/192.168.0.1\\public", kDevice + "\\public");
       DeviceWithPublicAndMedia(fake);
     },
     "192.168.0.1",
     2,
     {{"/mnt/192.168.0.1\\public", kDevice + "\\public"},
      {"/mnt/192.168.0.1\\media", kDevice + "\\media"}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, MapDeviceSharesTest, ::testing::ValuesIn(kMapCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tamberlyx::netdrive

namespace tamberlyx::netdrive {
namespace {

class RecordingSink : public EventSink {
 public:
  RecordingSink() { SetEventSink(this); }
  ~RecordingSink() override { SetEventSink(nullptr); }
  void Report(const Event& event) override { events.push_back(event); }
  std::vector<Event> events;
};

TEST(MapDeviceSharesEventsTest, EachShareIsLoggedWithoutTheCredentials) {
  RecordingSink sink;
  for (const char* password : {"secret", "wrong-secret"}) {
    sink.events.clear();
    FakeNetworkProvider fake;
    fake.SetServerPassword("secret");
    DeviceWithPublicAndMedia(fake);
    FakeHostResolver resolver;
    MapDeviceShares(fake, resolver, "192.168.0.1", password, "admin");
    ASSERT_FALSE(sink.events.empty()) << password;
    for (const Event& event : sink.events) {
      const bool mounted = event.kind == EventKind::kShareMounted;
      EXPECT_EQ(mounted, std::string(password) == "secret") << event.detail;
      EXPECT_NE(event.detail.find("192.168.0.1"), std::string::npos) << event.detail;
      EXPECT_EQ(event.detail.find("secret"), std::string::npos) << event.detail;
      EXPECT_EQ(event.detail.find("admin"), std::string::npos) << event.detail;
    }
  }
}

}  // namespace
}  // namespace tamberlyx::netdrive
