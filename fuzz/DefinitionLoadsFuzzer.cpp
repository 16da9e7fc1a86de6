// SPDX-License-Identifier: GPL-3.0-or-later
// The topic and object definition loads, each over the input as its whole file (brv.txt, then
// overlays/brv.pos), in the order the server runs them. One input may so define topics and
// their objects at once; each kind of load skips the other's items.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "base/HostFolder.h"
#include "definitions/ObjectDefinitions.h"
#include "definitions/TopicDefinitions.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"

namespace brevio::fuzz {
namespace {

class ScratchHostFolder : public HostFolderSetting {
 public:
  explicit ScratchHostFolder(std::string folder) : folder_(std::move(folder)) {}
  Read ReadProgramFolder() override { return {folder_, std::nullopt}; }

 private:
  std::string folder_;
};

void Load(std::string_view file) {
  static const ScratchFolder folder;
  folder.Write("brv.txt", file);
  folder.Write("overlays/brv.pos", file);

  test::CoreHarness h;
  h.info.programFolder = folder.Path();
  test::FakeHost host;
  // Near, far, and then no answer at all.
  host.distances = {3.2, 40.0};
  const std::unique_ptr<HostLink> link = host.Connector().Connect();
  ScratchHostFolder setting(folder.Path());
  HostFolder hostFolder(setting, h.messages);
  StationConfig station{"N0CALL-9", 49.1, -72.0, 1};
  TopicTable topics;
  TopicDefinitions topicDefinitions(topics, h.info, h.log, h.messages);
  ObjectDefinitions objectDefinitions(topics, station, *link, hostFolder, h.log, h.messages);
  try {
    topicDefinitions.LoadTopicDefinitions();
    objectDefinitions.LoadObjectDefinitions();
  } catch (const test::ProgramEnded&) {
    // Too many topics or too long a name: the critical message ends the program, as it must.
    return;
  }
  Require(topics.TopicCount >= 0 && topics.TopicCount <= TopicTable::kCapacity,
          "the topic count stays within the table");
  for (std::int16_t i = 1; i <= topics.TopicCount; ++i) {
    Require(topics[i].strTopic.size() <= 6, "a topic name is at most 6 characters");
    Require(topics[i].strResponse.size() <= 45, "an answer is at most 45 characters");
  }
}

}  // namespace
}  // namespace brevio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brevio::fuzz::Load(brevio::fuzz::AsText(data, size));
  return 0;
}
