#include "platform/desktop/message_box.h"
#include "platform/desktop/qt_message_sink.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#include "pages/page_messages.h"
#include "protocol/messages.h"
#include "tests/gui/harness/gui_actions.h"

namespace tamberlyx::test {
namespace {

struct BoxCase {
  const char* name;
  Message message;
  const char* caption;
  QMessageBox::Icon icon;
};

class RealMessageBoxTest : public testing::TestWithParam<BoxCase> {};

TEST_P(RealMessageBoxTest, ShowsCaptionIconAndOkOnlyOverItsOwner) {
  QDialog owner;
  owner.show();
  bool answered = false;
  AnswerNextModal([&](QDialog& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    if (box == nullptr) {
      ADD_FAILURE() << "not a message box";
      modal.reject();
      return;
    }
    EXPECT_EQ(box->windowTitle(), GetParam().caption);
    EXPECT_EQ(box->text().toStdString(), GetParam().message.text);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), GetParam().icon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->parentWidget(), &owner);
    answered = true;
    box->accept();
  });

  QtMessageSink().Show(&owner, GetParam().message);

  EXPECT_TRUE(answered);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RealMessageBoxTest,
    testing::Values(
        BoxCase{"WindowOwned", messages::SavedSuccessfully(), "Status", QMessageBox::NoIcon},
        BoxCase{"WindowOwnedExclamation", messages::WrongPassword(), "Error", QMessageBox::Warning},
        BoxCase{"Application", messages::SetNoAnswer(), "tamberlyx-setup", QMessageBox::Warning}),
    [](const testing::TestParamInfo<BoxCase>& param) { return std::string(param.param.name); });

struct StyleCase {
  Message message;
  const char* caption;
  QMessageBox::Icon icon;
  bool systemModal;
};

TEST(MessageStyle, EachMessageHasItsCaptionIconAndModality) {
  const StyleCase cases[] = {
      {messages::CreateSocketFailed(), "createsock error", QMessageBox::NoIcon, false},
      {messages::BindFailed(), "bind error", QMessageBox::NoIcon, false},
      {messages::SelectFailed(), "select error", QMessageBox::NoIcon, false},
      {messages::NotificationError(2, 10054), "CDrumvaleUIDlg::OnPINGAsynch", QMessageBox::NoIcon,
       true},
      {messages::WrongPassword(), "Error", QMessageBox::Warning, false},
      {messages::SavedSuccessfully(), "Status", QMessageBox::NoIcon, false},
      {messages::SaveFailed(), "Status", QMessageBox::Warning, false},
      {messages::VerifyNoAnswer(), "tamberlyx-setup", QMessageBox::Warning, false},
      {messages::SetNoAnswer(), "tamberlyx-setup", QMessageBox::Warning, false},
      {messages::SocketsInitFailed(), "tamberlyx-setup", QMessageBox::Warning, false},
      {page_messages::OtherDeviceSelected(), "Error", QMessageBox::Warning, false},
      {page_messages::SettingsDoNotFit(145), "Error", QMessageBox::Warning, false},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(c.message.text);
    const MessageStyle style = StyleOf(c.message.id);
    EXPECT_EQ(MessageCaption(c.message.id), c.caption);
    EXPECT_EQ(style.icon, c.icon);
    EXPECT_EQ(style.systemModal, c.systemModal);
  }
}

// Going back is the default and Escape's answer; only the proceed button says yes.
TEST(QuestionBox, GoBackIsTheDefaultAndEscape) {
  const Question question{
      {MessageId::kAddressFindings, "The new address may not work:"}, "Save anyway", "Go back"};
  const std::unique_ptr<QMessageBox> box = MakeQuestionBox(question, nullptr);
  ASSERT_EQ(box->buttons().size(), 2);
  EXPECT_EQ(box->defaultButton()->text(), "Go back");
  EXPECT_EQ(box->escapeButton(), box->defaultButton());
  EXPECT_EQ(box->windowTitle(), "Warning");
  for (const bool proceed : {true, false}) {
    AnswerNextModal([proceed](QDialog& modal) {
      auto& asked = dynamic_cast<QMessageBox&>(modal);
      if (proceed) {
        asked.buttons()[0]->text() == "Save anyway" ? asked.buttons()[0]->click()
                                                    : asked.buttons()[1]->click();
      } else {
        PressKey(asked, Qt::Key_Escape);
      }
    });
    EXPECT_EQ(QtMessageSink().Ask(nullptr, question), proceed);
  }
}

}  // namespace
}  // namespace tamberlyx::test
