#include <gtest/gtest.h>

#include "e2e/DirewolfLoop.h"

namespace brevio::test {
namespace {

// The server on Direwolf's pseudo-terminal, as on the serial port of a hardware TNC.
class DirewolfSerialTest : public DirewolfLoopTest {
 protected:
  DirewolfSerialTest() { pseudoTerminalA_ = true; }
};

TEST_F(DirewolfSerialTest, AnswersAQueryHeardOverTheAirThroughTheTncsSerialDevice) {
  const QString tnc = "serial:" + ptyA_;
  EndWithTheTest(process_);
  Start(tnc);
  ASSERT_TRUE(ErrorShows(("TNC " + tnc + "@9600: connected\n").toUtf8())) << Diagnosis();
  ASSERT_TRUE(radio_.Connect(portB_));

  radio_.Send("N0CALL>APRS,WIDE1-1::N0CALL-10:?WX{5");
  ASSERT_TRUE(WaitFor([&] { return radio_.heard.size() >= 2; })) << Diagnosis();
  EXPECT_EQ(radio_.heard[0], "N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :ack5");
  EXPECT_EQ(radio_.heard[1], "N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :Sunny{1");
  EXPECT_EQ(process_.state(), QProcess::Running);
}

// A --tnc that names no device is refused before anything starts: no log file.
TEST(SerialTncArgumentTest, APathThatIsNoDeviceEndsTheProgramWithItsReason) {
  QTemporaryDir tmp;
  QProcess brevio;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("TMPDIR", tmp.path());
  brevio.setProcessEnvironment(env);
  brevio.start(BREVIO_BINARY, {"--headless", "--tnc", "serial:" + tmp.path()});
  ASSERT_TRUE(brevio.waitForFinished());
  EXPECT_EQ(brevio.exitCode(), 2);
  EXPECT_TRUE(brevio.readAllStandardError().startsWith(
      ("brevio: option '--tnc' needs a serial device such as /dev/ttyUSB0, and '" + tmp.path() +
       "' is a folder\n")
          .toUtf8()));
  EXPECT_TRUE(QDir(tmp.path()).isEmpty());
}

}  // namespace
}  // namespace brevio::test
