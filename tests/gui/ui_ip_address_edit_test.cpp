// The IP address control by keyboard, as a user types into it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "tests/gui/harness/gui_actions.h"
#include "ui/ip_address_edit.h"

namespace tamberlyx::test {
namespace {

// In `keys`, "<" is Backspace, "[" Left, "]" Right, "^" Ctrl+V with the case's clipboard and
// "~" Shift+Tab; every other character is typed.
void Type(QWidget& window, const std::string& keys) {
  for (const char key : keys) {
    QWidget* target = window.focusWidget();
    ASSERT_NE(target, nullptr);
    switch (key) {
      case '<':
        QTest::keyClick(target, Qt::Key_Backspace);
        break;
      case '[':
        QTest::keyClick(target, Qt::Key_Left);
        break;
      case ']':
        QTest::keyClick(target, Qt::Key_Right);
        break;
      case '^':
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        break;
      case '~':
        QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
      default:
        QTest::keyClick(target, key);
    }
  }
}

class IpAddressEditTest : public testing::Test {
 protected:
  IpAddressEditTest() {
    auto* layout = new QVBoxLayout(&m_window);
    layout->addWidget(m_before);
    layout->addWidget(m_edit);
    layout->addWidget(m_after);
    m_window.show();
    ProcessEvents();
  }
  QString Shown() const {
    QStringList fields;
    for (std::size_t i = 0; i < 4; ++i) fields << m_edit->Field(i)->text();
    return fields.join(QLatin1Char('|'));
  }
  int FocusedField() const {
    for (std::size_t i = 0; i < 4; ++i) {
      if (m_window.focusWidget() == m_edit->Field(i)) return static_cast<int>(i);
    }
    return m_window.focusWidget() == m_before ? -1 : 4;
  }

  QWidget m_window;
  QLineEdit* m_before = new QLineEdit;
  IpAddressEdit* m_edit = new IpAddressEdit;
  QLineEdit* m_after = new QLineEdit;
};

TEST_F(IpAddressEditTest, KeyboardRules) {
  struct Case {
    const char* keys;
    const char* clipboard;
    const char* shown;
    int focused;  // field index; -1 the control before, 4 the one after
  };
  const Case cases[] = {
      {"192.168.0.1", "", "192|168|0|1", 3},
      {"192168001", "", "192|168|001|", 3},  // a full field moves on, its dot is then ignored
      {"192.168.", "", "192|168||", 2},
      {"1...2", "", "1|2||", 1},  // a dot in an empty field stays put
      {"300", "", "30|||", 0},    // above 255 is refused
      {"25625", "", "252|5||", 1},
      {"1a-2 b", "", "12|||", 0},        // only digits
      {"1.2.3.4.5", "", "1|2|3|45", 3},  // no field after the last
      {"1.2<<3", "", "13|||", 0},        // Backspace in an empty field goes back
      {"12.3[[4", "", "124|3||", 1},     // Left from the start goes to the end before
      {"1]2]3", "", "1|2|3|", 2},        // Right from the end goes on
      {"^", "10.1.2.3", "10|1|2|3", 3},  // a pasted address fills all four fields
      {"9^", " 192.168.0.20\n", "192|168|0|20", 3},
      {"9^", "10.1.2.300", "9|||", 0},  // not an address: nothing changes
      {"9^", "1.2.3", "9|||", 0},
      {"^", "42", "42|||", 0},    // a plain number pastes into the field
      {"1.2~", "", "1|2||", -1},  // Shift+Tab leaves the control, not the field
  };
  for (const Case& c : cases) {
    m_edit->ClearAddress();
    m_edit->setFocus();
    QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    Type(m_window, c.keys);
    EXPECT_EQ(Shown(), QString::fromUtf8(c.shown)) << c.keys << " " << c.clipboard;
    EXPECT_EQ(FocusedField(), c.focused) << c.keys << " " << c.clipboard;
  }
}

TEST_F(IpAddressEditTest, OneTabStopBlankReadsZeroAndDisabledRefusesTyping) {
  m_before->setFocus();
  QTest::keyClick(m_before, Qt::Key_Tab);
  EXPECT_EQ(FocusedField(), 0);
  Type(m_window, "1.2");
  QTest::keyClick(m_window.focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(FocusedField(), 4);
  EXPECT_EQ(m_edit->GetAddress(), (IpAddressEdit::Octets{1, 2, 0, 0}));
  EXPECT_FALSE(m_edit->IsBlank());

  m_edit->SetAddress({10, 0, 0, 44});
  m_edit->setEnabled(false);
  QTest::keyClicks(m_edit->Field(0), "5");
  EXPECT_EQ(Shown(), QStringLiteral("10|0|0|44"));
  m_edit->ClearAddress();
  EXPECT_TRUE(m_edit->IsBlank());
  EXPECT_EQ(m_edit->GetAddress(), (IpAddressEdit::Octets{0, 0, 0, 0}));
}

}  // namespace
}  // namespace tamberlyx::test
