#include <gtest/gtest.h>

#include <filesystem>

#include "host/station/MessageNumberFile.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

// 2026-12-07 12:00:00 UTC: 1796644800 s, 179664480 tens of seconds, % 99999 = 66276.
const auto kNoon = std::chrono::system_clock::time_point(std::chrono::seconds(1796644800));
constexpr int kFromClock = 66277;

// A number that is missing or unreadable is said, and the numbers go on from the clock.
TEST(MessageNumberFile, GoesOnFromTheSavedNumberOrFromTheClock) {
  const std::pair<const char*, int> table[] = {{"41\n", 41},         {"0", 0},
                                               {"99999\n", 99999},   {nullptr, kFromClock},
                                               {"", kFromClock},     {"100000\n", kFromClock},
                                               {"-5\n", kFromClock}, {"4x\n", kFromClock}};
  for (const auto& [content, loaded] : table) {
    TempFolder folder;
    const std::string path = folder.Path() + "/numbers";
    if (content != nullptr) folder.Write("numbers", content);
    std::vector<std::string> logged;
    MessageNumberFile file(path, [&](const std::string& line) { logged.push_back(line); });
    SCOPED_TRACE(content == nullptr ? "no file" : content);
    EXPECT_EQ(file.Load(kNoon), loaded);
    std::vector<std::string> expected;
    if (loaded == kFromClock) {
      expected.push_back(
          "Message numbers: " + (content == nullptr ? "no " + path : path + " holds no number") +
          "; starting after 66277");
    }
    EXPECT_EQ(logged, expected);
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
