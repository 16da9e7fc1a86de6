#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "platform/UserHostFolderSetting.h"

namespace brevio {
namespace {

class UserHostFolderSettingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
  }

  void StoreFolder(const QString& folder) {
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Peak Systems", "UI-View32")
        .setValue("Program Folder", folder);
  }

  QTemporaryDir config_;
};

TEST_F(UserHostFolderSettingTest, ReadsTheHostsStoredFolderAfreshOnEveryCall) {
  UserHostFolderSetting setting(std::nullopt);
  EXPECT_EQ(setting.ReadProgramFolder().value, "");
  EXPECT_FALSE(setting.ReadProgramFolder().error);

  StoreFolder("/opt/uiview");
  EXPECT_EQ(setting.ReadProgramFolder().value, "/opt/uiview");
  StoreFolder("/srv/uiview32");
  EXPECT_EQ(setting.ReadProgramFolder().value, "/srv/uiview32");
  EXPECT_FALSE(setting.ReadProgramFolder().error);
}

TEST_F(UserHostFolderSettingTest, TheCommandLinesFolderReplacesTheStoredOne) {
  StoreFolder("/opt/uiview");
  UserHostFolderSetting setting(std::string("/home/op/station"));
  EXPECT_EQ(setting.ReadProgramFolder().value, "/home/op/station");
}

}  // namespace
}  // namespace brevio
