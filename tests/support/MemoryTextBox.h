#pragma once

#include <string>

#include "base/TextBox.h"

namespace brevio::test {

class MemoryTextBox : public TextBox {
 public:
  explicit MemoryTextBox(std::string name) : name_(std::move(name)) {}

  std::string content;

  std::string Name() const override { return name_; }
  std::size_t Length() const override { return content.size(); }
  void KeepLast(std::size_t count) override {
    if (content.size() > count) content.erase(0, content.size() - count);
  }
  void Append(std::string_view text) override { content += text; }

 private:
  std::string name_;
};

}  // namespace brevio::test
