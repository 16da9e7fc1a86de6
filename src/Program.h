// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "app/CommandLine.h"

namespace brevio {

// Runs the program with its window, for the command line `line`; gives the exit status.
using WindowRunner = std::function<int(int argc, char** argv, const CommandLine& line)>;

// The whole program for `argc` and `argv`: help, version, a new station, or the server, headless
// when asked or when `runWindowed` is empty (a program built without a window).
int RunProgram(int argc, char** argv, const WindowRunner& runWindowed);

}  // namespace brevio
