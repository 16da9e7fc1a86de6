// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevio {

// Ends the program at once after a critical message: no shutdown step runs. The real one ends
// the process with exit status 1; a test's one unwinds to the test instead.
class ProgramEnd {
 public:
  virtual ~ProgramEnd() = default;
  [[noreturn]] virtual void EndProgram() = 0;
};

}  // namespace brevio
