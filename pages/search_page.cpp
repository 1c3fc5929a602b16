#include "pages/search_page.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>

#include "operations/no_answer_facts.h"
#include "pages/device_follow.h"
#include "pages/device_page.h"
#include "pages/logic/device_details.h"
#include "pages/logic/device_selection.h"
#include "pages/page_exchange.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/password_check.h"
#include "pages/progress_dialog.h"
#include "pages/services.h"
#include "pages/switch_to_page.h"
#include "platform/language/system_language.h"
#include "text/no_answer_text.h"
#include "ui/keyboard_access.h"
#include "ui/label_layout.h"
#include "ui/page_label.h"
#include "ui/plain_text.h"
#include "ui/qt_text.h"

namespace tamberlyx {
namespace {

constexpr unsigned kSearchingText = 104;
constexpr unsigned kParagraphText = 109;
constexpr unsigned kSelectionText = 117;

// The six rows: caption string and the row's distance below the first in row steps.
struct DetailRow {
  unsigned captionId;
  double steps;
};
constexpr std::array<DetailRow, SearchPage::kRows> kDetailRows{
    {{110, 0}, {111, 1.7}, {112, 2.7}, {113, 4.7}, {146, 5.7}, {147, 6.7}}};
constexpr double kFirstRowTop = 0.43;
constexpr double kRowStep = 0.052;
constexpr double kCaptionLeft = 0.41;
constexpr double kCaptionExtraChars = 3;
constexpr double kValueLeft = 0.64;
constexpr double kValueRightMargin = 0.06;

constexpr double kParagraphMargin = 0.05;
constexpr double kParagraphTop = 0.15;
constexpr double kParagraphHeight = 0.24;

constexpr double kSelectionMargin = 0.05;
constexpr double kSelectionTop = 0.385;
constexpr double kSelectionHeight = 0.46;
constexpr int kSelectionFontPixels = 20;

constexpr char kWebPagePort[] = ":8090/";

void SetEnabled(QWidget* control, bool enabled) {
  if (control) control->setEnabled(enabled);
}

}  // namespace

SearchPage::SearchPage(const Services& services, DeviceSelection& selection,
                       ProgressDialog& searchProgress, PasswordCheck& password,
                       DeviceFollow& follow, DevicePage& step2)
    : WizardPage(SearchTemplate(), SearchHeader()),
      m_services(services),
      m_selection(selection),
      m_progress(searchProgress),
      m_follow(follow),
      m_password(password),
      m_step2(step2),
      m_found(selection.Devices()) {}

SearchPage::~SearchPage() = default;

bool SearchPage::Searching() const {
  return m_search && (*m_search)->Running();
}

QListWidget* SearchPage::DeviceListBox() const {
  return m_list.data();
}

void SearchPage::OnCreate(QDialog& window) {
  if (!m_selectionFont) m_selectionFont = ArialCellFont(kSelectionFontPixels, QFont::Bold);
  const LabelLayout layout(window.size());
  const int margin = static_cast<int>(layout.X(kParagraphMargin));
  const int top = static_cast<int>(layout.Y(kParagraphTop));
  const int bottom = top + static_cast<int>(layout.Y(kParagraphHeight));
  const QRect paragraph = LabelLayout::Truncated(margin, top, layout.W() - margin, bottom);
  ColorLabel* text = MakePageLabel(window, Text(kParagraphText), paragraph, Fonts().Body());
  text->setWordWrap(true);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* selection = new ColorGroupBox(Text(kSelectionText), &window);
  selection->setGeometry(LabelLayout::Truncated(
      layout.X(kSelectionMargin), layout.Y(kSelectionTop), layout.W() - layout.X(kSelectionMargin),
      layout.Y(kSelectionTop) + layout.Y(kSelectionHeight)));
  selection->setFont(*m_selectionFont);
  selection->setAttribute(Qt::WA_TransparentForMouseEvents);
  selection->SetTextColor(QColor(0, 0, 0));
  selection->SetBackColor(QColor(0, 128, 128));
  selection->show();
  m_selectionBox = selection;
  MakeRows(window);
}

void SearchPage::MakeRows(QDialog& window) {
  const LabelLayout layout(window.size());
  const FontMeasure& measure = Fonts().CaptionMeasure();
  const double left = layout.X(kCaptionLeft);
  for (std::size_t k = 0; k < kRows; ++k) {
    const double y = layout.Y(kFirstRowTop) + kDetailRows[k].steps * layout.Y(kRowStep);
    const double bottom = y + measure.charHeight;
    const QString caption = Text(kDetailRows[k].captionId);
    const double right = left + LabelLayout::TextWidth(caption, kCaptionExtraChars, measure);
    m_captions[k] = MakePageLabel(window, caption, LabelLayout::Truncated(left, y, right, bottom),
                                  Fonts().Caption());
    const QRect value = LabelLayout::Truncated(layout.X(kValueLeft), y,
                                               layout.W() - layout.X(kValueRightMargin), bottom);
    m_values[k] = MakePageLabel(window, QString(), value, Fonts().Label());
  }
}

void SearchPage::OnInitDialog(QDialog& window) {
  (void)window;
  m_list = qobject_cast<QListWidget*>(Control(kIdDeviceList));
  m_note.emplace(*m_list);
  QObject::connect(m_list, &QListWidget::currentRowChanged, m_list, [this](int row) {
    if (row >= 0) ShowDeviceDetails();
  });
  QObject::connect(m_list, &QListWidget::itemDoubleClicked, m_list,
                   [this] { OpenDeviceWebPage(); });
  NameAfterCaption(*m_list, m_selectionBox->title());
  m_list->setFocus();
  StartSearch();
}

void SearchPage::OnCommand(int id) {
  if (id == kIdOk) OnOK();
  if (id == kIdSearchExit) OnExit();
  if (id == kIdSearchAgain) StartSearch();
}

void SearchPage::StartSearch() {
  SetEnabled(Control(kIdSearchAgain), false);
  SetEnabled(Control(kIdOk), false);
  m_progress.OpenProgress(Window());
  m_progress.SetMessageText(Text(kSearchingText));
  if (m_follow.Running()) {
    if (m_waitingForFollow) return;
    m_waitingForFollow = true;
    m_follow.AfterEnd([this] {
      m_waitingForFollow = false;
      if (HasWindow()) {
        StartSearch();
      } else {
        m_progress.DestroyWindow();
      }
    });
    return;
  }
  const ExchangeRequest request = m_found.Begin();
  if (!m_search) {
    m_search = std::make_unique<PageExchange>(DiscoveryExchange(), m_services,
                                              static_cast<ExchangeOwner&>(*this));
  }
  (*m_search)->Start(request.datagram, request.destination, request.sources);
}

void SearchPage::OnListening() {
  m_found.OnListening();
  if (!m_list) return;
  const QSignalBlocker quiet(m_list.data());
  m_list->clear();
}

void SearchPage::StepProgress() {
  m_progress.StepProgress();
}

void SearchPage::OnReply(const Reply& reply) {
  m_found.OnReply(reply);
}

void SearchPage::OnEndOfTime(bool socketWasOpen) {
  (void)socketWasOpen;  // the list shows what the device list holds either way
  m_progress.DestroyWindow();
  if (!HasWindow() || !m_list) return;  // the window went while the search ran
  SetEnabled(Control(kIdSearchAgain), true);
  {
    const QSignalBlocker quiet(m_list.data());
    m_list->clear();
    for (const DeviceRecord& record : m_selection.Devices().Records()) {
      m_list->addItem(DeviceText(record.hostName));
    }
    if (m_list->count() == 0) return ShowNoAnswer();
    m_list->setCurrentRow(0);
  }
  m_note->Hide();
  SetEnabled(Control(kIdOk), true);
  ShowDeviceDetails();
}

// In place of a message box: the page has never shown one for an empty search.
void SearchPage::ShowNoAnswer() {
  const NoAnswerFacts facts = GatherNoAnswerFacts(m_search->Search(), m_found.Listened());
  const bool held = facts.port == ClientPortState::kHeld;
  const bool korean = IsKoreanSystem();
  m_note->Show(
      [&](std::size_t shown) {
        return QString::fromStdString(NoAnswerText(facts.searched, shown, held, korean));
      },
      facts.searched.size());
}

void SearchPage::ShowDeviceDetails() {
  const int row = m_list ? m_list->currentRow() : -1;
  if (row < 0 || static_cast<std::size_t>(row) >= m_selection.Devices().Size()) return;
  m_selection.Select(row);
  const std::array<std::string, kRows> rows =
      DeviceDetailRows(m_selection.Buffers().currentSettings);
  for (std::size_t k = 0; k < kRows; ++k) {
    if (m_values[k]) m_values[k]->setText(DeviceText(rows[k]));
  }
  // The labels draw no background of their own: the old text would stay beneath the new.
  if (QDialog* window = Window()) window->update();
}

void SearchPage::OpenDeviceWebPage() {
  const std::string address = "http://" + m_selection.Buffers().selectedDeviceIp + kWebPagePort;
  m_services.OpenUrl(QUrl(QString::fromStdString(address)));
}

void SearchPage::ShowMessage(const Message& message) {
  m_services.ShowMessage(Window(), message);
}

void SearchPage::OnOK() {
  if (!VerifyAdminPassword()) return;
  m_step2.DropOutdatedWindow();
  // Showing a Step 2 page that still has a window keeps this page and its list.
  if (SwitchToPage(this, m_step2, m_step2.TemplateId())) {
    m_selection.Devices().FreeDeviceList();
  }
}

void SearchPage::OnExit() {
  m_selection.Devices().FreeDeviceList();
  EndDialogCancel();
  DestroyWindow();
}

bool SearchPage::VerifyAdminPassword() {
  return m_password.Ask(Window());
}

}  // namespace tamberlyx
