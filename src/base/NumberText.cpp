// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace brevio {

namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

double LeadingDecimalNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::string number;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') number += '-';
    ++i;
  }
  bool digits = false;
  for (; i < text.size() && IsDigit(text[i]); ++i, digits = true) number += text[i];
  if (i < text.size() && text[i] == '.') {
    number += '.';
    for (++i; i < text.size() && IsDigit(text[i]); ++i, digits = true) number += text[i];
  }
  if (!digits) return 0.0;
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  // Out of range is either too large (a nonzero digit before the point) or too small to tell
  // from 0.
  if (result.ec == std::errc::result_out_of_range) {
    const std::string whole = number.substr(0, number.find('.'));
    value = whole.find_first_of("123456789") == std::string::npos ? 0.0
            : number.front() == '-'                               ? -HUGE_VAL
                                                                  : HUGE_VAL;
  }
  return value;
}

}  // namespace brevio
