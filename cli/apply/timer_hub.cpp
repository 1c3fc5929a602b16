#include "cli/apply/timer_hub.h"

#include <vector>

namespace tamberlyx::cli {

class TimerHub::HubTimer : public ExchangeTimer {
 public:
  HubTimer(TimerHub& hub, std::uint64_t id) : m_hub(hub), m_id(id) {}
  ~HubTimer() override { m_hub.Stop(m_id); }
  void Start(int periodMs, std::function<void()> onTick) override {
    m_hub.Start(m_id, periodMs, std::move(onTick));
  }
  void Stop() override { m_hub.Stop(m_id); }
  Clock::time_point Now() const override { return m_hub.m_base.Now(); }

 private:
  TimerHub& m_hub;
  std::uint64_t m_id;
};

TimerHub::TimerHub(ExchangeTimer& base) : m_base(base) {}

TimerHub::~TimerHub() {
  if (m_baseRunning) m_base.Stop();
}

std::unique_ptr<ExchangeTimer> TimerHub::MakeTimer() {
  return std::make_unique<HubTimer>(*this, m_nextId++);
}

void TimerHub::Start(std::uint64_t id, int periodMs, std::function<void()> onTick) {
  m_running[id] = std::move(onTick);
  if (m_baseRunning) return;
  m_baseRunning = true;
  m_base.Start(periodMs, [this] { OnTick(); });
}

void TimerHub::Stop(std::uint64_t id) {
  m_running.erase(id);
  if (!m_running.empty() || !m_baseRunning) return;
  m_baseRunning = false;
  m_base.Stop();
}

void TimerHub::OnTick() {
  // A tick may stop or start timers, its own included: each runs if it still runs.
  std::vector<std::uint64_t> ids;
  for (const auto& entry : m_running) ids.push_back(entry.first);
  for (const std::uint64_t id : ids) {
    const auto found = m_running.find(id);
    if (found == m_running.end()) continue;
    const std::function<void()> onTick = found->second;
    onTick();
  }
}

}  // namespace tamberlyx::cli
