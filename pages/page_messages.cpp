#include "pages/page_messages.h"

#include "ui/qt_text.h"

namespace tamberlyx::page_messages {
namespace {

constexpr unsigned kOtherDeviceText = 161;
constexpr unsigned kDoNotFitText = 162;
constexpr unsigned kReadAgainText = 163;
constexpr unsigned kMovedText = 164;

}  // namespace

Message OtherDeviceSelected() {
  return {MessageId::kOtherDeviceSelected, Text(kOtherDeviceText).toStdString()};
}

Message DeviceReadAgain() {
  return {MessageId::kDeviceReadAgain, Text(kReadAgainText).toStdString()};
}

Message DeviceMoved() {
  return {MessageId::kDeviceMoved, Text(kMovedText).toStdString()};
}

Message SettingsDoNotFit(unsigned fieldTextId) {
  return {MessageId::kSettingsDoNotFit, Text(kDoNotFitText).arg(Text(fieldTextId)).toStdString()};
}

}  // namespace tamberlyx::page_messages
