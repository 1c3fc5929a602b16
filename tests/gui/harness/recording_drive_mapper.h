#pragma once

#include <set>
#include <string>
#include <vector>

#include "pages/drive_mapper.h"

namespace tamberlyx::test {

struct MapCall {
  std::string host, password, user;
  bool operator==(const MapCall&) const = default;
};

// Records the mappings asked for and maps nothing: -1 for a host set as unresolvable, else 0.
class RecordingDriveMapper : public DriveMapper {
 public:
  int MapDeviceShares(const std::string& host, const std::string& password,
                      const std::string& user) override {
    m_calls.push_back({host, password, user});
    return m_unresolvable.contains(host) ? -1 : 0;
  }
  void ForgetShares(const std::string& address) override { m_forgotten.push_back(address); }
  void SetUnresolvable(std::set<std::string> hosts) { m_unresolvable = std::move(hosts); }
  const std::vector<std::string>& Forgotten() const { return m_forgotten; }
  const std::vector<MapCall>& Calls() const { return m_calls; }

 private:
  std::set<std::string> m_unresolvable;
  std::vector<MapCall> m_calls;
  std::vector<std::string> m_forgotten;
};

}  // namespace tamberlyx::test
