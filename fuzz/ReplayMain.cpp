// SPDX-License-Identifier: GPL-3.0-or-later
// Replays inputs through the fuzz target linked with it, the way libFuzzer replays a corpus: every
// file of the folders named on the command line (or a file named itself), one at a time, each in a
// buffer of exactly its size so that the sanitizers see a read past its end.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The files to replay for one argument, in name order. A folder that does not exist holds none:
// a target's crash folder appears only with its first crash. Hidden files are not inputs.
std::vector<fs::path> InputsOf(const fs::path& argument) {
  if (fs::is_regular_file(argument)) return {argument};
  std::vector<fs::path> files;
  if (!fs::is_directory(argument)) return files;
  for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
    if (entry.is_regular_file() && entry.path().filename().string().front() != '.') {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool Replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    std::fprintf(stderr, "cannot read %s\n", file.c_str());
    return false;
  }
  std::fprintf(stderr, "replaying %s\n", file.c_str());
  const auto copy = std::make_unique<std::uint8_t[]>(bytes.size());
  std::memcpy(copy.get(), bytes.data(), bytes.size());
  LLVMFuzzerTestOneInput(copy.get(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& file : InputsOf(argv[i])) {
      if (!Replay(file)) return 1;
      ++replayed;
    }
  }
  // A mistyped corpus folder must not pass as a corpus that replayed cleanly.
  if (replayed == 0) {
    std::fprintf(stderr, "no inputs found\n");
    return 1;
  }
  std::printf("replayed %zu inputs\n", replayed);
  return 0;
}
