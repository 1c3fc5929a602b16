#pragma once

#include "pages/services.h"
#include "platform/fakenet/fake_interface_network.h"
#include "platform/fakenet/fake_network.h"
#include "platform/fakenet/fake_socket_layer.h"
#include "platform/net/qt_scheduler.h"
#include "tests/gui/harness/fake_address_probe.h"
#include "tests/gui/harness/recording_drive_mapper.h"
#include "tests/gui/harness/recording_message_sink.h"
#include "tests/gui/harness/recording_url_opener.h"

namespace tamberlyx::test {

// Services for a wizard under test: a working socket layer (or a failing one), the in-process
// network delivering on the Qt event loop and one interface "eth0" on it (a /24), real Qt timers
// with a short tick, recording message boxes, browser and drive mapping, and an address probe
// that finds no other host unless told.
class TestServices {
 public:
  explicit TestServices(bool socketsWork = true, int tickPeriodMs = 5);
  TestServices(const TestServices&) = delete;
  TestServices& operator=(const TestServices&) = delete;

  const Services& Get() const { return m_services; }
  FakeNetwork& Network() { return m_network; }
  FakeInterfaceNetwork& Interfaces() { return m_interfaces; }
  FakeSocketLayer& SocketLayer() { return m_sockets; }
  RecordingMessageSink& Messages() { return m_messages; }
  RecordingUrlOpener& Urls() { return m_urls; }
  RecordingDriveMapper& Drives() { return m_drives; }
  FakeAddressProbe& Probe() { return m_probe; }
  // For exchanges started from now on.
  void SetTickPeriodMs(int ms) { m_services.tickPeriodMs = ms; }
  // How often and how long a moved device is searched for.
  void SetFollowTiming(int everyMs, int forMs) {
    m_services.followEveryMs = everyMs;
    m_services.followForMs = forMs;
  }

 private:
  QtScheduler m_scheduler;
  FakeNetwork m_network;
  FakeInterfaceNetwork m_interfaces;
  FakeSocketLayer m_sockets;
  RecordingMessageSink m_messages;
  RecordingUrlOpener m_urls;
  RecordingDriveMapper m_drives;
  FakeAddressProbe m_probe;
  Services m_services;
};

}  // namespace tamberlyx::test
