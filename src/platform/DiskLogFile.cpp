// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DiskLogFile.h"

#include <QDir>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/PathText.h"

namespace brevio {

namespace {
SystemError LastError() {
  return {errno, std::strerror(errno)};
}
}  // namespace

std::optional<std::string> DiskLogFile::TempFolder() {
  if (!tempFolderKnown_) {
    tempFolderKnown_ = true;
    const QString folder = QDir::tempPath();
    if (!folder.isEmpty()) {
      tempFolder_ = QDir::toNativeSeparators(folder).toStdString() + kPathSeparator;
    }
  }
  return tempFolder_;
}

std::optional<LogFileFailure> DiskLogFile::Append(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return LogFileFailure{LastError(), false};
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  std::optional<LogFileFailure> failure;
  if (!written) failure = LogFileFailure{LastError(), true};
  // A full disk often shows only here, when the buffered line is handed to the system.
  if (std::fclose(file) != 0 && !failure) failure = LogFileFailure{LastError(), true};
  return failure;
}

}  // namespace brevio
