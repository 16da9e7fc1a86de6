#include <gtest/gtest.h>

#include <sstream>

#include "platform/StreamMessageDialog.h"
#include "platform/StreamTextBox.h"

namespace brevio {
namespace {

TEST(StreamPortsTest, TextBoxWritesTerminalLinesAndHoldsNothing) {
  std::ostringstream out;
  StreamTextBox box("txtStatus", &out);
  box.Append("06.12.2026 10:00:00 NotifyBeacon(N0CALL, 52.5, 4.25)\r\n\r\n");
  EXPECT_EQ(out.str(), "06.12.2026 10:00:00 NotifyBeacon(N0CALL, 52.5, 4.25)\n\n");
  EXPECT_EQ(box.Length(), 0U);
  EXPECT_EQ(box.Name(), "txtStatus");

  StreamTextBox silent("txtAPRS", nullptr);
  silent.Append("dropped\r\n");
}

TEST(StreamPortsTest, MessageShowsTitleAndBodyLines) {
  std::ostringstream out;
  StreamMessageDialog dialog(out);
  dialog.Show(MessageIcon::Critical, "Brevio Error message", "line one\r\n\r\nline two");
  EXPECT_EQ(out.str(), "--- critical: Brevio Error message ---\nline one\n\nline two\n---\n");
}

}  // namespace
}  // namespace brevio
