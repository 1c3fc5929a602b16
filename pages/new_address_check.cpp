#include "pages/new_address_check.h"

#include <QPointer>
#include <QWidget>
#include <optional>

#include "operations/address_finding_text.h"
#include "operations/address_probe.h"
#include "operations/address_surroundings.h"
#include "pages/progress_dialog.h"
#include "pages/services.h"
#include "platform/language/system_language.h"
#include "protocol/interface_network.h"
#include "protocol/ipv4_text.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"
#include "protocol/shared_buffers.h"
#include "ui/qt_text.h"

namespace tamberlyx {
namespace {

constexpr unsigned kSaveAnywayText = 165;
constexpr unsigned kGoBackText = 166;
constexpr unsigned kCheckingText = 180;

}  // namespace

NewAddressCheck::NewAddressCheck(const Services& services, ProgressDialog& progress)
    : m_services(services), m_progress(progress) {}

void NewAddressCheck::Run(QWidget* owner, const SharedBuffers& buffers, const std::string& settings,
                          Done done) {
  const std::optional<FixedAddressPlan> plan = FixedAddressIn(settings);
  // A device kept on the addressing it has is not judged on how that was set up.
  if (!plan || plan == FixedAddressIn(buffers.currentSettings)) {
    done(Verdict::kSave);
    return;
  }
  AddressProbe* probe = m_services.addressProbe;
  InterfaceNetwork* interfaces = m_services.interfaces;
  const std::string towards =
      interfaces ? interfaces->InterfaceTowards(buffers.selectedDeviceIp) : std::string();
  if (!probe || towards.empty() || ParseIpv4(buffers.selectedDeviceIp) == plan->address) {
    Decide(owner, buffers, settings, {}, done);
    return;
  }
  m_progress.OpenProgress(owner);
  m_progress.SetMessageText(
      Text(kCheckingText).arg(QString::fromStdString(FormatIpv4(plan->address))));
  m_progress.ShowBusy();
  m_probeRun = std::make_shared<int>();
  m_progress.OfferCancel([this, done] {
    m_probeRun.reset();
    m_progress.DestroyWindow();
    done(Verdict::kLeft);
  });
  probe->Probe(towards, plan->address, GetSettingValue(buffers.currentSettings, kKeyMac),
               [this, run = std::weak_ptr<int>(m_probeRun), window = QPointer<QWidget>(owner),
                &buffers, settings, done](const std::string& holderMac) {
                 if (run.expired()) return;
                 m_probeRun.reset();
                 m_progress.DestroyWindow();
                 if (!window) {
                   done(Verdict::kLeft);
                   return;
                 }
                 Decide(window, buffers, settings, holderMac, done);
               });
}

void NewAddressCheck::Decide(QWidget* owner, const SharedBuffers& buffers,
                             const std::string& settings, const std::string& holderMac,
                             const Done& done) {
  const std::optional<FixedAddressPlan> plan = FixedAddressIn(settings);
  if (!plan || !m_services.interfaces) {
    done(Verdict::kSave);
    return;
  }
  AddressSurroundings around = SurroundingsOf(*m_services.interfaces, buffers.selectedDeviceIp);
  around.holderMac = holderMac;
  const std::vector<AddressFinding> findings = CheckFixedAddress(*plan, around);
  if (findings.empty()) {
    done(Verdict::kSave);
    return;
  }
  const Question question{
      {MessageId::kAddressFindings, AddressFindingsText(findings, *plan, IsKoreanSystem())},
      Text(kSaveAnywayText).toStdString(),
      Text(kGoBackText).toStdString()};
  const QPointer<QWidget> window(owner);
  const bool saveAnyway = m_services.Ask(owner, question);
  if (!window) {
    done(Verdict::kLeft);
    return;
  }
  done(saveAnyway ? Verdict::kSave : Verdict::kGoBack);
}

}  // namespace tamberlyx
