#pragma once

#include <string>
#include <vector>

namespace brevio::test {

// Inputs for the randomized decoder tests: each of `count` is a seed bent by one to four random
// edits (a byte changed, put in or taken out, a piece repeated, the end cut off), drawn from a
// fixed seed so that a failure repeats.
std::vector<std::string> MutatedInputs(const std::vector<std::string>& seeds, std::size_t count);

}  // namespace brevio::test
