// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// A position with its symbol, as APRS reports carry it. ParseAprsPosition reads the uncompressed
// form, 4903.50N/07201.75W- (latitude, symbol table, longitude, symbol code).
struct AprsPosition {
  // Signed decimal degrees, north and east positive.
  double latitude = 0.0;
  double longitude = 0.0;
  // "/" or "\" for the two tables, or an overlay digit or upper-case letter on the second one.
  char symbolTable = '/';
  char symbolCode = '-';
  // Position ambiguity 0 to 4: how many trailing minute digits are blanked (hundredths, tenths,
  // minutes, tens of minutes). Latitude and longitude are then the middle of the area so blurred.
  int ambiguity = 0;

  bool operator==(const AprsPosition&) const = default;
};

inline constexpr std::size_t kAprsPositionSize = 19;

// The symbol of a position whose report names none, or none that the tables have: the
// alternate table's question mark.
inline constexpr char kUnknownSymbolTable = '\\';
inline constexpr char kUnknownSymbolCode = '.';

// Reads the 19 characters of a position. The ambiguity is the larger of the two coordinates'
// blanked digits and applies to both (senders often blank only the latitude); blanks must be the
// trailing digits; the hemisphere letters may be lower case. Nothing for anything else: a
// misplaced point or blank, a letter other than N/S or E/W, minutes of 60 or more, a coordinate
// past a pole or the date line, or an unknown symbol table or symbol code.
std::optional<AprsPosition> ParseAprsPosition(std::string_view text);

// A symbol code any of the tables has: a visible ASCII character.
bool IsAprsSymbolCode(char c);

// "/" or "\" for the two tables, or an overlay digit or upper-case letter on the second one.
bool IsAprsSymbolTable(char c);

// The 19 characters of `position`, rounded to hundredths of a minute, with its ambiguity's
// digits blanked; nothing for a value ParseAprsPosition would refuse.
std::optional<std::string> FormatAprsPosition(const AprsPosition& position);

}  // namespace brevio
