// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFileReader.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

#include "base/AnsiText.h"

namespace brevio {

namespace {

// The caller's buffer holds 500 characters, the last one the terminating NUL.
constexpr std::size_t kMaxValueLength = 499;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

// Quotes around the whole value are not part of it.
std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key) {
  if (content.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    content.remove_prefix(kUtf8ByteOrderMark.size());
  }
  section = Trimmed(section);
  key = Trimmed(key);
  if (key.empty()) return std::nullopt;

  bool inSection = false;
  while (!content.empty()) {
    const std::size_t end = content.find_first_of("\r\n");
    const std::string_view line = Trimmed(content.substr(0, end));
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;

    const std::size_t close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
      // Only the first section of the name is searched.
      if (inSection) return std::nullopt;
      inSection = SameName(Trimmed(line.substr(1, close - 1)), section);
      continue;
    }
    if (!inSection) continue;

    const std::size_t equals = line.find('=');
    if (!SameName(Trimmed(line.substr(0, equals)), key)) continue;
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view value = Unquoted(Trimmed(line.substr(equals + 1)));
    return std::string(value.substr(0, kMaxValueLength));
  }
  return std::nullopt;
}

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return content.str();
}

}  // namespace

std::string IniFileReader::ReadIniValue(const std::string& path, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) {
  const std::optional<std::string> content = ReadFile(path);
  std::optional<std::string> value;
  if (content) value = FindValue(*content, section, key);
  return value ? *value : defaultValue.substr(0, kMaxValueLength);
}

}  // namespace brevio
