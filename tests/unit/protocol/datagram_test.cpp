#include "protocol/datagram.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "protocol/constants.h"

namespace tamberlyx {
namespace {

using namespace std::string_literals;

TEST(Datagram, DiscoveryIsExactly24BytesWithoutZero) {
  EXPECT_EQ(BuildDiscoveryRequest(), "255.255.255.255Tamberlyx"s);
}

TEST(Datagram, RequestPadsBothFieldsWithSpaces) {
  EXPECT_EQ(BuildDatagram("10.0.0.5", "SET", "a=1"), "10.0.0.5       SET       a=1"s);
  EXPECT_EQ(BuildDatagram("", "SET", ""), std::string(15, ' ') + "SET       ");
}

TEST(Datagram, OverlongAddressStaysInsideItsField) {
  EXPECT_EQ(BuildDatagram("1234567890123456789", "SET", ""), "123456789012345SET       ");
}

struct TokenCase {
  std::string datagram;
  const char* address;
  const char* word;
  const char* body;
};

void PrintTo(const TokenCase& c, std::ostream* os) {
  for (char byte : c.datagram) *os << (byte == '\0' ? std::string("\\0") : std::string(1, byte));
}

class ParseReplyTest : public testing::TestWithParam<TokenCase> {};

TEST_P(ParseReplyTest, ReadsTheTokensOfBothFields) {
  const TokenCase& c = GetParam();
  const auto reply = ParseDatagram(c.datagram);
  ASSERT_TRUE(reply.has_value());
  EXPECT_EQ(reply->addressToken, c.address);
  EXPECT_EQ(reply->wordToken, c.word);
  EXPECT_EQ(reply->body, c.body);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseReplyTest,
    testing::Values(TokenCase{"192.168.1.9    GETOK     a=1&b=2", "192.168.1.9", "GETOK",
                              "a=1&b=2"},
                    TokenCase{"192.168.1.9    GETOKX    a=1", "192.168.1.9", "GETOKX", "a=1"},
                    // A five-letter word glued to the body is not that word.
                    TokenCase{"192.168.1.9    GETOKa=1&sys.hostname=N", "192.168.1.9", "GETOKa=1&s",
                              "ys.hostname=N"},
                    TokenCase{"  10.0.0.1     VERIFYOK  ", "10.0.0.1", "VERIFYOK", ""},
                    TokenCase{"10.0.0.1 junk  SETOK 2   ", "10.0.0.1", "SETOK", ""},
                    TokenCase{"123456789012345VERIFYFAIL", "123456789012345", "VERIFYFAIL", ""},
                    TokenCase{"10.0.0.1", "10.0.0.1", "", ""}, TokenCase{"", "", "", ""},
                    TokenCase{"10.0.0.1       SET", "10.0.0.1", "SET", ""},
                    // A zero byte ends a field and the body, as in a zero-filled buffer.
                    TokenCase{"10.0.0.1\0junk   SETOK\0XYZa=1\0b=2"s, "10.0.0.1", "SETOK", "a=1"},
                    TokenCase{"               GETOK     ", "", "GETOK", ""}));

TEST(ParseDatagram, AcceptsAFull1024ByteDatagram) {
  const std::string datagram = "10.0.0.1       GETOK     " + std::string(999, 'x');
  const auto reply = ParseDatagram(datagram);
  ASSERT_TRUE(reply.has_value());
  EXPECT_EQ(reply->body.size(), kMaxSettingsLength);
}

TEST(ParseDatagram, DropsADatagramOver1024BytesInsteadOfReadingAPrefix) {
  const std::string datagram = "10.0.0.1       GETOK     " + std::string(1000, 'x');
  EXPECT_FALSE(ParseDatagram(datagram).has_value());
}

}  // namespace
}  // namespace tamberlyx
