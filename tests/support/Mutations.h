#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevio::test {

// Bytes that mean something to one codec or another.
inline constexpr std::string_view kTellingBytes{"\0 :>,*{}-_./\\zh\xC0\xDB\xDC\xDD\x03\xF0", 21};

// Inputs for the randomized tests: each of `count` is a seed bent by one to four random edits (a
// byte changed, put in or taken out, a piece repeated, the end cut off), drawn from a fixed seed
// so that a failure repeats. Half the bytes put in are `telling` ones.
std::vector<std::string> MutatedInputs(const std::vector<std::string>& seeds, std::size_t count,
                                       std::string_view telling = kTellingBytes);

// Parses 4000 mutated seeds; whatever parses must format, and its text must parse to the same
// value. Gives how many parsed.
template <class Parse, class Format>
std::size_t ExpectRoundTrips(const std::vector<std::string>& seeds, Parse parse, Format format) {
  std::size_t parsed = 0;
  for (const std::string& input : MutatedInputs(seeds, 4000)) {
    const auto value = parse(input);
    if (!value) continue;
    ++parsed;
    const std::optional<std::string> text = format(*value, input);
    EXPECT_TRUE(text) << input;
    if (!text) continue;
    EXPECT_EQ(parse(*text), value) << input;
  }
  return parsed;
}

}  // namespace brevio::test
