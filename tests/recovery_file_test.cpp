// The recovery file's head: what the document is called and the typing not
// yet stored, before the scanword file; files without the head still read.

#include <gtest/gtest.h>

#include <string>

#include "recovery/recovery_file.h"

namespace verstak {
namespace {

ScanwordDocument SmallDocument() {
  ScanwordDocument document;
  document.gridWidth = 3;
  document.gridHeight = 2;
  document.cells.at(2, 1).kind = CellKind::Clue;
  document.definitions.slot(1).line(1).assign("\xD0\xE5\xEA\xE0");  // "Река"
  return document;
}

std::string Field(const std::string& bytes) {
  const auto n = static_cast<unsigned>(bytes.size());
  return std::string{char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF), char(n >> 24)} + bytes;
}

const RecoveryNotes kNotes{"своё.skw", "/home/u/\xF1\xE2\xEE\xB8.skw", 124, 7, "\xD0\xE5\xEA\xE0\n\xE2 \xD1"};

// Laid out by hand from the format's description.
std::string HandMadeHead() {
  return std::string("VERSTAK recovery file 1\n") + Field(kNotes.name) + Field(kNotes.scanwordFile) + Field("124") +
         Field("7") + Field(kNotes.typedText);
}

TEST(RecoveryFile, HeadAsDescribedThenTheScanwordFile) {
  const ScanwordDocument document = SmallDocument();
  EXPECT_EQ(RecoveryFileBytes(document, kNotes), HandMadeHead() + ScanwordFileBytes(document));
}

TEST(RecoveryFile, ReadsBackWhatWasWritten) {
  const ScanwordDocument document = SmallDocument();
  const RecoveryFileResult read = ReadRecoveryBytes(RecoveryFileBytes(document, kNotes));
  ASSERT_TRUE(read.work.found());
  EXPECT_EQ(read.notes, kNotes);
  ScanwordDocument back;
  read.work.applyTo(back);
  EXPECT_EQ(ScanwordFileBytes(back), ScanwordFileBytes(document));
}

TEST(RecoveryFile, AnOlderFileIsAScanwordFileWithoutNotes) {
  const ScanwordDocument document = SmallDocument();
  const RecoveryFileResult read = ReadRecoveryBytes(ScanwordFileBytes(document));
  ASSERT_TRUE(read.work.found());
  EXPECT_EQ(read.notes, RecoveryNotes{});
  EXPECT_EQ(read.work.definitions.size(), 1);
}

TEST(RecoveryFile, AHeadCutShortIsDamaged) {
  const std::string head = HandMadeHead();
  for (std::size_t cut = std::string_view(kRecoveryMagic).size(); cut < head.size(); ++cut) {
    const RecoveryFileResult read = ReadRecoveryBytes(head.substr(0, cut));
    ASSERT_FALSE(read.work.found()) << cut;
    EXPECT_EQ(read.work.failure->text, " Файл сканворда повреждён! ") << cut;
  }
}

struct BadHead {
  const char* why;
  std::string bytes;
  const char* message;
};

TEST(RecoveryFile, RefusedHeads) {
  const std::string magic(kRecoveryMagic);
  const std::string body = ScanwordFileBytes(SmallDocument());
  const BadHead cases[] = {
      {"neither head nor scanword file", "VERSTAK recovery file 2\n" + body, " Это не файл сканворда! "},
      {"a number with a sign", magic + Field("") + Field("") + Field("-1") + Field("0") + Field("") + body,
       " Файл сканворда повреждён! "},
      {"a number with letters", magic + Field("") + Field("") + Field("12a") + Field("0") + Field("") + body,
       " Файл сканворда повреждён! "},
      {"a slot past the table", magic + Field("") + Field("") + Field("0") + Field("10001") + Field("") + body,
       " Файл сканворда повреждён! "},
      {"a field longer than the file", magic + Field("") + std::string("\xFF\xFF\x00\x00", 4) + body, " Файл сканворда повреждён! "},
      {"the scanword part damaged", HandMadeHead() + body.substr(0, 50), " Файл сканворда повреждён! "},
  };
  for (const BadHead& bad : cases) {
    const RecoveryFileResult read = ReadRecoveryBytes(bad.bytes);
    ASSERT_FALSE(read.work.found()) << bad.why;
    EXPECT_EQ(read.work.failure->text, bad.message) << bad.why;
  }
}

}  // namespace
}  // namespace verstak
