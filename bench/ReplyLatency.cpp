// SPDX-License-Identifier: GPL-3.0-or-later
// Reply latency: from a query frame written to the program's input to its reply frame read from
// the program's output, over the stdio link, through start-up's main loop (the definition watch)
// as the program runs it. The asking station is a thread of its own that acks every reply, as a
// station does. The request gate's clock moves a minute on at each reading, so that every query is
// admitted and answered; everything else runs on the system clock.
//
// Usage: bench_reply_latency [QUERIES]   (2000 by default: half to QDOS, half to the station)
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "ServerRig.h"
#include "app/HeadlessWindow.h"
#include "host/net/StdioTransport.h"
#include "platform/StreamTextBox.h"
#include "platform/SystemClock.h"

namespace {

using namespace brevio;
using namespace brevio::bench;
using Clock = std::chrono::steady_clock;

// The system clock whose tick count moves a minute on at each reading.
class MinuteStepClock : public brevio::Clock {
 public:
  std::int32_t TickCount() override { return now_ = TicksBetween(-60001, now_); }
  std::string ShortDate() override { return system_.ShortDate(); }
  std::string LongTime() override { return system_.LongTime(); }

 private:
  SystemClock system_;
  std::int32_t now_ = system_.TickCount();
};

// The asking stations: each query from the next of them, numbered.
class Asker {
 public:
  Asker(int toServer, int fromServer) : toServer_(toServer), fromServer_(fromServer) {}

  // Asks `count` queries one after the other; returns each one's latency in microseconds.
  std::vector<double> Ask(int count) {
    std::vector<double> latencies;
    for (int n = 1; n <= count; ++n) {
      const std::string call = "K" + std::to_string(n % 10) + "LAT-" + std::to_string(n % 16);
      const std::string query =
          n % 2 ? call + ">APRS,WIDE1-1::QDOS     :WX{" : call + ">APRS,WIDE1-1*::N0CALL-10:?WX{";
      const auto start = Clock::now();
      Write(query + std::to_string(n) + "\n");
      const std::string reply = ReadReply();
      latencies.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
      // Acked, the reply is not sent again; then a pause, so that each query finds the loop
      // waiting, as queries on the air do.
      Write(call + ">APRS::N0CALL-10:ack" + reply.substr(reply.rfind('{') + 1) + "\n");
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return latencies;
  }

 private:
  void Write(const std::string& line) const {
    if (::write(toServer_, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
      std::perror("write");
      std::exit(1);
    }
  }

  // The next frame sent that answers the topic (acks and object reports are passed over).
  std::string ReadReply() {
    while (true) {
      for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
        const std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (line.find(":Wx 12C") != std::string::npos) return line;
      }
      char buffer[4096];
      const ssize_t count = ::read(fromServer_, buffer, sizeof buffer);
      if (count <= 0) {
        std::fprintf(stderr, "the program's output ended\n");
        std::exit(1);
      }
      pending_.append(buffer, static_cast<std::size_t>(count));
    }
  }

  int toServer_;
  int fromServer_;
  std::string pending_;
};

// The same exchange with a thread that answers each line at once: how long this machine takes to
// pass a line to another thread and back, waits for the processor included.
std::vector<double> EchoLatencies(int count) {
  int there[2];
  int back[2];
  if (::pipe2(there, O_CLOEXEC) != 0 || ::pipe2(back, O_CLOEXEC) != 0) std::exit(1);
  std::thread echo([&] {
    char buffer[4096];
    for (ssize_t n; (n = ::read(there[0], buffer, sizeof buffer)) > 0;) {
      if (::write(back[1], buffer, static_cast<std::size_t>(n)) != n) break;
    }
    ::close(back[1]);
  });
  std::vector<double> latencies;
  const std::string line = "K1LAT-1>APRS,WIDE1-1*::N0CALL-10:?WX{1\n";
  char buffer[4096];
  for (int n = 0; n < count; ++n) {
    const auto start = Clock::now();
    if (::write(there[1], line.data(), line.size()) != static_cast<ssize_t>(line.size())) break;
    for (std::size_t got = 0; got < line.size();) {
      const ssize_t more = ::read(back[0], buffer, sizeof buffer);
      if (more <= 0) std::exit(1);
      got += static_cast<std::size_t>(more);
    }
    latencies.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ::close(there[1]);
  echo.join();
  return latencies;
}

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
  return values[index];
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int queries = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
  int input[2];
  int output[2];
  if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0) return 1;

  std::ofstream nowhere("/dev/null");
  StreamTextBox txtStatus("txtStatus", &nowhere);
  StreamTextBox txtAPRS("txtAPRS", nullptr);
  HeadlessWindow window(nowhere);
  StdioTransport transport(input[0], output[1], [](const std::string&) {});
  MinuteStepClock gateClock;
  ServerRig rig({txtStatus, txtAPRS, window}, transport, &gateClock);

  std::vector<double> latencies;
  std::thread asker;
  rig.Run([&] {
    transport.Start(rig.station(), [&] { rig.Close(); });
    asker = std::thread([&] {
      latencies = Asker(input[1], output[0]).Ask(queries);
      ::close(input[1]);
    });
  });
  asker.join();

  const auto report = [](const char* what, const std::vector<double>& values) {
    std::printf("%s over %zu exchanges (microseconds): median %.0f, p90 %.0f, p99 %.0f, max %.0f\n",
                what, values.size(), Percentile(values, 0.5), Percentile(values, 0.9),
                Percentile(values, 0.99), Percentile(values, 1.0));
  };
  report("reply latency", latencies);
  std::printf("p99 against the 5 ms target: %.3f\n", Percentile(latencies, 0.99) / 5000);
  report("this machine's own line round trip between two threads", EchoLatencies(queries));
  return 0;
}
