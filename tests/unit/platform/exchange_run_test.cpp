// Discovery, VERIFY and SET through the real Exchange over the fake network.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/fake_devices.h"
#include "platform/fakenet/fake_network.h"
#include "platform/fakenet/fake_transport.h"
#include "platform/fakenet/manual_scheduler.h"
#include "platform/fakenet/manual_timer.h"
#include "platform/fakenet/recording_owner.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/device_list.h"
#include "protocol/exchange.h"
#include "protocol/requests.h"
#include "protocol/settings_text.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {
namespace {

constexpr char kFirst[] = "192.168.0.21";
constexpr char kSecond[] = "192.168.0.22";

device::DeviceOptions Device(std::string name, std::string password, int delayMs) {
  device::DeviceOptions options;
  options.name = std::move(name);
  options.password = std::move(password);
  options.delayMs = delayMs;
  return options;
}

class ExchangeRunTest : public ::testing::Test {
 protected:
  ExchangeRunTest() {
    device::AddDevice(network, kFirst, Device("FIRST", "admin", 120));
    device::AddDevice(network, kSecond, Device("SECOND", "s3cret", 30));
    // The window keeps the device list, as Step 1 does.
    owner.onListening = [this] { devices.FreeDeviceList(); };
    owner.onReply = [this](const Reply& reply) {
      if (reply.word == kWordGetOk) devices.AcceptGetReply(reply.body, reply.source);
    };
  }

  // Ticks until the exchange ends; replies due before a tick are handled before it.
  int Run(const ExchangeKind& kind, std::string_view request, std::string_view destination) {
    Exchange exchange(kind, transport, timer, owner, kTickPeriodMs);
    exchange.Start(request, destination);
    int ticks = 0;
    while (exchange.Running() && ticks < 1000) {
      scheduler.RunDue(scheduler.Now() + timer.PeriodMs());
      timer.Fire();
      ++ticks;
    }
    return ticks;
  }

  std::vector<std::string> HostNames() const {
    std::vector<std::string> names;
    for (const DeviceRecord& record : devices.Records()) names.push_back(record.hostName);
    return names;
  }

  ManualScheduler scheduler;
  FakeNetwork network{scheduler.Function()};
  FakeTransport transport{network};
  ManualTimer timer;
  DeviceList devices;
  RecordingOwner owner;
  SharedBuffers buffers;
};

TEST_F(ExchangeRunTest, DiscoverVerifySetAndDiscoverAgain) {
  EXPECT_EQ(Run(DiscoveryExchange(), BuildDiscoveryRequest(), kBroadcastAddress), 16);
  EXPECT_EQ(HostNames(), (std::vector<std::string>{"SECOND", "FIRST"}));  // arrival order
  EXPECT_EQ(owner.endOfTime, std::vector<bool>{true});

  SelectIntoSharedBuffers(devices, 0, buffers);
  ASSERT_EQ(buffers.selectedDeviceIp, kSecond);
  EXPECT_LT(Run(VerifyExchange(), BuildVerifyRequest(buffers, "s3cret"), kSecond), 101);
  EXPECT_EQ(owner.Words().back(), "VERIFYOK");
  EXPECT_FALSE(network.ClientPortBound());

  ASSERT_TRUE(ReplaceSettingEntry(buffers.newSettings, "sys.hostname", "sys.hostname=RENAMED"));
  const std::string request = BuildSetRequest(buffers);
  EXPECT_LT(Run(SetExchange(), request, kSecond), 301);
  EXPECT_EQ(owner.Words().back(), "SETOK");
  EXPECT_EQ(device::FindDevice(network, kSecond)->Settings(), buffers.newSettings);
  EXPECT_EQ(network.Sent().back(), (SentDatagram{request, kSecond, false}));

  Run(DiscoveryExchange(), BuildDiscoveryRequest(), kBroadcastAddress);
  EXPECT_EQ(HostNames(), (std::vector<std::string>{"RENAMED", "FIRST"}));
  EXPECT_TRUE(owner.messages.empty());
}

TEST_F(ExchangeRunTest, ReplyAfterTheListeningWindowIsNeverRead) {
  network.RemovePeer(kFirst);
  device::AddDevice(network, kFirst, Device("LATE", "admin", 16 * kTickPeriodMs + 1));
  Run(DiscoveryExchange(), BuildDiscoveryRequest(), kBroadcastAddress);
  scheduler.RunAll();
  EXPECT_EQ(devices.Size(), 1u);
}

}  // namespace
}  // namespace tamberlyx
