// Every window, in both languages: each text stands inside the client area and no two texts
// run into each other. Group box frames enclose their rows by design; only their titles count.
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
#include <set>

#include "app/drumvale_ui_dlg.h"
#include "device/default_settings.h"
#include "device/fake_devices.h"
#include "pages/confirm_dlg.h"
#include "pages/password_dlg.h"
#include "pages/progress_dlg.h"
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

template <class Widget>
void Collect(const QWidget& window, std::vector<PlacedText>& texts,
             const std::function<QString(const Widget&)>& textOf) {
  for (const Widget* widget : window.findChildren<Widget*>()) {
    if (!widget->isVisibleTo(&window) || textOf(*widget).isEmpty()) continue;
    texts.push_back({textOf(*widget), InWindow(*widget, window, widget->rect()),
                     InWindow(*widget, window, DrawnRect(*widget))});
  }
}

std::vector<PlacedText> TextsOf(const QWidget& window) {
  std::vector<PlacedText> texts;
  Collect<QLabel>(window, texts, [](const QLabel& l) { return l.text(); });
  Collect<QGroupBox>(window, texts, [](const QGroupBox& b) { return b.title(); });
  Collect<QAbstractButton>(window, texts, [](const QAbstractButton& b) {
    const bool label = qobject_cast<const QRadioButton*>(&b) || qobject_cast<const QCheckBox*>(&b);
    return label ? b.text() : QString();
  });
  return texts;
}

// Pairs of texts whose placement makes them touch, kept as the page's own fractions give it.
struct Exception {
  const char* window;
  const char* first;
  const char* second;
  const char* reason;
};
const std::vector<Exception> kExceptions = {};

bool Excepted(const std::string& window, const QString& a, const QString& b) {
  for (const Exception& e : kExceptions) {
    if (window != e.window) continue;
    if ((a == e.first && b == e.second) || (a == e.second && b == e.first)) return true;
  }
  return false;
}

// The run of one language: the welcome dialog and the pages behind it, one fake device.
class WizardRun {
 public:
  explicit WizardRun(Language language) : m_language(language) {
    device::DeviceOptions options;
    options.name = "NAS-OFFICE";
    device::AddDevice(m_services.Network(), "192.168.0.20", options);
    SetApplicationMainWindow(&m_welcome);
    m_welcome.show();
    SharedBuffers& buffers = m_wizard.Buffers();
    buffers.currentSettings = buffers.newSettings =
        device::DefaultSettings("NAS-OFFICE", "192.168.0.20");
    buffers.selectedDeviceIp = "192.168.0.20";
  }
  ~WizardRun() { ProcessEvents(); }

  QWidget& Welcome() { return m_welcome; }
  QWidget& Page(WizardPage& page) {
    SwitchToPage(nullptr, page, page.TemplateId());
    if (&page == &m_wizard.Step1()) ProcessEvents(kSearchMs);  // its search runs to the end
    return *page.Window();
  }
  Wizard& GetWizard() { return m_wizard; }

 private:
  static constexpr int kSearchMs = 200;  // 16 ticks of the tests' 5 ms, and some
  ScopedLanguage m_language;
  TestServices m_services;
  Wizard m_wizard{m_services.Get()};
  CDrumvaleUIDlg m_welcome{m_wizard};
};

struct WindowCase {
  const char* name;
  std::size_t fewestTexts;  // so that a window whose texts went missing does not pass
  std::function<void(WizardRun&, const std::function<void(QWidget&)>&)> open;
};

const WindowCase kWindows[] = {
    {"welcome", 0, [](WizardRun& run, const auto& check) { check(run.Welcome()); }},
    {"step1", 16,
     [](WizardRun& run, const auto& check) { check(run.Page(run.GetWizard().Step1())); }},
    {"step2", 10,
     [](WizardRun& run, const auto& check) { check(run.Page(run.GetWizard().Step2())); }},
    {"step3", 5,
     [](WizardRun& run, const auto& check) { check(run.Page(run.GetWizard().Step3())); }},
    {"step4", 2,
     [](WizardRun& run, const auto& check) { check(run.Page(run.GetWizard().Step4())); }},
    {"password", 1,
     [](WizardRun& run, const auto& check) {
       CPasswordDlg password(run.GetWizard(), &run.Welcome());
       password.show();
       check(password);
     }},
    {"progress", 1,
     [](WizardRun& run, const auto& check) {
       CProgressDlg progress;
       progress.OpenProgress(&run.Welcome());
       progress.SetMessageText(Text(104));
       check(*progress.Window());
     }},
    {"confirm", 1,
     [](WizardRun& run, const auto& check) {
       CConfirmDlg confirm(&run.Welcome());
       confirm.show();
       check(confirm);
     }},
};

void PrintTo(const WindowCase& window, std::ostream* out) {
  *out << window.name;
}

class TextLayoutTest : public testing::TestWithParam<std::tuple<WindowCase, Language>> {};

TEST_P(TextLayoutTest, TextsStayInsideAndApart) {
  const auto& [window, language] = GetParam();
  WizardRun run(language);
  window.open(run, [&](QWidget& shown) {
    ProcessEvents();
    const std::vector<PlacedText> texts = TextsOf(shown);
    EXPECT_GE(texts.size(), window.fewestTexts);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const PlacedText& a = texts[i];
      EXPECT_TRUE(shown.rect().contains(a.widget))
          << qPrintable(a.text) << " at " << a.widget.x() << "," << a.widget.y() << " "
          << a.widget.width() << "x" << a.widget.height();
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        const PlacedText& b = texts[j];
        if (Excepted(window.name, a.text, b.text)) continue;
        EXPECT_FALSE(a.drawn.intersects(b.drawn))
            << '"' << qPrintable(a.text) << "\" runs into \"" << qPrintable(b.text) << '"';
      }
    }
  });
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
