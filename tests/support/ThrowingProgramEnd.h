#pragma once

#include "base/ProgramEnd.h"

namespace brevio::test {

// Thrown where the real program would have ended; nothing after the critical message runs.
struct ProgramEnded {};

class ThrowingProgramEnd : public ProgramEnd {
 public:
  int ends = 0;
  [[noreturn]] void EndProgram() override {
    ++ends;
    throw ProgramEnded{};
  }
};

}  // namespace brevio::test
