#pragma once

#include <vector>

#include "cli/command.h"
#include "cli/exchange/device_save.h"
#include "cli/exchange/discovery.h"
#include "cli/exchange/read_back.h"
#include "operations/address_review.h"
#include "protocol/search_transport.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx::cli {

// verify and set: search, select the device at the given source address, VERIFY the admin
// password and, for set, write the edited settings with SET and, with --wait, read them back.
class DeviceCommand : public Command {
 public:
  DeviceCommand(const CliCommand& command, CliContext& context, Credentials credentials,
                Finish finish);
  void Start() override;

 private:
  void OnDiscovered();
  void OnReviewed(const AddressReview& review);
  void OnSaved(const SaveOutcome& outcome);
  void OnReadBack(const ReadBackOutcome& outcome);
  void Fail(int exitCode, const std::string& text);

  CliCommand m_command;
  CliContext& m_context;
  Credentials m_credentials;
  Finish m_finish;
  SharedBuffers m_buffers;
  SearchTransport m_search;  // the search goes as wide as asked, VERIFY and SET the way back
  CliContext m_searchContext;
  Discovery m_discovery;
  ReadBack m_readBack;  // set --wait
  DeviceSave m_save;
};

}  // namespace tamberlyx::cli
