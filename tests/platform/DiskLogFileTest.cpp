#include <gtest/gtest.h>

#include <QByteArray>

#include "platform/DiskLogFile.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

TEST(DiskLogFileTest, AppendsEachLineToTheFileAndCreatesItWhenMissing) {
  TempFolder dir;
  const std::string path = dir.Path() + "/BRV.log";
  DiskLogFile file;
  EXPECT_FALSE(file.Append(path, "one\r\n"));
  EXPECT_FALSE(file.Append(path, "two\r\n"));
  EXPECT_EQ(ReadAll(path), "one\r\ntwo\r\n");
}

TEST(DiskLogFileTest, ReportsTheSystemErrorWhenTheFileCannotBeOpened) {
  TempFolder dir;
  DiskLogFile file;
  const auto error = file.Append(dir.Path(), "line\r\n");  // a folder
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number, EISDIR);
  EXPECT_FALSE(error->description.empty());
}

TEST(DiskLogFileTest, TemporaryFolderEndsInASeparator) {
  qputenv("TMPDIR", "/var/tmp");
  DiskLogFile file;
  EXPECT_EQ(file.TempFolder(), "/var/tmp/");
}

}  // namespace
}  // namespace brevio::test
