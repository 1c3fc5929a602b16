#include "protocol/requests.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "protocol/constants.h"

namespace tamberlyx {
namespace {

SharedBuffers Device(std::string settings, std::string selectedIp = "192.168.1.20") {
  SharedBuffers buffers;
  buffers.currentSettings = settings;
  buffers.newSettings = std::move(settings);
  buffers.selectedDeviceIp = std::move(selectedIp);
  return buffers;
}

struct VerifyCase {
  const char* currentSettings;
  const char* password;
  std::string datagram;
};

void PrintTo(const VerifyCase& c, std::ostream* os) {
  *os << c.currentSettings << " password " << c.password;
}

class VerifyRequestTest : public testing::TestWithParam<VerifyCase> {};

TEST_P(VerifyRequestTest, IsByteExact) {
  const VerifyCase& c = GetParam();
  // The destination differs from the address field; the field still comes from the settings.
  SharedBuffers buffers = Device(c.currentSettings, "10.9.9.9");
  EXPECT_EQ(BuildVerifyRequest(buffers, c.password), c.datagram);
  EXPECT_EQ(buffers.adminPassword, c.password);
}

INSTANTIATE_TEST_SUITE_P(Cases, VerifyRequestTest,
                         testing::Values(VerifyCase{"sys.hostname=N&nwk.ipaddr=192.168.1.20", "",
                                                    "192.168.1.20   VERIFY    passwd="},
                                         VerifyCase{
                                             "nwk.ipaddr=192.168.1.20&x=1", "0123456789abcdef",
                                             "192.168.1.20   VERIFY    passwd=0123456789abcdef"},
                                         VerifyCase{"sys.hostname=N", "pw",
                                                    std::string(15, ' ') + "VERIFY    passwd=pw"},
                                         VerifyCase{"nwk.ipaddr=&a=1", "pw",
                                                    std::string(15, ' ') + "VERIFY    passwd=pw"},
                                         VerifyCase{"nwk.ipaddr=255.255.255.255", "p w&x",
                                                    "255.255.255.255VERIFY    passwd=p w&x"}));

TEST(VerifyRequest, LengthIs32PlusThePassword) {
  SharedBuffers buffers = Device("nwk.ipaddr=192.168.1.20");
  EXPECT_EQ(BuildVerifyRequest(buffers, "").size(), 32u);
  EXPECT_EQ(BuildVerifyRequest(buffers, std::string(kMaxPasswordLength, 'p')).size(), 48u);
  EXPECT_EQ(buffers.adminPassword, std::string(kMaxPasswordLength, 'p'));
}

TEST(SetRequest, CarriesTheOldAddressAndTheWholeNewSettings) {
  SharedBuffers buffers = Device("nwk.ipaddr=192.168.1.20&locale=en");
  buffers.newSettings = "nwk.ipaddr=10.0.0.7&locale=en";
  EXPECT_EQ(BuildSetRequest(buffers), "192.168.1.20   SET       nwk.ipaddr=10.0.0.7&locale=en");
}

struct LocaleCase {
  const char* newSettings;
  bool korean;
  const char* after;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
  *os << c.newSettings << (c.korean ? " korean" : " english");
}

class SetLocaleTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(SetLocaleTest, RewritesLocaleInPlaceAndNeverAddsIt) {
  const LocaleCase& c = GetParam();
  SharedBuffers buffers = Device("nwk.ipaddr=192.168.1.20");
  buffers.newSettings = c.newSettings;
  EXPECT_TRUE(RewriteLocale(buffers.newSettings, c.korean));
  EXPECT_EQ(BuildSetRequest(buffers), std::string("192.168.1.20   SET       ") + c.after);
  EXPECT_EQ(buffers.newSettings, c.after);  // stays rewritten for a later save
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetLocaleTest,
    testing::Values(LocaleCase{"a=1&locale=en&b=2&", true, "a=1&locale=kor&b=2&"},
                    LocaleCase{"a=1&locale=kor&b=2", false, "a=1&locale=en&b=2"},
                    LocaleCase{"a=1&b=2", true, "a=1&b=2"},
                    LocaleCase{"xlocale=en&b=locale=en", true, "xlocale=en&b=locale=en"},
                    LocaleCase{"locale=&b=2", false, "locale=en&b=2"}));

TEST(SetRequest, A999CharacterTextMakesExactly1024Bytes) {
  SharedBuffers buffers = Device("nwk.ipaddr=192.168.1.20");
  buffers.newSettings = "a=" + std::string(kMaxSettingsLength - 2, 'x');
  EXPECT_EQ(BuildSetRequest(buffers).size(), kMaxDatagramLength);
}

TEST(SetRequest, LocaleThatWouldOverflowStaysAndTheDatagramFits) {
  SharedBuffers buffers = Device("nwk.ipaddr=192.168.1.20");
  const std::string full = "locale=en&a=" + std::string(kMaxSettingsLength - 12, 'x');
  buffers.newSettings = full;
  EXPECT_FALSE(RewriteLocale(buffers.newSettings, true));
  const std::string datagram = BuildSetRequest(buffers);
  EXPECT_EQ(buffers.newSettings, full);
  EXPECT_EQ(datagram.size(), kMaxDatagramLength);
}

}  // namespace
}  // namespace tamberlyx
