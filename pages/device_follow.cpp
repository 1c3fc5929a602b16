#include "pages/device_follow.h"

#include <QDateTime>
#include <utility>

#include "pages/page_exchange.h"
#include "pages/progress_dialog.h"
#include "pages/services.h"

namespace tamberlyx {
namespace {

qint64 Now() {
  return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace

DeviceFollow::DeviceFollow(const Services& services, ProgressDialog& progress)
    : m_services(services), m_progress(progress) {
  m_next.setSingleShot(true);
  QObject::connect(&m_next, &QTimer::timeout, [this] { Search(); });
}

DeviceFollow::~DeviceFollow() = default;

void DeviceFollow::Start(FollowTarget target, Done done) {
  Stop();
  m_target = std::move(target);
  m_search.Await({m_target});
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
  m_search.OnReply(reply);
}

bool DeviceFollow::HeardEnough() const {
  return m_search.HeardAll();
}

void DeviceFollow::OnEndOfTime(bool socketWasOpen) {
  (void)socketWasOpen;
  if (!m_running) return;
  m_index.Rebuild(m_devices.Records());
  const DeviceRecord* record = m_index.Find(m_target);
  // Heard at its old address, it has not restarted its network yet: the next turn may find it.
  if (record != nullptr && AnswersWhereExpected(m_target, *record)) {
    Finish(record->address);
  } else if (Now() + m_services.followEveryMs > m_deadline) {
    Finish({});  // no later search would end before the time is up
  }
}

// A search that could not listen is tried again at the next turn; no box interrupts the wait.
void DeviceFollow::ShowMessage(const Message& message) {
  (void)message;
}

void DeviceFollow::Stop() {
  m_next.stop();
  if (m_exchange) (*m_exchange)->End();
  m_index.Clear();
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
