#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "files/line_reader.h"
#include "puzzle_text_reference.h"
#include "temp_folder.h"

namespace verstak {
namespace {

LineMarks ReferenceMarks(const std::string& line, LineMarks tracked) {
  LineMarks marks = 0;
  if ((tracked & kMarkTab) && line.find('\t') != std::string::npos) marks |= kMarkTab;
  if (line.find(kNumberSign) != std::string::npos) marks |= kMarkNumberSign;
  if ((tracked & kMarkAsterisk) && line.find('*') != std::string::npos) marks |= kMarkAsterisk;
  return marks;
}

void ExpectLine(const TextLine& got, const std::string& want, LineMarks tracked, const std::string& where) {
  EXPECT_EQ(got.head, want.substr(0, kLineHeadBytes)) << where;
  EXPECT_EQ(got.length, want.size()) << where;
  EXPECT_EQ(got.marks, ReferenceMarks(want, tracked)) << where;
  EXPECT_EQ(got.headerNumber, ParsePuzzleHeader(want)) << where;
}

// Text rich in what the reader must get right: breaks of every kind, marks,
// header numbers, long runs without a break, the odd Ctrl-Z.
std::string RandomText(std::mt19937& random) {
  static const std::string kAlphabet = std::string("aaaa  \t\t\r\r\n\n**1-") + kNumberSign + kNumberSign;
  std::string text;
  const int pieces = std::uniform_int_distribution<int>(0, 60)(random);
  for (int i = 0; i < pieces; ++i) {
    const int kind = std::uniform_int_distribution<int>(0, 40)(random);
    if (kind == 0) {
      text += std::string(std::uniform_int_distribution<std::size_t>(200, 700)(random), ' ');  // a long line
    } else if (kind == 1) {
      text += std::string(1, kNumberSign) + " 42" + std::string(300, ' ');  // a long header
    } else if (kind == 2 && std::uniform_int_distribution<int>(0, 9)(random) == 0) {
      text += '\x1A';
    } else {
      text += kAlphabet[std::uniform_int_distribution<std::size_t>(0, kAlphabet.size() - 1)(random)];
    }
  }
  return text;
}

const std::size_t kBlockSizes[] = {1, 2, 3, 7, 64, 300, PuzzleLineReader::kDefaultBlockBytes};

TEST(PuzzleLineReader, EveryLineAgreesWithThePlainSplitWhateverTheBlockSize) {
  TempFolder folder;
  std::mt19937 random(1);
  for (int round = 0; round < 300; ++round) {
    const std::string text = RandomText(random);
    const std::vector<std::string> want = reference::Lines(text);
    const auto path = folder.write("lines.txt", text);
    for (std::size_t block : kBlockSizes) {
      for (LineMarks tracked : {kMarkTab, kMarkAsterisk}) {
        PuzzleLineReader reader(path, tracked, block);
        TextLine line;
        std::size_t n = 0;
        for (; reader.next(line); ++n) {
          ASSERT_LT(n, want.size()) << "round " << round << " block " << block;
          ExpectLine(line, want[n], tracked, "round " + std::to_string(round) + " block " + std::to_string(block));
        }
        EXPECT_EQ(n, want.size()) << "round " << round << " block " << block;
        EXPECT_FALSE(reader.failed());
      }
    }
  }
}

// Skipping to marked lines, mixed with line-by-line reading, meets exactly
// the lines a walk over the plain split meets.
TEST(PuzzleLineReader, PassingOverUnmarkedLinesLandsOnTheNextMarkedLine) {
  TempFolder folder;
  std::mt19937 random(2);
  const LineMarks kChoices[] = {0, kMarkNumberSign, kMarkTab, kMarkAsterisk, kMarkTab | kMarkNumberSign,
                                kMarkAsterisk | kMarkNumberSign};
  for (int round = 0; round < 300; ++round) {
    const std::string text = RandomText(random);
    const std::vector<std::string> want = reference::Lines(text);
    const auto path = folder.write("lines.txt", text);
    for (std::size_t block : kBlockSizes) {
      const LineMarks tracked = kMarkTab | kMarkAsterisk;
      PuzzleLineReader reader(path, tracked, block);
      std::size_t at = 0;
      for (;;) {
        const LineMarks marks = kChoices[std::uniform_int_distribution<std::size_t>(0, 5)(random)];
        TextLine line;
        const bool got = marks == 0 ? reader.next(line) : reader.nextHolding(line, marks);
        while (marks != 0 && at < want.size() && (ReferenceMarks(want[at], tracked) & marks) == 0) ++at;
        ASSERT_EQ(got, at < want.size()) << "round " << round << " block " << block << " line " << at;
        if (!got) break;
        ExpectLine(line, want[at], tracked, "round " + std::to_string(round) + " line " + std::to_string(at));
        ++at;
      }
    }
  }
}

TEST(PuzzleLineReader, LineBreaksOfEveryKindGiveTheSameLines) {
  TempFolder folder;
  const std::vector<std::string> want = {"a", "", "b\tc", "", "d"};
  for (const char* text : {"a\r\n\r\nb\tc\r\n\r\nd\r\n", "a\n\nb\tc\n\nd", "a\r\rb\tc\r\rd\r", "a\r\n\nb\tc\r\rd\n",
                           "a\r\n\r\nb\tc\r\n\r\nd\x1A\r\nlost"}) {
    PuzzleLineReader reader(folder.write("breaks.txt", text), kMarkTab);
    std::vector<std::string> got;
    for (TextLine line; reader.next(line);) got.emplace_back(line.head);
    EXPECT_EQ(got, want) << testing::PrintToString(std::string(text));
  }
}

// Progress reports: after each line, how far into the file it and its break
// reach (an LF that waits in the next block may not be counted yet); and
// where each line starts, which a later read may start from.
TEST(PuzzleLineReader, BytesPassedReachThePastLineAndItsBreak) {
  TempFolder folder;
  std::mt19937 random(3);
  for (int round = 0; round < 200; ++round) {
    std::string text = RandomText(random);
    text = text.substr(0, text.find('\x1A'));
    const auto path = folder.write("progress.txt", text);
    for (std::size_t block : kBlockSizes) {
      PuzzleLineReader reader(path, kMarkTab, block);
      std::size_t start = 0;
      for (TextLine line; reader.next(line);) {
        EXPECT_EQ(line.offset, start) << "round " << round << " block " << block;
        const std::size_t end = start + line.length;  // where the line's break begins
        std::size_t after = end;
        if (after < text.size()) after += text.compare(after, 2, "\r\n") == 0 ? 2 : 1;
        const std::uint64_t passed = reader.bytesPassed();
        EXPECT_TRUE(passed >= std::min(end + 1, text.size()) && passed <= after)
            << "round " << round << " block " << block << " line at " << start << ": " << passed;
        start = after;
      }
      EXPECT_EQ(reader.bytesPassed(), text.size()) << "round " << round << " block " << block;
    }
  }
}

TEST(PuzzleLineReader, AMissingFileHasNoLines) {
  TempFolder folder;
  PuzzleLineReader reader(folder / "missing.txt", kMarkTab);
  TextLine line;
  EXPECT_FALSE(reader.isOpen());
  EXPECT_FALSE(reader.next(line));
}

}  // namespace
}  // namespace verstak
