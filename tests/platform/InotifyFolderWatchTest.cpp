#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/InotifyFolderWatch.h"

namespace brevio {

class InotifyFolderWatchTest : public QObject {
  Q_OBJECT

 private:
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

 private slots:
  void quietFolderTimesOutAfterTheWait() {
    QTemporaryDir dir;
    InotifyFolderWatch watch;
    QVERIFY(watch.Create(dir.path().toStdString()));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!watch.Wait(100));
    QVERIFY(clock.elapsed() >= 90);
    QVERIFY(clock.elapsed() < 1000);
  }

  void changesInTheFolderEndTheWaitAtOnceUntilRearmed() {
    QTemporaryDir dir;
    InotifyFolderWatch watch;
    QVERIFY(watch.Create(dir.path().toStdString()));
    Write(dir.filePath("brv.txt"), "?WX\n");
    QElapsedTimer clock;
    clock.start();
    QVERIFY(watch.Wait(100));
    QVERIFY(clock.elapsed() < 90);
    QVERIFY(watch.Wait(100));  // still signalled: not re-armed yet

    watch.Rearm();
    QVERIFY(!watch.Wait(20));
    QVERIFY(QFile::setPermissions(dir.filePath("brv.txt"), QFile::ReadOwner));
    QVERIFY(watch.Wait(100));

    // A change made after the signal, while the loop checks, signals again once re-armed.
    Write(dir.filePath("brv.txt"), "?WX\n>Rain\n");
    watch.Rearm();
    QVERIFY(watch.Wait(100));

    watch.Rearm();
    QDir(dir.path()).mkdir("sub");
    QVERIFY(watch.Wait(100));
    watch.Rearm();  // the folder's own entries count, not changes inside subfolders
    Write(dir.filePath("sub/inner.txt"), "x");
    QVERIFY(!watch.Wait(50));
  }

  void eventsRunWhileItWaits() {
    QTemporaryDir dir;
    InotifyFolderWatch watch;
    QVERIFY(watch.Create(dir.path().toStdString()));
    qint64 ranAfter = -1;
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(5, [&] { ranAfter = clock.elapsed(); });
    QVERIFY(!watch.Wait(100));
    QVERIFY(ranAfter >= 0);
    QVERIFY(ranAfter < 50);
  }

  void missingFolderStillLetsEventsRun() {
    InotifyFolderWatch watch;
    QVERIFY(!watch.Create("/nonexistent/brevio"));
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QVERIFY(!watch.Wait(30));
    QVERIFY(ran);
  }
};

}  // namespace brevio

QTEST_GUILESS_MAIN(brevio::InotifyFolderWatchTest)
#include "InotifyFolderWatchTest.moc"
