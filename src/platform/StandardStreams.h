// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevio {

// Standard input, output and error that were not open at all are held by /dev/null, so that no
// file the program opens later takes their numbers and gets the frames or status lines meant
// for them. Output held so cannot be written (as an output that has gone), input has ended.
void HoldClosedStandardStreams();

}  // namespace brevio
