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

struct ItemCase {
  const char* what;
  std::string bytes;
  std::vector<std::string> items;
};

void PrintTo(const ItemCase& item, std::ostream* out) {
  *out << item.what;
}

class DefinitionItemReaderTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(DefinitionItemReaderTest, SplitsTheFileIntoItems) {
  EXPECT_EQ(Items(GetParam().bytes), GetParam().items) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DefinitionItemReaderTest,
    ::testing::Values(
        ItemCase{"empty file", "", {}}, ItemCase{"lines", "?WX\n>Sunny\n", {"?WX", ">Sunny"}},
        ItemCase{"comma ends an item", ">Hello, world\n", {">Hello", "world"}},
        ItemCase{"two commas enclose an empty item", "a,,b", {"a", "", "b"}},
        ItemCase{"comma at line end", "a,\nb", {"a", "", "b"}},
        ItemCase{"leading blanks and tabs", "   # note\n \t?HELP", {"# note", "?HELP"}},
        ItemCase{"trailing blanks and tabs", ">Sunny \t \n", {">Sunny"}},
        ItemCase{"blanks inside stay", ">A  B", {">A  B"}},
        ItemCase{"quoted line is one item", "\">Hello, world\"\r\n?WX", {">Hello, world", "?WX"}},
        ItemCase{"quoted item keeps its blanks", "  \" >x \" ,y", {" >x ", "y"}},
        ItemCase{"text after a closing quote is dropped", "\"a\"bc,d", {"a", "d"}},
        ItemCase{"quote never closed ends at its line", "\"a,b\n?WX", {"a,b", "?WX"}},
        ItemCase{"quote never closed at the end of the file", "x,\"a,b", {"x", "a,b"}},
        ItemCase{"quotes inside an unquoted item stay", ">say \"hi\"", {">say \"hi\""}},
        ItemCase{"CR LF", "?A\r\n>B\r\n", {"?A", ">B"}},
        ItemCase{"lone CR", "?A\r>B", {"?A", ">B"}},
        ItemCase{
            "NUL is an ordinary byte", std::string(">a\0b,c", 6), {std::string(">a\0b", 4), "c"}},
        ItemCase{"blanks only at the end", "?A\n  ", {"?A", ""}},
        ItemCase{"Windows-1252 bytes", ">\xC4\xE9\n", {">\xC4\xE9"}}));

}  // namespace
}  // namespace brevio::test
