// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// The 7-character time stamp of APRS reports: DDHHMMz, DDHHMM/ or HHMMSSh.
struct AprsTimestamp {
  enum class Form : char {
    DayHourMinuteUtc = 'z',
    DayHourMinuteLocal = '/',
    HourMinuteSecondUtc = 'h',
  };

  Form form = Form::DayHourMinuteUtc;
  // The fields the form writes; the others stay 0.
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const AprsTimestamp&) const = default;
};

inline constexpr std::size_t kAprsTimestampSize = 7;

// Reads the 7 characters of a time stamp. Nothing for another form letter, a non-digit or a
// field out of its range (day 0 to 31, as trackers without a date send 00; hour 0 to 23;
// minute and second 0 to 59).
std::optional<AprsTimestamp> ParseAprsTimestamp(std::string_view text);

// The 7 characters of `timestamp`; nothing when a field it writes is out of the ranges above.
std::optional<std::string> FormatAprsTimestamp(const AprsTimestamp& timestamp);

}  // namespace brevio
