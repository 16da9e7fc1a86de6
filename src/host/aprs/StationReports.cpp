// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/StationReports.h"

#include "host/aprs/AprsMessage.h"

namespace brevio {

namespace {

constexpr std::size_t kMessageTextSize = 67;

// `text` without what cannot stand in the field, cut to `size`.
std::string FieldText(std::string_view text, std::size_t size, std::string_view refused) {
  std::string kept;
  for (const char c : text) {
    if (kept.size() == size) break;
    if (c >= ' ' && c <= '~' && refused.find(c) == std::string_view::npos) kept += c;
  }
  return kept;
}

}  // namespace

std::optional<std::string> FormatPositionBeacon(const AprsPosition& position,
                                                std::string_view comment) {
  const std::optional<std::string> text = FormatAprsPosition(position);
  if (!text) return std::nullopt;
  return "=" + *text + FieldText(comment, kBeaconCommentSize, "|~");
}

std::string FormatStatusReport(std::string_view text) {
  return ">" + FieldText(text, kStatusTextSize, "|~");
}

std::optional<std::string> FormatUnnumberedMessage(std::string_view addressee,
                                                   std::string_view text) {
  // A numbered message of the same addressee has the same head; its number is cut off.
  std::optional<std::string> numbered = FormatAprsMessage(addressee, "", "1");
  if (!numbered) return std::nullopt;
  numbered->resize(numbered->size() - 2);
  return *numbered + FieldText(text, kMessageTextSize, "{|~");
}

}  // namespace brevio
