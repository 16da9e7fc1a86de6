// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AbstractStationLock.h"

#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "base/AnsiText.h"

namespace brevio {

namespace {

// The socket's address: a NUL, then the name. Returns its length.
socklen_t StationAddress(const std::string& call, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  const std::string name = "brevio-station " + UpperCase(call);
  const std::size_t length = std::min(name.size(), sizeof address.sun_path - 1);
  std::memcpy(address.sun_path + 1, name.data(), length);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

std::string UserName(uid_t uid) {
  const passwd* user = getpwuid(uid);
  return user != nullptr ? user->pw_name : std::to_string(uid);
}

// Who holds the address: the process that listens there, as the kernel tells a peer.
std::string Holder(const sockaddr_un& address, socklen_t length) {
  const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  ucred peer{};
  socklen_t size = sizeof peer;
  const bool known = probe >= 0 &&
                     connect(probe, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
                     getsockopt(probe, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.pid > 0;
  if (probe >= 0) close(probe);
  if (!known) return "another process";
  return "process " + std::to_string(peer.pid) + " of user " + UserName(peer.uid);
}

}  // namespace

AbstractStationLock::~AbstractStationLock() {
  notifier_.reset();
  if (socket_ >= 0) close(socket_);
}

std::optional<std::string> AbstractStationLock::ClaimStation(const std::string& call) {
  sockaddr_un address{};
  const socklen_t length = StationAddress(call, address);
  socket_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (socket_ < 0) return std::nullopt;  // no sockets at all: nothing to tell another process
  if (bind(socket_, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
    const bool taken = errno == EADDRINUSE;
    close(socket_);
    socket_ = -1;
    if (taken) return Holder(address, length);
    return std::nullopt;
  }
  listen(socket_, 4);
  notifier_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { AcceptAndClose(); });
  return std::nullopt;
}

// A later process only asks who holds the call; its connection is closed at once, so that
// the queue never fills.
void AbstractStationLock::AcceptAndClose() {
  while (true) {
    const int peer = accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (peer < 0) return;
    close(peer);
  }
}

}  // namespace brevio
