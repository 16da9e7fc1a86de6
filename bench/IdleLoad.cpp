// Idle wake-ups and CPU time of the real program over a quiet spell: brevio --headless as the demo
// station (examples/station), on its stdio link with nothing coming in, and on a KISS link to a
// TNC of this driver's own on loopback that stays quiet. Wake-ups are the voluntary context
// switches of all its threads (each is one return from a wait); CPU time is user plus system.
//
// Usage: bench_idle_load [SECONDS [BREVIO]]   (60 s and the brevio built beside by default)
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstdio>

#include "ProcStatus.h"

namespace {

using namespace brevio::bench;

struct Sample {
  long wakeUps;
  long preempted;
  double cpu;
  double scheduled;
  std::chrono::steady_clock::time_point at;
};

Sample Take(pid_t pid) {
  return {ThreadsStatus(pid, "voluntary_ctxt_switches"),
          ThreadsStatus(pid, "nonvoluntary_ctxt_switches"), CpuSeconds(pid), ScheduledSeconds(pid),
          std::chrono::steady_clock::now()};
}

// Runs the program on `tnc` until it has started up, lets it settle, and measures `seconds`.
bool Measure(const QString& brevio, const QString& tnc, const char* what, int seconds) {
  QTemporaryDir tmp;
  QTemporaryDir config;
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.insert("TMPDIR", tmp.path());
  env.insert("XDG_CONFIG_HOME", config.path());
  process.setProcessEnvironment(env);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  process.start(brevio, {"--headless", "--tnc", tnc, "--host-folder", BREVIO_EXAMPLE_STATION,
                         "--program-folder", BREVIO_EXAMPLE_STATION});
  if (!process.waitForStarted()) return false;
  const QString log = tmp.filePath("BRV.log");
  const QByteArray ready = tnc == "stdio" ? "loading BRV object definitions" : ": connected";
  for (int i = 0; i < 100; ++i) {
    QFile file(log);
    if (file.open(QIODevice::ReadOnly) && file.readAll().contains(ready)) break;
    QThread::msleep(100);
  }
  QThread::sleep(2);
  const auto pid = static_cast<pid_t>(process.processId());
  const Sample before = Take(pid);
  QThread::sleep(static_cast<unsigned long>(seconds));
  const Sample after = Take(pid);
  const long threads = ProcStatus(pid, "Threads");
  process.terminate();
  process.waitForFinished(10000);

  const double span = std::chrono::duration<double>(after.at - before.at).count();
  const double wakeUps = static_cast<double>(after.wakeUps - before.wakeUps) / span;
  std::printf(
      "%s, %.0f s quiet, %ld threads: %.2f wake-ups/s (target at most 10: %.2f of it), %.2f "
      "preemptions/s; CPU time (utime+stime) %.3f ms/s = %.4f %%, on the processor "
      "(schedstat) %.3f ms/s\n",
      what, span, threads, wakeUps, wakeUps / 10,
      static_cast<double>(after.preempted - before.preempted) / span,
      (after.cpu - before.cpu) * 1000 / span, (after.cpu - before.cpu) * 100 / span,
      (after.scheduled - before.scheduled) * 1000 / span);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  const QString brevio = argc > 2 ? QString(argv[2]) : QString(BREVIO_BINARY);
  QTcpServer tnc;
  tnc.listen(QHostAddress::LocalHost);
  const bool measured =
      Measure(brevio, "stdio", "stdio link", seconds) &&
      Measure(brevio, QString("kiss://127.0.0.1:%1").arg(tnc.serverPort()), "KISS link", seconds);
  return measured ? 0 : 1;
}
