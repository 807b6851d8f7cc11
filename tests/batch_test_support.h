#pragma once
// verstak-batch run in the test's own process, and the small puzzle files
// its tests share.

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_run.h"
#include "document/cp1251.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"
#include "temp_folder.h"

namespace verstak::testing {

struct BatchRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline BatchRun RunBatchWith(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  BatchRun run;
  run.status = batch::RunBatch(arguments, {out, err, false});
  run.out = out.str();
  run.err = err.str();
  return run;
}

// info --json without its last member, "fit" (the clues as typeset), which
// the print output's tests look at.
inline std::string WithoutFit(const std::string& json) {
  const std::size_t fit = json.rfind(",\"fit\":[");
  if (fit == std::string::npos || !json.ends_with("]}\n")) {
    ADD_FAILURE() << "no \"fit\" at the end of " << json;
    return json;
  }
  return json.substr(0, fit) + "}\n";
}

// The document's own part of info --json: without the words (answers,
// words, faults) and the fit that follow it.
inline std::string DocumentPart(const std::string& json) {
  const std::size_t words = json.find(",\"answers\":[");
  if (words == std::string::npos) {
    ADD_FAILURE() << "no \"answers\" in " << json;
    return json;
  }
  return json.substr(0, words) + "}\n";
}

// UTF-8 lines as a cp1251 text file's bytes, each line ended by CR LF.
inline std::string Cp1251Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text += Utf8ToCp1251(line) + "\r\n";
  return text;
}

// Puzzle 1: 4 x 2 with three clue cells; puzzle 2: two clue cells side by
// side; puzzle 3: two letters and no clue cell.
inline std::string SmallGrids() {
  return Cp1251Lines({"№ 1", "\tК\tО\tТ", "\tО\t\tА", "", "№ 2", "\t\t", "", "№ 3", "А\tБ", ""});
}

// Puzzle 1: three clues, the second of two lines; puzzle 2: two clues;
// puzzle 3: a header without clues.
inline std::string SmallDefinitions() {
  return Cp1251Lines({"№ 1", "* Мурлыка", "* Жалит", "и летает", "* Так", "", "№ 2", "* Один", "* Два", "", "№ 3", ""});
}

// The small grid and definitions files in a folder of their own.
class SmallPuzzleFiles : public ::testing::Test {
 protected:
  TempFolder folder;
  const std::string grid = folder.write("grid.txt", SmallGrids()).string();
  const std::string definitions = folder.write("definitions.txt", SmallDefinitions()).string();

  std::string path(std::string_view name) const { return (folder / name).string(); }

  // What opening puzzle `number` from both files gives, read here by the
  // readers themselves.
  ScanwordDocument opened(int number) const {
    ScanwordDocument document;
    ReadGridFile(grid, number).applyTo(document);
    ReadDefinitionsFile(definitions, number).applyTo(document);
    return document;
  }
};

}  // namespace verstak::testing
