// Every window, in both languages: each text stands inside the client area and no two texts
// run into each other. Group box frames enclose their rows by design; only their titles count.
// No pair of texts needs an exception: every page's fractions keep them apart.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <functional>
#include <optional>

#include "app/welcome_dialog.h"
#include "device/default_settings.h"
#include "device/fake_devices.h"
#include "pages/confirm_dialog.h"
#include "pages/password_dialog.h"
#include "pages/progress_dialog.h"
#include "pages/switch_to_page.h"
#include "pages/wizard.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/scoped_language.h"
#include "tests/gui/harness/test_services.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace tamberlyx::test {
namespace {

// A text and the rectangle it is drawn in, in the window's coordinates.
struct PlacedText {
  QString text;
  QRect widget;  // the control holding it
  QRect drawn;
};

QRect InWindow(const QWidget& widget, const QWidget& window, const QRect& rect) {
  return QRect(widget.mapTo(&window, rect.topLeft()), rect.size());
}

// Where the label's alignment and wrapping put its text, clipped as the label clips it.
QRect DrawnRect(const QLabel& label) {
  const QRect contents = label.contentsRect();
  const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
  return label.fontMetrics().boundingRect(contents, flags, label.text()) & contents;
}

QRect DrawnRect(const QAbstractButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const auto element = qobject_cast<const QCheckBox*>(&button) ? QStyle::SE_CheckBoxContents
                                                               : QStyle::SE_RadioButtonContents;
  const QRect contents = button.style()->subElementRect(element, &option, &button);
  return button.fontMetrics().boundingRect(contents, Qt::AlignLeft | Qt::AlignVCenter,
                                           button.text()) &
         contents;
}

QRect DrawnRect(const QGroupBox& box) {
  QStyleOptionGroupBox option;
  option.initFrom(&box);
  option.text = box.title();
  option.textAlignment = box.alignment();
  option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
  return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
}

// The text a control shows as a label, and where it is drawn in the control.
std::optional<std::pair<QString, QRect>> LabelText(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    return std::pair(label->text(), DrawnRect(*label));
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
    return std::pair(box->title(), DrawnRect(*box));
  }
  const auto* button = qobject_cast<const QAbstractButton*>(&widget);
  if (button &&
      (qobject_cast<const QRadioButton*>(button) || qobject_cast<const QCheckBox*>(button))) {
    return std::pair(button->text(), DrawnRect(*button));
  }
  return std::nullopt;
}

std::vector<PlacedText> TextsOf(const QWidget& window) {
  std::vector<PlacedText> texts;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    const auto shown = LabelText(*widget);
    if (!widget->isVisibleTo(&window) || !shown || shown->first.isEmpty()) continue;
    texts.push_back({shown->first, InWindow(*widget, window, widget->rect()),
                     InWindow(*widget, window, shown->second)});
  }
  return texts;
}

// The run of one language: the welcome dialog, the pages behind it and one fake device; the
// small dialogs are made on demand and live as long as the run.
class WizardRun {
 public:
  explicit WizardRun(Language language) : m_language(language) {
    device::AddDevice(m_services.Network(), kDevice);
    SetApplicationMainWindow(&m_welcome);
    m_welcome.show();
    SharedBuffers& buffers = m_wizard.Buffers();
    buffers.currentSettings = buffers.newSettings = device::DefaultSettings("NAS-OFFICE", kDevice);
    buffers.selectedDeviceIp = kDevice;
  }
  ~WizardRun() { ProcessEvents(); }

  QWidget& Welcome() { return m_welcome; }
  QWidget& Page(int step) {
    WizardPage* pages[] = {&m_wizard.Step1(), &m_wizard.Step2(), &m_wizard.Step3(),
                           &m_wizard.Step4()};
    SwitchToPage(nullptr, *pages[step - 1], pages[step - 1]->TemplateId());
    if (step == 1) ProcessEvents(kSearchMs);  // its search runs to the end
    return *pages[step - 1]->Window();
  }
  // Step 1 after a search that heard nothing on two interfaces, port 1211 taken: the longest
  // text its empty list shows.
  QWidget& EmptyStep1() {
    m_services.Network().RemovePeer(kDevice);
    m_services.Network().HoldClientPort(true);
    m_services.Interfaces().SetInterfaces({{"enp3s0", "192.168.0.100"}, {"wlp2s0", "10.0.0.7"}});
    return Page(1);
  }
  QWidget& Password() {
    PasswordDialog& password = m_wizard.Password().Dialog();
    password.AttachTo(&m_welcome);
    return Shown(password);
  }
  QWidget& Confirm() { return Shown(m_confirm.emplace(&m_welcome)); }
  QWidget& Progress() {
    m_progress.OpenProgress(&m_welcome);
    m_progress.SetMessageText(Text(104));
    return *m_progress.Window();
  }

 private:
  static constexpr char kDevice[] = "192.168.0.20";
  static constexpr int kSearchMs = 200;  // 16 ticks of the tests' 5 ms, and some
  static QWidget& Shown(QWidget& window) {
    window.show();
    return window;
  }
  ScopedLanguage m_language;
  TestServices m_services;
  Wizard m_wizard{m_services.Get()};
  WelcomeDialog m_welcome{m_wizard.Step1()};
  ProgressDialog m_progress;
  std::optional<ConfirmDialog> m_confirm;
};

struct WindowCase {
  const char* name;
  std::size_t fewestTexts;  // so that a window whose texts went missing does not pass
  std::function<QWidget&(WizardRun&)> open;
};

const WindowCase kWindows[] = {
    {"welcome", 0, &WizardRun::Welcome},
    {"step1", 16, [](WizardRun& run) -> QWidget& { return run.Page(1); }},
    {"step1empty", 11, &WizardRun::EmptyStep1},
    {"step2", 10, [](WizardRun& run) -> QWidget& { return run.Page(2); }},
    {"step3", 5, [](WizardRun& run) -> QWidget& { return run.Page(3); }},
    {"step4", 2, [](WizardRun& run) -> QWidget& { return run.Page(4); }},
    {"password", 1, &WizardRun::Password},
    {"progress", 1, &WizardRun::Progress},
    {"confirm", 1, &WizardRun::Confirm},
};

void PrintTo(const WindowCase& window, std::ostream* out) {
  *out << window.name;
}

class TextLayoutTest : public testing::TestWithParam<std::tuple<WindowCase, Language>> {};

TEST_P(TextLayoutTest, TextsStayInsideAndApart) {
  const auto& [window, language] = GetParam();
  WizardRun run(language);
  QWidget& shown = window.open(run);
  ProcessEvents();
  const std::vector<PlacedText> texts = TextsOf(shown);
  EXPECT_GE(texts.size(), window.fewestTexts);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const PlacedText& a = texts[i];
    const QRect& r = a.widget;
    EXPECT_TRUE(shown.rect().contains(r)) << qPrintable(a.text) << " at " << r.x() << "," << r.y()
                                          << " " << r.width() << "x" << r.height();
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const PlacedText& b = texts[j];
      EXPECT_FALSE(a.drawn.intersects(b.drawn))
          << '"' << qPrintable(a.text) << "\" runs into \"" << qPrintable(b.text) << '"';
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, TextLayoutTest,
                         testing::Combine(testing::ValuesIn(kWindows),
                                          testing::Values(Language::kEnglish, Language::kKorean)),
                         [](const testing::TestParamInfo<std::tuple<WindowCase, Language>>& param) {
                           return std::string(std::get<0>(param.param).name) +
                                  (std::get<1>(param.param) == Language::kKorean ? "Korean"
                                                                                 : "English");
                         });

}  // namespace
}  // namespace tamberlyx::test
