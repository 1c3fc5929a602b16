// A search's own rules (when the list empties, which replies list a device) and the facts an
// empty search is explained by.
#include <gtest/gtest.h>

#include "operations/device_search.h"
#include "operations/no_answer_facts.h"
#include "protocol/constants.h"

namespace tamberlyx {
namespace {

TEST(DeviceSearch, EmptiesTheListOnlyOnceListeningAndListsEachGetokAddressOnce) {
  DeviceList devices;
  devices.AcceptGetReply("sys.hostname=OLD", "10.0.0.9");
  DeviceSearch search(devices);
  const ExchangeRequest request = search.Begin();
  EXPECT_EQ(request.destination, kBroadcastAddress);
  EXPECT_TRUE(request.sources.Accepts("10.9.9.9"));
  EXPECT_EQ(devices.Size(), 1u) << "a search that cannot listen keeps the list as it stood";
  search.OnListening();
  EXPECT_TRUE(search.Listened());
  EXPECT_EQ(devices.Size(), 0u);
  const Reply replies[] = {{"GETOK", "sys.hostname=A", "10.0.0.2"},
                           {"VERIFYOK", "sys.hostname=B", "10.0.0.3"},
                           {"GETOK", "sys.hostname=A2", "10.0.0.2"},
                           {"GETOK", "sys.hostname=C", "10.0.0.4"}};
  for (const Reply& reply : replies) search.OnReply(reply);
  EXPECT_EQ(search.Replies(), 3u);
  ASSERT_EQ(devices.Size(), 2u);
  EXPECT_EQ(devices.Records()[0].address, "10.0.0.2");
  EXPECT_EQ(devices.Records()[0].settingsText, "sys.hostname=A");
  search.Begin();
  EXPECT_FALSE(search.Listened());
  EXPECT_EQ(search.Replies(), 0u);
}

TEST(DeviceSearch, HeardAllOnceEveryAwaitedDeviceHasARecord) {
  const Reply replies[] = {{"GETOK", "nwk.mac=02:AA:00:00:00:01", "10.0.0.2"},
                           {"GETOK", "nwk.mac=02:aa:00:00:00:09", "10.0.0.2"},  // a repeat
                           {"GETOK", "", "10.0.0.7"},
                           {"GETOK", "nwk.mac=02:aa:00:00:00:03", "10.0.0.3"}};
  struct Case {
    const char* what;
    std::vector<FollowTarget> awaited;
    int heardAllAfter;  // replies; 0: never
  };
  const Case cases[] = {
      {"by MAC in any case", {{"02:aa:00:00:00:01", {}, {}}}, 1},
      {"by MAC, not the address", {{"02:aa:00:00:00:09", {"10.0.0.3"}, {}}}, 0},
      {"by one of its addresses", {{"", {"10.0.0.8", "10.0.0.7"}, {}}}, 3},
      {"all of them", {{"", {"10.0.0.3"}, {}}, {"02:AA:00:00:00:01", {}, {}}}, 4},
      {"one nobody has", {{"02:aa:00:00:00:01", {}, {}}, {"02:bb:00:00:00:01", {}, {}}}, 0},
      {"nothing awaited", {}, 0},
  };
  for (const Case& c : cases) {
    DeviceList devices;
    DeviceSearch search(devices);
    search.Await(c.awaited);
    search.Begin();
    search.OnListening();
    int after = 0;
    for (int i = 0; i < 4 && after == 0; ++i) {
      search.OnReply(replies[i]);
      if (search.HeardAll()) after = i + 1;
    }
    EXPECT_EQ(after, c.heardAllAfter) << c.what;
  }
}

TEST(DeviceSearch, AwaitsOneAddedWhileItRunsAndForgetsTheAnswersOfTheLastSearch) {
  DeviceList devices;
  DeviceSearch search(devices);
  search.Begin();
  search.OnListening();
  search.OnReply({"GETOK", "nwk.mac=02:aa:00:00:00:01", "10.0.0.2"});
  search.AwaitAlso({"02:AA:00:00:00:01", {}, {}});
  EXPECT_TRUE(search.HeardAll()) << "it had answered already";
  search.Begin();
  EXPECT_FALSE(search.HeardAll());
  search.OnListening();
  search.OnReply({"GETOK", "nwk.mac=02:aa:00:00:00:01", "10.0.0.2"});
  EXPECT_TRUE(search.HeardAll()) << "still awaited in the next search";
}

TEST(DeviceSearch, AwaitsOneAddedBeforeAnyAnswerAfterTheOthers) {
  DeviceList devices;
  DeviceSearch search(devices);
  search.Await({{"", {"10.0.0.2"}, {}}, {"02:aa:00:00:00:03", {}, {}}});
  search.AwaitAlso({"", {"10.0.0.4"}, {}});
  search.Begin();
  search.OnListening();
  search.OnReply({"GETOK", "nwk.mac=02:aa:00:00:00:04", "10.0.0.4"});
  search.OnReply({"GETOK", "nwk.mac=02:AA:00:00:00:03", "10.0.0.3"});
  EXPECT_FALSE(search.HeardAll());
  search.OnReply({"GETOK", "", "10.0.0.2"});
  EXPECT_TRUE(search.HeardAll());
}

// Sends as told and answers every Listen with the given error.
class StubTransport : public Transport {
 public:
  StubTransport(bool sends, ListenError listen) : m_sends(sends), m_listen(listen) {}
  bool Send(std::string_view, std::string_view, bool) override { return m_sends; }
  ListenResult Listen(ReadyCallback) override { return {nullptr, m_listen}; }
  std::vector<std::string> OwnAddresses() override { return {}; }

 private:
  bool m_sends;
  ListenError m_listen;
};

TEST(NoAnswerFacts, TheRoutesThePortAndTheOptionsNotTried) {
  struct Case {
    bool sends;
    ListenError probe;
    bool listened;
    SearchOptions options;
    ClientPortState port;
    std::size_t searched;
  };
  const Case cases[] = {
      {true, ListenError::kNone, true, {}, ClientPortState::kListened, 1},
      {true, ListenError::kBind, false, {}, ClientPortState::kHeld, 1},
      {false, ListenError::kNone, false, {false, {"10.1.1.1"}}, ClientPortState::kNotListened, 0},
      {true, ListenError::kBind, true, {false, {"10.1.1.1"}}, ClientPortState::kListened, 2},
  };
  for (const Case& c : cases) {
    StubTransport inner(c.sends, c.probe);
    SearchTransport search(inner, nullptr, c.options);
    search.Send(SearchRequest().datagram, kBroadcastAddress, true);
    const NoAnswerFacts facts = GatherNoAnswerFacts(search, c.listened);
    EXPECT_EQ(facts.routes, search.Routes());
    EXPECT_EQ(facts.searched.size(), c.searched);
    EXPECT_EQ(facts.port, c.port);
    EXPECT_TRUE(facts.everyInterfaceUntried);
    EXPECT_EQ(facts.addressesUntried, c.options.addresses.empty());
  }
}

}  // namespace
}  // namespace tamberlyx
