#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/InotifyFolderWatch.h"

namespace brevio {

constexpr std::int32_t kUnbounded = FolderWatch::kUntilSignalled;

class InotifyFolderWatchTest : public QObject {
  Q_OBJECT

 private:
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

 private slots:
  // Events run as they come while it sleeps; only the folder's signal ends the wait.
  void quietFolderSleepsUntilItSignals() {
    QTemporaryDir dir;
    InotifyFolderWatch watch;
    QVERIFY(watch.Create(dir.path().toStdString()));
    QElapsedTimer clock;
    clock.start();
    qint64 ranAfter = -1;
    QTimer::singleShot(5, [&] { ranAfter = clock.elapsed(); });
    QTimer::singleShot(300, [&] { Write(dir.filePath("brv.txt"), "?WX\n"); });
    QVERIFY(watch.Wait(kUnbounded));
    QVERIFY(clock.elapsed() >= 290);
    QVERIFY(ranAfter >= 0 && ranAfter < 250);
    QVERIFY(watch.Wait(kUnbounded));  // still signalled: not re-armed yet

    watch.Rearm();
    QVERIFY(!watch.Wait(20));
    QVERIFY(QFile::setPermissions(dir.filePath("brv.txt"), QFile::ReadOwner));
    QVERIFY(watch.Wait(kUnbounded));

    // A change made after the signal, while the loop checks, signals again once re-armed.
    Write(dir.filePath("brv.txt"), "?WX\n>Rain\n");
    watch.Rearm();
    QVERIFY(watch.Wait(kUnbounded));

    watch.Rearm();
    QDir(dir.path()).mkdir("sub");
    QVERIFY(watch.Wait(kUnbounded));
    watch.Rearm();  // the folder's own entries count, not changes inside subfolders
    Write(dir.filePath("sub/inner.txt"), "x");
    QVERIFY(!watch.Wait(50));
  }

  // The stop closes the watch from an event; a closed watch has nothing left to wait for.
  void closeEndsTheWaitAtOnce() {
    QTemporaryDir dir;
    InotifyFolderWatch watch;
    QVERIFY(watch.Create(dir.path().toStdString()));
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(20, [&] { watch.Close(); });
    QVERIFY(!watch.Wait(kUnbounded));
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(!watch.Wait(kUnbounded));
  }

  // Without a notification the wait is bounded, runs events meanwhile, and Close still ends it.
  void missingFolderStillLetsEventsRun() {
    InotifyFolderWatch watch;
    QVERIFY(!watch.Create("/nonexistent/brevio"));
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!watch.Wait(30));
    QVERIFY(ran);
    QVERIFY(clock.elapsed() >= 25);
    QTimer::singleShot(5, [&] { watch.Close(); });
    QVERIFY(!watch.Wait(5000));
    QVERIFY(clock.elapsed() < 1000);
  }
};

}  // namespace brevio

QTEST_GUILESS_MAIN(brevio::InotifyFolderWatchTest)
#include "InotifyFolderWatchTest.moc"
