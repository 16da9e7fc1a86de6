// SPDX-License-Identifier: GPL-3.0-or-later
#include "query/MonitoredText.h"

#include "base/AnsiText.h"

namespace brevio {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::size_t kNumberSearch = 5;  // a message number sits in the last five characters
// Past this column of ">" the host's header carries a ten-character prefix before the sender.
constexpr std::size_t kLastPlainColumn = 14;
constexpr std::size_t kPrefixLength = 10;

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The path between ">" and the host's " Port=" or "<UI" marker of the header line; only the
// header line is searched, so a message text can never pull itself into the path.
std::string_view HeaderPath(std::string_view header, std::size_t arrow) {
  const std::size_t ui = header.find("<UI", arrow + 1);
  if (ui == std::string_view::npos) return {};
  const std::size_t port = header.find(" Port=", arrow + 1);
  const std::size_t end = port != std::string_view::npos ? port : ui;
  return header.substr(arrow + 1, end - arrow - 1);
}

std::string ViaPath(std::string_view headerPath) {
  const std::size_t comma = headerPath.find(',');
  if (comma == std::string_view::npos || comma == 0) return std::string(headerPath);
  // Behind the first comma, less the blank (or last character) that ends the header path.
  const std::size_t first = comma + 1;
  if (first >= headerPath.size()) return {};
  return std::string(headerPath.substr(first, headerPath.size() - 1 - first));
}

void ReadHeader(std::string_view header, MonitoredText& parsed) {
  const std::size_t arrow = header.find('>');
  if (arrow == std::string_view::npos) return;
  const std::size_t from = arrow + 1 > kLastPlainColumn ? kPrefixLength : 0;
  parsed.sender = Trimmed(header.substr(from, arrow - from));
  parsed.viaPath = ViaPath(HeaderPath(header, arrow));
}

}  // namespace

MonitoredText ParseMonitoredText(std::string_view text) {
  MonitoredText parsed;
  const std::size_t headerEnd = text.find(kCrLf);
  parsed.headerLine = std::string(text.substr(0, headerEnd));
  if (headerEnd != std::string_view::npos) {
    const std::string_view rest = text.substr(headerEnd + kCrLf.size());
    const std::size_t infoEnd = rest.find(kCrLf);
    if (infoEnd != std::string_view::npos)
      parsed.infoLine = std::string(rest.substr(0, infoEnd + 1));
  }

  const std::string_view info = parsed.infoLine;
  if (info.empty() || info.front() != ':') return parsed;
  const std::size_t second = info.find(':', 1);
  if (second == std::string_view::npos) return parsed;
  // The information line ends with its CR, which is not part of the field.
  const std::string_view field = info.substr(second + 1, info.size() - 1 - (second + 1));
  if (field.find('{') == std::string_view::npos) return parsed;
  parsed.isMessage = true;
  parsed.addressee = std::string(info.substr(1, second - 1));

  const std::size_t searchFrom = field.size() > kNumberSearch ? field.size() - kNumberSearch : 0;
  const std::size_t brace = field.rfind('{');
  if (brace != std::string_view::npos && brace >= searchFrom) {
    parsed.messageText = std::string(field.substr(0, brace));
    parsed.messageNumber = std::string(field.substr(brace + 1));
  }
  ReadHeader(parsed.headerLine, parsed);
  return parsed;
}

bool IsQueryDestination(std::string_view addressee) {
  if (addressee.size() < 5) return false;
  const std::string head = UpperCase(addressee.substr(0, 5));
  return head == "QDOS " || head == "QUERY";
}

}  // namespace brevio
