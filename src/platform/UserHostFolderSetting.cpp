// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserHostFolderSetting.h"

#include <QSettings>

#include "base/PathText.h"

namespace brevio {

namespace {

// The host keeps its folder with a separator at the end, and names are joined to it as they
// are (the registration file's among them).
std::string WithSeparator(std::string folder) {
  if (!folder.empty() && !folder.ends_with(kPathSeparator)) folder += kPathSeparator;
  return folder;
}

}  // namespace

HostFolderSetting::Read UserHostFolderSetting::ReadProgramFolder() {
  if (givenFolder_) return {WithSeparator(*givenFolder_), std::nullopt};
  // A new settings object each time, so that a change by the host is seen on the next call.
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Peak Systems", "UI-View32");
  const QString folder = settings.value("Program Folder").toString();
  switch (settings.status()) {
    case QSettings::NoError:
      return {WithSeparator(folder.toStdString()), std::nullopt};
    case QSettings::AccessError:
      return {{},
              SystemError{QSettings::AccessError,
                          "Access is denied to " + settings.fileName().toStdString()}};
    case QSettings::FormatError:
      return {{},
              SystemError{QSettings::FormatError,
                          settings.fileName().toStdString() + " is not a valid settings file"}};
  }
  return {{}, SystemError{settings.status(), "Unknown error"}};
}

bool UserHostFolderSetting::Store(const std::string& folder) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Peak Systems", "UI-View32");
  settings.setValue("Program Folder", QString::fromStdString(folder));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace brevio
