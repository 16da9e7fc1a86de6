#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include "platform/LocalSingleInstance.h"

namespace brevio {
namespace {

class LocalSingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override { QCoreApplication::setApplicationName("BRV"); }

  int argc_ = 1;
  char name_[16] = "platform_tests";
  char* argv_[2] = {name_, nullptr};
  QCoreApplication app_{argc_, argv_};
  QTemporaryDir folder_;
};

TEST_F(LocalSingleInstanceTest, ASecondInstanceFindsTheFirstAndActivatesItByTitle) {
  LocalSingleInstance first(folder_.path());
  int activations = 0;
  first.OnActivate([&activations] { ++activations; });
  ASSERT_FALSE(first.OtherInstanceRunning());

  LocalSingleInstance second(folder_.path());
  EXPECT_TRUE(second.OtherInstanceRunning());
  const std::string runningTitle = second.ApplicationTitle();
  EXPECT_EQ(runningTitle, "BRV");
  second.SetApplicationTitle("... duplicate instance.");
  // A title that is not the running instance's own activates nothing.
  second.ActivateInstance("some other program");
  second.ActivateInstance(runningTitle);
  // The running instance answers from its event loop; it now carries the duplicate's title, so
  // give it its own back, as in a process of its own.
  QCoreApplication::setApplicationName("BRV");
  QElapsedTimer waited;
  waited.start();
  while (activations == 0 && waited.elapsed() < 5000) QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(activations, 1);
}

// A lock left by an instance that died is taken over; a folder that cannot hold the lock is no
// sign of another instance.
TEST_F(LocalSingleInstanceTest, NeitherADeadInstancesLockNorAMissingFolderStopsTheStart) {
  QProcess gone;
  gone.start("true");
  ASSERT_TRUE(gone.waitForStarted());
  const qint64 pid = gone.processId();
  ASSERT_TRUE(gone.waitForFinished());
  QFile lock(folder_.path() + "/BRV.lock");
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  // As a lock file records its owner: process, program, host, machine and boot.
  lock.write(QByteArray::number(pid) + "\nbrevio\n" + QSysInfo::machineHostName().toUtf8() + "\n" +
             QSysInfo::machineUniqueId() + "\n" + QSysInfo::bootUniqueId() + "\n");
  lock.close();
  EXPECT_FALSE(LocalSingleInstance(folder_.path()).OtherInstanceRunning());
  EXPECT_FALSE(LocalSingleInstance(folder_.path() + "/missing").OtherInstanceRunning());
}

}  // namespace
}  // namespace brevio
