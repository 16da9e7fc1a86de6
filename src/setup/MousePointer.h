// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevio {

// The application-wide mouse pointer, which overrides the pointer shape of every widget.

// Back to each widget's own pointer.
void SetDefaultMousePointer();

// The busy pointer over all of the application's windows.
void SetHourglassMousePointer();

}  // namespace brevio
