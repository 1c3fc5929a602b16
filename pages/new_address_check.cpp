#include "pages/new_address_check.h"

#include <QPointer>
#include <QWidget>
#include <optional>

#include "operations/address_finding_text.h"
#include "operations/address_review.h"
#include "operations/address_surroundings.h"
#include "pages/progress_dialog.h"
#include "pages/services.h"
#include "platform/language/system_language.h"
#include "protocol/ipv4_text.h"
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
  SharedBuffers saved = buffers;
  saved.newSettings = settings;
  const std::optional<FixedAddressPlan> plan = FixedAddressIn(settings);
  if (!plan) {
    done(Verdict::kSave);
    return;
  }
  // The box shows only while the network is asked; a review decided at once closes it unseen.
  m_progress.OpenProgress(owner);
  m_progress.SetMessageText(
      Text(kCheckingText).arg(QString::fromStdString(FormatIpv4(plan->address))));
  m_progress.ShowBusy();
  const auto run = std::make_shared<int>();
  m_run = run;
  m_progress.OfferCancel([this, done] {
    m_run.reset();
    m_progress.DestroyWindow();
    done(Verdict::kLeft);
  });
  ReviewAddress(m_services.interfaces, m_services.addressProbe, saved, false,
                [this, weak = std::weak_ptr<int>(run), window = QPointer<QWidget>(owner),
                 done](const AddressReview& review) {
                  if (weak.expired()) return;  // cancelled, or this check went
                  m_run.reset();
                  m_progress.DestroyWindow();
                  if (!window) {
                    done(Verdict::kLeft);
                    return;
                  }
                  Decide(window, review, done);
                });
}

void NewAddressCheck::Decide(QWidget* owner, const AddressReview& review, const Done& done) {
  if (!review.plan || review.findings.empty()) {
    done(Verdict::kSave);
    return;
  }
  const Question question{{MessageId::kAddressFindings,
                           AddressFindingsText(review.findings, *review.plan, IsKoreanSystem())},
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
