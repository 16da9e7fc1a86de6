// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TopicFileWarnings.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "base/AnsiText.h"
#include "definitions/DefinitionItemReader.h"
#include "query/TopicDispatch.h"

namespace brevio {

namespace {

constexpr std::size_t kLongestAnswer = 45;

// The file's lines; an item never runs past its line end, so each line reads on its own exactly
// as within the whole file.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> Items(const std::string& line) {
  std::istringstream in(line);
  DefinitionItemReader reader(in);
  std::vector<std::string> items;
  while (!reader.AtEndOfFile()) items.push_back(reader.ReadDefinitionItem());
  return items;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\"");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\"") - first + 1));
}

class Finder {
 public:
  std::vector<std::string> warnings;

  void Line(const std::string& line) {
    std::size_t cursor = 0;
    for (const std::string& item : Items(line)) {
      const std::size_t at = line.find(item, cursor);
      cursor = at == std::string::npos ? cursor : at + item.size();
      if (item.starts_with('?')) Topic(UpperCase(item));
      if (item.starts_with('>')) Answer(item.substr(1), Trimmed(line.substr(cursor)));
    }
  }

 private:
  void Topic(const std::string& name) {
    topic_ = name;
    if (IsTopicListName(name)) {
      Warn("is never answered: " + name + " asks for the built-in list of topics");
    } else if (std::find(kReplaceableTopics.begin(), kReplaceableTopics.end(), name) !=
               kReplaceableTopics.end()) {
      Warn("takes the place of the built-in answer to " + name);
    }
  }

  void Answer(const std::string& answer, const std::string& rest) {
    if (!rest.empty()) {
      Warn("answers \"" + answer.substr(0, kLongestAnswer) + "\" and drops \"" + rest +
           "\": an unquoted comma ends the answer; write the whole line in double quotes");
    }
    if (answer.size() > kLongestAnswer) {
      Warn("answers with the first 45 of its " + std::to_string(answer.size()) +
           " characters and drops \"" + answer.substr(kLongestAnswer) + "\"");
    }
  }

  void Warn(const std::string& text) {
    warnings.push_back("warning: topic " + (topic_.empty() ? "(none yet)" : topic_) + " " + text);
  }

  std::string topic_;
};

}  // namespace

std::vector<std::string> TopicFileWarnings(const std::string& text) {
  Finder finder;
  for (const std::string& line : Lines(text)) finder.Line(line);
  return finder.warnings;
}

}  // namespace brevio
