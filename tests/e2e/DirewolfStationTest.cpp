#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

#include "e2e/StationProcess.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/KissDeframer.h"
#include "host/aprs/Tnc2Line.h"

namespace brevio::test {
namespace {

// A radio channel on this machine: two Direwolf instances, 0 for the server and 1 for the test
// station, each transmitting raw audio through ALSA's file plugin into a FIFO that the other
// one's receiver reads. The test holds both FIFOs open, so that neither instance waits for the
// other to open its end. Both key up at once (full duplex): the audio a receiver hears stops
// dead after each frame, so it would never find the channel clear. Each offers its KISS TNC on
// a TCP port; 0 on a pseudo-terminal too, as a hardware TNC on a serial port.
class DirewolfStationTest : public StationProcessTest {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("direwolf").isEmpty()) {
      GTEST_SKIP() << "direwolf (Debian package direwolf) is not installed: no real TNC";
    }
    QByteArray alsa;
    for (const char* air : {"01", "10"}) {
      const QByteArray fifo = tmp_.filePath(QString(air) + ".fifo").toLocal8Bit();
      ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
      fifos_.push_back(::open(fifo.constData(), O_RDWR | O_CLOEXEC));
      ASSERT_GE(fifos_.back(), 0);
      alsa += "pcm.air" + QByteArray(air) + " { type file slave.pcm \"null\" file \"" + fifo +
              "\" format \"raw\" }\n";
    }
    Write(tmp_.filePath("asound.conf"), alsa);
    qputenv("ALSA_CONFIG_PATH",
            "/usr/share/alsa/alsa.conf:" + tmp_.filePath("asound.conf").toLocal8Bit());
    for (int i : {0, 1}) StartDirewolf(i);
  }

  void TearDown() override {
    for (QProcess& direwolf : direwolf_) direwolf.kill(), direwolf.waitForFinished(2000);
    for (const int fifo : fifos_) ::close(fifo);
    // Direwolf links its pseudo-terminal from a fixed name, which a later run may have taken.
    if (!pty_.isEmpty() && QFile::symLinkTarget("/tmp/kisstnc") == pty_) {
      QFile::remove("/tmp/kisstnc");
    }
  }

  // Instance `i` hears the FIFO of the other's transmitter.
  void StartDirewolf(int i) {
    QTcpServer free;  // a loopback port that nothing listens on now
    free.listen(QHostAddress::LocalHost);
    port_[i] = free.serverPort();
    free.close();
    const QString conf = tmp_.filePath(QString("direwolf%1.conf").arg(i));
    Write(conf, "ADEVICE stdin air" + QByteArray(i ? "10" : "01") + "\nCHANNEL 0\nMYCALL N0CALL-" +
                    QByteArray::number(i + 1) +
                    "\nMODEM 1200\nTXDELAY 10\nTXTAIL 2\nSLOTTIME 1\nPERSIST 255\nDWAIT 0\n"
                    "FULLDUP ON\nAGWPORT 0\nKISSPORT " +
                    QByteArray::number(port_[i]) + "\n");
    QProcess& direwolf = direwolf_[i];
    direwolf.setProcessChannelMode(QProcess::MergedChannels);
    direwolf.setStandardInputFile(tmp_.filePath(i ? "01.fifo" : "10.fifo"));
    EndWithTheTest(direwolf);
    direwolf.start("direwolf", QStringList{"-t", "0", "-q", "hd", "-c", conf} +
                                   (i == 0 ? QStringList{"-p"} : QStringList{}));
    ASSERT_TRUE(direwolf.waitForStarted()) << direwolf.errorString().toStdString();
    // It names the pseudo-terminal's far end, the device its KISS clients open.
    static const QRegularExpression pty("Virtual KISS TNC is available on (\\S+)\n");
    ASSERT_TRUE(Until([&] {
      output_[i] += direwolf.readAll();
      return output_[i].contains("Ready to accept KISS TCP client") &&
             (i != 0 || pty.match(output_[i]).hasMatch());
    })) << output_[i].toStdString();
    if (i == 0) pty_ = pty.match(output_[0]).captured(1);
  }

  // The test station on instance 1: it sends TNC2 lines as AX.25 frames and keeps what it hears
  // as TNC2 lines.
  void Listen() {
    QObject::connect(&radio_, &QTcpSocket::readyRead, [this] {
      for (const KissFrame& kiss : deframer_.Feed(radio_.readAll().toStdString())) {
        const Ax25Decoded decoded = DecodeAx25UiFrame(kiss.payload);
        heard_.push_back(decoded.frame ? FormatTnc2Line(*decoded.frame) : decoded.fault);
      }
    });
    radio_.connectToHost(QHostAddress::LocalHost, port_[1]);
    ASSERT_TRUE(radio_.waitForConnected(2000));
  }

  void Send(const std::string& line) {
    const auto ax25 = EncodeAx25UiFrame(ParseTnc2Line(line, CallSignRule::Ax25).value());
    const std::string kiss = EncodeKissFrame(0, ax25.value()).value();
    radio_.write(kiss.data(), static_cast<qint64>(kiss.size()));
  }

  std::string Diagnosis() {
    for (int i : {0, 1}) output_[i] += direwolf_[i].readAll();
    return "\nbrevio:\n" + error_.toStdString() + "\nDirewolf 0:\n" + output_[0].toStdString() +
           "\nDirewolf 1:\n" + output_[1].toStdString();
  }

  std::vector<int> fifos_;
  QProcess direwolf_[2];
  quint16 port_[2] = {};
  QByteArray output_[2];
  QString pty_;
  QTcpSocket radio_;
  KissDeframer deframer_;
  std::vector<std::string> heard_;
};

// On either TNC, Direwolf's KISS over TCP or its pseudo-terminal as a serial device.
TEST_F(DirewolfStationTest, AnswersAQueryHeardOverTheAirAndKillsItsObjectAtTheEnd) {
  Listen();
  const std::string from = "N0CALL-10>APZBRV,WIDE1-1,WIDE2-1:";
  const std::pair<QString, std::string> runs[] = {
      {"kiss://127.0.0.1:" + QString::number(port_[0]), "1"}, {"serial:" + pty_, "2"}};
  for (const auto& [tnc, number] : runs) {
    SCOPED_TRACE(tnc.toStdString());
    heard_.clear();
    Start(tnc);
    const bool serial = tnc.startsWith("serial:");
    ASSERT_TRUE(Shows(error_, "TNC " + tnc.toUtf8() + (serial ? "@9600" : "") + ": connected\n"))
        << Diagnosis();
    Send("N0CALL>APRS,WIDE1-1::N0CALL-10:?WX{5");
    ASSERT_TRUE(Until([&] { return heard_.size() >= 3; })) << Diagnosis();
    EXPECT_EQ(heard_[0], from + ":N0CALL   :ack5");
    EXPECT_EQ(heard_[1], from + ":N0CALL   :Sunny{" + number);
    EXPECT_TRUE(heard_[2].starts_with(from + ";WX0      *")) << heard_[2];
    EXPECT_TRUE(heard_[2].ends_with("z4905.20N/07158.30W_Sunny")) << heard_[2];
    // The unload kills the object over the air before the program ends.
    process_.terminate();
    ExpectOrderlyEnd();
    EXPECT_TRUE(Until([&] { return heard_.back().starts_with(from + ";WX0      _"); }))
        << Diagnosis();
  }
}

}  // namespace
}  // namespace brevio::test
