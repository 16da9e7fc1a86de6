#include <gtest/gtest.h>

#include <filesystem>

#include "host/station/MessageNumberFile.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

// 2026-12-07 12:00:00 UTC: 1796644800 s, 179664480 tens of seconds, % 99999 = 66276.
const auto kNoon = std::chrono::system_clock::time_point(std::chrono::seconds(1796644800));
constexpr int kFromClock = 66277;

struct Stored {
  const char* content;  // nullptr: no file
  int loaded;
  const char* logged;  // nullptr: nothing
};

TEST(MessageNumberFile, GoesOnFromTheSavedNumberOrFromTheClock) {
  const Stored table[] = {
      {"41\n", 41, nullptr},
      {"0", 0, nullptr},
      {"99999\n", 99999, nullptr},
      {nullptr, kFromClock, "Message numbers: no PATH; starting after 66277"},
      {"", kFromClock, "Message numbers: PATH holds no number; starting after 66277"},
      {"100000\n", kFromClock, "Message numbers: PATH holds no number; starting after 66277"},
      {"-5\n", kFromClock, "Message numbers: PATH holds no number; starting after 66277"},
      {"4x\n", kFromClock, "Message numbers: PATH holds no number; starting after 66277"}};
  for (const Stored& row : table) {
    TempFolder folder;
    const std::string path = folder.Path() + "/numbers";
    if (row.content != nullptr) folder.Write("numbers", row.content);
    std::vector<std::string> logged;
    MessageNumberFile file(path, [&](const std::string& line) { logged.push_back(line); });
    SCOPED_TRACE(row.content == nullptr ? "no file" : row.content);
    EXPECT_EQ(file.Load(kNoon), row.loaded);
    std::string expected = row.logged == nullptr ? "" : row.logged;
    if (const auto at = expected.find("PATH"); at != std::string::npos)
      expected.replace(at, 4, path);
    EXPECT_EQ(logged, row.logged == nullptr ? std::vector<std::string>{}
                                            : std::vector<std::string>{expected});
  }
}

// Each save replaces the file whole; a folder that cannot take it is said once, not every time.
TEST(MessageNumberFile, SavesWholeAndSaysOnceWhenItCannot) {
  TempFolder folder;
  std::vector<std::string> logged;
  const auto log = [&](const std::string& line) { logged.push_back(line); };
  MessageNumberFile file(folder.Path() + "/numbers", log);
  EXPECT_TRUE(file.Save(7));
  EXPECT_TRUE(file.Save(8));
  EXPECT_EQ(MessageNumberFile(folder.Path() + "/numbers", log).Load(kNoon), 8);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/numbers.new"));

  MessageNumberFile lost(folder.Path() + "/gone/numbers", log);
  EXPECT_FALSE(lost.Save(1));
  EXPECT_FALSE(lost.Save(2));
  EXPECT_EQ(logged,
            std::vector<std::string>{"Message numbers: cannot write " + folder.Path() +
                                     "/gone/numbers; after a new start they begin from the clock"});
}

}  // namespace
}  // namespace brevio::test
