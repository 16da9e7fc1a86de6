// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace brevio {

// Icon of a message box, by the platform's style code.
enum class MessageIcon { None = 0, Critical = 16, Information = 64 };

// A modal message box with one OK button; Show returns when the user has closed it.
class MessageDialog {
 public:
  virtual ~MessageDialog() = default;
  virtual void Show(MessageIcon icon, const std::string& title, const std::string& body) = 0;
};

}  // namespace brevio
