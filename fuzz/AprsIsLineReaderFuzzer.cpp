// SPDX-License-Identifier: GPL-3.0-or-later
// The byte stream of an APRS-IS server. The first byte sets the size of the chunks the stream
// arrives in; the rest is the stream. How the stream is cut must not change what is read.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "host/aprs/AprsIsLineReader.h"

namespace brevio::fuzz {
namespace {

std::vector<AprsIsLine> Read(std::string_view stream, std::size_t chunkSize) {
  AprsIsLineReader reader;
  std::vector<AprsIsLine> lines;
  while (!stream.empty()) {
    const std::size_t take = std::min(chunkSize, stream.size());
    for (AprsIsLine& line : reader.Feed(stream.substr(0, take))) lines.push_back(std::move(line));
    stream.remove_prefix(take);
  }
  return lines;
}

void Check(std::string_view input) {
  if (input.empty()) return;
  const std::size_t chunkSize = 1 + static_cast<unsigned char>(input[0]) % 64;
  const std::string_view stream = input.substr(1);
  const std::vector<AprsIsLine> chunked = Read(stream, chunkSize);
  Require(chunked.size() == Read(stream, stream.size() + 1).size(),
          "how the stream is cut into chunks changes nothing");
}

}  // namespace
}  // namespace brevio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brevio::fuzz::Check(brevio::fuzz::AsText(data, size));
  return 0;
}
