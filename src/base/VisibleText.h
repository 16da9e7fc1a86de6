// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brevio {

// `text` made safe for a terminal, a journal or a log file: each control byte (below 0x20, and
// 0x7F) is written as "<0x1b>" and the like, so that a sender's escape sequences show as text
// instead of acting. A CR LF pair is the program's own line end and stays.
std::string VisibleText(std::string_view text);

}  // namespace brevio
