// What each reply word and each end of the window decides for VERIFY and SET, and what is said.
#include <gtest/gtest.h>

#include "operations/exchange_request.h"
#include "operations/set_outcome.h"
#include "operations/verify_outcome.h"
#include "protocol/messages.h"

namespace tamberlyx {
namespace {

TEST(VerifyOutcome, OnlyTheTwoStatusWordsDecide) {
  const std::pair<std::string_view, VerifyOutcome> cases[] = {
      {"VERIFYOK", VerifyOutcome::kAccepted},  {"VERIFYFAIL", VerifyOutcome::kRefused},
      {"verifyok", VerifyOutcome::kUndecided}, {"VERIFYOK2", VerifyOutcome::kUndecided},
      {"SETOK", VerifyOutcome::kUndecided},    {"GETOK", VerifyOutcome::kUndecided},
      {"", VerifyOutcome::kUndecided},
  };
  for (const auto& [word, outcome] : cases) EXPECT_EQ(VerifyReplyOutcome(word), outcome) << word;
  EXPECT_EQ(VerifyEndOutcome(true), VerifyOutcome::kNoAnswer);
  EXPECT_EQ(VerifyEndOutcome(false), VerifyOutcome::kNotListened);
}

TEST(VerifyOutcome, OnlyARefusalAndSilenceAreToldOf) {
  EXPECT_EQ(VerifyOutcomeMessage(VerifyOutcome::kRefused), messages::WrongPassword());
  EXPECT_EQ(VerifyOutcomeMessage(VerifyOutcome::kNoAnswer), messages::VerifyNoAnswer());
  for (VerifyOutcome quiet :
       {VerifyOutcome::kUndecided, VerifyOutcome::kAccepted, VerifyOutcome::kNotListened}) {
    EXPECT_FALSE(VerifyOutcomeMessage(quiet));
  }
}

TEST(SetOutcome, SetokDecidesAndTheEndDependsOnTheSocketThenTheSave) {
  for (std::string_view word : {"SETOK2", "setok", "VERIFYOK", ""}) {
    EXPECT_EQ(SetReplyOutcome(word), SetOutcome::kUndecided) << word;
  }
  EXPECT_EQ(SetReplyOutcome("SETOK"), SetOutcome::kSaved);
  struct Case {
    bool socketWasOpen, saved;
    SetOutcome outcome;
    Message message;
  };
  const Case cases[] = {
      {true, false, SetOutcome::kNoAnswer, messages::SetNoAnswer()},
      {true, true, SetOutcome::kNoAnswer, messages::SetNoAnswer()},
      {false, true, SetOutcome::kSaved, messages::SavedSuccessfully()},
      {false, false, SetOutcome::kFailed, messages::SaveFailed()},
  };
  for (const Case& c : cases) {
    const SetOutcome outcome = SetEndOutcome(c.socketWasOpen, c.saved);
    EXPECT_EQ(outcome, c.outcome) << c.socketWasOpen << c.saved;
    EXPECT_EQ(SetOutcomeMessage(outcome), c.message);
  }
}

TEST(ExchangeRequest, VerifyAndSetGoToTheSelectedDeviceAndHearOnlyItUnlessDhcp) {
  SharedBuffers buffers{"nwk.ipaddr=10.0.0.2&nwk.bootproto=none", "", "10.0.0.2", ""};
  buffers.newSettings = buffers.currentSettings;
  const ExchangeRequest verify = VerifyRequest(buffers, "pw");
  EXPECT_EQ(verify.datagram, "10.0.0.2       VERIFY    passwd=pw");
  EXPECT_EQ(verify.destination, "10.0.0.2");
  EXPECT_FALSE(verify.sources.Accepts("10.0.0.3"));
  EXPECT_EQ(buffers.adminPassword, "pw");
  EXPECT_FALSE(SetRequest(buffers).sources.Accepts("10.0.0.3"));
  buffers.newSettings = "nwk.ipaddr=10.0.0.2&nwk.bootproto=dhcp";
  const ExchangeRequest set = SetRequest(buffers);
  EXPECT_EQ(set.datagram, "10.0.0.2       SET       " + buffers.newSettings);
  EXPECT_TRUE(set.sources.Accepts("10.0.0.3"));
}

}  // namespace
}  // namespace tamberlyx
