// SPDX-License-Identifier: GPL-3.0-or-later
// A KISS byte stream from a TNC. The first byte sets the deframer's payload bound (0xFF: the
// default one), the second the size of the chunks the stream arrives in; the rest is the
// stream. Each frame's payload goes on to the AX.25 decoder, as in the station host.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/KissDeframer.h"
#include "host/aprs/KissFrame.h"

namespace brevio::fuzz {
namespace {

struct Deframed {
  std::vector<KissFrame> frames;
  std::size_t overlong = 0;
  std::size_t malformed = 0;
  std::size_t otherCommands = 0;

  bool operator==(const Deframed&) const = default;
};

Deframed Deframe(std::size_t maxPayload, std::string_view stream, std::size_t chunkSize) {
  KissDeframer deframer(maxPayload);
  Deframed result;
  while (!stream.empty()) {
    const std::size_t take = std::min(chunkSize, stream.size());
    for (KissFrame& frame : deframer.Feed(stream.substr(0, take))) {
      result.frames.push_back(std::move(frame));
    }
    stream.remove_prefix(take);
  }
  result.overlong = deframer.OverlongDropped();
  result.malformed = deframer.MalformedDropped();
  result.otherCommands = deframer.OtherCommandsSkipped();
  return result;
}

void Check(std::string_view input) {
  if (input.size() < 2) return;
  const auto boundByte = static_cast<unsigned char>(input[0]);
  const std::size_t maxPayload = boundByte == 0xFF ? KissDeframer::kDefaultMaxPayload : boundByte;
  const std::size_t chunkSize = 1 + static_cast<unsigned char>(input[1]) % 32;
  const std::string_view stream = input.substr(2);

  const Deframed chunked = Deframe(maxPayload, stream, chunkSize);
  Require(chunked == Deframe(maxPayload, stream, stream.size() + 1),
          "how the stream is cut into chunks changes nothing");
  for (const KissFrame& frame : chunked.frames) {
    Require(frame.payload.size() <= maxPayload, "a payload stays within the bound");
    Require(frame.port >= 0 && frame.port <= kMaxKissPort, "a port is 0 to 15");
    const std::optional<std::string> encoded = EncodeKissFrame(frame.port, frame.payload);
    Require(encoded.has_value(), "every frame read can be written");
    const Deframed again = Deframe(maxPayload, *encoded, encoded->size());
    Require(again.frames.size() == 1 && again.frames[0] == frame,
            "a frame written reads back the same");
    DecodeAx25UiFrame(frame.payload);
  }
}

}  // namespace
}  // namespace brevio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brevio::fuzz::Check(brevio::fuzz::AsText(data, size));
  return 0;
}
