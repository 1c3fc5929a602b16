#pragma once

#include <string>
#include <utility>

#include "netdrive/network_provider.h"

namespace tamberlyx::netdrive {

// Where the platform offers no network provider: every operation fails with the reason.
class UnavailableProvider final : public NetworkProvider {
 public:
  explicit UnavailableProvider(std::string reason) : m_reason(std::move(reason)) {}

  ResourceListing ConnectedDiskResources() override { return {Refusal(), {}}; }
  ResourceListing ContainerResources(const NetResource&) override { return {Refusal(), {}}; }
  ProviderOutcome AddConnection(const NetResource&, const std::string&,
                                const std::string&) override {
    return Refusal();
  }
  ProviderOutcome CancelConnection(const std::string&, bool, bool) override { return Refusal(); }
  std::vector<std::string> LogicalDriveStrings() override { return {}; }
  bool UsesDriveLetters() const override { return false; }

 private:
  ProviderOutcome Refusal() const { return {ProviderStatus::kFailed, m_reason}; }

  std::string m_reason;
};

}  // namespace tamberlyx::netdrive
