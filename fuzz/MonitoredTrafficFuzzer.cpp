// SPDX-License-Identifier: GPL-3.0-or-later
// The whole DataAvailable handler over a fake host: parse, gate, topic dispatch, replies and the
// server object. The input is a series of monitored texts cut at "\xFF\xFF", heard five seconds
// apart, so that repeats and the request gate come into play; heard once by a sound host and once
// by a host that fails every call but the one that hands over the text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "support/QueryHarness.h"

namespace brevio::fuzz {
namespace {

constexpr std::string_view kTextSeparator = "\xFF\xFF";
// Enough texts to reach the gate's throttle and its recovery.
constexpr std::size_t kMaxTexts = 16;
constexpr std::int32_t kTextSpacingMs = 5000;

void HearAll(std::string_view input, bool failingHost) {
  test::QueryHarness h;
  if (failingHost) {
    h.host.failing = {"DistanceBearing", "GetObjectList", "CreateObject", "DeleteObject",
                      "SendAPRSMessage"};
  }
  h.AddTopic("?WX", "Sunny, 20 C");
  h.AddTopic("?NET", "Mondays, 20:00 on 145.500");
  TopicEntry& net = h.topics[2];
  net.strObject = "NET";
  net.dblLat = 52.51;
  net.dblLong = 4.26;
  net.strTable = "/";
  net.strSymbol = "-";
  h.host.distances = {3.2, 0.4};

  std::size_t heard = 0;
  std::int32_t timerRunFor = 0;
  for (const std::string_view text : SplitAt(input, kTextSeparator)) {
    if (++heard > kMaxTexts) break;
    const std::size_t sentBefore = h.host.messages.size();
    h.Hear(std::string(text));
    Require(h.host.messages.size() <= sentBefore + 1, "one monitored text gets at most one reply");
    h.clock.Advance(kTextSpacingMs);
    // Timer1 ticks as a real timer would between the texts.
    timerRunFor = h.timer1.enabled ? timerRunFor + kTextSpacingMs : 0;
    if (h.timer1.enabled && timerRunFor >= h.timer1.interval) {
      timerRunFor = 0;
      h.gate.Timer1Tick();
    }
  }
}

}  // namespace
}  // namespace brevio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = brevio::fuzz::AsText(data, size);
  brevio::fuzz::HearAll(input, false);
  brevio::fuzz::HearAll(input, true);
  return 0;
}
