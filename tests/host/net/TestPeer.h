#pragma once

#include <QTest>
#include <functional>
#include <string>
#include <vector>

namespace brevio::test {

// A TNC or server of the test's own that the test can take away and bring back.
class TestPeer {
 public:
  virtual ~TestPeer() = default;
  virtual void Send(const std::string& bytes) = 0;
  // Goes away as a TNC that is switched off or unplugged does: what the link tries fails.
  virtual void Unplug() = 0;
  virtual void Plug() = 0;

  // The bytes of each connection so far, the latest last.
  std::vector<std::string> received;
};

// Runs events until `done` holds or five seconds have passed; returns `done`.
inline bool WaitFor(const std::function<bool()>& done) {
  return QTest::qWaitFor(done, 5000);
}

}  // namespace brevio::test
