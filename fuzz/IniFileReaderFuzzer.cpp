// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files read the way the station's settings are read. The input's first line names the
// section and its second line the key to look up; the rest is the file. The station's own keys
// are looked up in the same file too.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "platform/IniFileReader.h"

namespace brevio::fuzz {
namespace {

// The longest value the reader gives back.
constexpr std::size_t kMaxValueLength = 499;

std::string_view TakeLine(std::string_view& input) {
  const std::size_t end = input.find('\n');
  const std::string_view line = input.substr(0, end);
  input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  return line;
}

void Lookup(IniFileReader& reader, const std::string& path, std::string_view section,
            std::string_view key) {
  const std::string value =
      reader.ReadIniValue(path, std::string(section), std::string(key), "default");
  Require(value.size() <= kMaxValueLength, "a value is at most 499 characters");
}

void ReadSettings(std::string_view input) {
  static const ScratchFolder folder;
  const std::string_view section = TakeLine(input);
  const std::string_view key = TakeLine(input);
  folder.Write("uiview32.ini", input);
  const std::string path = folder.Path() + "/uiview32.ini";

  IniFileReader reader;
  Lookup(reader, path, section, key);
  Lookup(reader, path, "STATION", "CALLSIGN");
  Lookup(reader, path, "STATION", "LATITUDE");
  Lookup(reader, path, "STATION", "LONGITUDE");
  Lookup(reader, path, "MESSAGES", "REMOTE_COMMANDS");
}

}  // namespace
}  // namespace brevio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brevio::fuzz::ReadSettings(brevio::fuzz::AsText(data, size));
  return 0;
}
