#include "cli/output/address_findings.h"

#include <array>

#include "cli/output/printable_text.h"
#include "operations/address_finding_text.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::cli {
namespace {

// In the order of AddressProblem.
constexpr std::array<const char*, 12> kKeywords{
    "mask-not-contiguous",    "mask-leaves-no-hosts", "address-unspecified", "address-loopback",
    "address-multicast",      "network-address",      "broadcast-address",   "gateway-is-address",
    "gateway-outside-subnet", "out-of-reach",         "own-address",         "in-use"};
static_assert(kKeywords.size() == static_cast<std::size_t>(AddressProblem::kAddressInUse) + 1);

}  // namespace

std::string FindingLines(const std::vector<AddressFinding>& findings, const FixedAddressPlan& plan,
                         const std::string& prefix) {
  std::string lines;
  for (const AddressFinding& finding : findings) {
    lines += prefix + PrintableText(AddressFindingText(finding, plan, false)) + "\n";
  }
  return lines;
}

JsonValue FindingsJson(const std::vector<AddressFinding>& findings, const FixedAddressPlan& plan) {
  JsonValue array = JsonValue::array();
  for (const AddressFinding& finding : findings) {
    JsonValue element{{"problem", kKeywords.at(static_cast<std::size_t>(finding.problem))},
                      {"address", FormatIpv4(plan.address)}};
    if (finding.problem == AddressProblem::kOutOfReach) {
      element["subnet"] = finding.subnet;
      element["interface"] = JsonText(finding.interfaceName);
    }
    if (finding.problem == AddressProblem::kAddressInUse) element["holder_mac"] = finding.holderMac;
    array.push_back(std::move(element));
  }
  return array;
}

}  // namespace tamberlyx::cli
