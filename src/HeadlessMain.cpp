// SPDX-License-Identifier: GPL-3.0-or-later
// brevio: the program without a window, for servers and services; it needs no display libraries.
#include "Program.h"

int main(int argc, char** argv) {
  return brevio::RunProgram(argc, argv, {});
}
