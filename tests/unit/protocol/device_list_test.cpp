#include "protocol/device_list.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "protocol/shared_buffers.h"

namespace tamberlyx {
namespace {

struct Reply {
  const char* body;
  const char* source;
};

std::vector<std::string> Lines(const DeviceList& devices) {
  std::vector<std::string> lines;
  for (const DeviceRecord& record : devices.Records()) {
    lines.push_back(record.address + " " + record.hostName);
  }
  return lines;
}

TEST(DeviceList, KeepsArrivalOrderAndTheFirstReplyPerAddress) {
  DeviceList devices;
  const std::vector<Reply> replies = {
      {"sys.hostname=B&v=1", "10.0.0.9"},
      {"sys.hostname=A", "10.0.0.2"},
      {"sys.hostname=B2&v=2", "10.0.0.9"},  // same device again, other body: dropped
      {"sys.hostname=A", "10.0.0.3"},       // same name, other address: a second line
  };
  std::vector<bool> accepted;
  for (const Reply& reply : replies)
    accepted.push_back(devices.AcceptGetReply(reply.body, reply.source));

  EXPECT_EQ(accepted, (std::vector<bool>{true, true, false, true}));
  EXPECT_EQ(Lines(devices), (std::vector<std::string>{"10.0.0.9 B", "10.0.0.2 A", "10.0.0.3 A"}));
  EXPECT_EQ(devices.Records()[0].settingsText, "sys.hostname=B&v=1");
}

TEST(DeviceList, AddressesMatchAsWholeTexts) {
  DeviceList devices;
  devices.AcceptGetReply("", "192.168.0.1");
  EXPECT_TRUE(devices.ContainsAddress("192.168.0.1"));
  EXPECT_FALSE(devices.ContainsAddress("192.168.0.10"));
  EXPECT_TRUE(devices.AcceptGetReply("", "192.168.0.10"));
}

struct HostNameCase {
  const char* body;
  const char* hostName;
};

void PrintTo(const HostNameCase& c, std::ostream* os) {
  *os << c.body;
}

class HostNameTest : public testing::TestWithParam<HostNameCase> {};

TEST_P(HostNameTest, ComesFromTheBodyAndIsCutOnlyInTheListLine) {
  DeviceList devices;
  devices.AcceptGetReply(GetParam().body, "10.0.0.1");
  const DeviceRecord& record = devices.Records().front();
  EXPECT_EQ(record.hostName, GetParam().hostName);
  EXPECT_EQ(record.settingsText, GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostNameTest,
    testing::Values(
        HostNameCase{"", ""}, HostNameCase{"nwk.ipaddr=1.2.3.4", ""},
        HostNameCase{"sys.hostname=&a=1", ""}, HostNameCase{"sys.hostname=NAS-1&a=1", "NAS-1"},
        HostNameCase{"sys.hostname=1234567890123456789", "1234567890123456789"},
        HostNameCase{"sys.hostname=12345678901234567890XYZ&a=1", "1234567890123456789"},
        HostNameCase{"x.sys.hostname=BAD&sys.hostname=GOOD", "GOOD"},
        // The cut fell inside a two-byte character and left half of it.
        HostNameCase{"sys.hostname=123456789012345678\xC3\xADX", "123456789012345678"},
        HostNameCase{"sys.hostname=12345678901234567\xC3\xADX", "12345678901234567\xC3\xAD"},
        HostNameCase{"sys.hostname=\xEC\x84\x9C\xEB\xB2\x84\xEC\x84\x9C\xEB\xB2\x84"
                     "\xEC\x84\x9C\xEB\xB2\x84\xEC\x84\x9C",
                     "\xEC\x84\x9C\xEB\xB2\x84\xEC\x84\x9C\xEB\xB2\x84\xEC\x84\x9C\xEB\xB2\x84"},
        HostNameCase{"sys.hostname=1234567890123456789\xFF\xFE", "1234567890123456789"}));

class SelectTest : public testing::Test {
 protected:
  SelectTest() {
    m_devices.AcceptGetReply("sys.hostname=A&nwk.ipaddr=10.0.0.1", "10.0.0.1");
    m_devices.AcceptGetReply("sys.hostname=B&nwk.ipaddr=10.0.0.2", "10.0.0.2");
    m_devices.AcceptGetReply("sys.hostname=C&nwk.ipaddr=10.0.0.3", "10.0.0.3");
  }
  DeviceList m_devices;
};

TEST_F(SelectTest, IndexZeroOrLessStaysAtTheHead) {
  for (int index : {0, -1, -100}) {
    std::string text, address;
    m_devices.SelectDevice(2, text, address);
    m_devices.SelectDevice(index, text, address);
    EXPECT_EQ(address, "10.0.0.1") << index;
    EXPECT_EQ(text, "sys.hostname=A&nwk.ipaddr=10.0.0.1");
    ASSERT_NE(m_devices.Cursor(), nullptr);
    EXPECT_EQ(m_devices.Cursor()->hostName, "A");
  }
}

TEST_F(SelectTest, SeedsTheSharedBuffersFromTheChosenRecord) {
  SharedBuffers buffers;
  buffers.adminPassword = "kept";
  SelectIntoSharedBuffers(m_devices, 1, buffers);
  EXPECT_EQ(buffers.currentSettings, "sys.hostname=B&nwk.ipaddr=10.0.0.2");
  EXPECT_EQ(buffers.newSettings, buffers.currentSettings);
  EXPECT_EQ(buffers.selectedDeviceIp, "10.0.0.2");
  EXPECT_EQ(buffers.adminPassword, "kept");
  EXPECT_EQ(m_devices.Cursor()->address, "10.0.0.2");
}

TEST_F(SelectTest, FreeEmptiesTheListAndANewSearchStartsOver) {
  m_devices.FreeDeviceList();
  EXPECT_TRUE(m_devices.Empty());
  EXPECT_EQ(m_devices.Cursor(), nullptr);
  EXPECT_TRUE(m_devices.AcceptGetReply("sys.hostname=B2", "10.0.0.2"));
  EXPECT_EQ(m_devices.Records().front().hostName, "B2");
}

// Selecting from an empty list used to reset the working copy to the old settings.
TEST(SharedBuffers, SelectingFromAnEmptyListChangesNothing) {
  DeviceList devices;
  SharedBuffers buffers{"a=1", "a=2", "10.0.0.1", "pw"};
  SelectIntoSharedBuffers(devices, 0, buffers);
  EXPECT_EQ(buffers.currentSettings, "a=1");
  EXPECT_EQ(buffers.newSettings, "a=2");
  EXPECT_EQ(buffers.selectedDeviceIp, "10.0.0.1");
}

}  // namespace
}  // namespace tamberlyx
