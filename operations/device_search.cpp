#include "operations/device_search.h"

#include "protocol/constants.h"

namespace tamberlyx {

ExchangeRequest DeviceSearch::Begin() {
  m_listened = false;
  m_replies = 0;
  m_awaited.Restart();
  return SearchRequest();
}

void DeviceSearch::OnListening() {
  m_listened = true;
  m_devices.FreeDeviceList();
}

void DeviceSearch::OnReply(const Reply& reply) {
  if (reply.word != kWordGetOk) return;
  ++m_replies;
  if (m_devices.AcceptGetReply(reply.body, reply.source)) {
    m_awaited.Note(m_devices.Records().back());
  }
}

}  // namespace tamberlyx
