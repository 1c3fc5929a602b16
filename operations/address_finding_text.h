#pragma once

#include <string>
#include <vector>

#include "operations/address_check.h"

namespace tamberlyx {

// One finding about the fixed address `plan` gives, as one sentence in the chosen language.
std::string AddressFindingText(const AddressFinding& finding, const FixedAddressPlan& plan,
                               bool korean);

// Every finding, after a line saying the address may not work; one finding to a line.
std::string AddressFindingsText(const std::vector<AddressFinding>& findings,
                                const FixedAddressPlan& plan, bool korean);

}  // namespace tamberlyx
