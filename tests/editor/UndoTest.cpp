#include "editor/Undo.h"

#include <gtest/gtest.h>

#include <string>

namespace ornival {
namespace {

// The record of a batch: `before` just ahead of the first registration only,
// `after` at the end only when something was registered.
TEST(Undo, RunsBeforeOnceAtTheFirstRegistrationAndAfterOnlyWhenOneWasMade) {
  for (const int registrations : {0, 1, 3}) {
    SCOPED_TRACE(registrations);
    std::string log;
    {
      Undo batch([&] { log += "before "; }, [&] { log += "after"; });
      EXPECT_TRUE(batch.first());
      for (int k = 0; k < registrations; ++k) {
        willRegister(&batch);
        log += "step ";
      }
      EXPECT_EQ(batch.first(), registrations == 0);
    }
    std::string expected;
    if (registrations > 0)
      expected = "before " + std::string("step step step ").substr(0, 5 * std::size_t(registrations)) + "after";
    EXPECT_EQ(log, expected);
  }
  // Steps without a record register on their own.
  willRegister(nullptr);
}

}  // namespace
}  // namespace ornival
