#include "protocol/datagram.h"

#include <stdexcept>

#include "protocol/constants.h"

namespace tamberlyx {
namespace {

std::string_view UpToZero(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

std::string_view Field(std::string_view datagram, std::size_t offset, std::size_t width) {
  if (offset >= datagram.size()) return {};
  return datagram.substr(offset, width);
}

}  // namespace

std::string BuildDiscoveryRequest() {
  return std::string(kBroadcastAddress) + kDiscoveryWord;
}

std::string BuildDatagram(std::string_view address, std::string_view word, std::string_view body) {
  if (kHeaderLength + body.size() > kMaxDatagramLength) {
    throw std::length_error("request body exceeds one datagram");
  }
  std::string datagram(kHeaderLength, ' ');
  const std::string_view addressText = UpToZero(address).substr(0, kAddressFieldWidth);
  const std::string_view wordText = UpToZero(word).substr(0, kCommandFieldWidth);
  datagram.replace(0, addressText.size(), addressText);
  datagram.replace(kAddressFieldWidth, wordText.size(), wordText);
  datagram.append(UpToZero(body));
  return datagram;
}

std::string_view FieldToken(std::string_view field) {
  field = UpToZero(field);
  const std::size_t begin = field.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  field.remove_prefix(begin);
  return field.substr(0, field.find(' '));
}

std::optional<ParsedDatagram> ParseDatagram(std::string_view datagram) {
  if (datagram.size() > kMaxDatagramLength) return std::nullopt;
  ParsedDatagram reply;
  reply.addressToken = FieldToken(Field(datagram, 0, kAddressFieldWidth));
  reply.wordToken = FieldToken(Field(datagram, kAddressFieldWidth, kCommandFieldWidth));
  reply.body = UpToZero(Field(datagram, kHeaderLength, kMaxDatagramLength));
  return reply;
}

}  // namespace tamberlyx
