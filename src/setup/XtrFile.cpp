// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/XtrFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/PathText.h"

namespace brevio {

namespace {

// The lines written so far stay in the file when a later one fails.
class LineFile {
 public:
  explicit LineFile(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
    if (file_ == nullptr) error_ = errno;
  }
  ~LineFile() { Close(); }
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  void WriteLine(const std::string& line) {
    const std::string bytes = line + "\r\n";
    if (error_ == 0 && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
      error_ = errno;
    }
  }

  // The first error met, 0 when there was none.
  int Close() {
    if (file_ != nullptr && std::fclose(file_) != 0 && error_ == 0) error_ = errno;
    file_ = nullptr;
    return error_;
  }

 private:
  std::FILE* file_;
  int error_ = 0;
};

}  // namespace

std::string BoolToText(bool value) {
  return value ? "TRUE" : "FALSE";
}

void XtrFile::CreateXTRFile(const std::string& description, const std::string& baseName,
                            const std::string& programFolder, bool flag) {
  const std::string hostFolder = hostFolder_.GetHostFolder();
  const bool inHostFolder = !hostFolder.empty();
  // The host's folder text is used exactly as the host stores it.
  const std::string folder = inHostFolder ? hostFolder : programFolder + kPathSeparator;
  const std::string executable = JoinPath(programFolder, baseName + ".EXE");

  LineFile file(folder + baseName + ".XTR");
  file.WriteLine(description);
  file.WriteLine(inHostFolder ? "\"" + executable + "\"" : executable);
  file.WriteLine(BoolToText(flag));
  file.WriteLine("True");
  if (const int error = file.Close()) {
    messages_.ShowPlain(MessageIcon::Critical, "BRV",
                        "AN error occurred creating the XTR file. The system error message is '" +
                            std::string(std::strerror(error)) + "'");
    return;
  }

  if (inHostFolder) {
    messages_.ShowMessage(MessageKind::Informational,
                          "The XTR file for " + baseName +
                              " is created in the UI-View32 folder.\r\nAfter restarting UI-View32 "
                              "you can start " +
                              baseName + " from the UI-View File menu.");
  } else {
    messages_.ShowMessage(
        MessageKind::Informational,
        "Cannot find the program folder for UI-View32 (or you may be running the UI-View 16bits "
        "version), so the configuration of UI-View Kestrix cannot not be completed\r\n\r\n The "
        "XTR file is created in the " +
            baseName + " application folder (" + programFolder +
            ").\r\nTo complete the XTR setup you should:\r\n - copy the XTR file to the "
            "UI-View(16) folder,\r\n - check line 2 in the file and convert long pathnames to "
            "short ones.\r\n   example : change C:\\program files\\uivaddon to "
            "c:\\progra~1\\uivaddon");
  }
}

}  // namespace brevio
