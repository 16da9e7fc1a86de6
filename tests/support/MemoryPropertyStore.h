#pragma once

#include <map>
#include <string>

#include "setup/PropertyStore.h"

namespace brevio::test {

// Saved control properties in memory; a value equal to its default is not kept.
class MemoryPropertyStore : public PropertyStore {
 public:
  std::map<std::string, std::string> saved;
  // Makes every read fail, as a damaged saved state would.
  bool damaged = false;

  std::string ReadProperty(const std::string& key, const std::string& fallback) override {
    if (damaged) throw PropertyReadFailed("saved state is damaged");
    const auto found = saved.find(key);
    return found == saved.end() ? fallback : found->second;
  }

  void WriteProperty(const std::string& key, const std::string& value,
                     const std::string& standard) override {
    if (value == standard) {
      saved.erase(key);
    } else {
      saved[key] = value;
    }
  }
};

}  // namespace brevio::test
