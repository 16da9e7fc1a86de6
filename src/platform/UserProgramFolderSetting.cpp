// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserProgramFolderSetting.h"

#include <QSettings>

namespace brevio {

namespace {
constexpr const char* kKey = "Program Folder";
}  // namespace

std::optional<std::string> UserProgramFolderSetting::Read() {
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brevio", "Brevio");
  const QString folder = settings.value(kKey).toString();
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

bool UserProgramFolderSetting::Store(const std::string& folder) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brevio", "Brevio");
  settings.setValue(kKey, QString::fromStdString(folder));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace brevio
