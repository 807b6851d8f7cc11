#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "document/check_definitions.h"
#include "document/cp1251.h"
#include "document/slot_numbering.h"
#include "files/scanword_file.h"
#include "files/scanword_letters.h"
#include "temp_folder.h"

namespace verstak {
namespace {

const UserMessage kNotScanword = UserMessage::Error(" Это не файл сканворда! ");
const UserMessage kDamaged = UserMessage::Error(" Файл сканворда повреждён! ");

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

void SetLine(ScanwordDocument& document, int slot, int line, const std::string& utf8) {
  document.definitions.slot(slot).line(line).assign(Utf8ToCp1251(utf8));
}

// The document a read gives back: the same grid, and each slot's non-empty
// lines moved up to lines 1, 2, 3...
ScanwordDocument Compacted(const ScanwordDocument& document) {
  ScanwordDocument out;
  out.gridWidth = document.gridWidth;
  out.gridHeight = document.gridHeight;
  ForEachCellInReadingOrder(document, [&](int x, int y, const GridCell& cell) {
    out.cells.at(x, y) = cell;
    out.letters.set(x, y, document.letters.at(x, y));
  });
  for (int slot = 1; slot <= kDefinitionSlots; ++slot) {
    int to = 0;
    for (int n = 1; n <= kDefinitionLines; ++n) {
      const DefinitionLine& line = document.definitions.slot(slot).line(n);
      if (!line.empty()) out.definitions.slot(slot).line(++to) = line;
    }
  }
  return out;
}

// A document full of leftovers, so that a read must replace everything.
ScanwordDocument Cluttered() {
  ScanwordDocument document;
  document.gridWidth = 99;
  document.gridHeight = 99;
  for (int y = 1; y <= 99; y += 7) {
    for (int x = 1; x <= 99; x += 5) document.cells.at(x, y) = {CellKind::Picture, 18};
  }
  for (int slot = 1; slot <= kDefinitionSlots; slot += 999) document.definitions.slot(slot).line(16).assign("old");
  return document;
}

class ScanwordFileTest : public ::testing::Test {
 protected:
  TempFolder folder;

  ScanwordFileResult read(const std::string& bytes) { return ReadScanwordFile(folder.write("file.skw", bytes)); }

  // Reads the file into a cluttered document; a refused file must leave it untouched.
  ScanwordDocument readInto(const std::string& bytes, ScanwordFileResult& result) {
    ScanwordDocument document = Cluttered();
    result = read(bytes);
    result.applyTo(document);
    if (!result.found()) {
      EXPECT_EQ(document, Cluttered()) << "a refused file changed the document";
    }
    return document;
  }
};

ScanwordDocument WorkedExampleDocument() {
  ScanwordDocument document;
  document.gridWidth = 2;
  document.gridHeight = 1;
  document.cells.at(1, 1).kind = CellKind::Clue;
  SetLine(document, 1, 1, "Нил");
  SetLine(document, 1, 3, "река");
  return document;
}

TEST_F(ScanwordFileTest, WorkedExample) {
  const std::string want = std::string(ScanwordMagic) + Bytes({0x02, 0x01, 0x13, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0xCD,
                                                               0xE8, 0xEB, 0x04, 0xF0, 0xE5, 0xEA, 0xE0, 0x00, 0x00, 0x00});
  ASSERT_EQ(want.size(), 67u);
  const auto path = folder / "example.skw";
  ASSERT_EQ(WriteScanwordFile(path, WorkedExampleDocument()), std::nullopt);
  EXPECT_EQ(TempFolder::Read(path), want);

  ScanwordFileResult result;
  const ScanwordDocument back = readInto(want, result);
  ASSERT_TRUE(result.found());
  EXPECT_EQ(back, Compacted(WorkedExampleDocument()));
  EXPECT_EQ(back.definitions.slot(1).line(2).text(), Utf8ToCp1251("река"));
}

TEST_F(ScanwordFileTest, SizesOfSmallFiles) {
  ScanwordDocument letters;
  letters.gridWidth = 3;
  letters.gridHeight = 2;
  letters.cells.at(2, 2) = {CellKind::ArrowFromLeftRight, 17};
  EXPECT_EQ(ScanwordFileBytes(letters).size(), 49u + 2 * 6 + 3);  // no clue cells: just the trailer

  const std::string none = ScanwordFileBytes(ScanwordDocument{});
  EXPECT_EQ(none, std::string(ScanwordMagic) + Bytes({0, 0, 0, 0, 0}));  // before any grid: 52 bytes
  ScanwordFileResult result;
  const ScanwordDocument back = readInto(none, result);
  ASSERT_TRUE(result.found());
  EXPECT_EQ(back.gridWidth, 0);
  EXPECT_EQ(back.gridHeight, 0);
  EXPECT_EQ(back, ScanwordDocument{});
}

TEST_F(ScanwordFileTest, EmptySlotsAndWholeLines) {
  ScanwordDocument document;
  document.gridWidth = 2;
  document.gridHeight = 1;
  document.cells.at(1, 1).kind = CellKind::ClueMissing;  // a marked cell counts like its plain kind
  document.cells.at(2, 1).kind = CellKind::ClueHalfTop;
  const std::string twenty = "abcdefghijklmnopqrst";
  document.definitions.slot(2).line(1).assign(twenty);
  document.definitions.slot(2).line(2).assign(std::string(32, 'z'));
  const std::string bytes = ScanwordFileBytes(document);
  EXPECT_EQ(bytes.substr(53), Bytes({0, 0, 0, 0, 20}) + twenty + Bytes({32}) + std::string(32, 'z') + Bytes({0, 0, 0}));

  ScanwordFileResult result;
  EXPECT_EQ(readInto(bytes, result), document);
}

TEST_F(ScanwordFileTest, TextsBeyondTheClueCellsAreSaved) {
  ScanwordDocument document;
  document.gridWidth = 1;
  document.gridHeight = 1;
  document.cells.at(1, 1).kind = CellKind::Clue;
  SetLine(document, 1, 1, "Нил");
  SetLine(document, 3, 2, "Волга");  // no clue cell yet for slots 2 and 3
  ScanwordFileResult result;
  EXPECT_EQ(readInto(ScanwordFileBytes(document), result), Compacted(document));

  document.definitions.slot(3).clear();
  document.cells.at(1, 1).kind = CellKind::ClueSplitVertical;  // two slots, text in the first only
  const std::string bytes = ScanwordFileBytes(document);
  EXPECT_EQ(bytes.substr(51), Bytes({0, 0, 3, 0xCD, 0xE8, 0xEB, 0, 0, 0, 0, 0}));
}

TEST_F(ScanwordFileTest, TheReaderKeeps32BytesOfALine) {
  const std::string file = std::string(ScanwordMagic) + Bytes({1, 1, 19, 0, 0, 0, 40}) + std::string(40, 'q') +
                           Bytes({5}) + "short" + Bytes({0, 0, 0});
  ScanwordFileResult result;
  const ScanwordDocument back = readInto(file, result);
  ASSERT_TRUE(result.found());
  EXPECT_EQ(back.definitions.slot(1).line(1).text(), std::string(32, 'q'));
  EXPECT_EQ(back.definitions.slot(1).line(2).text(), "short");
}

TEST_F(ScanwordFileTest, TheLargestGridKeepsEveryBlock) {
  ScanwordDocument document;
  document.gridWidth = 99;
  document.gridHeight = 99;
  for (int y = 1; y <= 99; ++y) {
    for (int x = 1; x <= 99; ++x) document.cells.at(x, y).kind = CellKind::ClueSplitHorizontal;
  }
  document.definitions.slot(1).line(1).assign("first");
  document.definitions.slot(10000).line(16).assign("last");
  const std::string bytes = ScanwordFileBytes(document);
  EXPECT_EQ(bytes.size(), 49u + 2 * 9801 + 2 * 19602 + 6 + 5 + 3);
  ScanwordFileResult result;
  EXPECT_EQ(readInto(bytes, result), Compacted(document));
}

TEST_F(ScanwordFileTest, AFailedSaveIsReported) {
  EXPECT_EQ(WriteScanwordFile(folder / "no-such-folder" / "a.skw", WorkedExampleDocument()),
            UserMessage::Error(" Не удалось записать файл! \n" + (folder / "no-such-folder" / "a.skw").string() + ": папки нет"));
  EXPECT_EQ(ReadScanwordFile(folder / "missing.skw").failure, UserMessage::Error("Такого файла сканворда нет!"));
}

TEST_F(ScanwordFileTest, RandomDocumentsComeBackAsWritten) {
  std::mt19937 random(3);
  auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
  for (int round = 0; round < 200; ++round) {
    ScanwordDocument document;
    const bool big = pick(0, 9) == 0;
    if (pick(0, 9) > 0) {
      document.gridWidth = static_cast<std::uint8_t>(big ? pick(90, 99) : pick(1, 12));
      document.gridHeight = static_cast<std::uint8_t>(big ? pick(90, 99) : pick(1, 12));
    }
    ForEachCellInReadingOrder(document, [&](int x, int y, const GridCell&) {
      const int kinds[] = {0, 1, 14, 15, 16, 19, 20, 23, 24, 25, 102, 104, 105, 106, 109, 255};
      document.cells.at(x, y) = {KindFromCode(static_cast<std::uint8_t>(kinds[pick(0, 15)])),
                                 static_cast<std::uint8_t>(pick(0, 255))};
    });
    const int slots = std::min(SlotTotal(document) + 3, kDefinitionSlots);
    for (int i = pick(0, 40); i > 0; --i) {
      std::string text(static_cast<std::size_t>(pick(0, 32)), '\0');
      for (char& c : text) c = static_cast<char>(pick(0, 255));
      document.definitions.slot(pick(1, slots)).line(pick(1, 16)).assign(text);
    }
    if (pick(0, 1) == 1) {
      for (int i = pick(1, 300); i > 0; --i) document.letters.set(pick(1, 99), pick(1, 99), static_cast<std::uint8_t>(pick(0, 255)));
    }
    // Letters are kept unless the file's slots would pass 10000 with them.
    ScanwordDocument expected = Compacted(document);
    const int blocks = std::max(SlotTotal(document), document.definitions.lastSlotWithText());
    if (blocks + 2 + (document.gridHeight + 15) / 16 > kDefinitionSlots) expected.letters.clear();
    ScanwordFileResult result;
    EXPECT_EQ(readInto(ScanwordFileBytes(document), result), expected) << "round " << round;
  }
}

// A reader of the format as its description gives it, step by step: the
// magic passed over, the size, the kinds and overlays, two bytes passed
// over, then slots until the end of the file, each line's first 16 bytes
// kept; reading beyond the end yields nothing (a length of 0 here).
struct LiteralRead {
  int width = 0;
  int height = 0;
  std::string kinds;
  std::string overlays;
  std::vector<std::vector<std::string>> slots;  // slot 1 first
};

LiteralRead ReadLiterally(const std::string& bytes) {
  LiteralRead read;
  std::size_t at = 47;
  const auto next = [&]() -> std::uint8_t {
    const std::size_t here = at++;
    return here < bytes.size() ? static_cast<std::uint8_t>(bytes[here]) : 0;
  };
  read.width = next();
  read.height = next();
  for (int i = 0; i < read.width * read.height; ++i) read.kinds.push_back(static_cast<char>(next()));
  for (int i = 0; i < read.width * read.height; ++i) read.overlays.push_back(static_cast<char>(next()));
  at += 2;
  while (at < bytes.size()) {
    std::vector<std::string>& slot = read.slots.emplace_back();
    for (std::uint8_t length = next(); length != 0; length = next()) {
      std::string text;
      for (int i = 0; i < length; ++i) text.push_back(static_cast<char>(next()));
      slot.push_back(text.substr(0, 16));
    }
    at += 1;
  }
  return read;
}

// A puzzle as a grid file gives it, 20 x 35 so that its rows take three
// slots, with letters of every kind of byte and clue lines past 16 bytes.
ScanwordDocument LetteredDocument() {
  ScanwordDocument document;
  document.gridWidth = 20;
  document.gridHeight = 35;
  int slot = 0;
  ForEachCellInReadingOrder(document, [&](int x, int y, const GridCell&) {
    if ((x * 7 + y * 3) % 5 == 0) {
      document.cells.at(x, y).kind = (x + y) % 3 == 0 ? CellKind::ClueSplitHorizontal : CellKind::Clue;
      slot += slotCount(document.cells.at(x, y).kind);
      SetLine(document, slot, 1, "Определение номер " + std::to_string(slot));
      SetLine(document, slot, 3, "ещё");
    } else {
      document.letters.set(x, y, static_cast<std::uint8_t>(0xC0 + (x * y) % 64));
    }
  });
  document.letters.set(2, 1, '7');
  document.letters.set(3, 1, 0xFF);
  document.letters.set(1, 1, kNoLetter);
  return document;
}

void ExpectTheOlderReaderSeesTheSameFile(const ScanwordDocument& document) {
  const std::string bytes = ScanwordFileBytes(document);
  const LiteralRead read = ReadLiterally(bytes);
  ASSERT_EQ(read.width, document.gridWidth);
  ASSERT_EQ(read.height, document.gridHeight);
  int i = 0;
  ForEachCellInReadingOrder(document, [&](int, int, const GridCell& cell) {
    EXPECT_EQ(static_cast<std::uint8_t>(read.kinds[static_cast<std::size_t>(i)]), Code(cell.kind));
    EXPECT_EQ(static_cast<std::uint8_t>(read.overlays[static_cast<std::size_t>(i++)]), cell.overlay);
  });
  const int total = SlotTotal(document);
  const int blocks = std::max(total, document.definitions.lastSlotWithText());
  ASSERT_LE(read.slots.size(), static_cast<std::size_t>(kDefinitionSlots) + 1);  // the trailer's empty one at most beyond
  ASSERT_GT(read.slots.size(), static_cast<std::size_t>(blocks));
  for (int slot = 1; slot <= blocks; ++slot) {
    std::vector<std::string> lines;
    for (int n = 1; n <= kDefinitionLines; ++n) {
      const DefinitionLine& line = document.definitions.slot(slot).line(n);
      if (!line.empty()) lines.emplace_back(line.text().substr(0, 16));
    }
    EXPECT_EQ(read.slots[static_cast<std::size_t>(slot - 1)], lines) << "slot " << slot;
  }
  for (const std::vector<std::string>& slot : read.slots) EXPECT_LE(slot.size(), 16U);
  if (document.definitions.lastSlotWithText() <= total) {
    EXPECT_TRUE(read.slots[static_cast<std::size_t>(total)].empty()) << "slot total + 1";
  }
  // The count of the texts the older reader's document gets is the same.
  ScanwordDocument older;
  older.gridWidth = static_cast<std::uint8_t>(read.width);
  older.gridHeight = static_cast<std::uint8_t>(read.height);
  i = 0;
  ForEachCellInReadingOrder(older, [&](int x, int y, const GridCell&) {
    older.cells.at(x, y).kind = KindFromCode(static_cast<std::uint8_t>(read.kinds[static_cast<std::size_t>(i++)]));
  });
  for (std::size_t s = 0; s < read.slots.size() && s < static_cast<std::size_t>(kDefinitionSlots); ++s) {
    for (std::size_t n = 0; n < read.slots[s].size(); ++n) {
      older.definitions.slot(static_cast<int>(s) + 1).line(static_cast<int>(n) + 1).assign(read.slots[s][n]);
    }
  }
  ScanwordDocument ours = document;
  const CheckResult want = CheckDefinitions(ours);
  const CheckResult got = CheckDefinitions(older);
  EXPECT_EQ(got.outcome, want.outcome);
  EXPECT_EQ(got.found, want.found);
}

TEST_F(ScanwordFileTest, LettersComeBackAndTheOlderReaderSeesOnlyEmptySlotsBeyond) {
  const ScanwordDocument document = LetteredDocument();
  ScanwordFileResult result;
  const ScanwordDocument back = readInto(ScanwordFileBytes(document), result);
  ASSERT_TRUE(result.found());
  EXPECT_EQ(back, Compacted(document));
  EXPECT_EQ(back.letters.at(3, 1), 0xFF);
  ExpectTheOlderReaderSeesTheSameFile(document);

  ScanwordDocument surplus = document;  // texts beyond the clue cells stay where they were
  SetLine(surplus, SlotTotal(surplus) + 2, 1, "лишнее");
  EXPECT_EQ(readInto(ScanwordFileBytes(surplus), result), Compacted(surplus));
  ExpectTheOlderReaderSeesTheSameFile(surplus);
}

TEST_F(ScanwordFileTest, TheLettersPartOnlyComesBeforeTheTrailer) {
  const ScanwordDocument document = LetteredDocument();
  ScanwordDocument without = document;
  without.letters.clear();
  const std::string plain = ScanwordFileBytes(without);
  const std::string lettered = ScanwordFileBytes(document);
  EXPECT_EQ(lettered.substr(0, plain.size() - 3), plain.substr(0, plain.size() - 3));
  EXPECT_EQ(lettered.substr(lettered.size() - 3), std::string(3, '\0'));
  // 35 rows of 20 letters in three slots, after an empty slot and the tag's.
  EXPECT_EQ(lettered.size() - plain.size(), 2 + (2 + 17 + 4) + 3 * 2 + 35 * 21U);
}

TEST_F(ScanwordFileTest, LettersThatWouldPassTenThousandSlotsAreNotWritten) {
  ScanwordDocument document;
  document.gridWidth = 99;
  document.gridHeight = 99;
  ForEachCellInReadingOrder(document, [&](int x, int y, const GridCell&) {
    document.cells.at(x, y).kind = x == 1 ? CellKind::Letter : CellKind::ClueSplitVertical;
    document.letters.set(x, y, 'a');
  });
  ASSERT_GT(SlotTotal(document), kDefinitionSlots);
  ScanwordDocument without = document;
  without.letters.clear();
  EXPECT_EQ(ScanwordFileBytes(document), ScanwordFileBytes(without));
}

TEST_F(ScanwordFileTest, ADamagedLettersPartRefusesTheFile) {
  const ScanwordDocument document = LetteredDocument();
  const std::string bytes = ScanwordFileBytes(document);
  const std::size_t tag = bytes.find(std::string(kLettersTag));
  ASSERT_NE(tag, std::string::npos);
  const auto readBytes = [](const std::string& file) {
    MemoryBytes source(file);
    return ReadScanwordFile(source);
  };
  // Cut before the tag's line is read: a shorter file without letters.
  for (std::size_t cut = tag - 5; cut < tag; ++cut) {
    const ScanwordFileResult result = readBytes(bytes.substr(0, cut));
    ASSERT_TRUE(result.found()) << "cut at " << cut;
    EXPECT_TRUE(result.letters.empty()) << "cut at " << cut;
  }
  for (std::size_t cut = tag; cut < bytes.size(); ++cut) {
    ASSERT_EQ(readBytes(bytes.substr(0, cut)).failure, kDamaged) << "cut at " << cut;
  }
  const std::size_t header = tag + kLettersTag.size() + 1;  // the version, W and H after their length
  std::vector<std::string> damaged;
  for (std::size_t at = header; at < header + 3; ++at) {
    damaged.push_back(bytes);
    ++damaged.back()[at];
  }
  damaged.push_back(bytes);
  damaged.back()[header + 3 + 2] = 19;  // the first row's length
  damaged.push_back(bytes + '\0');
  damaged.push_back(bytes.substr(0, bytes.size() - 40) + bytes.substr(bytes.size() - 19));  // a row short
  ScanwordFileResult result;
  for (const std::string& file : damaged) {
    readInto(file, result);  // and the document stays as it was
    EXPECT_EQ(result.failure, kDamaged);
  }
}

TEST_F(ScanwordFileTest, TheTagAsAClueTextAfterATextIsAClueText) {
  ScanwordDocument document;
  document.gridWidth = 2;
  document.gridHeight = 1;
  document.cells.at(1, 1).kind = CellKind::ClueSplitHorizontal;
  SetLine(document, 1, 1, "Нил");
  document.definitions.slot(2).line(1).assign(kLettersTag);
  ScanwordFileResult result;
  EXPECT_EQ(readInto(ScanwordFileBytes(document), result), Compacted(document));
}

std::string Header(int width, int height, int kind = 19) {
  std::string bytes = std::string(ScanwordMagic) + Bytes({width, height});
  for (int i = 0; i < width * height; ++i) bytes.push_back(static_cast<char>(kind));
  return bytes + std::string(static_cast<std::size_t>(width * height), '\0');
}

std::string EmptyBlocks(int count) { return std::string(2 * static_cast<std::size_t>(count), '\0'); }

std::string Lines(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += Bytes({1, 'a'});
  return bytes;
}

struct CorpusCase {
  const char* name;
  std::string bytes;
  Failure failure;  // nullopt: read
};

TEST_F(ScanwordFileTest, CorpusOfMalformedFiles) {
  std::string badFirst = ScanwordFileBytes(WorkedExampleDocument());
  badFirst[0] = 'v';
  std::string badLast = ScanwordFileBytes(WorkedExampleDocument());
  badLast[46] = ',';
  const std::vector<CorpusCase> corpus = {
      {"empty", "", kNotScanword},
      {"magic cut short", std::string(ScanwordMagic.substr(0, 46)), kNotScanword},
      {"first byte", badFirst, kNotScanword},
      {"last magic byte", badLast, kNotScanword},
      {"1 by 1", Header(1, 1) + Bytes({0, 0, 0}), std::nullopt},
      {"width 100", std::string(ScanwordMagic) + Bytes({100, 1, 19, 0, 0, 0, 0}), kDamaged},
      {"height 100", std::string(ScanwordMagic) + Bytes({1, 100}) + std::string(200, '\0'), kDamaged},
      {"size 255", std::string(ScanwordMagic) + Bytes({255, 255}), kDamaged},
      {"16 lines", Header(1, 1) + Bytes({0, 0}) + Lines(16) + Bytes({0, 0, 0}), std::nullopt},
      {"17 lines", Header(1, 1) + Bytes({0, 0}) + Lines(17) + Bytes({0, 0, 0}), kDamaged},
      {"line in slot 10000", Header(0, 0) + Bytes({0, 0}) + EmptyBlocks(9999) + Lines(1) + Bytes({0, 0, 0}), std::nullopt},
      {"line in slot 10001", Header(0, 0) + Bytes({0, 0}) + EmptyBlocks(10000) + Lines(1) + Bytes({0, 0, 0}), kDamaged},
      {"empty blocks past 10000", Header(99, 99, 16) + Bytes({0, 0}) + EmptyBlocks(19601) + Bytes({0, 0, 0}), std::nullopt},
      {"length past the end", Header(1, 1) + Bytes({0, 0, 200}) + "abc", kDamaged},
  };
  for (const CorpusCase& c : corpus) {
    ScanwordFileResult result;
    readInto(c.bytes, result);
    EXPECT_EQ(result.failure, c.failure) << c.name;
  }
}

// A small file cut at every byte. Refused when the cut falls inside the magic,
// the size, the cell arrays or a line's text; anywhere else it reads as the
// shorter file: the grid, and every line that is complete before the cut.
TEST_F(ScanwordFileTest, TruncatedAtEveryByte) {
  ScanwordDocument document;
  document.gridWidth = 3;
  document.gridHeight = 2;
  const CellKind kinds[] = {CellKind::Clue, CellKind::Letter, CellKind::ClueSplitHorizontal,
                            CellKind::ArrowFromTopDown, CellKind::ClueHalfTop, CellKind::Letter};
  for (int i = 0; i < 6; ++i) document.cells.at(i % 3 + 1, i / 3 + 1).kind = kinds[i];
  document.cells.at(1, 2).overlay = 17;
  // Slots 1..4 from the cells, slot 5 beyond them.
  const std::vector<std::vector<std::string>> slots = {{"Нил", "река"}, {}, {"а"}, {std::string(32, 'w'), "x"}, {"за"}};
  for (std::size_t s = 0; s < slots.size(); ++s) {
    for (std::size_t n = 0; n < slots[s].size(); ++n) SetLine(document, static_cast<int>(s) + 1, static_cast<int>(n) + 1, slots[s][n]);
  }

  // The layout, worked out here: where each line's length byte and text lie.
  struct Span {
    std::size_t begin, end;
    int slot, line;
  };
  std::vector<Span> spans;
  std::string want = std::string(ScanwordMagic) + Bytes({3, 2, 19, 0, 16, 2, 25, 0, 0, 0, 0, 17, 0, 0});
  const std::size_t cellsEnd = want.size();
  for (std::size_t s = 0; s < slots.size(); ++s) {
    want += Bytes({0, 0});
    for (std::size_t n = 0; n < slots[s].size(); ++n) {
      const std::string text = Utf8ToCp1251(slots[s][n]);
      spans.push_back({want.size(), want.size() + 1 + text.size(), static_cast<int>(s) + 1, static_cast<int>(n) + 1});
      want += static_cast<char>(text.size()) + text;
    }
  }
  want += Bytes({0, 0, 0});
  ASSERT_EQ(ScanwordFileBytes(document), want);

  for (std::size_t cut = 0; cut <= want.size(); ++cut) {
    Failure failure;
    if (cut < ScanwordMagic.size()) failure = kNotScanword;
    else if (cut < cellsEnd) failure = kDamaged;
    for (const Span& span : spans) {
      if (span.begin < cut && cut < span.end) failure = kDamaged;
    }
    ScanwordDocument expected = Compacted(document);
    expected.definitions.clear();
    for (const Span& span : spans) {
      if (span.end <= cut) expected.definitions.slot(span.slot).line(span.line) = document.definitions.slot(span.slot).line(span.line);
    }

    ScanwordFileResult result;
    const ScanwordDocument back = readInto(want.substr(0, cut), result);
    EXPECT_EQ(result.failure, failure) << "cut at " << cut;
    if (!failure) {
      EXPECT_EQ(back, expected) << "cut at " << cut;
    }
  }
}

}  // namespace
}  // namespace verstak
