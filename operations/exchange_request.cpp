#include "operations/exchange_request.h"

#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/requests.h"

namespace tamberlyx {

ExchangeRequest SearchRequest() {
  return {BuildDiscoveryRequest(), std::string(kBroadcastAddress), AnyAddress()};
}

ExchangeRequest VerifyRequest(SharedBuffers& buffers, std::string_view password) {
  std::string datagram = BuildVerifyRequest(buffers, password);
  return {std::move(datagram), buffers.selectedDeviceIp, VerifyAnswerSources(buffers)};
}

ExchangeRequest SetRequest(const SharedBuffers& buffers) {
  return {BuildSetRequest(buffers), buffers.selectedDeviceIp, SetAnswerSources(buffers)};
}

}  // namespace tamberlyx
