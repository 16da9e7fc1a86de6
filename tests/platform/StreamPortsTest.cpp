#include <gtest/gtest.h>

#include <sstream>

#include "platform/StreamMessageDialog.h"
#include "platform/StreamTextBox.h"

namespace brevio {
namespace {

// Headless, the boxes and message boxes are lines on a terminal, and a box holds nothing.
TEST(StreamPortsTest, BoxesAndMessagesBecomeTerminalLines) {
  std::ostringstream out;
  StreamTextBox box("txtStatus", &out);
  box.Append("06.12.2026 10:00:00 NotifyBeacon(N0CALL, 52.5, 4.25)\r\n\r\n");
  EXPECT_EQ(box.Length(), 0U);
  StreamTextBox("txtAPRS", nullptr).Append("dropped\r\n");
  StreamMessageDialog(out).Show(MessageIcon::Critical, "Brevio Error message", "one\r\n\r\ntwo");
  EXPECT_EQ(out.str(),
            "06.12.2026 10:00:00 NotifyBeacon(N0CALL, 52.5, 4.25)\n\n"
            "--- critical: Brevio Error message ---\none\n\ntwo\n---\n");
}

}  // namespace
}  // namespace brevio
