#include <gtest/gtest.h>

#include "e2e/DirewolfLoop.h"

namespace brevio::test {
namespace {

using DirewolfStationTest = DirewolfLoopTest;

TEST_F(DirewolfStationTest, AnswersAQueryHeardOverTheAirWithAnAckAndAReply) {
  const QString tnc = "kiss://127.0.0.1:" + QString::number(portA_);
  EndWithTheTest(process_);
  Start(tnc);
  ASSERT_TRUE(ErrorShows(("TNC " + tnc + ": connected\n").toUtf8())) << Diagnosis();
  ASSERT_TRUE(radio_.Connect(portB_));

  radio_.Send("N0CALL>APRS,WIDE1-1::N0CALL-10:?WX{5");
  ASSERT_TRUE(WaitFor([&] { return radio_.heard.size() >= 3; })) << Diagnosis();
  EXPECT_EQ(radio_.heard[0], "N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :ack5");
  EXPECT_EQ(radio_.heard[1], "N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :Sunny{1");
  EXPECT_TRUE(radio_.heard[2].starts_with("N0CALL-10>APZBRV,WIDE1-1,WIDE2-1:;WX0      *"))
      << radio_.heard[2];
  EXPECT_TRUE(radio_.heard[2].ends_with("z4905.20N/07158.30W_Sunny")) << radio_.heard[2];
  radio_.Send("N0CALL>APRS::N0CALL-10:ack1");
  ASSERT_TRUE(ErrorShows("message = [?WX]")) << Diagnosis();

  // The unload kills the object over the air before the program ends.
  process_.terminate();
  ASSERT_TRUE(process_.waitForFinished(10000)) << Diagnosis();
  EXPECT_EQ(process_.exitCode(), 0) << Diagnosis();
  EXPECT_TRUE(WaitFor([&] {
    return !radio_.heard.empty() &&
           radio_.heard.back().starts_with("N0CALL-10>APZBRV,WIDE1-1,WIDE2-1:;WX0      _");
  })) << Diagnosis();
  EXPECT_TRUE(LogFile().endsWith(" end of UI-View32 add-on Brevio Server V1.0.0\r\n"));
}

}  // namespace
}  // namespace brevio::test
