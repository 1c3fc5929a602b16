#pragma once

#include <string>
#include <vector>

#include "operations/no_answer_facts.h"

namespace tamberlyx::cli {

// The guidance printed on standard error when no device answered: where the search went, that
// the answers need UDP CLIENT_PORT on this PC (with a firewall rule for each common tool),
// what became of that port, and the search options that were not used.
std::string NoAnswerHint(const NoAnswerFacts& facts);

}  // namespace tamberlyx::cli
