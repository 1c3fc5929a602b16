#include "platform/desktop/message_box.h"

#include <QCoreApplication>
#include <QPushButton>

namespace tamberlyx {
namespace {

MessageStyle Window(const char* caption, QMessageBox::Icon icon = QMessageBox::NoIcon) {
  return MessageStyle{false, caption, icon, false};
}

}  // namespace

MessageStyle StyleOf(MessageId id) {
  switch (id) {
    case MessageId::kCreateSocketFailed:
      return Window("createsock error");
    case MessageId::kBindFailed:
      return Window("bind error");
    case MessageId::kSelectFailed:
      return Window("select error");
    case MessageId::kNotificationError:
      return MessageStyle{false, "CDrumvaleUIDlg::OnPINGAsynch", QMessageBox::NoIcon, true};
    case MessageId::kWrongPassword:
    case MessageId::kOtherDeviceSelected:
    case MessageId::kDeviceMoved:
    case MessageId::kSettingsDoNotFit:
      return Window("Error", QMessageBox::Warning);
    case MessageId::kAddressFindings:
      return Window("Warning", QMessageBox::Warning);
    case MessageId::kSavedSuccessfully:
    case MessageId::kDeviceReadAgain:
      return Window("Status");
    case MessageId::kSaveFailed:
      return Window("Status", QMessageBox::Warning);
    case MessageId::kVerifyNoAnswer:
    case MessageId::kSetNoAnswer:
    case MessageId::kSocketsInitFailed:
      break;
  }
  return MessageStyle{true, "", QMessageBox::Warning, false};
}

QString MessageCaption(MessageId id) {
  const MessageStyle style = StyleOf(id);
  // The application's box is captioned with the program file's name.
  if (style.applicationBox) return QCoreApplication::applicationName();
  return QString::fromUtf8(style.caption);
}

std::unique_ptr<QMessageBox> MakeMessageBox(const Message& message, QWidget* owner) {
  const MessageStyle style = StyleOf(message.id);
  auto box = std::make_unique<QMessageBox>(style.icon, MessageCaption(message.id), QString(),
                                           QMessageBox::Ok, owner);
  box->setTextFormat(Qt::PlainText);
  box->setText(QString::fromStdString(message.text));
  if (style.systemModal) {
    box->setWindowModality(Qt::ApplicationModal);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  return box;
}

std::unique_ptr<QMessageBox> MakeQuestionBox(const Question& question, QWidget* owner) {
  std::unique_ptr<QMessageBox> box = MakeMessageBox(question.message, owner);
  box->setStandardButtons(QMessageBox::NoButton);
  box->addButton(QString::fromStdString(question.proceed), QMessageBox::AcceptRole);
  QPushButton* back =
      box->addButton(QString::fromStdString(question.back), QMessageBox::RejectRole);
  box->setDefaultButton(back);
  box->setEscapeButton(back);
  return box;
}

}  // namespace tamberlyx
