// The IP address control by keyboard, as a user types into it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <map>

#include "tests/gui/harness/gui_actions.h"
#include "ui/ip_address_edit.h"

namespace tamberlyx::test {
namespace {

// In `keys`, "<" is Backspace, "[" Left, "]" Right, "^" Ctrl+V with the case's clipboard and
// "~" Shift+Tab; every other character is typed.
void Type(QWidget& window, const std::string& keys) {
  const std::map<char, std::pair<Qt::Key, Qt::KeyboardModifier>> special = {
      {'<', {Qt::Key_Backspace, Qt::NoModifier}},
      {'[', {Qt::Key_Left, Qt::NoModifier}},
      {']', {Qt::Key_Right, Qt::NoModifier}},
      {'^', {Qt::Key_V, Qt::ControlModifier}},
      {'~', {Qt::Key_Backtab, Qt::ShiftModifier}}};
  for (const char key : keys) {
    QWidget* target = window.focusWidget();
    ASSERT_NE(target, nullptr);
    if (const auto it = special.find(key); it != special.end()) {
      QTest::keyClick(target, it->second.first, it->second.second);
    } else {
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
      {"^", "42", "42|||", 0},          // a plain number pastes into the field
      {"1.2~", "", "1|2||", 0},         // Shift+Tab goes back a field
      {"1.2\t", "", "1|2||", 2},        // Tab goes on a field
      {"1.2.3.4\t", "", "1|2|3|4", 4},  // and from the last leaves the control
      {"~", "", "|||", -1}};
  for (const Case& c : cases) {
    m_edit->ClearAddress();
    m_edit->setFocus();
    QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    Type(m_window, c.keys);
    EXPECT_EQ(Shown(), QString::fromUtf8(c.shown)) << c.keys << " " << c.clipboard;
    EXPECT_EQ(FocusedField(), c.focused) << c.keys << " " << c.clipboard;
  }
  m_edit->ClearAddress();
  m_edit->SetField(1, 7);
  EXPECT_EQ(m_edit->GetAddress(), (IpAddressEdit::Octets{0, 7, 0, 0}));  // blank reads as 0
}

}  // namespace
}  // namespace tamberlyx::test
