#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "platform/DiskLogFile.h"

namespace brevio {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

TEST(DiskLogFileTest, AppendsEachLineToTheFileAndCreatesItWhenMissing) {
  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/BRV.log";
  DiskLogFile file;
  EXPECT_FALSE(file.Append(path, "one\r\n"));
  EXPECT_FALSE(file.Append(path, "two\r\n"));
  EXPECT_EQ(ReadAll(path), "one\r\ntwo\r\n");
}

TEST(DiskLogFileTest, ReportsTheSystemErrorWhenTheFileCannotBeOpened) {
  QTemporaryDir dir;
  DiskLogFile file;
  const auto error = file.Append(dir.path().toStdString(), "line\r\n");  // a folder
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
}  // namespace brevio
