// SPDX-License-Identifier: GPL-3.0-or-later
// A definition file's bytes read item by item.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzInput.h"
#include "definitions/DefinitionItemReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  std::istringstream file{std::string(fuzz::AsText(data, size))};
  DefinitionItemReader reader(file);
  std::size_t items = 0;
  std::size_t itemBytes = 0;
  while (!reader.AtEndOfFile()) {
    itemBytes += reader.ReadDefinitionItem().size();
    // Every item but an empty last one takes at least its delimiter: a reader that stops
    // moving would loop for ever.
    fuzz::Require(++items <= size + 1, "every item moves the reader on");
    fuzz::Require(itemBytes <= size, "items hold only bytes of the file");
  }
  fuzz::Require(reader.ReadDefinitionItem().empty(), "nothing is read after the end");
  return 0;
}
