#include "device/http_page.h"

#include <gtest/gtest.h>

namespace tamberlyx::device {
namespace {

DevicePeer Peer() {
  DeviceOptions options;
  options.settings = "sys.hostname=<NAS>&nwk.ipaddr=10.0.0.2&note=a\"b";
  return DevicePeer(options, "10.0.0.2");
}

TEST(HttpPage, ServesTheDevicePageWithEscapedSettings) {
  const std::string response = HttpResponse("GET / HTTP/1.1\r\nHost: x\r\n\r\n", Peer());
  EXPECT_TRUE(response.starts_with("HTTP/1.0 200 OK\r\n")) << response;
  const std::size_t bodyStart = response.find("\r\n\r\n") + 4;
  EXPECT_NE(response.find("Content-Length: " + std::to_string(response.size() - bodyStart)),
            std::string::npos);
  EXPECT_NE(response.find("<h1>&lt;NAS&gt;</h1>"), std::string::npos);
  EXPECT_NE(response.find("<th>nwk.ipaddr</th><td>10.0.0.2</td>"), std::string::npos);
  EXPECT_NE(response.find("<td>a&quot;b</td>"), std::string::npos);
  EXPECT_EQ(response.find("<NAS>"), std::string::npos);
}

TEST(HttpPage, AnswersOtherRequestsWithTheirStatus) {
  const std::pair<const char*, const char*> cases[] = {
      {"GET /favicon.ico HTTP/1.1\r\n\r\n", "HTTP/1.0 404 "},
      {"POST / HTTP/1.1\r\n\r\n", "HTTP/1.0 405 "},
      {"\r\n\r\n", "HTTP/1.0 400 "},
      {"GET\r\n\r\n", "HTTP/1.0 400 "},
      {"HEAD / HTTP/1.0\r\n\r\n", "HTTP/1.0 200 "},
  };
  for (const auto& [request, status] : cases) {
    EXPECT_TRUE(HttpResponse(request, Peer()).starts_with(status)) << request;
  }
  const std::string head = HttpResponse("HEAD / HTTP/1.0\r\n\r\n", Peer());
  EXPECT_TRUE(head.ends_with("\r\n\r\n"));
}

TEST(HttpPage, KnowsWhenARequestHeadIsComplete) {
  EXPECT_FALSE(IsCompleteHttpRequest("GET / HTTP/1.1\r\nHost: x\r\n"));
  EXPECT_TRUE(IsCompleteHttpRequest("GET / HTTP/1.1\r\nHost: x\r\n\r\n"));
  EXPECT_TRUE(IsCompleteHttpRequest("GET / HTTP/1.0\n\n"));
}

}  // namespace
}  // namespace tamberlyx::device
