#include "device/device_peer.h"

#include <gtest/gtest.h>

#include <string>

namespace tamberlyx::device {
namespace {

constexpr char kPc[] = "10.0.0.1";
constexpr char kSettings[] = "sys.hostname=NAS&nwk.ipaddr=10.0.0.2&locale=en";
constexpr char kDiscovery[] = "255.255.255.255Tamberlyx";

// A reply header: the PC's address padded to 15 bytes, the word padded to 10.
std::string Header(std::string address, std::string word) {
  address.resize(15, ' ');
  word.resize(10, ' ');
  return address + word;
}

DevicePeer MakePeer(DeviceOptions options = {}) {
  options.settings = kSettings;
  return DevicePeer(std::move(options), "10.0.0.2");
}

std::string OnlyReply(DevicePeer& peer, std::string_view request) {
  const auto replies = peer.Handle(request, kPc);
  EXPECT_EQ(replies.size(), 1u) << request;
  return replies.empty() ? std::string() : replies.front().bytes;
}

std::string Verify(std::string_view body) {
  return Header("10.0.0.2", "VERIFY") + std::string(body);
}
std::string Set(std::string_view body) {
  return Header("10.0.0.2", "SET") + std::string(body);
}

TEST(DevicePeer, AnswersDiscoveryWithItsSettingsAddressedToTheRequester) {
  DevicePeer peer = MakePeer();
  const auto replies = peer.Handle(kDiscovery, kPc);
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0].bytes, Header(kPc, "GETOK") + kSettings);
  EXPECT_FALSE(replies[0].toSourcePort);
  EXPECT_EQ(replies[0].delayMs, 0);
}

TEST(DevicePeer, RecognisesDiscoveryOnlyByItsTwoTokens) {
  struct Case {
    std::string request;
    bool answered;
  };
  const Case cases[] = {
      {kDiscovery, true},
      {std::string(kDiscovery) + " ", true},
      {std::string(kDiscovery) + std::string("\0junk", 5), true},
      {"255.255.255.255tamberlyx", false},
      {"255.255.255.255TamberlyxX", false},
      {"255.255.255.25 Tamberlyx", false},
      {Header("10.0.0.2", "Tamberlyx"), false},
      {"Tamberlyx", false},
      {"", false},
      {std::string(kDiscovery) + std::string(1001, ' '), false},  // over 1024 bytes
  };
  for (const Case& c : cases) {
    DevicePeer peer = MakePeer();
    EXPECT_EQ(peer.Handle(c.request, kPc).size(), c.answered ? 1u : 0u) << '"' << c.request << '"';
  }
}

TEST(DevicePeer, ChecksThePasswordExactly) {
  struct Case {
    std::string password;
    std::string body;
    std::string word;
  };
  const Case cases[] = {
      {"admin", "passwd=admin", "VERIFYOK"},
      {"admin", "passwd=Admin", "VERIFYFAIL"},
      {"admin", "passwd=admin ", "VERIFYFAIL"},
      {"admin", "passwd=admin&", "VERIFYFAIL"},
      {"admin", "passwd=", "VERIFYFAIL"},
      {"admin", "admin", "VERIFYFAIL"},
      {"admin", "", "VERIFYFAIL"},
      {"", "passwd=", "VERIFYOK"},
      {"p&ss=w rd", "passwd=p&ss=w rd", "VERIFYOK"},
  };
  for (const Case& c : cases) {
    DeviceOptions options;
    options.password = c.password;
    DevicePeer peer = MakePeer(options);
    EXPECT_EQ(OnlyReply(peer, Verify(c.body)), Header(kPc, c.word)) << c.body;
  }
}

TEST(DevicePeer, AnswersWhateverAddressTheRequestNames) {
  // A device that a SET re-addressed still answers at its old address.
  DevicePeer peer = MakePeer();
  EXPECT_EQ(OnlyReply(peer, std::string(15, ' ') + "VERIFY    passwd=admin"),
            Header(kPc, "VERIFYOK"));
}

TEST(DevicePeer, SetReplacesTheSettingsThatDiscoveryThenReports) {
  DevicePeer peer = MakePeer();
  const std::string next = "sys.hostname=RENAMED&nwk.ipaddr=10.0.0.9&locale=kor&";
  EXPECT_EQ(OnlyReply(peer, Set(next)), Header(kPc, "SETOK"));
  EXPECT_EQ(peer.Settings(), next);
  EXPECT_EQ(peer.Name(), "RENAMED");
  EXPECT_EQ(peer.Address(), "10.0.0.2");
  EXPECT_EQ(OnlyReply(peer, kDiscovery), Header(kPc, "GETOK") + next);
}

TEST(DevicePeer, AMovedDeviceOnDhcpReportsItsLease) {
  DevicePeer peer = MakePeer();
  peer.MoveTo("10.0.0.7");
  EXPECT_EQ(peer.Address(), "10.0.0.7");
  EXPECT_EQ(peer.Settings(), kSettings);  // a fixed address is the one SET gave
  OnlyReply(peer, Set("nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.7"));
  peer.MoveTo("10.0.9.1");
  EXPECT_EQ(peer.Settings(), "nwk.bootproto=dhcp&nwk.ipaddr=10.0.9.1");
}

TEST(DevicePeer, SetTakesTheLongestSettingsTextADatagramCarries) {
  DevicePeer peer = MakePeer();
  const std::string longest = "a=" + std::string(997, 'x');
  EXPECT_EQ(OnlyReply(peer, Set(longest)), Header(kPc, "SETOK"));
  EXPECT_EQ(OnlyReply(peer, kDiscovery).size(), 1024u);
}

TEST(DevicePeer, RefusesToStoreWhatIsNotASettingsText) {
  for (const std::string body : {"", "garbage", "=x", "a=1&&b=2", "a=1&b"}) {
    DevicePeer peer = MakePeer();
    EXPECT_EQ(OnlyReply(peer, Set(body)), Header(kPc, kSetRefusedWord)) << body;
    EXPECT_EQ(peer.Settings(), kSettings) << body;
  }
}

TEST(DevicePeer, IgnoresWordsItDoesNotServe) {
  DevicePeer peer = MakePeer();
  for (const std::string word : {"GETOK", "SETOK", "VERIFYOK", "set", "SETX", ""}) {
    EXPECT_TRUE(peer.Handle(Header(kPc, word) + "a=1", kPc).empty()) << word;
  }
}

TEST(DevicePeer, MisbehavesAsConfigured) {
  struct Case {
    const char* what;
    void (*configure)(DeviceOptions&);
    std::string request;
    std::vector<std::string> expected;
  };
  const std::string getok = Header(kPc, "GETOK") + kSettings;
  const Case cases[] = {
      {"silent for VERIFY",
       [](DeviceOptions& o) { o.silentFor = {"VERIFY"}; },
       Verify("passwd=admin"),
       {}},
      {"silent for VERIFY still discovered",
       [](DeviceOptions& o) { o.silentFor = {"VERIFY"}; },
       kDiscovery,
       {getok}},
      {"silent for discovery",
       [](DeviceOptions& o) { o.silentFor = {"Tamberlyx"}; },
       kDiscovery,
       {}},
      {"duplicate",
       [](DeviceOptions& o) { o.duplicateReplies = true; },
       Verify("passwd=x"),
       {Header(kPc, "VERIFYFAIL"), Header(kPc, "VERIFYFAIL")}},
      {"foreign address",
       [](DeviceOptions& o) { o.foreignAddress = "10.9.9.9"; },
       kDiscovery,
       {Header("10.9.9.9", "GETOK") + kSettings}},
      {"unknown word",
       [](DeviceOptions& o) { o.unknownWord = "HELLO"; },
       Set("a=1"),
       {Header(kPc, "HELLO")}},
      {"oversized leaves VERIFY alone",
       [](DeviceOptions& o) { o.oversized = true; },
       Verify("passwd=admin"),
       {Header(kPc, "VERIFYOK")}},
  };
  for (const Case& c : cases) {
    DeviceOptions options;
    c.configure(options);
    DevicePeer peer = MakePeer(options);
    std::vector<std::string> bytes;
    for (const OutgoingReply& reply : peer.Handle(c.request, kPc)) bytes.push_back(reply.bytes);
    EXPECT_EQ(bytes, c.expected) << c.what;
  }
}

TEST(DevicePeer, SilencedSetStoresNothing) {
  DeviceOptions options;
  options.silentFor = {"SET"};
  DevicePeer peer = MakePeer(options);
  EXPECT_TRUE(peer.Handle(Set("a=1"), kPc).empty());
  EXPECT_EQ(peer.Settings(), kSettings);
}

TEST(DevicePeer, OversizedDiscoveryReplyPassesTheDatagramLimit) {
  DeviceOptions options;
  options.oversized = true;
  DevicePeer peer = MakePeer(options);
  const std::string reply = OnlyReply(peer, kDiscovery);
  EXPECT_EQ(reply.size(), kOversizedLength);
  EXPECT_TRUE(reply.starts_with(Header(kPc, "GETOK") + kSettings));
}

TEST(DevicePeer, DelayAndSourcePortTravelWithEachReply) {
  DeviceOptions options;
  options.delayMs = 250;
  options.replyToSourcePort = true;
  DevicePeer peer = MakePeer(options);
  const auto replies = peer.Handle(kDiscovery, kPc);
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0].delayMs, 250);
  EXPECT_TRUE(replies[0].toSourcePort);
}

TEST(DevicePeer, StartsFromTheDefaultSettingsWhenGivenNone) {
  DeviceOptions options;
  options.name = "OFFICE";
  DevicePeer peer(options, "10.0.0.7");
  EXPECT_EQ(peer.Name(), "OFFICE");
  EXPECT_TRUE(peer.Settings().starts_with("sys.hostname=OFFICE&"));
  EXPECT_NE(peer.Settings().find("&nwk.ipaddr=10.0.0.7&"), std::string::npos);
}

}  // namespace
}  // namespace tamberlyx::device
