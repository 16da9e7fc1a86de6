// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/DefinitionFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "definitions/DefinitionItemReader.h"

namespace brevio {

namespace {

[[noreturn]] void ShowFileError(std::string_view cannotOpenText, const std::string& path, int error,
                                Messages& messages) {
  messages.ShowCritical(std::string(cannotOpenText) + path + "\r\nError " + std::to_string(error) +
                        " " + std::strerror(error) + " ");
}

}  // namespace

void ReadDefinitionFile(const std::string& path, std::string_view cannotOpenText,
                        Messages& messages,
                        const std::function<void(const std::string& item)>& useItem) {
  errno = 0;
  // Binary, so that the reader sees the CR of a CR LF line end on every platform.
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) ShowFileError(cannotOpenText, path, errno, messages);

  DefinitionItemReader reader(file);
  while (!reader.AtEndOfFile()) {
    const std::string item = reader.ReadDefinitionItem();
    // An item cut short by a read error is not used.
    if (file.bad()) break;
    useItem(item);
  }
  // A file that opens but cannot be read (such as a folder) counts as unreadable.
  if (file.bad()) ShowFileError(cannotOpenText, path, errno, messages);
}

}  // namespace brevio
