#pragma once
// Plain, slow transcriptions of how a grid or definitions file is read for one
// puzzle number, over the whole text split into lines. The readers under test
// work block by block and answer many numbers in one pass; these say what
// each answer must be.

#include <algorithm>
#include <string>
#include <vector>

#include "document/definition_text.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"
#include "files/puzzle_header.h"

namespace verstak::reference {

// The text ends at the first Ctrl-Z; CR LF, CR and LF each end a line; a
// break at the very end starts no further line.
inline std::vector<std::string> Lines(std::string text) {
  text = text.substr(0, text.find('\x1A'));
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      current += text[i];
      continue;
    }
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(current);
    current.clear();
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

inline bool Holds(const std::string& line, char c) { return line.find(c) != std::string::npos; }

inline std::vector<int> HeaderNumbers(const std::vector<std::string>& lines) {
  std::vector<int> numbers;
  for (const std::string& line : lines) {
    if (auto n = ParsePuzzleHeader(line)) numbers.push_back(*n);
  }
  return numbers;
}

// Scan for the header of `number` (or, for puzzle 1, a start line), then skip
// to the first start line after the header; the index of the start line, or
// the result that ends the read.
template <class Result>
inline bool FindStart(const std::vector<std::string>& lines, int number, char startMark, const UserMessage& headerError,
                      const UserMessage& notFound, std::size_t& start, Result& failed) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (Holds(line, kNumberSign)) {
      const auto header = ParsePuzzleHeader(line);
      if (!header) {
        failed.failure = headerError;
        return false;
      }
      if (*header != number) continue;
      for (std::size_t j = i + 1; j < lines.size(); ++j) {
        if (Holds(lines[j], startMark)) {
          start = j;
          return true;
        }
      }
      break;
    }
    if (Holds(line, startMark) && number == 1) {
      start = i;
      return true;
    }
  }
  failed.failure = notFound;
  return false;
}

inline GridFileResult ReadGrid(const std::vector<std::string>& lines, int number) {
  GridFileResult result;
  std::size_t row = 0;
  if (!FindStart(lines, number, '\t', GridRowsReading::HeaderError(), GridRowsReading::NotFound(), row, result)) {
    return result;
  }
  const GridFileResult tooBig{UserMessage::Error(" Сетка больше 99 на 99 клеток! "), {}};
  for (; row < lines.size() && Holds(lines[row], '\t'); ++row) {
    const std::string& line = lines[row];
    if (result.grid.height == 99) return tooBig;
    ++result.grid.height;
    std::string letters(99, '\0');
    int column = 1;
    for (std::size_t position = 0; position < line.size(); ++column) {
      if (line[position] == '\t') {
        if (column > 99) return tooBig;
        result.grid.clueRows[static_cast<std::size_t>(result.grid.height - 1)].set(static_cast<std::size_t>(column - 1));
        position += 1;
      } else {
        if (column <= 99) letters[static_cast<std::size_t>(column - 1)] = line[position];
        position += 2;
      }
    }
    result.grid.letterRows += letters;
    if (column - 1 > 99) return tooBig;
    result.grid.width = std::max(result.grid.width, column - 1);
  }
  return result;
}

inline DefinitionsFileResult ReadDefinitions(const std::vector<std::string>& lines, int number) {
  DefinitionsFileResult result;
  std::size_t at = 0;
  if (!FindStart(lines, number, '*', ClueTextsReading::HeaderError(), ClueTextsReading::NotFound(), at, result)) {
    return result;
  }
  while (at < lines.size() && !Holds(lines[at], kNumberSign)) {
    if (result.clues.size() == 10000) return {UserMessage::Error(" Определений больше 10000! "), {}};
    result.clues.startClue();
    result.clues.addLine(lines[at].size() < 2 ? "" : lines[at].substr(2));
    int n = 1;
    for (++at; at < lines.size() && !Holds(lines[at], '*') && !Holds(lines[at], kNumberSign); ++at) {
      if (++n <= 16) {
        result.clues.addLine(lines[at]);
      } else if (!lines[at].empty()) {
        return {UserMessage::Error(" Определение длиннее 16 строк! "), {}};
      }
    }
  }
  return result;
}

}  // namespace verstak::reference
