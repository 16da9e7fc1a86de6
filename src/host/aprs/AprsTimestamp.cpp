// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/AprsTimestamp.h"

#include <array>

namespace brevio {

namespace {

using Form = AprsTimestamp::Form;
using Fields = std::array<int, 3>;

bool IsDayForm(Form form) {
  return form != Form::HourMinuteSecondUtc;
}

// The three fields a form writes, in the order it writes them.
Fields WrittenFields(const AprsTimestamp& t) {
  if (IsDayForm(t.form)) return {t.day, t.hour, t.minute};
  return {t.hour, t.minute, t.second};
}

AprsTimestamp FromWrittenFields(Form form, const Fields& fields) {
  if (IsDayForm(form)) return {form, fields[0], fields[1], fields[2], 0};
  return {form, 0, fields[0], fields[1], fields[2]};
}

bool WithinLimits(Form form, const Fields& fields) {
  const Fields limits = IsDayForm(form) ? Fields{31, 23, 59} : Fields{23, 59, 59};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i] < 0 || fields[i] > limits[i]) return false;
  }
  return true;
}

std::optional<Form> FormOf(char letter) {
  switch (letter) {
    case 'z':
      return Form::DayHourMinuteUtc;
    case '/':
      return Form::DayHourMinuteLocal;
    case 'h':
      return Form::HourMinuteSecondUtc;
    default:
      return std::nullopt;
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<AprsTimestamp> ParseAprsTimestamp(std::string_view text) {
  if (text.size() != kAprsTimestampSize) return std::nullopt;
  const std::optional<Form> form = FormOf(text[6]);
  if (!form) return std::nullopt;
  Fields fields{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const char tens = text[2 * i];
    const char units = text[2 * i + 1];
    if (!IsDigit(tens) || !IsDigit(units)) return std::nullopt;
    fields[i] = (tens - '0') * 10 + (units - '0');
  }
  if (!WithinLimits(*form, fields)) return std::nullopt;
  return FromWrittenFields(*form, fields);
}

std::optional<std::string> FormatAprsTimestamp(const AprsTimestamp& timestamp) {
  const Fields fields = WrittenFields(timestamp);
  if (!WithinLimits(timestamp.form, fields)) return std::nullopt;
  std::string text;
  for (const int value : fields) {
    text += static_cast<char>('0' + value / 10);
    text += static_cast<char>('0' + value % 10);
  }
  return text + static_cast<char>(timestamp.form);
}

}  // namespace brevio
