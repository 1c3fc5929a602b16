#pragma once

#include <functional>
#include <memory>

#include "protocol/constants.h"
#include "protocol/exchange_timer.h"
#include "protocol/interface_network.h"
#include "protocol/message.h"
#include "protocol/transport.h"

class QUrl;
class QWidget;

namespace tamberlyx {

class AddressProbe;
class DriveMapper;
class MessageSink;
class SocketLayer;
class UrlOpener;

// The platform services one run of the wizard uses, handed down by the Wizard. The program
// leaves the defaults (real message boxes, the user's browser); tests hand in fakes (a failing
// socket layer, the in-process network and its interfaces, a recording message sink, a short tick).
struct Services {
  SocketLayer* socketLayer = nullptr;  // the start-up check; none counts as usable
  std::function<std::unique_ptr<Transport>()> makeTransport;
  // The searches go out of each of these, and requests to a device out of the one it answered
  // on; none: the routes decide.
  InterfaceNetwork* interfaces = nullptr;
  std::function<std::unique_ptr<ExchangeTimer>()> makeTimer;
  MessageSink* messageSink = nullptr;    // none: real message boxes
  UrlOpener* urlOpener = nullptr;        // none: the user's browser
  DriveMapper* driveMapper = nullptr;    // none: nothing is mapped
  AddressProbe* addressProbe = nullptr;  // none: nobody is asked whether an address is taken
  int tickPeriodMs = kTickPeriodMs;
  // A device a save moved is searched for this often, for this long.
  int followEveryMs = 2000;
  int followForMs = 90000;

  // The one way every message box of the program is shown; returns when it was answered.
  void ShowMessage(QWidget* owner, const Message& message) const;
  bool Ask(QWidget* owner, const Question& question) const;
  void OpenUrl(const QUrl& url) const;
};

}  // namespace tamberlyx
