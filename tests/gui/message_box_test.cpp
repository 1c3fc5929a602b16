#include "platform/desktop/message_box.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>

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

class RealMessageBoxTest : public testing::TestWithParam<BoxCase> {
 protected:
  // The real boxes, whatever a surrounding test installed.
  void SetUp() override { m_previous = InstallMessageSink(nullptr); }
  void TearDown() override { InstallMessageSink(m_previous); }

 private:
  MessageSink* m_previous = nullptr;
};

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
    EXPECT_EQ(box->icon(), GetParam().icon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->parentWidget(), &owner);
    answered = true;
    box->accept();
  });

  ShowMessage(&owner, GetParam().message);

  EXPECT_TRUE(answered);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RealMessageBoxTest,
    testing::Values(
        BoxCase{"WindowOwned", messages::SavedSuccessfully(), "Status", QMessageBox::NoIcon},
        BoxCase{"WindowOwnedExclamation", messages::WrongPassword(), "Error", QMessageBox::Warning},
        BoxCase{"Application", messages::SetNoAnswer(), "tamberlyx-setup", QMessageBox::Warning}),
    [](const testing::TestParamInfo<BoxCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tamberlyx::test
