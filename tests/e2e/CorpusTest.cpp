// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "e2e/StationProcess.h"
#include "support/DecodeAprsReading.h"

namespace brevio::test {
namespace {

using Position = std::optional<std::pair<double, double>>;

// Heard before every frame, so that what each frame raised can be told apart in both outputs.
const QByteArray kMarker = "MARK>APRS:!0101.01N/00101.01E.";

// Where the station and decode_aprs part, with the APRS references' reason (a pattern of the
// whole frame). Every other frame agrees, and every row is met.
const std::pair<const char*, const char*> kPartings[] = {
    {R"(^[^:]*:(\}[^:]*:)?;.*)",
     "an object report places the object, not its sender (APRS 1.01, chapter 11)"},
    {R"(^[^:]*:`.{7}$)",
     "a Mic-E information field holds at least 9 bytes (APRS 1.01, chapter 10); this one 8"}};

// decode_aprs takes AX.25 addresses only and reads no third-party frame's inner frame: it is
// given the information field under a plain header, the destination kept for Mic-E.
QByteArray ForDecodeAprs(const QByteArray& frame) {
  const QByteArray info = frame.mid(frame.indexOf(':') + 1);
  if (info.startsWith('}') && info.contains(':')) return ForDecodeAprs(info.mid(1));
  QByteArray destination = frame.left(frame.indexOf(':')).split(',')[0].split('>').value(1);
  static const QRegularExpression ax25("^[A-Z0-9]{1,6}(-\\d{1,2})?$");
  if (!ax25.match(QString::fromLatin1(destination)).hasMatch()) destination = "APRS";
  return "N0CALL>" + destination + ":" + info;
}

// One entry for each line that holds `marker`: the first position `read` finds in the lines
// after it.
template <typename Read>
std::vector<Position> PerFrame(const QString& text, const QString& marker, Read read) {
  std::vector<Position> found;
  for (const QString& line : text.split('\n')) {
    if (line.contains(marker))
      found.emplace_back();
    else if (!found.empty() && !found.back())
      found.back() = read(line);
  }
  return found;
}

// decode_aprs gives a blurred position's corner, the station its middle; the status line holds
// seven significant digits.
bool Agree(const std::pair<double, double>& ours, const std::pair<double, double>& theirs) {
  return std::ranges::any_of(std::array{0, 1, 2, 3, 4}, [&](int ambiguity) {
    return std::fabs(ours.first - MiddleOfBox(theirs.first, ambiguity)) < 1e-4 &&
           std::fabs(ours.second - MiddleOfBox(theirs.second, ambiguity)) < 1e-4;
  });
}

using CorpusTest = StationProcessTest;

TEST_F(CorpusTest, EveryPositionDecodeAprsReadsInRealTrafficRaisesTheSameNotifyBeacon) {
  const QString decoder = QStandardPaths::findExecutable("decode_aprs");
  if (decoder.isEmpty()) GTEST_SKIP() << "decode_aprs (Debian package direwolf) is not installed";
  QFile corpus(QStringLiteral(BREVIO_SOURCE "/tests/data/aprs-corpus.tnc2"));
  ASSERT_TRUE(corpus.open(QIODevice::ReadOnly));
  const QList<QByteArray> frames = corpus.readAll().trimmed().split('\n');
  QByteArray heard, decoded;
  for (const QByteArray& frame : frames) {
    heard += kMarker + '\n' + frame + '\n';
    decoded += kMarker + '\n' + ForDecodeAprs(frame) + '\n';
  }
  Start();
  process_.write(heard);
  process_.closeWriteChannel();
  ASSERT_TRUE(Ends(20000));
  QProcess decodeAprs;
  decodeAprs.start(decoder, {});
  decodeAprs.write(decoded);
  decodeAprs.closeWriteChannel();
  ASSERT_TRUE(decodeAprs.waitForFinished(20000));
  static const QRegularExpression beacon(R"(NotifyBeacon\(\S+, (\S+), (\S+)\))");
  const std::vector<Position> ours =
      PerFrame(QString::fromLatin1(error_), "NotifyBeacon(MARK,", [](const QString& line) {
        const auto m = beacon.match(line);
        return m.hasMatch() ? Position({m.captured(1).toDouble(), m.captured(2).toDouble()})
                            : std::nullopt;
      });
  const std::vector<Position> theirs =
      PerFrame(QString::fromLatin1(decodeAprs.readAllStandardOutput()),
               QString::fromLatin1(kMarker), [](const QString& line) {
                 return line.contains("N 01 01.0100") ? std::nullopt
                                                      : DecodeAprsPosition(line.toStdString());
               });
  ASSERT_EQ(ours.size(), static_cast<std::size_t>(frames.size()));
  ASSERT_EQ(theirs.size(), ours.size());

  std::array<int, 4> counts{};  // agreeing, only decode_aprs, only the station, disagreeing
  std::vector<int> met(std::size(kPartings));
  for (std::size_t i = 0; i < ours.size(); ++i) {
    const auto &mine = ours[i], &peer = theirs[i];
    if (!mine && !peer) continue;
    const std::size_t kind = mine && peer ? (Agree(*mine, *peer) ? 0 : 3) : mine ? 2 : 1;
    ++counts[kind];
    if (kind == 0) continue;
    const QString frame = QString::fromLatin1(frames[static_cast<qsizetype>(i)]);
    const auto parting = std::ranges::find_if(kPartings, [&](const auto& row) {
      return QRegularExpression(row.first).match(frame).hasMatch();
    });
    EXPECT_NE(parting, std::end(kPartings)) << "line " << i + 1 << ": " << frame.toStdString();
    if (parting != std::end(kPartings)) ++met[static_cast<std::size_t>(parting - kPartings)];
  }
  for (std::size_t row = 0; row < met.size(); ++row) {
    EXPECT_GT(met[row], 0) << kPartings[row].second;
  }
  std::printf("%zu frames: %d agreeing, %d only decode_aprs, %d only the station, %d disagreeing\n",
              ours.size(), counts[0], counts[1], counts[2], counts[3]);
}

}  // namespace
}  // namespace brevio::test
