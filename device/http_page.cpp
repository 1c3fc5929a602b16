#include "device/http_page.h"

#include <algorithm>
#include <optional>

#include "device/printable.h"
#include "protocol/settings_text.h"

namespace tamberlyx::device {
namespace {

struct RequestLine {
  std::string_view method;
  std::string_view path;
};

std::string HtmlEscaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '&':
        escaped += "&amp;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string SettingsRows(std::string_view settings) {
  std::string rows;
  while (!settings.empty()) {
    const std::size_t end = std::min(settings.find('&'), settings.size());
    const std::string_view entry = settings.substr(0, end);
    settings.remove_prefix(std::min(end + 1, settings.size()));
    if (entry.empty()) continue;
    const std::size_t equals = std::min(entry.find('='), entry.size());
    const std::string_view value = entry.substr(std::min(equals + 1, entry.size()));
    rows += "<tr><th>" + HtmlEscaped(PrintableBytes(entry.substr(0, equals))) + "</th><td>" +
            HtmlEscaped(PrintableBytes(value)) + "</td></tr>\n";
  }
  return rows;
}

std::string DevicePage(const DevicePeer& peer) {
  const std::string name = HtmlEscaped(peer.Name());
  return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + name +
         "</title></head>\n<body><h1>" + name + "</h1>\n<p>Tamberlyx network storage at " +
         HtmlEscaped(peer.Address()) + "</p>\n<table>\n" + SettingsRows(peer.Settings()) +
         "</table></body></html>\n";
}

std::string Response(std::string_view status, std::string_view body, bool withBody) {
  std::string response = "HTTP/1.0 " + std::string(status) +
                         "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                         std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n";
  if (withBody) response += body;
  return response;
}

std::optional<RequestLine> ReadRequestLine(std::string_view request) {
  const std::string_view line = request.substr(0, request.find_first_of("\r\n"));
  const std::size_t firstSpace = line.find(' ');
  if (firstSpace == std::string_view::npos) return std::nullopt;
  const std::string_view rest = line.substr(firstSpace + 1);
  const std::string_view path = rest.substr(0, rest.find(' '));
  if (firstSpace == 0 || path.empty()) return std::nullopt;
  return RequestLine{line.substr(0, firstSpace), path};
}

}  // namespace

bool IsCompleteHttpRequest(std::string_view received) {
  return received.find("\r\n\r\n") != std::string_view::npos ||
         received.find("\n\n") != std::string_view::npos;
}

std::string HttpResponse(std::string_view request, const DevicePeer& peer) {
  const auto line = ReadRequestLine(request);
  if (!line) return Response("400 Bad Request", "<h1>Bad request</h1>\n", true);
  const bool head = line->method == "HEAD";
  if (line->method != "GET" && !head) {
    return Response("405 Method Not Allowed", "<h1>Method not allowed</h1>\n", true);
  }
  if (line->path != "/" && line->path != "/index.html") {
    return Response("404 Not Found", "<h1>Not found</h1>\n", !head);
  }
  return Response("200 OK", DevicePage(peer), !head);
}

}  // namespace tamberlyx::device
