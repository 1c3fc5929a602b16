#pragma once

#include <chrono>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <vector>

#include "cli/exchange/discovery.h"
#include "cli/exchange/setting_assignment.h"
#include "operations/follow_target.h"
#include "operations/record_index.h"

namespace tamberlyx::cli {

// A device just saved, to be found again with what was written.
struct ReadBackTarget {
  FollowTarget device;
  std::vector<SettingAssignment> entries;
};

struct ReadBackOutcome {
  bool confirmed = false;
  std::string nowAt;  // where it answered with every entry
  std::string error;
};

// Searches again and again, shared by every device awaited, until each answers with every entry
// as written or its time is up. A search ends as soon as every device awaited has answered; the
// next starts no sooner than a whole window after it, so a device that answers at once but not
// yet as written is not asked faster than a full window would.
class ReadBack {
 public:
  using Done = std::function<void(const ReadBackOutcome&)>;
  // `context` searches as the first search did.
  ReadBack(CliContext& context, std::chrono::seconds wait);
  ~ReadBack();
  ReadBack(const ReadBack&) = delete;
  ReadBack& operator=(const ReadBack&) = delete;

  void Await(ReadBackTarget target, Done done);

 private:
  struct Pending {
    ReadBackTarget target;
    ExchangeTimer::Clock::time_point deadline;
    Done done;
  };
  void SearchWhenDue();
  void OnPause();
  void Search();
  void OnSearched(bool listened);
  // The outcome, once this search decides it.
  std::optional<ReadBackOutcome> Decide(const Pending& pending,
                                        ExchangeTimer::Clock::time_point now);
  std::string Difference(const ReadBackTarget& target, const DeviceRecord* record);

  CliContext& m_context;
  std::chrono::seconds m_wait;
  Discovery m_discovery;
  std::list<Pending> m_pending;
  RecordIndex m_found;  // of the last window
  ExchangeTimer::Clock::time_point m_nextSearch;
  bool m_searching = false;
  bool m_pausing = false;
};

}  // namespace tamberlyx::cli
