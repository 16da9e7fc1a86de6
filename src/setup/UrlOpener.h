// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace brevio {

// The platform call that opens a document or web address failed outright (as opposed to the
// shell finding nothing to open it with, which is not reported).
class UrlOpenFailed : public std::runtime_error {
 public:
  UrlOpenFailed(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}

  int number() const { return number_; }

 private:
  int number_;
};

// Asks the desktop to open a web address or a document with its "open" action, in the normal
// window state. The desktop's answer is not examined.
class UrlOpener {
 public:
  virtual ~UrlOpener() = default;

  // `address` is ANSI text: a web address or a file path. Throws UrlOpenFailed.
  virtual void Open(const std::string& address) = 0;
};

}  // namespace brevio
