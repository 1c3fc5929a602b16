#include "tests/gui/harness/test_services.h"

#include <memory>

#include "platform/fakenet/fake_transport.h"
#include "platform/net/qt_exchange_timer.h"

namespace tamberlyx::test {

TestServices::TestServices(bool socketsWork, int tickPeriodMs)
    : m_network(m_scheduler.Function()),
      m_interfaces(m_network, {{"eth0", m_network.PcAddress(), "255.255.255.0"}}),
      m_sockets(socketsWork),
      m_probe(m_scheduler.Function()) {
  m_services.socketLayer = &m_sockets;
  m_services.makeTransport = [this] { return std::make_unique<FakeTransport>(m_network); };
  m_services.makeTimer = [] { return std::make_unique<QtExchangeTimer>(); };
  m_services.interfaces = &m_interfaces;
  m_services.messageSink = &m_messages;
  m_services.urlOpener = &m_urls;
  m_services.driveMapper = &m_drives;
  m_services.addressProbe = &m_probe;
  m_services.tickPeriodMs = tickPeriodMs;
  SetFollowTiming(20, 200);  // a save that moves the device ends soon
}

}  // namespace tamberlyx::test
