// SPDX-License-Identifier: GPL-3.0-or-later
// Monitored frames per second through the whole path, and the memory it takes: TNC2 lines as
// the stdio link reads them (4096 bytes a read) to the station host, DataAvailable (and
// NotifyBeacon, NotifyRemotecommand), the parse, the gate and the replies, with the program's
// events (the window's painting among them) run after each read. Headless, and with the main
// window's boxes on the offscreen platform.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <fstream>
#include <string_view>

#include "ProcStatus.h"
#include "ServerRig.h"
#include "Traffic.h"
#include "app/HeadlessWindow.h"
#include "app/WidgetMainWindow.h"
#include "app/WidgetTextBox.h"
#include "app/frmMain.h"
#include "host/net/StdioTransport.h"
#include "platform/StreamTextBox.h"

namespace {

using namespace brevio;
using namespace brevio::bench;

// Frames a second of the busiest APRS-IS full feed we know of.
constexpr double kBusiestFeed = 40;
// The targets, as multiples of that feed.
constexpr double kHeadlessTarget = 1000;
constexpr double kWindowTarget = 100;

// Status lines go where headless status lines go (standard error), here to nowhere, and the
// APRS data box is off, as without --echo.
struct HeadlessBoxes {
  std::ofstream nowhere{"/dev/null"};
  StreamTextBox txtStatus{"txtStatus", &nowhere};
  StreamTextBox txtAPRS{"txtAPRS", nullptr};
  HeadlessWindow window{nowhere};
  RigMode Mode() { return {txtStatus, txtAPRS, window}; }
};

struct WindowBoxes {
  frmMain form;
  WidgetTextBox txtStatus{*form.txtStatus()};
  WidgetTextBox txtAPRS{*form.txtAPRS()};
  WidgetMainWindow window{form};
  RigMode Mode() { return {txtStatus, txtAPRS, window}; }
};

// The traffic, made once and fed round and round.
const std::string& TrafficText() {
  static const std::string text = Traffic().Lines(50000);
  return text;
}

// Feeds the traffic in reads of at most 4096 bytes, as the stdio link reads its input, and runs
// the program's events after each.
class Feeder {
 public:
  explicit Feeder(ServerRig& rig) : rig_(rig) {}

  // Feeds one read; returns the frames it completed.
  std::size_t FeedRead() {
    const std::string& text = TrafficText();
    std::string_view read(text.data() + at_, std::min<std::size_t>(4096, text.size() - at_));
    // Whole lines only, so that every read completes the frames it counts.
    read = read.substr(0, read.rfind('\n') + 1);
    at_ = (at_ + read.size()) % text.size();
    rig_.Feed(read);
    QCoreApplication::processEvents();
    return static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n'));
  }

  // Feeds reads until at least `frames` frames are in; returns how many.
  std::size_t Feed(std::size_t frames) {
    std::size_t fed = 0;
    while (fed < frames) fed += FeedRead();
    return fed;
  }

 private:
  ServerRig& rig_;
  std::size_t at_ = 0;
};

// Runs `serving` on the program's main loop, headless or with the window's boxes.
template <typename Boxes, typename Serving>
void Serve(Serving serving) {
  Boxes boxes;
  const int sent = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  StdioTransport transport(-1, sent, [](const std::string&) {});
  ServerRig rig(boxes.Mode(), transport);
  rig.Run([&] {
    Feeder feeder(rig);
    serving(feeder);
    rig.Close();
  });
  ::close(sent);
}

// Rates per second of the process's CPU time (the machine may be shared), and per second of
// wall-clock time as well.
template <typename Boxes>
void MonitoredFrames(benchmark::State& state, double target) {
  Serve<Boxes>([&](Feeder& feeder) {
    std::size_t frames = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) frames += feeder.FeedRead();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    const auto count = static_cast<double>(frames);
    state.counters["frames/s"] = benchmark::Counter(count, benchmark::Counter::kIsRate);
    state.counters["of_target"] =
        benchmark::Counter(count / (kBusiestFeed * target), benchmark::Counter::kIsRate);
    state.counters["wall_frames/s"] = count / wall.count();
    state.counters["wall_of_target"] = count / wall.count() / (kBusiestFeed * target);
  });
}

// VmRSS after the first thousand frames and after a million.
template <typename Boxes>
void MemoryAfterFrames(benchmark::State& state) {
  Serve<Boxes>([&](Feeder& feeder) {
    for (auto _ : state) {
      const std::size_t first = feeder.Feed(1000);
      const long afterThousand = ProcStatus(getpid(), "VmRSS");
      feeder.Feed(1000000 - first);
      const long afterMillion = ProcStatus(getpid(), "VmRSS");
      state.counters["rss_1k_MiB"] = static_cast<double>(afterThousand) / 1024;
      state.counters["rss_1M_MiB"] = static_cast<double>(afterMillion) / 1024;
      state.counters["ratio"] =
          static_cast<double>(afterMillion) / static_cast<double>(afterThousand);
    }
  });
}

void MonitoredFramesHeadless(benchmark::State& state) {
  MonitoredFrames<HeadlessBoxes>(state, kHeadlessTarget);
}
void MonitoredFramesWindow(benchmark::State& state) {
  MonitoredFrames<WindowBoxes>(state, kWindowTarget);
}

BENCHMARK(MonitoredFramesHeadless)->MinTime(3);
BENCHMARK(MonitoredFramesWindow)->MinTime(3);
BENCHMARK_TEMPLATE(MemoryAfterFrames, HeadlessBoxes)->Iterations(1);
BENCHMARK_TEMPLATE(MemoryAfterFrames, WindowBoxes)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
