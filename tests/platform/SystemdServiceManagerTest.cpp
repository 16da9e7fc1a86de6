#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/SystemdServiceManager.h"
#include "support/CoreHarness.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

// A datagram socket where systemd would listen, bound in a folder of its own.
class NotifySocket {
 public:
  explicit NotifySocket(const std::string& path) : fd_(socket(AF_UNIX, SOCK_DGRAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
  }
  ~NotifySocket() { close(fd_); }

  std::string Received() {
    char buffer[256];
    const ssize_t size = recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
    return size < 0 ? "" : std::string(buffer, static_cast<std::size_t>(size));
  }

 private:
  int fd_;
};

TEST(SystemdServiceManagerTest, SendsEachStateOrLogsWhyItCouldNot) {
#ifndef BREVIO_HAVE_SYSTEMD
  GTEST_SKIP() << "built without libsystemd";
#endif
  for (const auto& [notify, state] : {std::pair{&ServiceManager::NotifyReady, "READY=1"},
                                      std::pair{&ServiceManager::NotifyStopping, "STOPPING=1"}}) {
    SCOPED_TRACE(state);
    TempFolder folder;
    const std::string path = folder.Path() + "/notify";
    CoreHarness core;
    SystemdServiceManager manager(core.log);
    setenv("NOTIFY_SOCKET", path.c_str(), 1);
    (manager.*notify)();  // nobody listens yet
    EXPECT_EQ(core.StatusLines(),
              std::vector<std::string>{"Unable to tell the service manager " + std::string(state) +
                                       " (No such file or directory)"});
    NotifySocket socket(path);
    core.txtStatus.content.clear();
    (manager.*notify)();
    EXPECT_EQ(socket.Received(), state);
    unsetenv("NOTIFY_SOCKET");
    (manager.*notify)();  // started by hand: nothing to tell, nothing to report
    EXPECT_EQ(socket.Received(), "");
    EXPECT_TRUE(core.StatusLines().empty());
  }
}

}  // namespace
}  // namespace brevio::test
