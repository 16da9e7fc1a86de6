// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <string>

namespace brevio {

// Reads a definition file item by item. An item ends at a comma or at the end of a line (LF, CR
// LF or a lone CR); blanks and tabs before it are skipped and, for an unquoted item, after it
// too. An item that begins with a double quote runs to the next double quote, commas included;
// what follows the closing quote up to the next comma or line end belongs to no item. A quote
// that is never closed ends at the end of its line, so that it cannot swallow the rest of the
// file. Every other byte, a quote or a NUL inside an unquoted item among them, is part of it.
class DefinitionItemReader {
 public:
  explicit DefinitionItemReader(std::istream& file) : file_(file) {}

  // True when no character is left to read (or the file cannot be read any further).
  bool AtEndOfFile();

  // The next item; empty when the file holds nothing more.
  std::string ReadDefinitionItem();

 private:
  void SkipBlanks();
  std::string ReadQuoted();
  std::string ReadUnquoted();
  // Reads and drops everything up to the next comma or line end, and then that delimiter.
  void SkipToNextItem();
  bool AtDelimiter();

  std::istream& file_;
};

}  // namespace brevio
