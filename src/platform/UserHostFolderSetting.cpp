#include "platform/UserHostFolderSetting.h"

#include <QSettings>

namespace brevio {

HostFolderSetting::Read UserHostFolderSetting::ReadProgramFolder() {
  if (givenFolder_) return {*givenFolder_, std::nullopt};
  // A new settings object each time, so that a change by the host is seen on the next call.
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Peak Systems", "UI-View32");
  const QString folder = settings.value("Program Folder").toString();
  switch (settings.status()) {
    case QSettings::NoError:
      return {folder.toStdString(), std::nullopt};
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
