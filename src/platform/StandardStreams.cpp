// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <initializer_list>

namespace brevio {

void HoldClosedStandardStreams() {
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) >= 0) continue;
    // The lowest free number is this one; read-only, so that a write fails as it should.
    ::open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY);
  }
}

}  // namespace brevio
