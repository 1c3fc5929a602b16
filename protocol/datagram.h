#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tamberlyx {

// Header of every datagram: bytes 0-14 address field, bytes 15-24 command field, body from 25.

// The 24 bytes "255.255.255.255Tamberlyx": the one datagram without padding or body.
std::string BuildDiscoveryRequest();

// A request with both fields padded with spaces and `body` after them; no zero byte is sent.
// An address longer than its field is cut to the field rather than spilling into the command.
// Throws std::length_error for a body that would make the datagram exceed kMaxDatagramLength.
std::string BuildDatagram(std::string_view address, std::string_view word, std::string_view body);

// A field's token: the bytes up to the first zero, leading spaces skipped, cut at the next space.
std::string_view FieldToken(std::string_view field);

struct ParsedDatagram {
  std::string_view addressToken;
  std::string_view wordToken;
  std::string_view body;  // up to the first zero byte
};

// Reads a received datagram. nullopt for one longer than kMaxDatagramLength: a truncated
// datagram is dropped, never parsed as a prefix. The views point into `datagram`.
std::optional<ParsedDatagram> ParseDatagram(std::string_view datagram);

}  // namespace tamberlyx
