#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "platform/IniFileReader.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"
#include "support/FixedFolderSetting.h"
#include "support/ManualTimer.h"
#include "support/TempFolder.h"

namespace brevio::test {

// The instance check, the window, the event loop and the folder watch, recording each call with
// the number of status lines written before it. Each wait runs `onWait`.
class RecordingPlatform : public SingleInstance,
                          public MainWindow,
                          public EventLoop,
                          public FolderWatch,
                          public CheckMark {
 public:
  explicit RecordingPlatform(const CoreHarness& core) : core_(core) {}

  std::function<void()> onWait;

  bool otherRunning = false;
  std::string title = "BRV";
  std::vector<std::string> calls;

  bool OtherInstanceRunning() override { return otherRunning; }
  std::string ApplicationTitle() override { return title; }
  void SetApplicationTitle(const std::string& text) override { Add("title " + (title = text)); }
  void ActivateInstance(const std::string& text) override { Add("activate " + text); }
  void SetCaption(const std::string& caption) override { Add("caption " + caption); }
  void CentreAndShow() override { Add("show"); }
  CheckMark& ScanForQdosMark() override { return *this; }
  void SetChecked(bool checked) override { Add(checked ? "scan on" : "scan off"); }
  void ConnectCommands(Server&) override { Add("commands"); }
  void Release() override { Add("release"); }
  void ProcessPendingEvents() override { Add("pending events"); }
  bool Create(const std::string&) override {
    Add("watch");
    return true;
  }
  bool Wait(std::int32_t) override {
    Add("wait");
    onWait();
    return false;
  }
  void Rearm() override { Add("rearm"); }
  void Close() override { Add("close"); }

 private:
  void Add(const std::string& call) {
    calls.push_back(call + " @" + std::to_string(core_.StatusLines().size()));
  }
  const CoreHarness& core_;
};

class FakeHostVersion : public HostVersionSource {
 public:
  std::optional<FixedFileVersion> version = FixedFileVersion{2, 0, 0, 3};
  std::vector<std::string> paths;

  std::optional<FixedFileVersion> HostFileVersion(const std::string& exePath) override {
    paths.push_back(exePath);
    return version;
  }
};

// The settings file of the station PA3XYZ-5, with one line changed: `change` "KEY=value"
// replaces the line of KEY, a bare "KEY" leaves it out.
inline std::string StationIni(const std::string& change = "") {
  const std::string key = change.substr(0, change.find('='));
  std::string ini;
  for (const std::string line :
       {"[STATION]", "CALLSIGN=PA3XYZ-5", "LATITUDE=5212.34N", "LONGITUDE=00512.34W", "[MESSAGES]",
        "REMOTE_COMMANDS=2", "NOT_FROM_ME=FALSE", "DEFAULT_PORT=1"}) {
    if (key.empty() || !line.starts_with(key + "=")) {
      ini += line + "\r\n";
    } else if (change != key) {
      ini += change + "\r\n";
    }
  }
  return ini;
}

// Start-up over a fake host and a recording platform, in a station of its own: the settings
// file above, the topics ?WX and ?NET, and an object WX in range. Each wait of the definition
// watch runs the platform's `onWait`, which unloads unless the test says otherwise.
struct StartupHarness {
  StartupHarness() {
    platform.onWait = [this] { startup.server()->shutdown.Unload(); };
    core.info.ProgramFolder = programFolder.Path();
    core.info.ExecutableBaseName = "brevio";
    hostFolder.Write("uiview32.ini", StationIni());
    programFolder.Write("brv.txt", "?WX\r\n>Sunny, 20 C\r\n?NET\r\n>Mondays 20:00\r\n");
    hostFolder.Write("overlays/brv.pos", "WX!5212.00N/00512.00W_\r\n");
  }

  // Runs start-up; true when it came to its end, false when a critical message ended it.
  bool Run() {
    try {
      startup.Run();
      return true;
    } catch (const ProgramEnded&) {
      return false;
    }
  }

  Server& server() { return *startup.server(); }

  std::vector<std::string> Informational() const {
    std::vector<std::string> texts;
    for (const ShownMessage& shown : core.dialog.shown) {
      if (shown.icon == MessageIcon::Information) texts.push_back(shown.body);
    }
    return texts;
  }

  TempFolder hostFolder;
  TempFolder programFolder;
  CoreHarness core;
  FakeHost host;
  FixedFolderSetting setting{hostFolder.Path()};
  HostFolder folder{setting, core.messages};
  FakeHostVersion version;
  RecordingPlatform platform{core};
  IniFileReader ini;
  ManualTimer timer1;
  RequestGate gate{core.clock, timer1, core.log};
  Startup startup{{core.info, core.log, core.messages, core.clock, folder, host.Connector()},
                  {platform, version, ini, platform, platform, platform},
                  gate};
};

}  // namespace brevio::test
