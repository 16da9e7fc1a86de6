#include "support/Mutations.h"

#include <random>
#include <string_view>

namespace brevio::test {

namespace {

char RandomByte(std::mt19937& random, std::string_view telling) {
  if (random() % 2 == 0) return telling[random() % telling.size()];
  return static_cast<char>(random() % 256);
}

void Edit(std::string& text, std::mt19937& random, std::string_view telling) {
  const std::size_t at = text.empty() ? 0 : random() % text.size();
  switch (random() % 5) {
    case 0:
      if (!text.empty()) text[at] = RandomByte(random, telling);
      break;
    case 1:
      text.insert(at, 1, RandomByte(random, telling));
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

std::vector<std::string> MutatedInputs(const std::vector<std::string>& seeds, std::size_t count,
                                       std::string_view telling) {
  std::mt19937 random(20240611);
  std::vector<std::string> inputs;
  for (std::size_t i = 0; i < count; ++i) {
    std::string text = seeds[i % seeds.size()];
    for (auto edits = 1 + random() % 4; edits > 0; --edits) Edit(text, random, telling);
    inputs.push_back(text);
  }
  return inputs;
}

}  // namespace brevio::test
