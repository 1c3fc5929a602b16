#include "operations/address_finding_text.h"

#include <array>
#include <string_view>

#include "protocol/ipv4_text.h"
#include "text/string_table.h"

namespace tamberlyx {
namespace {

constexpr unsigned kIntroText = 167;
// In the order of AddressProblem.
constexpr std::array<unsigned, 12> kProblemTexts{168, 169, 170, 171, 172, 173,
                                                 174, 175, 176, 177, 178, 179};
static_assert(kProblemTexts.size() == static_cast<std::size_t>(AddressProblem::kAddressInUse) + 1);

// "%1".."%3" replaced in one pass, so a value holding "%2" stays as it is.
std::string Fill(std::string_view text, const std::array<std::string, 3>& values) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '%' && next >= '1' && next <= '3') {
      filled += values[static_cast<std::size_t>(next - '1')];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

}  // namespace

std::string AddressFindingText(const AddressFinding& finding, const FixedAddressPlan& plan,
                               bool korean) {
  const std::size_t index = static_cast<std::size_t>(finding.problem);
  const std::string& second =
      finding.problem == AddressProblem::kAddressInUse ? finding.holderMac : finding.subnet;
  return Fill(LoadText(kProblemTexts.at(index), korean),
              {FormatIpv4(plan.address), second, finding.interfaceName});
}

std::string AddressFindingsText(const std::vector<AddressFinding>& findings,
                                const FixedAddressPlan& plan, bool korean) {
  std::string text = LoadText(kIntroText, korean);
  for (const AddressFinding& finding : findings) {
    text += "\n\u2022 " + AddressFindingText(finding, plan, korean);
  }
  return text;
}

}  // namespace tamberlyx
