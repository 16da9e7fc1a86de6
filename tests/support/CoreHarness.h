// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/HostFolder.h"
#include "base/LogFile.h"
#include "base/MessageDialog.h"
#include "base/Messages.h"
#include "base/ProgramEnd.h"
#include "base/StatusLog.h"
#include "base/TextBox.h"
#include "base/Timer.h"

namespace brevio::test {

struct ShownMessage {
  MessageIcon icon;
  std::string title;
  std::string body;
};

class RecordingMessageDialog : public MessageDialog {
 public:
  std::vector<ShownMessage> shown;

  void Show(MessageIcon icon, const std::string& title, const std::string& body) override {
    shown.push_back({icon, title, body});
  }
};

// A timer that only remembers what it was told; the test fires its ticks.
class ManualTimer : public Timer {
 public:
  std::int32_t interval = 2000;
  bool enabled = false;

  void SetInterval(std::int32_t ms) override { interval = ms; }
  void SetEnabled(bool on) override { enabled = on; }
};

// The host's "Program Folder" setting as the test sets it, failure included.
class FixedFolderSetting : public HostFolderSetting {
 public:
  explicit FixedFolderSetting(std::string folder = "") { read.value = std::move(folder); }

  Read read;
  Read ReadProgramFolder() override { return read; }
};

// A clock the test sets by hand. The time text follows the tick count (as seconds of the day),
// and each read of it can step the clock on, so two stamps taken one after the other differ.
class ManualClock : public Clock {
 public:
  std::int32_t tick = 0;
  std::string date = "06.12.2026";
  std::int32_t stepPerTimeRead = 0;

  std::int32_t TickCount() override { return tick; }
  std::string ShortDate() override { return date; }
  std::string LongTime() override {
    const auto seconds = static_cast<unsigned>(tick / 1000) % 86400U;
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    tick = TicksAfter(tick, stepPerTimeRead);
    return text;
  }

  void Advance(std::int32_t ms) { tick = TicksAfter(tick, ms); }

 private:
  static std::int32_t TicksAfter(std::int32_t from, std::int32_t ms) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(from) +
                                     static_cast<std::uint32_t>(ms));
  }
};

// Log files kept in memory, by path. A test can take the temporary folder away or make the
// next appends fail.
class MemoryLogFile : public LogFile {
 public:
  std::optional<std::string> tempFolder = "/tmp/brevio-test/";
  std::optional<LogFileFailure> failWith;
  std::map<std::string, std::string> files;

  std::optional<std::string> TempFolder() override { return tempFolder; }
  std::optional<LogFileFailure> Append(const std::string& path, std::string_view bytes) override {
    if (failWith) return failWith;
    files[path] += bytes;
    return std::nullopt;
  }

  // The content of BRV.log in the temporary folder.
  const std::string& Log() { return files[tempFolder.value_or("") + "BRV.log"]; }
};

class MemoryTextBox : public TextBox {
 public:
  explicit MemoryTextBox(std::string name) : name_(std::move(name)) {}

  std::string content;

  std::string Name() const override { return name_; }
  std::size_t Length() const override { return content.size(); }
  void KeepLast(std::size_t count) override {
    if (content.size() > count) content.erase(0, content.size() - count);
  }
  void Append(std::string_view text) override { content += text; }

 private:
  std::string name_;
};

// Thrown where the real program would have ended; nothing after the critical message runs.
struct ProgramEnded {};

class ThrowingProgramEnd : public ProgramEnd {
 public:
  int ends = 0;
  [[noreturn]] void EndProgram() override {
    ++ends;
    throw ProgramEnded{};
  }
};

// The status log and message boxes over in-memory fakes, as every core test needs them.
struct CoreHarness {
  CoreHarness();

  ManualClock clock;
  MemoryTextBox txtStatus{"txtStatus"};
  MemoryTextBox txtAPRS{"txtAPRS"};
  RecordingMessageDialog dialog;
  ThrowingProgramEnd end;
  MemoryLogFile logFile;
  ProgramInfo info;
  Messages messages{dialog, end, info};
  StatusLog log{txtStatus, txtAPRS, clock, logFile, messages};

  // The texts of the status box's lines, time stamps removed, in order.
  std::vector<std::string> StatusLines() const;
  // The same for the log file.
  std::vector<std::string> LogFileLines();
  // The text of the last message shown if it is critical, without the frame around it.
  std::string CriticalText() const;
};

// The texts of time-stamped CR LF lines, with the date and time before them removed.
std::vector<std::string> UnstampedLines(const std::string& content);

}  // namespace brevio::test
