#include "platform/ProgramLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace brevio {

void LocateProgram(ProgramInfo& info, const std::optional<std::string>& givenFolder) {
  const QFileInfo executable(QCoreApplication::applicationFilePath());
  info.ProgramFolder =
      givenFolder.value_or(QDir::toNativeSeparators(executable.absolutePath()).toStdString());
  info.ExecutableBaseName = executable.completeBaseName().toStdString();
}

}  // namespace brevio
