// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the benchmarks' made-up traffic as TNC2 lines, for runs of the real program (under
// callgrind, say): bench_traffic_lines COUNT.
#include <cstdio>
#include <cstdlib>

#include "Traffic.h"

int main(int argc, char** argv) {
  const long count = argc == 2 ? std::strtol(argv[1], nullptr, 10) : 0;
  if (count <= 0) {
    std::fputs("usage: bench_traffic_lines COUNT\n", stderr);
    return 2;
  }
  std::fputs(brevio::bench::Traffic().Lines(static_cast<std::size_t>(count)).c_str(), stdout);
  return 0;
}
