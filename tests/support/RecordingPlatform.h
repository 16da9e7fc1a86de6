#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "base/EventLoop.h"
#include "base/SingleInstance.h"
#include "definitions/FolderWatch.h"
#include "query/CheckMark.h"
#include "support/CoreHarness.h"

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

}  // namespace brevio::test
