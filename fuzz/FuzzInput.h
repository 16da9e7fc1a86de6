// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace brevio::fuzz {

// The fuzzer's bytes as the text the parsers take.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Stops the run when a property of the code under test does not hold, so that the fuzzer keeps
// the input that broke it, just as it keeps one that crashes.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "Property does not hold: %s\n", property);
  std::abort();
}

// `text` cut at every `separator`; the separators are dropped.
inline std::vector<std::string_view> SplitAt(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator)) {
    pieces.push_back(text.substr(0, at));
    text.remove_prefix(at + separator.size());
  }
  pieces.push_back(text);
  return pieces;
}

}  // namespace brevio::fuzz
