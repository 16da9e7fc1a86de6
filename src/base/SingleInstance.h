// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace brevio {

// Finds out whether the program already runs for this user, and brings that instance forward.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;

  // True when another instance runs. Otherwise this instance becomes the running one and can be
  // activated by later ones, until it ends.
  virtual bool OtherInstanceRunning() = 0;

  // The title the platform knows this instance by.
  virtual std::string ApplicationTitle() = 0;
  virtual void SetApplicationTitle(const std::string& title) = 0;

  // Asks the running instance whose application title is `title` to come to the front.
  virtual void ActivateInstance(const std::string& title) = 0;
};

}  // namespace brevio
