// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/UserProgramFolderSetting.h"

namespace brevio {

namespace {

// Beside the program in a build or a copied folder; under share/doc when installed in a prefix
// (/usr/bin/brevio reads /usr/share/doc/brevio/brevio.html).
std::string FindDocumentFolder(const QFileInfo& executable, const std::string& programFolder) {
  const QString name = executable.completeBaseName() + ".html";
  const QDir installed(executable.absolutePath() + "/../share/doc/" +
                       executable.completeBaseName());
  for (const QString& folder : {QString::fromStdString(programFolder), executable.absolutePath(),
                                installed.absolutePath()}) {
    if (QFileInfo::exists(folder + "/" + name)) {
      return QDir::toNativeSeparators(QDir::cleanPath(folder)).toStdString();
    }
  }
  return programFolder;
}

}  // namespace

void LocateProgram(ProgramInfo& info, const std::optional<std::string>& givenFolder) {
  const QFileInfo executable(QCoreApplication::applicationFilePath());
  // A station set up with its topics elsewhere is served from there.
  info.programFolder = givenFolder
                           ? *givenFolder
                           : UserProgramFolderSetting::Read().value_or(
                                 QDir::toNativeSeparators(executable.absolutePath()).toStdString());
  info.executableBaseName = executable.completeBaseName().toStdString();
  info.documentFolder = FindDocumentFolder(executable, info.programFolder);
}

}  // namespace brevio
