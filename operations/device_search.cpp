#include "operations/device_search.h"

#include "protocol/constants.h"

namespace tamberlyx {

ExchangeRequest DeviceSearch::Begin() {
  m_listened = false;
  m_replies = 0;
  return SearchRequest();
}

void DeviceSearch::OnListening() {
  m_listened = true;
  m_devices.FreeDeviceList();
}

void DeviceSearch::OnReply(const Reply& reply) {
  if (reply.word != kWordGetOk) return;
  ++m_replies;
  m_devices.AcceptGetReply(reply.body, reply.source);
}

}  // namespace tamberlyx
