#include "support/MemoryLogFile.h"

namespace brevio::test {

std::optional<SystemError> MemoryLogFile::Append(const std::string& path, std::string_view bytes) {
  if (failWith) return failWith;
  files[path] += bytes;
  return std::nullopt;
}

}  // namespace brevio::test
