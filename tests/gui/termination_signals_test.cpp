#include <gtest/gtest.h>

#include <QSignalSpy>
#include <csignal>

#include "platform/desktop/termination_signals.h"

namespace tamberlyx::test {
namespace {

TEST(TerminationSignalsTest, EachSignalArrivesOnTheEventLoopWithItsNumber) {
  TerminationSignals termination;
  QSignalSpy spy(&termination, &TerminationSignals::received);
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signalNumber);
    spy.clear();
    ASSERT_EQ(std::raise(signalNumber), 0);
    ASSERT_TRUE(spy.count() == 1 || spy.wait(2000));
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), signalNumber);
  }
}

// A handler left behind would write to a closed pipe and SIGTERM would no longer end the
// process.
TEST(TerminationSignalsTest, DefaultHandlersReturnWhenItGoes) {
  { TerminationSignals termination; }
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
    struct sigaction current {};
    ASSERT_EQ(::sigaction(signalNumber, nullptr, &current), 0);
    EXPECT_EQ(current.sa_handler, SIG_DFL) << signalNumber;
  }
}

}  // namespace
}  // namespace tamberlyx::test
