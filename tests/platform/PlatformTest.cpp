// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "platform/AnsiQString.h"
#include "platform/IniFileReader.h"
#include "platform/InotifyFolderWatch.h"
#include "platform/LocalSingleInstance.h"
#include "platform/SystemdServiceManager.h"
#include "platform/UserHostFolderSetting.h"
#include "support/CoreHarness.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

TEST(AnsiQStringTest, EveryByteSurvivesTheRoundTripAndCodePageLettersMap) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
  EXPECT_EQ(FromAnsi("\x80\xe9"), QString::fromUtf8("\u20ac\u00e9"));
  EXPECT_EQ(ToAnsi(QString::fromUtf8("\u0160\u4e2d")), "\x8a?");  // what it lacks is marked
}

// Every row looks up the same names, in a case the file does not use. At most 499 characters
// come back; a missing file, or a folder, gives the default.
TEST(IniFileReaderTest, FindsValuesTheWayWindowsDoes) {
  const char* const lookups[][3] = {
      {"CrLfLines", "[STATION]\r\nCALLSIGN=PA3XYZ-1\r\n", "PA3XYZ-1"},
      {"NamesWithoutRegardToCase", "[station]\ncallsign=PA3XYZ\n", "PA3XYZ"},
      {"ValueKeepsItsCase", "[STATION]\nCALLSIGN=True\n", "True"},
      {"BlanksAroundNamesAndValue", "  [ STATION ]  \n\t CALLSIGN \t=  5212.34N \r\n", "5212.34N"},
      {"BlanksInsideTheValueStay", "[STATION]\nCALLSIGN = one  two \n", "one  two"},
      {"FirstEqualsSignSplits", "[STATION]\nCALLSIGN==x=y\n", "=x=y"},
      {"EmptyValue", "[STATION]\nCALLSIGN=\n", ""},
      {"QuotesAroundTheValueDrop", "[STATION]\nCALLSIGN=\" spaced \"\n", " spaced "},
      {"SingleQuotesDrop", "[STATION]\nCALLSIGN='x'\n", "x"},
      {"UnmatchedQuoteStays", "[STATION]\nCALLSIGN=\"open\n", "\"open"},
      {"KeyInAnotherSection", "[MESSAGES]\nCALLSIGN=A\n[STATION]\n", "<default>"},
      {"SectionMissing", "[MESSAGES]\nCALLSIGN=A\n", "<default>"},
      {"KeyBeforeAnySection", "CALLSIGN=A\n[STATION]\n", "<default>"},
      {"CommentedOutKey", "[STATION]\n;CALLSIGN=A\n", "<default>"},
      {"KeyWithoutEqualsSign", "[STATION]\nCALLSIGN\n", "<default>"},
      {"PrefixOfAKeyIsNoKey", "[STATION]\nCALLSIGNS=A\n", "<default>"},
      {"FirstOfTwoKeys", "[STATION]\nCALLSIGN=1\nCALLSIGN=2\n", "1"},
      {"OnlyTheFirstSectionOfAName", "[STATION]\nX=1\n[B]\n[station]\nCALLSIGN=2\n", "<default>"},
      {"LastLineWithoutLineEnd", "[STATION]\nCALLSIGN=last", "last"},
      {"ByteOrderMarkBeforeTheFirstSection", "\xEF\xBB\xBF[STATION]\nCALLSIGN=1\n", "1"},
      {"AnsiBytesPassThrough", "[STATION]\nCALLSIGN=Gr\xFC\xDF\n", "Gr\xFC\xDF"},
      {"BracketWithoutItsCloseStartsNoSection", "[STATION]\n[B\nCALLSIGN=1\n", "1"},
      {"EmptyFile", "", "<default>"}};
  const TempFolder dir;
  const std::string path = dir.Path() + "/uiview32.ini";
  IniFileReader reader;
  for (const auto& [what, file, expected] : lookups) {
    dir.Write("uiview32.ini", file);
    EXPECT_EQ(reader.ReadIniValue(path, "Station", "CallSign", "<default>"), expected) << what;
  }
  dir.Write("uiview32.ini", "[A]\nK=" + std::string(600, 'x') + "\n");
  EXPECT_EQ(reader.ReadIniValue(path, "A", "K", ""), std::string(499, 'x'));
  EXPECT_EQ(reader.ReadIniValue(path, "A", "L", std::string(600, 'd')), std::string(499, 'd'));
  EXPECT_EQ(reader.ReadIniValue(dir.Path() + "/none.ini", "A", "K", "NOCALL"), "NOCALL");
  EXPECT_EQ(reader.ReadIniValue(dir.Path(), "A", "K", "0"), "0");
}

// The application is named as the program names itself; a folder of the test's own.
class WithQtEvents : public ::testing::Test {
 protected:
  void SetUp() override { QCoreApplication::setApplicationName("BRV"); }

  QTemporaryDir folder_;
};
using InotifyFolderWatchTest = WithQtEvents;
using LocalSingleInstanceTest = WithQtEvents;

constexpr std::int32_t kUnbounded = FolderWatch::kUntilSignalled;

// Events run as they come while it sleeps; only the folder's signal ends the wait.
TEST_F(InotifyFolderWatchTest, AQuietFolderSleepsUntilItSignals) {
  const TempFolder dir;
  InotifyFolderWatch watch;
  ASSERT_TRUE(watch.Create(dir.Path()));
  QElapsedTimer clock;
  clock.start();
  qint64 ranAfter = -1;
  QTimer::singleShot(5, [&] { ranAfter = clock.elapsed(); });
  QTimer::singleShot(300, [&] { dir.Write("brv.txt", "?WX\n"); });
  EXPECT_TRUE(watch.Wait(kUnbounded));
  EXPECT_GE(clock.elapsed(), 290);
  EXPECT_TRUE(ranAfter >= 0 && ranAfter < 250) << ranAfter;
  EXPECT_TRUE(watch.Wait(kUnbounded));  // still signalled: not re-armed yet

  watch.Rearm();
  EXPECT_FALSE(watch.Wait(20));
  // A created file is never executable, so this changes its attributes.
  std::filesystem::permissions(dir.Path() + "/brv.txt", std::filesystem::perms::owner_all);
  EXPECT_TRUE(watch.Wait(kUnbounded));
  // A change made after the signal, while the loop checks, signals again once re-armed.
  dir.Write("brv.txt", "?WX\n>Rain\n");
  watch.Rearm();
  EXPECT_TRUE(watch.Wait(kUnbounded));

  watch.Rearm();
  std::filesystem::create_directory(dir.Path() + "/sub");
  EXPECT_TRUE(watch.Wait(kUnbounded));
  watch.Rearm();  // the folder's own entries count, not changes inside subfolders
  dir.Write("sub/inner.txt", "x");
  EXPECT_FALSE(watch.Wait(50));
}

// The stop closes the watch from an event; a closed watch has nothing left to wait for.
// Without a notification the wait is bounded, runs events meanwhile, and Close still ends it.
TEST_F(InotifyFolderWatchTest, CloseEndsTheWaitAtOnceWithOrWithoutANotification) {
  InotifyFolderWatch watch;
  ASSERT_TRUE(watch.Create(folder_.path().toStdString()));
  QElapsedTimer clock;
  clock.start();
  QTimer::singleShot(20, [&] { watch.Close(); });
  EXPECT_FALSE(watch.Wait(kUnbounded));
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_FALSE(watch.Wait(kUnbounded));

  InotifyFolderWatch missing;
  EXPECT_FALSE(missing.Create("/nonexistent/brevio"));
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  clock.restart();
  EXPECT_FALSE(missing.Wait(30));
  EXPECT_TRUE(ran);
  EXPECT_GE(clock.elapsed(), 25);
  QTimer::singleShot(5, [&] { missing.Close(); });
  EXPECT_FALSE(missing.Wait(5000));
  EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(LocalSingleInstanceTest, ASecondInstanceFindsTheFirstAndActivatesItByTitle) {
  LocalSingleInstance first(folder_.path());
  int activations = 0;
  first.OnActivate([&activations] { ++activations; });
  ASSERT_FALSE(first.OtherInstanceRunning());

  LocalSingleInstance second(folder_.path());
  EXPECT_TRUE(second.OtherInstanceRunning());
  EXPECT_EQ(second.ApplicationTitle(), "BRV");
  second.SetApplicationTitle("... duplicate instance.");
  EXPECT_EQ(second.ApplicationTitle(), "... duplicate instance.");
  // A title that is not the running instance's own activates nothing.
  second.ActivateInstance("some other program");
  second.ActivateInstance("BRV");
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
  // A plain fork, which qemu-user runs, where it refuses QProcess's way of starting a program.
  const pid_t pid = fork();
  if (pid == 0) _exit(0);
  ASSERT_EQ(waitpid(pid, nullptr, 0), pid);
  QFile lock(folder_.path() + "/BRV.lock");
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  // As a lock file records its owner: process, program, host, machine and boot.
  lock.write(QByteArray::number(pid) + "\nbrevio\n" + QSysInfo::machineHostName().toUtf8() + "\n" +
             QSysInfo::machineUniqueId() + "\n" + QSysInfo::bootUniqueId() + "\n");
  lock.close();
  EXPECT_FALSE(LocalSingleInstance(folder_.path()).OtherInstanceRunning());
  EXPECT_FALSE(LocalSingleInstance(folder_.path() + "/missing").OtherInstanceRunning());
}

// A datagram socket where systemd would listen.
struct NotifySocket {
  explicit NotifySocket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  }
  ~NotifySocket() { close(fd); }
  std::string Received() const {
    char buffer[256];
    const ssize_t size = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    return size < 0 ? "" : std::string(buffer, static_cast<std::size_t>(size));
  }
  const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
};

TEST(SystemdServiceManagerTest, SendsEachStateOrLogsWhyItCouldNot) {
#ifndef BREVIO_HAVE_SYSTEMD
  GTEST_SKIP() << "built without libsystemd";
#endif
  for (const auto& [notify, state] : {std::pair{&ServiceManager::NotifyReady, "READY=1"},
                                      std::pair{&ServiceManager::NotifyStopping, "STOPPING=1"}}) {
    SCOPED_TRACE(state);
    TempFolder folder;
    const std::string path = folder.Path() + "/notify";
    CoreHarness core;
    SystemdServiceManager manager(core.log);
    setenv("NOTIFY_SOCKET", path.c_str(), 1);
    (manager.*notify)();  // nobody listens yet
    EXPECT_EQ(core.StatusLines(),
              std::vector<std::string>{"Unable to tell the service manager " + std::string(state) +
                                       " (No such file or directory)"});
    NotifySocket socket(path);
    core.txtStatus.content.clear();
    (manager.*notify)();
    EXPECT_EQ(socket.Received(), state);
    unsetenv("NOTIFY_SOCKET");
    (manager.*notify)();  // started by hand: nothing to tell, nothing to report
    EXPECT_EQ(socket.Received(), "");
    EXPECT_TRUE(core.StatusLines().empty());
  }
}

// The summary line for "systemctl status": one assignment, however the link's text runs; not
// worth a status line when it cannot be sent.
TEST(SystemdServiceManagerTest, SendsTheStatusAsOneLineAndNeverLogsItsLoss) {
#ifndef BREVIO_HAVE_SYSTEMD
  GTEST_SKIP() << "built without libsystemd";
#endif
  TempFolder folder;
  const std::string path = folder.Path() + "/notify";
  CoreHarness core;
  SystemdServiceManager manager(core.log);
  setenv("NOTIFY_SOCKET", path.c_str(), 1);
  manager.NotifyStatus("lost");  // nobody listens
  NotifySocket socket(path);
  manager.NotifyStatus("kiss://a:1: refused\r\nREADY=1 | frames heard: 2");
  EXPECT_EQ(socket.Received(), "STATUS=kiss://a:1: refused  READY=1 | frames heard: 2");
  unsetenv("NOTIFY_SOCKET");
  EXPECT_TRUE(core.StatusLines().empty());
}

// A service's lock and socket go to its first runtime directory, anything else's to the
// temporary folder.
TEST(LocalSingleInstanceFolderTest, IsTheServicesRuntimeDirectoryOrTheTemporaryFolder) {
  const QString temp = QDir::tempPath();
  for (const auto& [runtime, folder] : {std::pair<const char*, QString>{nullptr, temp},
                                        {"", temp},
                                        {"/run/brevio", "/run/brevio"},
                                        {"/run/brevio:/run/other", "/run/brevio"}}) {
    SCOPED_TRACE(runtime ? runtime : "unset");
    if (runtime) {
      setenv("RUNTIME_DIRECTORY", runtime, 1);
    } else {
      unsetenv("RUNTIME_DIRECTORY");
    }
    EXPECT_EQ(LocalSingleInstance::InstanceFolder(), folder);
  }
  unsetenv("RUNTIME_DIRECTORY");
}

// The host's stored folder is read afresh on every call; a folder given on the command line
// takes its place. Either ends with a separator, as the host stores its own.
TEST(UserHostFolderSettingTest, ReadsTheStoredFolderAfreshUnlessOneIsGiven) {
  QTemporaryDir config;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
  UserHostFolderSetting stored(std::nullopt);
  UserHostFolderSetting given(std::string("/home/op/station"));
  EXPECT_EQ(stored.ReadProgramFolder().value, "");
  for (const auto& [folder, read] :
       {std::pair{"/opt/uiview", "/opt/uiview/"}, std::pair{"/srv/uiview32/", "/srv/uiview32/"}}) {
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Peak Systems", "UI-View32")
        .setValue("Program Folder", folder);
    EXPECT_EQ(stored.ReadProgramFolder().value, read);
    EXPECT_FALSE(stored.ReadProgramFolder().error);
    EXPECT_EQ(given.ReadProgramFolder().value, "/home/op/station/");
  }
}

}  // namespace
}  // namespace brevio::test
