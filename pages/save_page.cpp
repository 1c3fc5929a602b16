#include "pages/save_page.h"

#include <QDialog>

#include "operations/exchange_request.h"
#include "operations/set_outcome.h"
#include "pages/confirm_dialog.h"
#include "pages/device_follow.h"
#include "pages/drive_mapper.h"
#include "pages/logic/device_selection.h"
#include "pages/logic/share_mapping.h"
#include "pages/new_address_check.h"
#include "pages/page_exchange.h"
#include "pages/page_ids.h"
#include "pages/page_messages.h"
#include "pages/page_templates.h"
#include "pages/progress_dialog.h"
#include "pages/services.h"
#include "pages/switch_to_page.h"
#include "platform/language/system_language.h"
#include "protocol/requests.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"
#include "ui/color_label.h"
#include "ui/control_colors.h"
#include "ui/keyboard_access.h"
#include "ui/label_layout.h"
#include "ui/page_label.h"
#include "ui/plain_text.h"
#include "ui/qt_text.h"

namespace tamberlyx {
namespace {

constexpr std::array<unsigned, kSettingsRows> kRowCaptionTexts{134, 135, 136, 137, 138, 139, 140};
constexpr unsigned kOldHeadingText = 141;
constexpr unsigned kNewHeadingText = 142;
constexpr unsigned kDriveBoxText = 148;
constexpr unsigned kFollowNoteText = 185;
constexpr unsigned kSavingText = 105;
constexpr unsigned kWaitAddressText = 181;
constexpr unsigned kWaitDhcpText = 182;
constexpr unsigned kAnswersAtText = 183;
constexpr unsigned kNotAnsweredText = 184;
constexpr unsigned kWaitStoppedText = 186;
constexpr unsigned kServerNameText = 134;  // the one field the user can shorten (on Step 2)
constexpr int kNewHeadingCellPixels = 19;

// Columns and rows as fractions of the client area.
constexpr double kCaptionLeft = 0.1;
constexpr double kOldLeft = 0.43;
constexpr double kOldRight = 0.63;
constexpr double kNewLeft = 0.73;
constexpr double kNewRight = 0.93;
constexpr double kHeadingTop = 0.22;
constexpr double kFirstRowTop = 0.295;
constexpr double kRowStep = 0.065;
constexpr double kDateRowStep = 0.097;  // a little air between the address rows and the clock
constexpr double kDriveBoxDrop = 0.13;
constexpr double kDriveBoxOffsetPixels = 10;
constexpr double kDriveBoxDropPixels = 20;
constexpr int kNewHeadingExtraPixels = 5;

// Each row's top edge, unrounded: every row one step below the last.
std::array<double, kSettingsRows> RowTops(const LabelLayout& layout) {
  std::array<double, kSettingsRows> tops{};
  tops[0] = layout.Y(kFirstRowTop);
  for (std::size_t row = 1; row < kSettingsRows; ++row) {
    const bool date = row == static_cast<std::size_t>(SettingsRow::kDate);
    tops[row] = tops[row - 1] + layout.Y(date ? kDateRowStep : kRowStep);
  }
  return tops;
}

// The page's labels are one character height of font D tall, whatever font they are drawn in.
class LabelMaker {
 public:
  LabelMaker(QDialog& window, double height) : m_window(window), m_height(height) {}
  ColorLabel* operator()(const QString& text, double left, double top, double right,
                         const QFont& font, double extraHeight = 0) const {
    const QRect rect = LabelLayout::Truncated(left, top, right, top + m_height + extraHeight);
    return MakePageLabel(m_window, text, rect, font);
  }

 private:
  QDialog& m_window;
  double m_height;
};

double TextRight(double left, const QString& text, double extraChars, const FontMeasure& measure) {
  return left + LabelLayout::TextWidth(text, extraChars, measure);
}

// A column of values, empty until the page fills them in.
SavePage::Column MakeColumn(const LabelMaker& label, double left, double right,
                            const std::array<double, kSettingsRows>& tops, const QFont& font) {
  SavePage::Column column;
  for (std::size_t row = 0; row < kSettingsRows; ++row) {
    column[row] = label(QString(), left, tops[row], right, font);
  }
  return column;
}

}  // namespace

SavePage::SavePage(const Services& services, DeviceSelection& selection, const PageLinks& links,
                   ProgressDialog& saveProgress, DeviceFollow& follow)
    : DevicePage(services, selection, links, SaveTemplate(), SaveHeader()),
      m_progress(saveProgress),
      m_follow(follow),
      m_addressCheck(services, saveProgress) {}

SavePage::~SavePage() = default;

void SavePage::OnCreate(QDialog& window) {
  if (!m_newHeadingFont) m_newHeadingFont = ArialCellFont(kNewHeadingCellPixels, QFont::Bold);
  const LabelLayout layout(window.size());
  const std::array<double, kSettingsRows> tops = RowTops(layout);
  const FontMeasure& captionMeasure = Fonts().CaptionMeasure();
  const LabelMaker label(window, captionMeasure.charHeight);

  const double captionLeft = layout.X(kCaptionLeft);
  for (std::size_t row = 0; row < kSettingsRows; ++row) {
    const QString text = Text(kRowCaptionTexts[row]);
    label(text, captionLeft, tops[row], TextRight(captionLeft, text, 3, captionMeasure),
          Fonts().Caption());
  }
  const QString warning = Text(kFollowNoteText);
  m_warning = label(warning, captionLeft, tops.back() + layout.Y(kRowStep),
                    TextRight(captionLeft, warning, 10, captionMeasure), Fonts().Caption());

  const double oldLeft = layout.X(kOldLeft);
  const double headingTop = layout.Y(kHeadingTop);
  const QString oldHeading = Text(kOldHeadingText);
  label(oldHeading, oldLeft, headingTop, TextRight(oldLeft, oldHeading, 3, Fonts().BodyMeasure()),
        Fonts().Body());
  m_oldValues = MakeColumn(label, oldLeft, layout.X(kOldRight), tops, Fonts().Caption());
  label(Text(kNewHeadingText), layout.X(kNewLeft), headingTop, layout.X(kNewRight),
        *m_newHeadingFont, kNewHeadingExtraPixels);
  m_newValues = MakeColumn(label, layout.X(kNewLeft), layout.X(kNewRight), tops, Fonts().Label());

  const QString boxText = Text(kDriveBoxText);
  const double boxLeft = oldLeft - kDriveBoxOffsetPixels;
  const double boxTop = tops.back() + layout.Y(kDriveBoxDrop) + kDriveBoxDropPixels;
  const QRect boxRect = LabelLayout::Truncated(
      boxLeft, boxTop, TextRight(boxLeft, boxText, 10, Fonts().BodyMeasure()),
      boxTop + captionMeasure.charHeight);
  m_driveBox = MakePageCheckBox(window, boxText, boxRect, Fonts().Label(), kIdDriveMap);
}

void SavePage::OnInitDialog(QDialog& window) {
  (void)window;
  m_saved = false;
  const SharedBuffers& buffers = Selection().Buffers();
  const SettingsColumn newColumn(buffers.newSettings);
  const SettingsColumn oldColumn(buffers.currentSettings);
  for (std::size_t row = 0; row < kSettingsRows; ++row) {
    m_newValues[row]->setText(DeviceText(newColumn.Values()[row]));
    m_oldValues[row]->setText(DeviceText(oldColumn.Values()[row]));
  }
  m_newServerName = newColumn.Value(SettingsRow::kServerName);
  m_shownSettings = buffers.newSettings;
  // The drives are connected where the device answers after the save, once it does.
  m_warning->setVisible(AddressChanges(oldColumn, newColumn));
  SetTabChain({m_driveBox, Control(kIdSaveBack), Control(kIdSave)});
}

void SavePage::OnCommand(int id) {
  if (id == kIdSave) OnSave();
  if (id == kIdSaveBack) OnBack();
}

void SavePage::OnSave() {
  if (!StayWithVerifiedDevice() || !StayWithShownSettings()) return;
  std::optional<std::string> settings = SettingsToSave();
  if (!settings) return;
  // The check reads the settings; the answer keeps its own copy for the save.
  auto onVerdict = [this, toSave = *settings](NewAddressCheck::Verdict verdict) {
    if (verdict == NewAddressCheck::Verdict::kSave) ConfirmAndSend(toSave);
    if (verdict == NewAddressCheck::Verdict::kGoBack) MoveBackToStep2();
  };
  m_addressCheck.Run(Window(), Selection().Buffers(), *settings, std::move(onVerdict));
}

void SavePage::ConfirmAndSend(std::string settings) {
  ConfirmDialog confirm;
  if (confirm.exec() != QDialog::Accepted || !HasWindow()) return;
  // A search on Step 1 may have ended while the question was open.
  if (!StayWithVerifiedDevice() || !StayWithShownSettings()) return;
  m_progress.OpenProgress(Window());
  m_progress.SetMessageText(Text(kSavingText));
  // Unchanged since it was checked, or the page would have stopped above; stays rewritten.
  Selection().Buffers().newSettings = std::move(settings);
  // The drives at the address the device is about to leave go while it still serves them: once
  // it has moved, unmounting them waits on a server that is gone.
  DriveMapper* mapper = GetServices().driveMapper;
  if (mapper && m_driveBox && m_driveBox->isChecked() && SaveMovesDevice()) {
    mapper->ForgetShares(Selection().Buffers().selectedDeviceIp);
  }
  SendSettings();
}

bool SavePage::SaveMovesDevice() const {
  const SharedBuffers& buffers = Selection().Buffers();
  return MovesToDhcp(buffers) || AddressChanges(SettingsColumn(buffers.currentSettings),
                                                SettingsColumn(buffers.newSettings));
}

bool SavePage::MovesToDhcp(const SharedBuffers& buffers) {
  return GetSettingValue(buffers.newSettings, kKeyBootProto) == kBootProtoDhcp &&
         GetSettingValue(buffers.currentSettings, kKeyBootProto) != kBootProtoDhcp;
}

bool SavePage::ShowsWorkingCopy() const {
  return m_shownSettings == Selection().Buffers().newSettings;
}

// Step 2 or 3 may have written the working copy again while this window stayed open.
bool SavePage::StayWithShownSettings() {
  if (ShowsWorkingCopy()) return true;
  DestroyWindow();
  SwitchToPage(nullptr, *this, TemplateId());
  return false;
}

std::optional<std::string> SavePage::SettingsToSave() {
  std::string settings = Selection().Buffers().newSettings;
  if (RewriteLocale(settings, IsKoreanSystem())) return settings;
  ShowMessage(page_messages::SettingsDoNotFit(kServerNameText));
  return std::nullopt;
}

void SavePage::OnBack() {
  MoveBack();
}

void SavePage::SendSettings() {
  if (!m_exchange) {
    ExchangeOwner& owner = *this;
    m_exchange = std::make_unique<PageExchange>(SetExchange(), GetServices(), owner);
  }
  const ExchangeRequest request = SetRequest(Selection().Buffers());
  (*m_exchange)->Start(request.datagram, request.destination, request.sources);
}

void SavePage::StepProgress() {
  m_progress.StepProgress();
}

void SavePage::OnReply(const Reply& reply) {
  const SetOutcome outcome = SetReplyOutcome(reply.word);
  if (outcome != SetOutcome::kSaved) return;  // the exchange goes on
  m_saved = true;
  if (!FollowDevice()) EndSave({}, Selection().Buffers().selectedDeviceIp);
}

bool SavePage::FollowDevice() {
  if (!SaveMovesDevice()) return false;
  const SharedBuffers& buffers = Selection().Buffers();
  const bool toDhcp = MovesToDhcp(buffers);
  FollowTarget target = TargetAfterSave(buffers);
  if (target.mac.empty() && toDhcp) {
    EndSave(Text(kNotAnsweredText).toStdString(), {});  // nothing to know it by
    return true;
  }
  const QString newAddress =
      QString::fromStdString(GetSettingValue(buffers.newSettings, kKeyIpAddress));
  m_progress.SetMessageText(toDhcp ? Text(kWaitDhcpText) : Text(kWaitAddressText).arg(newAddress));
  m_progress.ShowBusy();
  m_progress.OfferCancel([this] {
    m_follow.Cancel();
    EndSave(Text(kWaitStoppedText).toStdString(), {});
  });
  m_follow.Start(std::move(target), [this](const std::string& nowAt) {
    EndSave(nowAt.empty() ? Text(kNotAnsweredText).toStdString()
                          : Text(kAnswersAtText).arg(QString::fromStdString(nowAt)).toStdString(),
            nowAt);
  });
  return true;
}

void SavePage::EndSave(const std::string& line, const std::string& deviceAddress) {
  m_progress.DestroyWindow();
  Message message = SetOutcomeMessage(SetOutcome::kSaved);
  if (!line.empty()) message.text += "\n" + line;
  ShowMessage(message);
  const bool mapDrive = m_driveBox && m_driveBox->isChecked() && !deviceAddress.empty();
  if (mapDrive) MapNetworkDrive(deviceAddress);
  DestroyWindow();
}

void SavePage::OnEndOfTime(bool socketWasOpen) {
  m_progress.DestroyWindow();
  ShowMessage(SetOutcomeMessage(SetEndOutcome(socketWasOpen, m_saved)));
  DestroyWindow();
}

void SavePage::ShowMessage(const Message& message) {
  GetServices().ShowMessage(Window(), message);
}

void SavePage::MapNetworkDrive(const std::string& deviceAddress) {
  DriveMapper* mapper = GetServices().driveMapper;
  if (mapper == nullptr) return;
  const SharedBuffers& buffers = Selection().Buffers();
  // A name may still resolve to the address the device left.
  if (deviceAddress != buffers.selectedDeviceIp) {
    mapper->MapDeviceShares(deviceAddress, buffers.adminPassword, kShareUser);
    return;
  }
  MapSharesByNameOrAddress(*mapper, m_newServerName, deviceAddress, buffers.adminPassword);
}

}  // namespace tamberlyx
