#pragma once

#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <memory>

#include "TestPeer.h"

namespace brevio::test {

// A serial TNC: a pseudo-terminal that the link opens through a symbolic link at `path`, as
// /dev/serial/by-id names a USB device. Unplugging it closes the terminal and removes the link;
// plugging it in makes a new terminal.
class PtyPeer : public TestPeer {
 public:
  explicit PtyPeer(std::string path) : path_(std::move(path)) { Plug(); }
  ~PtyPeer() override { Unplug(); }

  void Plug() override {
    std::array<char, 128> name{};
    ::openpty(&tnc_, &device_, name.data(), nullptr, nullptr);
    // Raw from the start, and held open here too: no echo, and no hang-up while the link has
    // not opened it yet.
    termios raw{};
    ::tcgetattr(device_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(device_, TCSANOW, &raw);
    ::symlink(name.data(), path_.c_str());
    received.emplace_back();
    notifier_ = std::make_unique<QSocketNotifier>(tnc_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
      std::array<char, 4096> buffer;
      const ssize_t count = ::read(tnc_, buffer.data(), buffer.size());
      if (count > 0) received.back().append(buffer.data(), static_cast<std::size_t>(count));
    });
  }

  void Unplug() override {
    if (tnc_ < 0) return;
    notifier_.reset();
    for (const int end : {tnc_, device_}) ::close(end);
    ::unlink(path_.c_str());
    tnc_ = -1;
  }

  void Send(const std::string& bytes) override {
    ASSERT_EQ(::write(tnc_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

 private:
  std::string path_;
  int tnc_ = -1;
  int device_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace brevio::test
