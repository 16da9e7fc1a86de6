#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "definitions/DefinitionItemReader.h"

namespace brevio::test {
namespace {

std::vector<std::string> Items(const std::string& bytes) {
  std::istringstream file(bytes);
  DefinitionItemReader reader(file);
  std::vector<std::string> items;
  while (!reader.AtEndOfFile()) items.push_back(reader.ReadDefinitionItem());
  return items;
}

TEST(DefinitionItemReaderTest, SplitsTheFileIntoItems) {
  const std::tuple<const char*, std::string, std::vector<std::string>> files[] = {
      {"empty file", "", {}},
      {"lines", "?WX\n>Sunny\n", {"?WX", ">Sunny"}},
      {"comma ends an item", ">Hello, world\n", {">Hello", "world"}},
      {"two commas enclose an empty item", "a,,b", {"a", "", "b"}},
      {"comma at line end", "a,\nb", {"a", "", "b"}},
      {"leading blanks and tabs", "   # note\n \t?HELP", {"# note", "?HELP"}},
      {"trailing blanks and tabs", ">Sunny \t \n", {">Sunny"}},
      {"blanks inside stay", ">A  B", {">A  B"}},
      {"quoted line is one item", "\">Hello, world\"\r\n?WX", {">Hello, world", "?WX"}},
      {"quoted item keeps its blanks", "  \" >x \" ,y", {" >x ", "y"}},
      {"text after a closing quote is dropped", "\"a\"bc,d", {"a", "d"}},
      {"quote never closed ends at its line", "\"a,b\n?WX", {"a,b", "?WX"}},
      {"quote never closed at the end of the file", "x,\"a,b", {"x", "a,b"}},
      {"quotes inside an unquoted item stay", ">say \"hi\"", {">say \"hi\""}},
      {"CR LF", "?A\r\n>B\r\n", {"?A", ">B"}},
      {"lone CR", "?A\r>B", {"?A", ">B"}},
      {"NUL is an ordinary byte", std::string(">a\0b,c", 6), {std::string(">a\0b", 4), "c"}},
      {"blanks only at the end", "?A\n  ", {"?A", ""}},
      {"Windows-1252 bytes", ">\xC4\xE9\n", {">\xC4\xE9"}}};
  for (const auto& [what, bytes, items] : files) EXPECT_EQ(Items(bytes), items) << what;
}

}  // namespace
}  // namespace brevio::test
