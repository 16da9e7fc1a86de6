// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevio {

// The check mark of a menu item.
class CheckMark {
 public:
  virtual ~CheckMark() = default;
  virtual void SetChecked(bool checked) = 0;
};

}  // namespace brevio
