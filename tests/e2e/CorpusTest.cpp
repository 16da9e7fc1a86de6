#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

using Position = std::optional<std::pair<double, double>>;

// Sent before every frame, so that what each frame raised can be told apart in both outputs.
const QByteArray kMarker = "MARK>APRS:!0101.01N/00101.01E.";

// Where the station and decode_aprs part, each with the APRS references' reason; a frame that
// matches no row must agree, and every row must be met.
struct Parting {
  const char* frames;  // a pattern of the whole TNC2 line
  const char* reason;
};
const Parting kPartings[] = {
    {R"(^[^:]*:(\}[^:]*:)?;.*)",
     "an object report places the object, not its sender (APRS 1.01, chapter 11)"},
    {R"(^[^:]*:`.{7}$)",
     "a Mic-E information field holds at least 9 bytes (APRS 1.01, chapter 10); this one 8"},
};

// decode_aprs takes AX.25 addresses only and reads no third-party frame's inner frame: it is
// given the information field under a plain header, the destination kept for Mic-E.
QByteArray ForDecodeAprs(QByteArray frame) {
  const qsizetype colon = frame.indexOf(':');
  QByteArray info = frame.mid(colon + 1);
  if (info.startsWith('}') && info.contains(':')) return ForDecodeAprs(info.mid(1));
  QByteArray destination = frame.left(colon).split(',')[0].split('>').value(1);
  static const QRegularExpression ax25("^[A-Z0-9]{1,6}(-\\d{1,2})?$");
  if (!ax25.match(QString::fromLatin1(destination)).hasMatch()) destination = "APRS";
  return "N0CALL>" + destination + ":" + info;
}

// What decode_aprs makes of the text between two markers: its first position, after the
// marker's own.
Position DecodeAprsPosition(const QString& report) {
  static const QRegularExpression position(R"(([NS]) (\d+) (\d+\.\d+), ([EW]) (\d+) (\d+\.\d+))");
  auto found = position.globalMatch(report);
  if (found.hasNext()) found.next();
  if (!found.hasNext()) return std::nullopt;
  const auto m = found.next();
  const auto degrees = [&m](int at, const char* negative) {
    const double value = m.captured(at + 1).toDouble() + m.captured(at + 2).toDouble() / 60;
    return m.captured(at) == negative ? -value : value;
  };
  return std::pair{degrees(1, "S"), degrees(4, "W")};
}

// decode_aprs gives a blurred position's corner, the station its middle; the status line
// holds seven significant digits.
bool Agree(const std::pair<double, double>& ours, const std::pair<double, double>& theirs) {
  for (const double box : {0.0, 0.1, 1.0, 10.0, 60.0}) {
    const auto middle = [box](double v) {
      if (box == 0) return v;
      return std::copysign((std::floor(std::fabs(v) / (box / 60) + 1e-6) + 0.5) * box / 60, v);
    };
    if (std::fabs(ours.first - middle(theirs.first)) < 1e-4 &&
        std::fabs(ours.second - middle(theirs.second)) < 1e-4) {
      return true;
    }
  }
  return false;
}

using CorpusTest = StationProcessTest;

TEST_F(CorpusTest, EveryPositionDecodeAprsReadsInRealTrafficRaisesTheSameNotifyBeacon) {
  const QString decoder = QStandardPaths::findExecutable("decode_aprs");
  if (decoder.isEmpty()) GTEST_SKIP() << "decode_aprs (Debian package direwolf) is not installed";
  QFile corpus(QStringLiteral(BREVIO_TEST_DATA "/aprs-corpus.tnc2"));
  ASSERT_TRUE(corpus.open(QIODevice::ReadOnly));
  QList<QByteArray> frames = corpus.readAll().split('\n');
  if (frames.back().isEmpty()) frames.removeLast();
  QByteArray heard, decoded;
  for (const QByteArray& frame : frames) {
    heard += kMarker + '\n' + frame + '\n';
    decoded += kMarker + '\n' + ForDecodeAprs(frame) + '\n';
  }
  Start();
  process_.write(heard);
  process_.closeWriteChannel();
  ASSERT_TRUE(Ends(20000));
  std::vector<Position> ours;
  static const QRegularExpression beacon(R"(NotifyBeacon\((.*), (\S+), (\S+)\)\r?$)");
  for (const QString& line : QString::fromLatin1(error_).split('\n')) {
    const auto m = beacon.match(line);
    if (!m.hasMatch()) continue;
    if (m.captured(1) == "MARK")
      ours.emplace_back();
    else
      ours.back() = std::pair{m.captured(2).toDouble(), m.captured(3).toDouble()};
  }
  QProcess decodeAprs;
  decodeAprs.start(decoder, {});
  decodeAprs.write(decoded);
  decodeAprs.closeWriteChannel();
  ASSERT_TRUE(decodeAprs.waitForFinished(20000));
  QString report = QString::fromLatin1(decodeAprs.readAllStandardOutput());
  report.remove(QRegularExpression("\x1b\\[[0-9;]*[A-Za-z]"));
  const QStringList theirs = report.split(QString::fromLatin1(kMarker) + '\n').mid(1);
  ASSERT_EQ(ours.size(), static_cast<std::size_t>(frames.size()));
  ASSERT_EQ(theirs.size(), frames.size());

  int agreeing = 0, onlyDecodeAprs = 0, onlyStation = 0, disagreeing = 0;
  std::vector<int> met(std::size(kPartings));
  for (qsizetype i = 0; i < frames.size(); ++i) {
    const Position mine = ours[static_cast<std::size_t>(i)];
    const Position peer = DecodeAprsPosition(theirs[i]);
    if (!mine && !peer) continue;
    if (mine && peer && Agree(*mine, *peer)) {
      ++agreeing;
      continue;
    }
    ++(!mine ? onlyDecodeAprs : !peer ? onlyStation : disagreeing);
    const auto parting = std::find_if(std::begin(kPartings), std::end(kPartings), [&](auto& p) {
      return QRegularExpression(p.frames).match(QString::fromLatin1(frames[i])).hasMatch();
    });
    EXPECT_NE(parting, std::end(kPartings)) << "line " << i + 1 << ": " << frames[i].data();
    if (parting != std::end(kPartings)) ++met[static_cast<std::size_t>(parting - kPartings)];
  }
  for (std::size_t row = 0; row < met.size(); ++row)
    EXPECT_GT(met[row], 0) << kPartings[row].reason;
  std::printf(
      "%lld frames: %d agreeing, %d only decode_aprs, %d only the station, %d disagreeing\n",
      static_cast<long long>(frames.size()), agreeing, onlyDecodeAprs, onlyStation, disagreeing);
}

}  // namespace
}  // namespace brevio::test
