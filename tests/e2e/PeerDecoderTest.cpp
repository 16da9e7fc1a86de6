// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStandardPaths>
#include <vector>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

// What the station hears (TNC2 lines, or "@NAME" for the example file NAME) and what it sends
// until its input ends, as a peer's decoder reads it back: "ack N to CALL", "message N to CALL:
// TEXT", "object NAME (SYMBOL) at POSITION: COMMENT" or "killed object ...". A "*" in a reading
// stands for any text. Each row runs a station of its own, as examples/station is, which
// beacons at start.
struct Row {
  const char* name;
  const char* heard;
  std::vector<const char*> sent;
};

#define BEACON                                                                   \
  "Position, House, Experimental | N 49 03.5000, W 072 01.7500 | Query server: " \
  "message ?HELP for topics"

const Row kRows[] = {
    {"DemoTraffic",
     "@traffic.tnc2",
     {BEACON, "ack 11 to K3DEMO-7", "message 1 to K3DEMO-7:  ?WX?NET?RPT?CLUB",
      "ack 11 to K3DEMO-7", "message 2 to VE2DEMO: Wx 12C, wind NW 15 km/h, 1013 hPa, dry",
      "object WX0 (SUNNY) at N 49 05.2000, W 071 58.3000: Wx 12C, wind NW 15 km/h, 1013 hPa, dry",
      "object BRVN0CALL (INFO Kiosk  (Blue box with ?)) at N 49 03.5000, W 072 01.7500: "
      "'?\?' to N0CALL-10=info (DAZudur)",
      "message 3 to N1DEMO-9: Send ?? to N0CALL-10", "ack 42 to W2DEMO",
      "message 4 to W2DEMO: * UTC", "ack 12 to K3DEMO-7",
      "killed object WX0 (SUNNY) at N 49 05.2000, W 071 58.3000: *"}},
    // From five stations: the same station's queries within one millisecond count as one. The
    // repeater's object carries its frequency, tone and offset where decoders look for them.
    {"TopicsAndRepeater",
     "K1ABC>APRS,WIDE1-1::N0CALL-10:?VER{1\nK2ABC>APRS,WIDE1-1::N0CALL-10:?UP{2\n"
     "K3ABC>APRS,WIDE1-1::N0CALL-10:?DATE{3\nK4ABC>APRS,WIDE1-1::N0CALL-10:?CLUB{4\n"
     "W2DEMO>APRS,WIDE1-1::N0CALL-10:?RPT{43",
     {BEACON, "ack 1 to K1ABC", "message 1 to K1ABC: UIV2.03 BRV V* by the Brevio team",
      "ack 2 to K2ABC", "message 2 to K2ABC: BRV server up since * UTC", "ack 3 to K3ABC",
      "message 3 to K3ABC: * UTC", "ack 4 to K4ABC",
      "message 4 to K4ABC: Meetings 1st Tuesday, 19:30, town hall", "ack 43 to W2DEMO",
      "message 5 to W2DEMO: 147.060MHz T100 +060 Repeater on Mont Demo",
      "object RPT0 (Repeater) at N 49 01.1000, W 072 05.4000, 147.060 MHz, +600k, PL 100.0: "
      "Repeater on Mont Demo",
      "killed object RPT0 (Repeater) at N 49 01.1000, W 072 05.4000, *"}},
    // A query from the network, one relayed as third-party traffic; Mic-E and compressed
    // position reports are beacons, with nothing to answer.
    {"NetworkAndBeacons",
     "K1ABC>APRS,TCPIP*,qAC,T2TEST::QDOS     :HELP{12\n"
     "N0IGT>APRS,WIDE2-1:}K5ABC>APRS,TCPIP,N0IGT*::N0CALL-10:?TIME{5\n"
     "W3MIC>S32U6T,WIDE1-1:`(_fn\"Oj/]\nW4CMP>APRS,WIDE1-1:!/5L!!<*e7>7P[",
     {BEACON, "message 1 to K1ABC:  ?WX?NET?RPT?CLUB", "ack 5 to K5ABC",
      "message 2 to K5ABC: * UTC"}},
    // Standard queries the server leaves to the station: its status, and the way a query came.
    {"StandardQueries",
     "K1ABC>APRS,WIDE1-1::N0CALL-10:?APRSS{1\nK2ABC>APRS,WIDE1-1*,WIDE2-1::N0CALL-10:?PING?{2",
     {BEACON, "ack 1 to K1ABC", "Status Report, * | Query server: message ?HELP for topics",
      "ack 2 to K2ABC", "APRS Message  for \"K2ABC\"* | K2ABC>APRS,WIDE1-1*,WIDE2-1"}},
};

// decode_aprs's report on one frame: what it printed in red (its complaints) and the rest.
struct Decoded {
  QStringList complaints;
  QStringList lines;
};

Decoded Decode(const QString& decoder, const QString& frame) {
  QProcess process;
  process.start(decoder, {});
  process.write(frame.toLatin1() + '\n');
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(10000)) << frame.toStdString();
  // A colour holds until the next one, across lines.
  static const QRegularExpression colour("\x1b\\[([0-9;]*)m");
  static const QRegularExpression escape("\x1b\\[[0-9;]*[A-Za-z]");
  static const QRegularExpression redColour("(^|;)31$|^38;2;255;0;0$");
  Decoded decoded;
  bool red = false;
  for (QString line :
       QString::fromLatin1(process.readAllStandardOutput() + process.readAllStandardError())
           .split('\n')) {
    bool lineRed = red && !line.startsWith('\x1b');
    for (auto set = colour.globalMatch(line); set.hasNext(); lineRed |= red) {
      red = redColour.match(set.next().captured(1)).hasMatch();
    }
    line.remove(escape);
    if (line.trimmed().isEmpty() || line == frame) continue;
    lineRed ? decoded.complaints << line.trimmed() : decoded.lines << line;
  }
  return decoded;
}

QString Reading(const QStringList& lines) {
  static const QRegularExpression message(R"re(^(APRS Message|ACK message) (\S+) for "([^"]*)")re");
  static const QRegularExpression object(R"re(^(Killed Object|Object), "([^"]*)", (.*), [^,]*$)re");
  if (const auto m = message.match(lines.value(0)); m.hasMatch()) {
    const QString number = m.captured(2), to = " to " + m.captured(3);
    if (m.captured(1).startsWith("ACK")) return "ack " + number + to;
    QString text = lines.value(1);
    if (text.endsWith("{" + number)) text.chop(number.size() + 1);
    return "message " + number + to + ": " + text;
  }
  if (const auto m = object.match(lines.value(0)); m.hasMatch()) {
    return m.captured(1).toLower() + " " + m.captured(2) + " (" + m.captured(3) + ") at " +
           lines.value(1) + ": " + lines.value(2).trimmed();
  }
  return lines.join(" | ");
}

bool Matches(const QString& reading, const QString& meant) {
  QStringList parts = meant.split('*');
  for (QString& part : parts) part = QRegularExpression::escape(part);
  return QRegularExpression("^" + parts.join(".*") + "$").match(reading).hasMatch();
}

QByteArray Example(const QString& name) {
  QFile file(QStringLiteral(BREVIO_EXAMPLES "/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return file.readAll();
}

using PeerDecoderTest = StationProcessTest;

// Every frame the example station sends reads back, in a real peer's decoder, without a
// complaint and as meant.
TEST_F(PeerDecoderTest, EveryFrameTheExampleStationSendsReadsBackAsMeant) {
  const QString decoder = QStandardPaths::findExecutable("decode_aprs");
  if (decoder.isEmpty()) GTEST_SKIP() << "decode_aprs (Debian package direwolf) is not installed";
  for (const char* name : {"uiview32.ini", "overlays/brv.pos"})
    Write(host_.path() + "/" + name, Example(QString("station/") + name));
  Write(program_.path() + "/brv.txt", Example("station/brv.txt"));
  for (const auto& [name, heard, meant] : kRows) {
    SCOPED_TRACE(name);
    Write(host_.path() + "/brevio-message-number.txt", "0\n");
    sent_.clear();
    Start();
    process_.write(heard[0] == '@' ? Example(heard + 1) : QByteArray(heard) + '\n');
    process_.closeWriteChannel();
    ASSERT_TRUE(Ends(20000));
    ASSERT_EQ(process_.exitCode(), 0) << error_.toStdString();
    const QStringList frames = QString::fromLatin1(sent_).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(static_cast<std::size_t>(frames.size()), meant.size()) << sent_.toStdString();
    for (std::size_t i = 0; i < meant.size(); ++i) {
      const QString frame = frames[static_cast<qsizetype>(i)].trimmed();
      SCOPED_TRACE(frame.toStdString());
      const Decoded decoded = Decode(decoder, frame);
      EXPECT_EQ(decoded.complaints.join('\n').toStdString(), "");
      const QString reading = Reading(decoded.lines);
      EXPECT_TRUE(Matches(reading, meant[i])) << reading.toStdString() << "\nmeant: " << meant[i];
    }
  }
}

}  // namespace
}  // namespace brevio::test
