// SPDX-License-Identifier: GPL-3.0-or-later
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
                    QByteArray::number(port_[i]) + "\n" + extra_[i]);
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

  // The test station on instance `i`: it sends TNC2 lines as AX.25 frames and keeps what it
  // hears as TNC2 lines.
  void Listen(int i = 1) {
    QObject::connect(&radio_, &QTcpSocket::readyRead, [this] {
      for (const KissFrame& kiss : deframer_.Feed(radio_.readAll().toStdString())) {
        const Ax25Decoded decoded = DecodeAx25UiFrame(kiss.payload);
        heard_.push_back(decoded.frame ? FormatTnc2Line(*decoded.frame) : decoded.fault);
      }
    });
    radio_.connectToHost(QHostAddress::LocalHost, port_[i]);
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

  QByteArray extra_[2];  // more configuration for each instance
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

// A small APRS-IS server on loopback: it takes every login, and passes each frame a client sends
// on to the other clients, with the q construct of a client's own frame where it has none.
class LoopbackAprsIs {
 public:
  LoopbackAprsIs() {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      QTcpSocket* client = server_.nextPendingConnection();
      clients_.push_back(client);
      QObject::connect(client, &QTcpSocket::readyRead, [this, client] { Read(*client); });
    });
  }

  quint16 Port() const { return server_.serverPort(); }
  // The connected client logged in as `call`, if any.
  QTcpSocket* Client(const QByteArray& call) const {
    for (QTcpSocket* client : clients_) {
      if (client->property("call") == call && client->state() == QTcpSocket::ConnectedState) {
        return client;
      }
    }
    return nullptr;
  }
  bool Heard(const QByteArray& text) const {
    return std::any_of(frames.begin(), frames.end(), [&](auto& f) { return f.contains(text); });
  }

  QList<QByteArray> frames;  // from the clients, as passed on

 private:
  void Read(QTcpSocket& client) {
    while (client.canReadLine()) {
      QByteArray line = client.readLine().trimmed();
      if (line.startsWith("user ")) {
        client.setProperty("call", line.split(' ').value(1));
        client.write("# logresp " + line.split(' ').value(1) + " verified, server T2TEST\r\n");
        continue;
      }
      if (line.isEmpty() || line.startsWith('#')) continue;
      const qsizetype colon = line.indexOf(':');
      if (!line.left(colon).contains(",qA")) line.insert(colon, ",qAC,T2TEST");
      frames.push_back(line);
      for (QTcpSocket* other : clients_) {
        if (other != &client) other->write(line + "\r\n");
      }
    }
  }

  QTcpServer server_;
  std::vector<QTcpSocket*> clients_;  // children of server_
};

// Instance 1 is an IGate (Direwolf's own) on the loopback APRS-IS server, which passes messages
// from APRS-IS to the air.
class DirewolfIGateTest : public DirewolfStationTest {
 protected:
  DirewolfIGateTest() {
    extra_[1] = "IGSERVER 127.0.0.1:" + QByteArray::number(aprsIs_.Port()) +
                "\nIGLOGIN N0CALL-2 13023\nIGTXVIA 0 WIDE1-1\n";
  }

  std::string Seen() {
    return Diagnosis() + "\nAPRS-IS:\n" + aprsIs_.frames.join('\n').toStdString();
  }
  bool Heard(const std::string& text) const {
    return std::any_of(heard_.begin(), heard_.end(),
                       [&](const std::string& line) { return line.find(text) != line.npos; });
  }

  LoopbackAprsIs aprsIs_;
};

// On APRS-IS, the station answers a query heard on the air by an IGate, and the answer goes out
// on the air as third-party traffic. An IGate passes a message from APRS-IS to the air only for a
// station it heard there: on the air, the station's beacon makes it heard, and a query from
// APRS-IS reaches it and is answered.
TEST_F(DirewolfIGateTest, QueriesCrossTheIGateBothWaysOnceTheStationHasBeaconed) {
  Write(host_.path() + "/uiview32.ini",
        "[STATION]\r\nCALLSIGN=N0CALL-10\r\nLATITUDE=4903.50N\r\nLONGITUDE=07201.75W\r\n"
        "[MESSAGES]\r\nREMOTE_COMMANDS=2\r\nDEFAULT_PORT=1\r\n");
  Listen(0);
  Start("aprsis://127.0.0.1:" + QString::number(aprsIs_.Port()));
  // Direwolf connects to its server 5 s after it starts, and passes frames from the air on 7 s
  // after its login.
  std::size_t probes = 0;
  ASSERT_TRUE(Until(
      [&] {
        if (aprsIs_.Heard("N0CALL>APRS,WIDE1-1,qAR,N0CALL-2:>ready")) return true;
        if (aprsIs_.Client("N0CALL-2") == nullptr) return false;
        Send("N0CALL>APRS,WIDE1-1:>ready" + std::string(probes++ % 3, '.'));
        QTest::qWait(1000);
        return false;
      },
      20000))
      << Seen();
  Send("N0CALL>APRS,WIDE1-1::N0CALL-10:?WX{6");
  const std::string relayed = ":}N0CALL-10>APZBRV,TCPIP,N0CALL-2*::N0CALL   :";
  ASSERT_TRUE(Until([&] { return Heard(relayed + "Sunny{1"); })) << Seen();
  EXPECT_TRUE(Heard(relayed + "ack6")) << Seen();
  process_.terminate();
  ExpectOrderlyEnd();

  Start("kiss://127.0.0.1:" + QString::number(port_[0]));
  ASSERT_TRUE(Until([&] {
    return aprsIs_.Heard("N0CALL-10>APZBRV,WIDE1-1,WIDE2-1,qAR,N0CALL-2:=4903.50N/07201.75W-");
  })) << Seen();
  aprsIs_.Client("N0CALL-2")->write("K0NET-1>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?WX{5\r\n");
  ASSERT_TRUE(Until([&] { return aprsIs_.Heard("::K0NET-1  :Sunny{2"); })) << Seen();
  EXPECT_TRUE(aprsIs_.Heard("N0CALL-10>APZBRV,WIDE1-1,WIDE2-1,qAR,N0CALL-2::K0NET-1  :ack5"))
      << Seen();
}

}  // namespace
}  // namespace brevio::test
