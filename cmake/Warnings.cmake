# SPDX-License-Identifier: GPL-3.0-or-later
# Every target of ours links this to get the project's warning set.
add_library(brevio_warnings INTERFACE)
target_compile_options(brevio_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough)
if(BREVIO_WARNINGS_AS_ERRORS)
  target_compile_options(brevio_warnings INTERFACE -Werror)
endif()
