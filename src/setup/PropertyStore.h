// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace brevio {

// Saved state that cannot be read back.
class PropertyReadFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where a window keeps the saved properties of the controls it holds, each value as text under
// the property's name.
class PropertyStore {
 public:
  virtual ~PropertyStore() = default;

  // The value saved under `key`, or `fallback` when there is none. Throws PropertyReadFailed.
  virtual std::string ReadProperty(const std::string& key, const std::string& fallback) = 0;

  // Saves `value` under `key`. A value equal to `standard` (the property's default) is not kept,
  // so that only what differs from a new control is stored.
  virtual void WriteProperty(const std::string& key, const std::string& value,
                             const std::string& standard) = 0;
};

}  // namespace brevio
