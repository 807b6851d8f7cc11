// A read error anywhere in a file fails the read with its own message; no
// line cut off by it is taken for a whole one, and the document stays as it
// was. The error is placed after every byte of the file in turn, across
// block sizes that put it at block boundaries and inside lines alike.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "document/cp1251.h"
#include "failing_source.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"
#include "files/line_reader.h"
#include "files/open_files.h"
#include "files/scanword_file.h"
#include "puzzle_text_reference.h"
#include "temp_folder.h"

namespace verstak {
namespace {

using testing::FailingBytes;

const UserMessage kReadFailed = UserMessage::Error(" Не удалось прочитать файл! ");
const std::size_t kBlocks[] = {1, 2, 5, 16, 64, PuzzleLineReader::kDefaultBlockBytes};

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += Utf8ToCp1251(line) + "\r\n";
  return text;
}

// The lines a reader may hand out when the source fails after `good` bytes:
// those whose break came before the failure, unless a Ctrl-Z ended the
// text before it.
std::vector<std::string> WholeLinesBefore(const std::string& text, std::size_t good, bool& failed) {
  const std::size_t stop = text.find('\x1A');
  failed = stop >= good;
  if (!failed) return reference::Lines(text);
  const std::string part = text.substr(0, good);
  std::vector<std::string> lines = reference::Lines(part);
  if (!part.empty() && part.back() != '\r' && part.back() != '\n' && !lines.empty()) lines.pop_back();
  return lines;
}

TEST(ReadError, NoLineCutOffByAReadErrorIsHandedOut) {
  std::mt19937 random(11);
  const std::string alphabet = std::string("ab\t\t\r\n\r\n*") + kNumberSign;
  for (int round = 0; round < 40; ++round) {
    std::string text;
    const int size = std::uniform_int_distribution<int>(0, 80)(random);
    for (int i = 0; i < size; ++i)
      text += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
    if (round % 5 == 0) text += std::string(300, 'x') + "\r\n" + std::string(300, ' ');  // lines longer than a block
    if (round % 7 == 0) text.insert(text.size() / 2, "\x1A");
    for (std::size_t good = 0; good <= text.size(); ++good) {
      bool failed = false;
      const std::vector<std::string> want = WholeLinesBefore(text, good, failed);
      for (std::size_t block : kBlocks) {
        for (const bool skipping : {false, true}) {
          FailingBytes source(text, good);
          PuzzleLineReader reader(source, kMarkTab, block);
          std::vector<std::pair<std::string, std::size_t>> got;  // each line's head and length
          TextLine line;
          while (skipping ? reader.nextHolding(line, kMarkTab) : reader.next(line))
            got.emplace_back(line.head, line.length);
          std::vector<std::pair<std::string, std::size_t>> expected;
          for (const std::string& l : want) {
            if (!skipping || l.find('\t') != std::string::npos)
              expected.emplace_back(l.substr(0, kLineHeadBytes), l.size());
          }
          EXPECT_EQ(got, expected) << "round " << round << ", error after " << good << " bytes, block " << block;
          EXPECT_EQ(reader.failed(), failed) << "round " << round << ", error after " << good << " bytes";
        }
      }
    }
  }
}

// Three puzzles; the wanted one is read from the part after its header.
const std::string kGrids = Lines(
    {"Сканворд № 3", "К\tО\tТ", "\tО\t\t", "", "Кроссворд № 7", "\t\tА", "Б\t\t", "Я\tЯ", "\tЯ", "", "№ 12", "\t", ""});
const std::string kClues = Lines(
    {"№ 3", "* Столица", "Франции", "* Река", "", "№ 7", "* Нил", "* Кот", "мурлыка", "", "* Пёс", "№ 12", "* Я", ""});

// Where the bytes a read of `number` cannot do without begin: its header, or
// for puzzle 1 without a header the first start line; a puzzle not in the
// file needs all of it.
std::size_t NeededFrom(const std::string& text, int number, char startMark) {
  const std::size_t header = text.find(" " + std::to_string(number) + "\r\n");
  if (header != std::string::npos) return header;
  if (number == 1) return text.find(startMark);
  return text.size() + 1;
}

template <class Result, class Read>
void ExpectFullReadOrReadError(const std::string& text, char startMark, const std::vector<int>& numbers, Read read) {
  for (int number : numbers) {
    MemoryBytes whole(text);
    const Result full = read(whole, number, PuzzleLineReader::kDefaultBlockBytes);
    const std::size_t needed = NeededFrom(text, number, startMark);
    for (std::size_t good = 0; good <= text.size(); ++good) {
      for (std::size_t block : kBlocks) {
        FailingBytes source(text, good);
        const Result cut = read(source, number, block);
        const std::string where = "puzzle " + std::to_string(number) + ", error after " + std::to_string(good) +
                                  " bytes, block " + std::to_string(block);
        if (cut.failure == kReadFailed) continue;
        // Whatever is not the read error must be what the whole file gives,
        // and it cannot be known before the bytes it needs were read.
        EXPECT_GT(good, needed) << where;
        EXPECT_EQ(cut.failure, full.failure) << where;
        if constexpr (std::is_same_v<Result, GridFileResult>) {
          EXPECT_EQ(cut.grid, full.grid) << where;
        } else {
          EXPECT_TRUE(cut.clues == full.clues) << where;
        }
      }
    }
  }
}

TEST(ReadError, AGridIsReadWholeOrNotAtAll) {
  ExpectFullReadOrReadError<GridFileResult>(
      kGrids, '\t', {3, 7, 12, 1, 5},
      [](ByteSource& source, int number, std::size_t block) { return ReadGridFile(source, number, block); });
}

TEST(ReadError, CluesAreReadWholeOrNotAtAll) {
  ExpectFullReadOrReadError<DefinitionsFileResult>(
      kClues, '*', {3, 7, 12, 1, 5},
      [](ByteSource& source, int number, std::size_t block) { return ReadDefinitionsFile(source, number, block); });
}

// A header line cut right after its sign has no number yet: that is the
// read error, not a malformed header.
TEST(ReadError, AHeaderCutAfterItsSignIsNoHeaderError) {
  const std::string text = Lines({"\tА", "", "Кроссворд № 25", "\t"});
  const std::size_t sign = text.find(kNumberSign);
  for (std::size_t block : kBlocks) {
    FailingBytes source(text, sign + 1);
    EXPECT_EQ(ReadGridFile(source, 25, block).failure, kReadFailed) << "block " << block;
  }
  FailingBytes longLine(std::string(5000, ' ') + text, 5000 + sign + 1);  // a line longer than the block
  EXPECT_EQ(ReadGridFile(longLine, 25, 64).failure, kReadFailed);
}

TEST(ReadError, AScanwordFileIsRefusedWhereverTheErrorFalls) {
  ScanwordDocument document;
  document.gridWidth = 3;
  document.gridHeight = 2;
  document.cells.at(1, 1).kind = CellKind::ClueSplitHorizontal;
  document.cells.at(3, 2).kind = CellKind::Clue;
  document.definitions.slot(1).line(1).assign("abc");
  document.definitions.slot(3).line(2).assign("defgh");
  const std::string bytes = ScanwordFileBytes(document);
  for (std::size_t good = 0; good <= bytes.size(); ++good) {
    FailingBytes source(bytes, good);
    EXPECT_EQ(ReadScanwordFile(source).failure, kReadFailed) << "error after " << good << " bytes";
  }
  MemoryBytes whole(bytes);
  EXPECT_TRUE(ReadScanwordFile(whole).found());
}

// A file that opens but fails on its first read, as /proc/self/mem does:
// the read error with the file's name, never "no such file", and nothing
// of the document changes.
TEST(ReadError, AFileThatCannotBeReadIsNamedInTheMessage) {
  const std::filesystem::path broken = "/proc/self/mem";
  const UserMessage message = UserMessage::Error(" Не удалось прочитать файл! \n/proc/self/mem");
  EXPECT_EQ(ReadGridFile(broken, 1).failure, message);
  EXPECT_EQ(ReadDefinitionsFile(broken, 1).failure, message);
  EXPECT_EQ(ReadScanwordFile(broken).failure, message);

  TempFolder folder;
  const auto grid = folder.write("grid.txt", Lines({"№ 1", "\t\tА"}));
  const auto clues = folder.write("clues.txt", Lines({"№ 1", "* Нил"}));
  ScanwordDocument document;
  document.gridWidth = 4;
  document.gridHeight = 4;
  document.cells.at(2, 2).kind = CellKind::Picture;
  document.definitions.slot(7).line(1).assign("old");
  const ScanwordDocument before = document;
  for (const OpenFileNames& names :
       {OpenFileNames{broken, clues, {}}, OpenFileNames{grid, broken, {}}, OpenFileNames{{}, {}, broken}}) {
    ScanwordDocument whole = before;
    const OpenOutcome outcome = OpenFiles(whole, names, 1, OpenMode::WholeOrNothing);
    EXPECT_EQ(outcome.messages, std::vector<UserMessage>{message});
    EXPECT_EQ(whole, before);
  }
  // The open dialog applies the part that was read and reports the other.
  const OpenOutcome partly = OpenFiles(document, {broken, clues, {}}, 1, OpenMode::PartByPart);
  EXPECT_EQ(partly.messages, std::vector<UserMessage>{message});
  EXPECT_EQ(document.gridWidth, 4);
  EXPECT_EQ(document.cells.at(2, 2).kind, CellKind::Picture);
  EXPECT_EQ(document.definitions.slot(1).line(1).text(), Utf8ToCp1251("Нил"));
}

}  // namespace
}  // namespace verstak
