#include "Mutations.h"

#include <random>
#include <string_view>

namespace brevio::test {

namespace {

// Bytes that mean something to one codec or another, drawn as often as all others together.
constexpr std::string_view kTelling{"\0 :>,*{}-_./\\zh\xC0\xDB\xDC\xDD\x03\xF0", 21};

char RandomByte(std::mt19937& random) {
  if (random() % 2 == 0) return kTelling[random() % kTelling.size()];
  return static_cast<char>(random() % 256);
}

void Edit(std::string& text, std::mt19937& random) {
  const std::size_t at = text.empty() ? 0 : random() % text.size();
  switch (random() % 5) {
    case 0:
      if (!text.empty()) text[at] = RandomByte(random);
      break;
    case 1:
      text.insert(at, 1, RandomByte(random));
      break;
    case 2:
      if (!text.empty()) text.erase(at, 1);
      break;
    case 3:
      text.insert(at, text.substr(at, random() % 12));
      break;
    default:
      text.resize(at);
      break;
  }
}

}  // namespace

std::vector<std::string> MutatedInputs(const std::vector<std::string>& seeds, std::size_t count) {
  std::mt19937 random(20240611);
  std::vector<std::string> inputs;
  for (std::size_t i = 0; i < count; ++i) {
    std::string text = seeds[i % seeds.size()];
    for (auto edits = 1 + random() % 4; edits > 0; --edits) Edit(text, random);
    inputs.push_back(text);
  }
  return inputs;
}

}  // namespace brevio::test
