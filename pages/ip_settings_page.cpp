#include "pages/ip_settings_page.h"

#include <QDialog>
#include <QSignalBlocker>

#include "pages/logic/device_selection.h"
#include "pages/logic/ip_settings.h"
#include "pages/page_ids.h"
#include "pages/page_messages.h"
#include "pages/page_templates.h"
#include "pages/services.h"
#include "ui/ip_address_edit.h"
#include "ui/keyboard_access.h"
#include "ui/label_layout.h"
#include "ui/lower_case_edit.h"
#include "ui/page_label.h"
#include "ui/page_radio_button.h"
#include "ui/plain_text.h"
#include "ui/qt_text.h"

namespace tamberlyx {
namespace {

constexpr int kNameTypingLimit = 15;
constexpr unsigned kServerNameText = 145;
constexpr std::array<int, kAddressFieldCount> kAddressIds = {kIdIpAddress, kIdNetmask, kIdGateway,
                                                             kIdDns};

// The captions down the left of the address controls: text, extra average widths of the
// 10 point measure, extra pixels of height.
struct AddressCaption {
  unsigned textId;
  double extraChars;
  double extraHeight;
};
constexpr std::array<AddressCaption, 4> kAddressCaptions{
    {{124, 3, 0}, {125, 4, 0}, {122, 4, 2}, {143, 5, 0}}};
constexpr double kCaptionLeft = 0.06;
constexpr double kFirstCaptionTop = 0.45;
constexpr double kCaptionSpacing = 0.096;

// The caption of the field whose entry did not fit: an address, or the server name, which
// also stands for the addressing mode beside it.
unsigned FieldToShorten(std::string_view key) {
  for (std::size_t i = 0; i < kAddressFieldCount; ++i) {
    if (key == kAddressKeys[i]) return kAddressCaptions[i].textId;
  }
  return kServerNameText;
}

}  // namespace

IpSettingsPage::IpSettingsPage(const Services& services, DeviceSelection& selection,
                               const PageLinks& links)
    : DevicePage(services, selection, links, IpSettingsTemplate(), IpSettingsHeader()) {}

void IpSettingsPage::OnCreate(QDialog& window) {
  const LabelLayout layout(window.size());
  const FontMeasure& body = Fonts().BodyMeasure();
  const FontMeasure& caption = Fonts().CaptionMeasure();
  const QFont& font = Fonts().Label();
  std::size_t made = 0;
  const QString name = Text(145);
  m_labels[made++] =
      MakePageLabel(window, name, layout.TextLabel(0.1, 0.2, name, 5, body, body.charHeight), font);

  const QString manual = Text(120);
  m_manual =
      MakePageRadioButton(window, kIdManualAddress, manual,
                          layout.TextLabel(0.05, 0.34, manual, 5, body, caption.charHeight), font);
  const double dhcpLeft = layout.X(0.55);
  const double dhcpTop = layout.Y(0.32);
  const QRect dhcpRect = LabelLayout::Truncated(
      dhcpLeft, dhcpTop, dhcpLeft + static_cast<int>(0.05 * layout.W() * body.averageCharWidth),
      dhcpTop + 2.5 * caption.charHeight);
  m_dhcp = MakePageRadioButton(window, kIdDhcpAddress, Text(121), dhcpRect, font);
  // The page follows the buttons, whatever checked them; a click on the checked one switches
  // again (so DHCP restores the fields).
  OnCheckedOrClickedAgain(*m_manual, window, [this] { OnManualAddress(); });
  OnCheckedOrClickedAgain(*m_dhcp, window, [this] { OnDhcpAddress(); });

  double top = layout.Y(kFirstCaptionTop);
  for (const AddressCaption& c : kAddressCaptions) {
    const QString text = Text(c.textId);
    const double left = layout.X(kCaptionLeft);
    const double right = left + LabelLayout::TextWidth(text, c.extraChars, caption);
    const double bottom = top + caption.charHeight + c.extraHeight;
    m_labels[made++] =
        MakePageLabel(window, text, LabelLayout::Truncated(left, top, right, bottom), font);
    top += layout.Y(kCaptionSpacing);
  }

  const double noteLeft = layout.X(0.58);
  const double noteTop = layout.Y(0.47);
  ColorLabel* note = MakePageLabel(
      window, Text(123),
      LabelLayout::Truncated(noteLeft, noteTop, noteLeft + layout.X(0.36), noteTop + layout.Y(0.3)),
      font);
  note->setWordWrap(true);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_labels[made] = note;
}

void IpSettingsPage::OnInitDialog(QDialog& window) {
  (void)window;
  m_name = qobject_cast<LowerCaseEdit*>(Control(kIdServerName));
  for (std::size_t i = 0; i < kAddressFieldCount; ++i) {
    m_addresses[i] = qobject_cast<IpAddressEdit*>(Control(kAddressIds[i]));
  }
  if (ReadIpSettingsView(Selection().Buffers().newSettings).dhcp) {
    OnDhcpAddress();
  } else {
    OnManualAddress();
  }
  FillFromSettings();
  OpenToKeyboard();
}

// Tab in reading order; each field named after its caption.
void IpSettingsPage::OpenToKeyboard() {
  NameAfterCaption(*m_name, m_labels[0]->text());
  for (std::size_t i = 0; i < kAddressFieldCount; ++i) {
    NameAfterCaption(*m_addresses[i], m_labels[i + 1]->text());
  }
  SetTabChain({m_name, m_manual, m_dhcp, m_addresses[0], m_addresses[1], m_addresses[2],
               m_addresses[3], Control(kIdIpBack), Control(kIdIpNext)});
}

void IpSettingsPage::OnCommand(int id) {
  if (id == kIdIpNext) OnNext();
  if (id == kIdIpBack) OnBack();
}

// An empty or missing address blanks its control, so that going back to DHCP discards every
// edit, not only those over reported values.
void IpSettingsPage::FillFromSettings() {
  const IpSettingsView view = ReadIpSettingsView(Selection().Buffers().newSettings);
  m_name->SetTypingLimit(kNameTypingLimit);
  m_name->SetValue(DeviceText(view.name));
  m_reportedName = view.name;
  m_shownName = m_name->text();
  for (std::size_t i = 0; i < kAddressFieldCount; ++i) {
    IpAddressEdit& control = *m_addresses[i];
    control.ClearAddress();
    if (!view.addresses[i]) continue;
    for (std::size_t octet = 0; octet < view.addresses[i]->count; ++octet) {
      control.SetField(octet, view.addresses[i]->octets[octet]);
    }
  }
}

void IpSettingsPage::OnManualAddress() {
  SetMode(true);
}

void IpSettingsPage::OnDhcpAddress() {
  FillFromSettings();
  SetMode(false);
}

void IpSettingsPage::SetMode(bool manual) {
  const QSignalBlocker quietManual(m_manual.data());
  const QSignalBlocker quietDhcp(m_dhcp.data());
  m_manual->setChecked(manual);
  m_dhcp->setChecked(!manual);
  for (const QPointer<IpAddressEdit>& control : m_addresses) control->setEnabled(manual);
}

void IpSettingsPage::OnNext() {
  MoveNext([this] { return WriteSettings(); });
}

void IpSettingsPage::OnBack() {
  MoveBack();
}

bool IpSettingsPage::WriteSettings() {
  IpSettingsChoice choice;
  choice.name = NameToWrite();
  choice.manual = m_manual->isChecked();
  for (std::size_t i = 0; i < kAddressFieldCount; ++i) {
    choice.addresses[i] = m_addresses[i]->GetAddress();
  }
  const std::optional<std::string_view> overflow =
      WriteIpSettingsChoice(Selection().Buffers().newSettings, choice);
  if (!overflow) return true;
  GetServices().ShowMessage(Window(), page_messages::SettingsDoNotFit(FieldToShorten(*overflow)));
  return false;
}

// A reported name that is not UTF-8, or holds characters that are not text, shows with
// replacement characters; left alone, it goes back in its own bytes, lower-cased as the field
// would have it.
std::string IpSettingsPage::NameToWrite() const {
  const std::string typed = m_name->text().toStdString();
  const bool showable = DeviceText(m_reportedName).toStdString() == m_reportedName;
  if (showable || m_name->text() != m_shownName) return typed;
  return QByteArray::fromStdString(m_reportedName).toLower().toStdString();
}

}  // namespace tamberlyx
