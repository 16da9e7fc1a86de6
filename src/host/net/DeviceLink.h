// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/net/LinkDevice.h"
#include "host/net/LinkStatusKeeper.h"
#include "host/net/SendQueue.h"

namespace brevio {

// A line for the status log.
using LinkLog = std::function<void(const std::string&)>;

// How a DeviceLink waits, retries and queues.
struct LinkOptions {
  // The wait before the next try starts here and doubles with each failure up to the longest;
  // a connection that lasted the longest wait starts it afresh.
  int firstRetryMs = 1000;
  int longestRetryMs = 60000;
  // A connection attempt (name lookup included) that takes longer has failed.
  int connectTimeoutMs = 10000;
  // Bytes that the peer does not take for this long mean a stalled connection.
  int writeStallMs = 30000;
  // A connection that brings nothing for this long has stalled; 0 when a quiet peer is normal.
  int silenceMs = 0;
  // Frames that wait for the link (see SendQueue).
  std::size_t queueBound = 200;
};

// A device (a TCP connection, a serial port) kept open: it opens when the event loop runs, and
// again with back-off after a failure, a loss or a stall, and logs each. Frames sent while the
// link is down wait in a bounded queue until the peer is ready for them again. Everything runs
// on the event loop; nothing blocks.
class DeviceLink {
 public:
  // A peer that sends faster than the station takes its frames is read this much per turn of the
  // event loop, so that timers, signals and the other links keep their turn.
  static constexpr qint64 kReadPerTurn = 16 * 1024;
  // More than this left waiting after a turn's read is no passing burst: the link is behind.
  static constexpr qint64 kBehindAbove = 8 * kReadPerTurn;
  // What a device holds unread at most: room for a link that is behind to be seen so, and a bound
  // on what a peer that pours out bytes can make the station keep (the rest waits in the kernel).
  static constexpr qint64 kReadBufferBytes = 2 * kBehindAbove;

  struct Handlers {
    // The connection is up: the peer's session may begin (a login, say).
    std::function<void()> connected;
    // `behind`: more than kBehindAbove bytes wait after these.
    std::function<void(std::string_view, bool behind)> received;
    // The connection has gone: the next bytes received start a new stream.
    std::function<void()> lost;
    // A frame's bytes have gone to the device: it leaves now.
    std::function<void(const std::string&)> left;
  };

  // The log lines name the link by `kind` and the device's address ("TNC kiss://...").
  DeviceLink(const std::string& kind, std::unique_ptr<LinkDevice> device, LinkLog log,
             LinkOptions options = {});
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  void Start(Handlers handlers);

  // Sends a frame's bytes when the peer is ready for frames; they wait otherwise.
  void Send(std::string frame);
  // Writes bytes of the session itself (a login, a keep-alive) when connected; never queued.
  void SendSessionBytes(std::string_view bytes);
  // The peer is ready for frames: the waiting ones go out in order, and later ones at once.
  void OpenSession();
  // Gives up this connection for `reason` and tries again after the back-off.
  void Reconnect(const std::string& reason);
  // See LinkStatusKeeper::Observe.
  void Observe(LinkObserver& observer) { status_.Observe(observer); }

  const std::string& Name() const { return name_; }

 private:
  enum class State { Waiting, Connecting, Connected };

  void Connect();
  void OnConnected();
  void OnReadyRead();
  void OnBytesWritten(qint64 count);
  void Write(const std::string& bytes);
  void Flush();
  void Lost(const std::string& reason);
  // The wait before the next try, doubled for the one after.
  int NextWait();
  void LogRetry(const std::string& reason, int waitMs);

  std::string name_;
  std::unique_ptr<LinkDevice> device_;
  LinkLog log_;
  LinkOptions options_;
  Handlers handlers_;
  QTimer retryTimer_;
  QTimer connectTimer_;
  QTimer stallTimer_;
  QTimer silenceTimer_;
  // Reads on in the next turn what one turn left.
  QTimer readOn_;
  QElapsedTimer connectedFor_;
  State state_ = State::Waiting;
  bool sessionOpen_ = false;
  int nextWaitMs_;
  // What the log said last about a failure: the same failure at the longest wait is not
  // repeated every time.
  std::string loggedReason_;
  int loggedWaitMs_ = 0;
  std::size_t droppedLogged_ = 0;
  SendQueue queue_;
  LinkStatusKeeper status_;
};

}  // namespace brevio
