// The whole DataAvailable handler over a fake host: parse, gate, topic dispatch, replies and the
// server object. The input is a series of monitored texts cut at "\xFF\xFF", heard five seconds
// apart, so that repeats and the request gate come into play.

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

void HearAll(std::string_view input) {
  test::QueryHarness h;
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
  for (const std::string_view text : SplitAt(input, kTextSeparator)) {
    if (++heard > kMaxTexts) break;
    const std::size_t sentBefore = h.host.CallsOf("SendAPRSMessage").size();
    h.Hear(std::string(text));
    Require(h.host.CallsOf("SendAPRSMessage").size() <= sentBefore + 1,
            "one monitored text gets at most one reply");
    h.clock.Advance(5000);
  }
}

}  // namespace
}  // namespace brevio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brevio::fuzz::HearAll(brevio::fuzz::AsText(data, size));
  return 0;
}
