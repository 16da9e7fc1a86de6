#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <csignal>

#include "e2e/StationProcess.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/KissDeframer.h"
#include "host/aprs/Tnc2Line.h"

namespace brevio::test {

using Lines = std::vector<std::string>;

// Runs events until `done` holds or ten seconds have passed; returns `done`.
template <typename Done>
bool WaitFor(Done done) {
  return QTest::qWaitFor(done, 10000);
}

// Makes `process` die with the test, however the test ends.
inline void EndWithTheTest(QProcess& process) {
  process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

// A loopback port that nothing listens on now.
inline quint16 FreeLoopbackPort() {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost);
  return server.serverPort();
}

// A station of the test's own on a TNC's KISS port: it sends TNC2 lines as AX.25 frames and
// keeps what it hears as TNC2 lines.
class KissStation {
 public:
  bool Connect(quint16 port) {
    QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] {
      const QByteArray bytes = socket_.readAll();
      for (const KissFrame& kiss : deframer_.Feed(bytes.toStdString())) {
        const Ax25Decoded decoded = DecodeAx25UiFrame(kiss.payload);
        heard.push_back(decoded.frame ? FormatTnc2Line(*decoded.frame) : decoded.fault);
      }
    });
    socket_.connectToHost(QHostAddress::LocalHost, port);
    return socket_.waitForConnected(2000);
  }

  void Send(const std::string& line) {
    const auto ax25 = EncodeAx25UiFrame(ParseTnc2Line(line, CallSignRule::Ax25).value());
    const std::string kiss = EncodeKissFrame(0, ax25.value()).value();
    socket_.write(kiss.data(), static_cast<qint64>(kiss.size()));
  }

  bool Heard(const std::string& line) const {
    return std::find(heard.begin(), heard.end(), line) != heard.end();
  }

  Lines heard;

 private:
  QTcpSocket socket_;
  KissDeframer deframer_;
};

// A radio channel on this machine: two Direwolf instances, A for the server and B for the test
// station, each transmitting raw audio through ALSA's file plugin into a FIFO that the other
// one's receiver reads. The test holds both FIFOs open for reading and writing, so that neither
// instance waits for the other to open its end. Both key up at once (full duplex): the audio a
// receiver hears stops dead after each frame, so it would never find the channel clear.
// A offers its KISS TNC on a TCP port, and on a pseudo-terminal too when the test asks for one.
class DirewolfLoopTest : public StationProcessTest {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("direwolf").isEmpty()) {
      GTEST_SKIP() << "direwolf is not installed (Debian package direwolf): there is no real "
                      "TNC to test over";
    }
    ASSERT_TRUE(folder_.isValid());
    const QString alsa = folder_.filePath("asound.conf");
    QFile conf(alsa);
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    for (const char* air : {"ab", "ba"}) {
      const QString fifo = folder_.filePath(QString(air) + ".fifo");
      ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
      fifos_.push_back(::open(fifo.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC));
      ASSERT_GE(fifos_.back(), 0);
      conf.write(QString("pcm.air%1 { type file slave.pcm \"null\" file \"%2\" format \"raw\" }\n")
                     .arg(air, fifo)
                     .toUtf8());
    }
    conf.close();
    StartDirewolf(a_, "a", "ba.fifo", "airab", alsa);
    StartDirewolf(b_, "b", "ab.fifo", "airba", alsa);
  }

  void TearDown() override {
    for (QProcess* direwolf : {&a_, &b_}) {
      direwolf->kill();
      direwolf->waitForFinished(2000);
    }
    for (const int fifo : fifos_) ::close(fifo);
    // Direwolf links its pseudo-terminal from a fixed name, which a later run may have taken.
    if (!ptyA_.isEmpty() && QFile::symLinkTarget("/tmp/kisstnc") == ptyA_) {
      QFile::remove("/tmp/kisstnc");
    }
  }

  void StartDirewolf(QProcess& direwolf, const QString& name, const QString& in, const QString& out,
                     const QString& alsa) {
    const quint16 port = FreeLoopbackPort();
    QFile conf(folder_.filePath(name + ".conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write(QString("ADEVICE stdin %1\nCHANNEL 0\nMYCALL N0CALL-%2\nMODEM 1200\n"
                       "TXDELAY 10\nTXTAIL 2\nSLOTTIME 1\nPERSIST 255\nDWAIT 0\nFULLDUP ON\n"
                       "KISSPORT %3\nAGWPORT 0\n")
                   .arg(out, name == "a" ? "1" : "2")
                   .arg(port)
                   .toUtf8());
    conf.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ALSA_CONFIG_PATH", "/usr/share/alsa/alsa.conf:" + alsa);
    direwolf.setProcessEnvironment(env);
    direwolf.setProcessChannelMode(QProcess::MergedChannels);
    direwolf.setStandardInputFile(folder_.filePath(in));
    EndWithTheTest(direwolf);
    const bool pty = name == "a" && pseudoTerminalA_;
    direwolf.start("direwolf", QStringList{"-t", "0", "-q", "hd", "-c", conf.fileName()} +
                                   (pty ? QStringList{"-p"} : QStringList{}));
    ASSERT_TRUE(direwolf.waitForStarted()) << direwolf.errorString().toStdString();
    ASSERT_TRUE(WaitFor([&] {
      QTcpSocket probe;
      probe.connectToHost(QHostAddress::LocalHost, port);
      return probe.waitForConnected(100);
    })) << "Direwolf "
        << name.toStdString() << " does not listen on its KISS port " << port << ":\n"
        << direwolf.readAll().toStdString();
    (name == "a" ? portA_ : portB_) = port;
    // It names the terminal's far end, the device its KISS clients open.
    const QByteArray named = "Virtual KISS TNC is available on ";
    ASSERT_TRUE(!pty || WaitFor([&] {
      startA_ += direwolf.readAll();
      return startA_.contains(named) && startA_.indexOf('\n', startA_.indexOf(named)) > 0;
    })) << startA_.toStdString();
    if (pty) {
      const qsizetype from = startA_.indexOf(named) + named.size();
      ptyA_ = QString::fromLocal8Bit(startA_.mid(from, startA_.indexOf('\n', from) - from));
    }
  }

  std::string Diagnosis() {
    return "\nbrevio:\n" + error_.toStdString() + "\nDirewolf A:\n" + startA_.toStdString() +
           a_.readAll().toStdString() + "\nDirewolf B:\n" + b_.readAll().toStdString();
  }

  QTemporaryDir folder_;
  std::vector<int> fifos_;
  QProcess a_;
  QProcess b_;
  quint16 portA_ = 0;
  quint16 portB_ = 0;
  // Set before SetUp for a pseudo-terminal on A; its device, once A has started.
  bool pseudoTerminalA_ = false;
  QString ptyA_;
  QByteArray startA_;
  KissStation radio_;
};

}  // namespace brevio::test
