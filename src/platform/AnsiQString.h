// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace brevio {

// Windows-1252 bytes to and from Qt's text; a character the code page lacks becomes "?".
QString FromAnsi(std::string_view ansi);
std::string ToAnsi(const QString& text);

}  // namespace brevio
