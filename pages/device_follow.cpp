#include "pages/device_follow.h"

#include <QDateTime>
#include <cctype>
#include <utility>

#include "pages/page_exchange.h"
#include "pages/progress_dialog.h"
#include "pages/services.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx {
namespace {

bool SameMac(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

bool IsTarget(const DeviceRecord& record, const FollowTarget& target) {
  if (!target.mac.empty())
    return SameMac(GetSettingValue(record.settingsText, kKeyMac), target.mac);
  return record.address == target.fixedAddress;
}

qint64 Now() {
  return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace

DeviceFollow::DeviceFollow(const Services& services, ProgressDialog& progress)
    : m_services(services), m_progress(progress) {
  m_next.setSingleShot(true);
  QObject::connect(&m_next, &QTimer::timeout, [this] { Search(); });
  m_foundNow.setSingleShot(true);
  QObject::connect(&m_foundNow, &QTimer::timeout, [this] {
    if (m_exchange) (*m_exchange)->End();
    Finish(m_foundAt);
  });
}

DeviceFollow::~DeviceFollow() = default;

void DeviceFollow::Start(FollowTarget target, Done done) {
  Stop();
  m_target = std::move(target);
  m_done = std::move(done);
  m_running = true;
  m_deadline = Now() + m_services.followForMs;
  // The device answers only once it has restarted its network.
  m_next.start(m_services.followEveryMs);
}

void DeviceFollow::Cancel() {
  if (!m_running) return;
  m_done = nullptr;
  Finish({});
}

void DeviceFollow::AfterEnd(std::function<void()> then) {
  if (!m_running) {
    then();
    return;
  }
  m_afterEnd.push_back(std::move(then));
}

void DeviceFollow::Search() {
  if (!m_exchange) {
    m_exchange = std::make_unique<PageExchange>(DiscoveryExchange(), m_services,
                                                static_cast<ExchangeOwner&>(*this));
  }
  if (Now() >= m_deadline) {
    Finish({});
    return;
  }
  m_next.start(m_services.followEveryMs);  // counted from this search's start
  if ((*m_exchange)->Running()) return;    // a window longer than the turn goes on
  const ExchangeRequest request = m_search.Begin();
  (*m_exchange)->Start(request.datagram, request.destination, request.sources);
}

void DeviceFollow::OnListening() {
  m_search.OnListening();
}

void DeviceFollow::StepProgress() {
  m_progress.StepProgress();
}

void DeviceFollow::OnReply(const Reply& reply) {
  const std::size_t before = m_devices.Size();
  m_search.OnReply(reply);
  if (m_devices.Size() == before || m_foundNow.isActive()) return;
  const DeviceRecord& record = m_devices.Records().back();
  if (!IsTarget(record, m_target)) return;
  m_foundAt = record.address;
  m_foundNow.start(0);
}

void DeviceFollow::OnEndOfTime(bool socketWasOpen) {
  (void)socketWasOpen;
  if (!m_running || m_foundNow.isActive()) return;
  // No search would end before the time is up: say so now rather than at the next one.
  if (Now() + m_services.followEveryMs > m_deadline) Finish({});
}

// A search that could not listen is tried again at the next turn; no box interrupts the wait.
void DeviceFollow::ShowMessage(const Message& message) {
  (void)message;
}

void DeviceFollow::Stop() {
  m_next.stop();
  m_foundNow.stop();
  if (m_exchange) (*m_exchange)->End();
  m_foundAt.clear();
}

void DeviceFollow::Finish(std::string nowAt) {
  Stop();
  m_running = false;
  const Done done = std::exchange(m_done, nullptr);
  const std::vector<std::function<void()>> afterEnd = std::exchange(m_afterEnd, {});
  if (done) done(nowAt);
  for (const std::function<void()>& then : afterEnd) then();
}

}  // namespace tamberlyx
