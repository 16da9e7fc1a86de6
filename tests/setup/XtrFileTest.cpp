#include <gtest/gtest.h>

#include <filesystem>

#include "setup/XtrFile.h"
#include "support/CoreHarness.h"
#include "support/FixedFolderSetting.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

class XtrFileTest : public ::testing::Test {
 protected:
  XtrFileTest() {
    h.info.ProgramFolder = program.Path();
    h.info.ExecutableBaseName = "ui_brv";
  }

  // The one message the command showed.
  const ShownMessage& Shown() {
    EXPECT_EQ(h.dialog.shown.size(), 1U);
    return h.dialog.shown.back();
  }

  CoreHarness h;
  TempFolder host;
  TempFolder program;
  FixedFolderSetting setting;
  HostFolder hostFolder{setting, h.messages};
  XtrFile xtr{hostFolder, h.messages, h.info};
};

TEST_F(XtrFileTest, WithAHostFolderWritesQuotedPathThereAndSaysSo) {
  setting.read.value = host.Path() + "/";  // joined as stored, no separator added
  xtr.MenuCommand();
  h.dialog.shown.clear();
  xtr.MenuCommand();  // a second run replaces the file
  EXPECT_EQ(ReadAll(host.Path() + "/ui_brv.XTR"),
            "BRV Brevio server\r\n\"" + program.Path() + "/ui_brv.EXE\"\r\nTRUE\r\nTrue\r\n");
  EXPECT_EQ(Shown().icon, MessageIcon::Information);
  EXPECT_EQ(Shown().body,
            "\r\n\r\nThe XTR file for ui_brv is created in the UI-View32 folder.\r\nAfter "
            "restarting UI-View32 you can start ui_brv from the UI-View File menu.");
}

TEST_F(XtrFileTest, WithoutAHostFolderWritesBarePathIntoTheProgramFolder) {
  xtr.MenuCommand();
  EXPECT_EQ(ReadAll(program.Path() + "/ui_brv.XTR"),
            "BRV Brevio server\r\n" + program.Path() + "/ui_brv.EXE\r\nTRUE\r\nTrue\r\n");
  EXPECT_EQ(Shown().body,
            "\r\n\r\nCannot find the program folder for UI-View32 (or you may be running the "
            "UI-View 16bits version), so the configuration of UI-View Kestrix cannot not be "
            "completed\r\n\r\n The XTR file is created in the ui_brv application folder (" +
                program.Path() +
                ").\r\nTo complete the XTR setup you should:\r\n - copy the XTR file to the "
                "UI-View(16) folder,\r\n - check line 2 in the file and convert long pathnames "
                "to short ones.\r\n   example : change C:\\program files\\uivaddon to "
                "c:\\progra~1\\uivaddon");
  xtr.CreateXTRFile("BRV Brevio server", "ui_brv", program.Path(), false);
  EXPECT_NE(ReadAll(program.Path() + "/ui_brv.XTR").find("\r\nFALSE\r\nTrue\r\n"),
            std::string::npos);
}

// A file that cannot be created or written is shown, never reported as created, and the
// program goes on.
TEST_F(XtrFileTest, AFileThatCannotBeWrittenIsShownAndTheProgramGoesOn) {
  std::filesystem::create_symlink("/dev/full", host.Path() + "/ui_brv.XTR");
  for (const auto& [folder, error] :
       {std::pair{host.Path() + "/gone/", "No such file or directory"},
        std::pair{host.Path() + "/", "No space left on device"}}) {
    h.dialog.shown.clear();
    setting.read.value = folder;
    xtr.MenuCommand();
    EXPECT_EQ(Shown().icon, MessageIcon::Critical);
    EXPECT_EQ(Shown().title, "BRV");
    EXPECT_EQ(Shown().body,
              "AN error occurred creating the XTR file. The system error message is '" +
                  std::string(error) + "'");
  }
  EXPECT_EQ(h.end.ends, 0);
}

TEST_F(XtrFileTest, AnUnreadableSettingIsShownAndTheFileGoesToTheProgramFolder) {
  setting.read.error = SystemError{5, "Access is denied"};
  xtr.MenuCommand();
  ASSERT_EQ(h.dialog.shown.size(), 2U);
  EXPECT_EQ(h.dialog.shown[0].body,
            "An error occurred getting the UIView folder. The system error message is 'Access is "
            "denied'");
  EXPECT_FALSE(ReadAll(program.Path() + "/ui_brv.XTR").empty());
}

}  // namespace
}  // namespace brevio::test
