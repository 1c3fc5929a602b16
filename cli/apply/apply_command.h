#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "cli/apply/answer_dispatcher.h"
#include "cli/apply/apply_input.h"
#include "cli/apply/apply_job.h"
#include "cli/apply/apply_plan.h"
#include "cli/apply/timer_hub.h"
#include "cli/command.h"
#include "cli/exchange/discovery.h"
#include "cli/exchange/read_back.h"
#include "protocol/search_transport.h"

namespace tamberlyx::cli {

// Where apply gets its file from, read when the command starts.
using ApplyFileSource = std::function<LoadedApplyFile()>;

// FILE and the passwords as the command line names them, from disk and standard input.
ApplyFileSource FileOfCommandLine(const CliCommand& command);

// apply: its file, one search, the plan, then VERIFY, SET and the read-back for every device to
// change, several at once over one listening socket, and the report.
class ApplyCommand : public Command {
 public:
  ApplyCommand(const CliCommand& command, CliContext& context, Credentials credentials,
               Finish finish, ApplyFileSource source);
  void Start() override;

 private:
  void OnSearched();
  bool Refused();
  void ReviewAddresses();
  void OnReviewed();
  void StartJobs();
  bool HolderSettled(std::size_t index);
  bool MayStart(const ApplyJob& job) const;
  void OnSaveEnded(ApplyJob* job);
  void OnJobFinished(std::size_t index);
  void Report();

  CliCommand m_command;
  ApplyFileSource m_source;
  ApplyFile m_file;
  CliContext& m_context;
  Credentials m_credentials;
  Finish m_finish;
  AnswerDispatcher m_dispatcher;
  TimerHub m_timers;
  std::unique_ptr<AnswerChannel> m_searchChannel;
  std::unique_ptr<ExchangeTimer> m_searchTimer;
  SearchTransport m_search;
  CliContext m_searchContext;
  Discovery m_discovery;
  ReadBack m_readBack;
  Plan m_plan;
  std::vector<std::unique_ptr<ApplyJob>> m_jobs;  // by device; live as long as the command
  std::deque<std::size_t> m_waiting;              // devices, in the order of their saves
  std::vector<bool> m_settled;                    // by device: its outcome is known
  std::size_t m_reviewing = 0;
  std::size_t m_saving = 0;  // jobs in VERIFY or SET: the ones --parallel bounds
  std::size_t m_unfinished = 0;
  int m_hearingAnyAddress = 0;
  bool m_reported = false;
};

}  // namespace tamberlyx::cli
