#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "platform/UserHostFolderSetting.h"

namespace brevio {
namespace {

// The host's stored folder is read afresh on every call; a folder given on the command line
// takes its place.
TEST(UserHostFolderSettingTest, ReadsTheStoredFolderAfreshUnlessOneIsGiven) {
  QTemporaryDir config;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
  UserHostFolderSetting stored(std::nullopt);
  UserHostFolderSetting given(std::string("/home/op/station"));
  EXPECT_EQ(stored.ReadProgramFolder().value, "");
  for (const char* folder : {"/opt/uiview", "/srv/uiview32"}) {
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Peak Systems", "UI-View32")
        .setValue("Program Folder", folder);
    EXPECT_EQ(stored.ReadProgramFolder().value, folder);
    EXPECT_FALSE(stored.ReadProgramFolder().error);
    EXPECT_EQ(given.ReadProgramFolder().value, "/home/op/station");
  }
}

}  // namespace
}  // namespace brevio
