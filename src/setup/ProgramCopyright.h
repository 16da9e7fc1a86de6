// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevio {

// The copyright text of the program's version information.
inline constexpr char kProgramCopyright[] =
    "Copyright (C) 2026 the Brevio team. Free software under the GNU GPL, version 3 or later.";

}  // namespace brevio
