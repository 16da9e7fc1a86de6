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

#include "StationProcess.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/KissDeframer.h"
#include "host/aprs/Tnc2Line.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

// Runs events until `done` holds or ten seconds have passed; returns `done`.
template <typename Done>
bool WaitFor(Done done) {
  return QTest::qWaitFor(done, 10000);
}

// Makes `process` die with the test, however the test ends.
void EndWithTheTest(QProcess& process) {
  process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

// A loopback port that nothing listens on now.
quint16 FreeLoopbackPort() {
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
class DirewolfStationTest : public StationProcessTest {
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
    direwolf.start("direwolf", {"-t", "0", "-q", "hd", "-c", conf.fileName()});
    ASSERT_TRUE(direwolf.waitForStarted()) << direwolf.errorString().toStdString();
    ASSERT_TRUE(WaitFor([&] {
      QTcpSocket probe;
      probe.connectToHost(QHostAddress::LocalHost, port);
      return probe.waitForConnected(100);
    })) << "Direwolf "
        << name.toStdString() << " does not listen on its KISS port " << port << ":\n"
        << direwolf.readAll().toStdString();
    (name == "a" ? portA_ : portB_) = port;
  }

  std::string Diagnosis() {
    return "\nbrevio:\n" + error_.toStdString() + "\nDirewolf A:\n" + a_.readAll().toStdString() +
           "\nDirewolf B:\n" + b_.readAll().toStdString();
  }

  QTemporaryDir folder_;
  std::vector<int> fifos_;
  QProcess a_;
  QProcess b_;
  quint16 portA_ = 0;
  quint16 portB_ = 0;
  KissStation radio_;
};

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
