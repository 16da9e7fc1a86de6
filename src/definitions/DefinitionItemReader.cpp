// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/DefinitionItemReader.h"

namespace brevio {

namespace {

constexpr auto kEnd = std::char_traits<char>::eof();

bool IsBlank(int c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(int c) {
  return c == '\r' || c == '\n';
}

}  // namespace

bool DefinitionItemReader::AtEndOfFile() {
  return file_.peek() == kEnd;
}

std::string DefinitionItemReader::ReadDefinitionItem() {
  SkipBlanks();
  std::string item = file_.peek() == '"' ? ReadQuoted() : ReadUnquoted();
  SkipToNextItem();
  return item;
}

void DefinitionItemReader::SkipBlanks() {
  while (IsBlank(file_.peek())) file_.get();
}

bool DefinitionItemReader::AtDelimiter() {
  const int c = file_.peek();
  return c == kEnd || c == ',' || IsLineEnd(c);
}

std::string DefinitionItemReader::ReadQuoted() {
  file_.get();  // the opening quote
  std::string item;
  for (int c = file_.peek(); c != kEnd && c != '"' && !IsLineEnd(c); c = file_.peek()) {
    item += static_cast<char>(file_.get());
  }
  if (file_.peek() == '"') file_.get();
  return item;
}

std::string DefinitionItemReader::ReadUnquoted() {
  std::string item;
  while (!AtDelimiter()) item += static_cast<char>(file_.get());
  const auto last = item.find_last_not_of(" \t");
  item.erase(last == std::string::npos ? 0 : last + 1);
  return item;
}

void DefinitionItemReader::SkipToNextItem() {
  while (!AtDelimiter()) file_.get();
  const int delimiter = file_.peek();
  if (delimiter == kEnd) return;
  file_.get();
  if (delimiter == '\r' && file_.peek() == '\n') file_.get();
}

}  // namespace brevio
