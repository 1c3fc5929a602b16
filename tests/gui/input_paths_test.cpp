// Every input path gives one page: Step 2's mode and Step 4's drive box by mouse, Space, the
// accessibility action and the program alike; Tab in reading order; every input field named.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/ip_address_edit.h"

namespace tamberlyx::test {
namespace {

constexpr char kManual[] =
    "sys.hostname=NAS1&nwk.wireless.ssid=NAS1&nwk.bootproto=none&nwk.ipaddr=192.168.0.20&"
    "nwk.netmask=255.255.255.0&sys.gateway=192.168.0.1&sys.dns=192.168.0.1&x=1";

enum class Way { kMouse, kSpace, kAccessibility, kProgram };

// Checks `button` the way given; an already checked button is pressed again where the way can.
void Check(QAbstractButton& button, Way way) {
  switch (way) {
    case Way::kMouse:
      QTest::mouseClick(&button, Qt::LeftButton);
      return;
    case Way::kSpace:
      button.setFocus();
      QTest::keyClick(&button, Qt::Key_Space);
      return;
    case Way::kAccessibility: {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
      ASSERT_NE(accessible->actionInterface(), nullptr);
      accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
      return;
    }
    case Way::kProgram:
      button.setChecked(true);
      return;
  }
}

QString AccessibleName(QWidget& widget) {
  return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
}

class InputPathsTest : public ShellFixture {
 protected:
  IpSettingsPage& Step2() { return m_wizard.Step2(); }
  QWidget& Open(WizardPage& page, unsigned templateId, const std::string& settings = kManual) {
    m_wizard.Buffers() = {settings, settings, "192.168.0.20", "admin"};
    m_wizard.SetVerifiedDevice(SelectedDevice(m_wizard.Buffers()));
    EXPECT_TRUE(SwitchToPage(nullptr, page, templateId));
    QApplication::setActiveWindow(page.Window());
    return *page.Window();
  }
  QAbstractButton& Control(WizardPage& page, int id) {
    return *qobject_cast<QAbstractButton*>(page.Control(id));
  }
  IpAddressEdit& Address(int i) {
    const int ids[] = {kIdIpAddress, kIdNetmask, kIdGateway, kIdDns};
    return *qobject_cast<IpAddressEdit*>(Step2().Control(ids[i]));
  }
  // Mode, enabled controls, what the fields show and what Next writes: the whole page.
  std::string PageState() {
    std::string state = Control(Step2(), kIdManualAddress).isChecked() ? "manual" : "dhcp";
    state += Control(Step2(), kIdDhcpAddress).isChecked() ? "+dhcp" : "";
    state += "|" + qobject_cast<QLineEdit*>(Step2().Control(kIdServerName))->text().toStdString();
    for (int i = 0; i < 4; ++i) {
      state += Address(i).isEnabled() ? "|on:" : "|off:";
      for (const std::uint8_t octet : Address(i).GetAddress()) state += std::to_string(octet) + ".";
    }
    ClickButton(*Step2().Window(), kIdIpNext);
    m_wizard.Step3().DestroyWindow();
    return state + "|" + m_wizard.Buffers().newSettings;
  }
  // Edits the page, then switches along `path` of radio ids by `way`.
  std::string Switched(Way way, const std::vector<int>& path) {
    Open(Step2(), kIpSettingsTemplateId);
    qobject_cast<QLineEdit*>(Step2().Control(kIdServerName))->setText(QStringLiteral("edited"));
    Address(3).SetAddress({8, 8, 4, 4});
    for (const int id : path) Check(Control(Step2(), id), way);
    return PageState();
  }
  // The focus chain from the focus widget on: `count` widgets, Tab pressed between them.
  static std::vector<QWidget*> TabWalk(QWidget& window, QWidget& first, std::size_t count) {
    first.setFocus();
    std::vector<QWidget*> seen;
    for (std::size_t i = 0; i < count; ++i) {
      seen.push_back(QApplication::focusWidget());
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                      Qt::Key_Tab);
    }
    return seen;
  }
};

TEST_F(InputPathsTest, EveryWayOfSwitchingStepTwoGivesTheSamePage) {
  const std::vector<std::vector<int>> paths = {
      {kIdDhcpAddress},
      {kIdDhcpAddress, kIdManualAddress},
      {kIdDhcpAddress, kIdDhcpAddress},  // checked again
  };
  for (const auto& path : paths) {
    const std::string byMouse = Switched(Way::kMouse, path);
    EXPECT_EQ(Switched(Way::kSpace, path), byMouse);
    EXPECT_EQ(Switched(Way::kAccessibility, path), byMouse);
    EXPECT_EQ(Switched(Way::kProgram, path), byMouse);
  }
  EXPECT_EQ(Switched(Way::kAccessibility, {kIdDhcpAddress}).substr(0, 4), "dhcp");
  Open(Step2(), kIpSettingsTemplateId);
  for (const int id : {kIdManualAddress, kIdDhcpAddress}) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Control(Step2(), id))->role(),
              QAccessible::RadioButton);
  }
}

TEST_F(InputPathsTest, EveryWayTicksTheDriveBox) {
  for (const Way way : {Way::kMouse, Way::kSpace, Way::kAccessibility, Way::kProgram}) {
    Open(m_wizard.Step4(), kSaveTemplateId);
    QAbstractButton& box = Control(m_wizard.Step4(), kIdDriveMap);
    Check(box, way);
    EXPECT_TRUE(box.isChecked());
    m_wizard.Step4().DestroyWindow();
  }
}

TEST_F(InputPathsTest, TabVisitsStepsTwoAndFourInReadingOrder) {
  QWidget& step2 = Open(Step2(), kIpSettingsTemplateId);
  QWidget* name = Step2().Control(kIdServerName);
  std::vector<QWidget*> order2 = {name, Step2().Control(kIdManualAddress),
                                  Step2().Control(kIdDhcpAddress)};
  for (int control = 0; control < 4; ++control) {
    for (int field = 0; field < 4; ++field) order2.push_back(Address(control).Field(field));
  }
  for (const int id : {kIdIpBack, kIdIpNext}) order2.push_back(Step2().Control(id));
  order2.push_back(name);
  EXPECT_EQ(TabWalk(step2, *name, order2.size()), order2);

  QWidget& step4 = Open(m_wizard.Step4(), kSaveTemplateId);
  QWidget* box = m_wizard.Step4().Control(kIdDriveMap);
  const std::vector<QWidget*> order4 = {box, m_wizard.Step4().Control(kIdSaveBack),
                                        m_wizard.Step4().Control(kIdSave), box};
  EXPECT_EQ(TabWalk(step4, *box, order4.size()), order4);
  // Space ticks the box; Enter still saves (the confirmation shows).
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Space);
  EXPECT_TRUE(qobject_cast<QCheckBox*>(box)->isChecked());
  bool confirmed = false;
  AnswerNextModal([&](QDialog& dialog) {
    confirmed = true;
    dialog.reject();
  });
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_TRUE(confirmed);
}

// Every field a user can type into or pick from, on every page, in both languages.
TEST_F(InputPathsTest, EveryInputFieldHasANameInBothLanguages) {
  for (const Language language : {Language::kEnglish, Language::kKorean}) {
    const ScopedLanguage scoped(language);
    device::AddDevice(m_services.Network(), "192.168.0.20");
    Open(m_wizard.Step1(), kSearchTemplateId);
    WaitForSearch(m_wizard.Step1());
    std::vector<QWidget*> fields = {m_wizard.Step1().DeviceListBox()};
    m_wizard.Step1().DestroyWindow();
    m_services.Network().RemovePeer("192.168.0.20");
    for (WizardPage* page :
         {static_cast<WizardPage*>(&Step2()), static_cast<WizardPage*>(&m_wizard.Step3())}) {
      Open(*page, page->TemplateId());
      for (QWidget* w : page->Window()->findChildren<QWidget*>()) {
        const bool part = qobject_cast<QAbstractSpinBox*>(w->parentWidget()) != nullptr;
        const bool input = !part && (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                                     qobject_cast<QAbstractSpinBox*>(w));
        if (input && w->isVisible() && w->focusPolicy() != Qt::NoFocus) fields.push_back(w);
      }
    }
    EXPECT_EQ(fields.size(), 1u + 1 + 16 + 3);  // list; name, 16 address fields; 3 pickers
    for (QWidget* field : fields) EXPECT_FALSE(AccessibleName(*field).isEmpty());
    const QString expected = language == Language::kEnglish
                                 ? QStringLiteral("IP Address, part 2 of 4")
                                 : QStringLiteral("IP주소, 4칸 중 2번째 칸");
    EXPECT_EQ(AccessibleName(*Address(0).Field(1)), expected);
    Step2().DestroyWindow();
    m_wizard.Step3().DestroyWindow();
    ProcessEvents();
  }
}

}  // namespace
}  // namespace tamberlyx::test
