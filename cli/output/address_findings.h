#pragma once

#include <string>
#include <vector>

#include "cli/output/json_text.h"
#include "operations/address_check.h"

namespace tamberlyx::cli {

// One line a finding about `plan`: `prefix` and the sentence, in English.
std::string FindingLines(const std::vector<AddressFinding>& findings, const FixedAddressPlan& plan,
                         const std::string& prefix);

// [{"problem": KEYWORD, "address": NEW ADDRESS, ...}]: "subnet" and "interface" with
// "out-of-reach", "holder_mac" with "in-use". The keywords stay as they are for scripts.
JsonValue FindingsJson(const std::vector<AddressFinding>& findings, const FixedAddressPlan& plan);

}  // namespace tamberlyx::cli
