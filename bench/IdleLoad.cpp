// SPDX-License-Identifier: GPL-3.0-or-later
// Idle wake-ups and CPU time of the real program over a quiet spell, as the demo station
// (examples/station): headless and with its window, on each link with nothing coming in: stdio,
// KISS to a TNC of this driver's own on loopback that stays quiet, and APRS-IS to a server of its
// own on loopback that takes the login and then stays quiet. Wake-ups are the voluntary context
// switches of all its threads (each is one return from a wait); CPU time is user plus system.
// Several binaries are measured in one run, one after the other for each case, so that they
// share the machine's moment.
//
// Usage: bench_idle_load [SECONDS [[LABEL=]BREVIO...]]   (60 s and the brevio built beside)
// The window runs on the offscreen platform unless QT_QPA_PLATFORM names another.
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ProcStatus.h"

namespace {

using namespace brevio::bench;

// The most a quiet station may wake, a second.
constexpr double kTarget = 0.2;

struct Binary {
  QString label;
  QString path;
};

struct Link {
  const char* what;
  QString tnc;
  // The log line after which the link is up and quiet.
  QByteArray ready;
};

struct Sample {
  std::map<std::string, long> wakeUps;
  std::map<std::string, long> preempted;
  double cpu;
  double scheduled;
  std::chrono::steady_clock::time_point at;
};

Sample Take(pid_t pid) {
  return {ThreadsStatus(pid, "voluntary_ctxt_switches"),
          ThreadsStatus(pid, "nonvoluntary_ctxt_switches"), CpuSeconds(pid), ScheduledSeconds(pid),
          std::chrono::steady_clock::now()};
}

// Lets this driver's own peers answer while the program is measured.
void Serve(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// An APRS-IS server that greets, takes any login as verified and then says nothing.
class QuietAprsIsServer {
 public:
  QuietAprsIsServer() {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->write("# brevio bench server\r\n");
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
          if (socket->readAll().contains("user ")) {
            socket->write("# logresp N0CALL-10 verified, server BENCH\r\n");
          }
        });
      }
    });
  }
  quint16 Port() const { return server_.serverPort(); }

 private:
  QTcpServer server_;
};

// Runs `binary` on `link` until it has started up, lets it settle, and measures `seconds`;
// returns the wake-ups a second, or -1 when it did not come up.
double Measure(const Binary& binary, const Link& link, bool window, int seconds) {
  QTemporaryDir tmp;
  QTemporaryDir config;
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  if (!window || !env.contains("QT_QPA_PLATFORM")) {
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "offscreen");
  }
  env.insert("TMPDIR", tmp.path());
  env.insert("XDG_CONFIG_HOME", config.path());
  process.setProcessEnvironment(env);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  QStringList arguments = {"--tnc",
                           link.tnc,
                           "--host-folder",
                           BREVIO_EXAMPLE_STATION,
                           "--program-folder",
                           BREVIO_EXAMPLE_STATION};
  if (!window) arguments.prepend("--headless");
  process.start(binary.path, arguments);
  if (!process.waitForStarted()) return -1;
  bool up = false;
  for (int i = 0; i < 100 && !up; ++i) {
    Serve(100);
    QFile file(tmp.filePath("BRV.log"));
    up = file.open(QIODevice::ReadOnly) && file.readAll().contains(link.ready);
  }
  Serve(2000);
  const auto pid = static_cast<pid_t>(process.processId());
  const Sample before = Take(pid);
  Serve(seconds * 1000);
  const Sample after = Take(pid);
  const long threads = ProcStatus(pid, "Threads");
  process.terminate();
  process.waitForFinished(10000);
  if (!up) return -1;

  const double span = std::chrono::duration<double>(after.at - before.at).count();
  const double wakeUps = static_cast<double>(Grown(before.wakeUps, after.wakeUps)) / span;
  std::printf(
      "%s, %s, %s, %.0f s quiet, %ld threads: %.2f wake-ups/s (target at most %.1f: %.2f of "
      "it), %.2f preemptions/s; CPU time (utime+stime) %.3f ms/s = %.4f %%, on the processor "
      "(schedstat) %.3f ms/s\n",
      qPrintable(binary.label), window ? "window" : "headless", link.what, span, threads, wakeUps,
      kTarget, wakeUps / kTarget,
      static_cast<double>(Grown(before.preempted, after.preempted)) / span,
      (after.cpu - before.cpu) * 1000 / span, (after.cpu - before.cpu) * 100 / span,
      (after.scheduled - before.scheduled) * 1000 / span);
  std::fflush(stdout);
  return wakeUps;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  std::vector<Binary> binaries;
  for (int i = 2; i < argc; ++i) {
    const QString given = QString::fromLocal8Bit(argv[i]);
    const qsizetype equals = given.indexOf('=');
    binaries.push_back(equals < 0 ? Binary{given, given}
                                  : Binary{given.left(equals), given.mid(equals + 1)});
  }
  if (binaries.empty()) binaries.push_back({"brevio", BREVIO_BINARY});

  QTcpServer tnc;
  tnc.listen(QHostAddress::LocalHost);
  // Connections are taken and held; the TNC never sends.
  QObject::connect(&tnc, &QTcpServer::newConnection, [&tnc] {
    while (tnc.nextPendingConnection() != nullptr) {
    }
  });
  QuietAprsIsServer aprsIs;
  const std::vector<Link> links = {
      {"stdio link", "stdio", "loading BRV object definitions"},
      {"KISS link", QString("kiss://127.0.0.1:%1").arg(tnc.serverPort()), ": connected"},
      {"APRS-IS link", QString("aprsis://127.0.0.1:%1").arg(aprsIs.Port()), "logged in as"}};

  std::printf("window platform: %s\n",
              qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", "offscreen")));
  // Wake-ups a second of each binary, a row for each case, for the table at the end.
  std::vector<std::pair<std::string, std::vector<double>>> rows;
  bool measured = true;
  for (const bool window : {false, true}) {
    for (const Link& link : links) {
      rows.push_back({std::string(window ? "window   " : "headless ") + link.what, {}});
      for (const Binary& binary : binaries) {
        rows.back().second.push_back(Measure(binary, link, window, seconds));
        measured = measured && rows.back().second.back() >= 0;
      }
    }
  }

  std::printf("\nwake-ups a second over %d s quiet (target at most %.1f)\n%-24s", seconds, kTarget,
              "");
  for (const Binary& binary : binaries) std::printf(" %12s", qPrintable(binary.label));
  std::printf("\n");
  for (const auto& [what, wakeUps] : rows) {
    std::printf("%-24s", what.c_str());
    for (const double value : wakeUps) std::printf(" %12.2f", value);
    std::printf("\n");
  }
  return measured ? 0 : 1;
}
