#pragma once
// A recovery file: the unsaved work as a scanword file, after a head that
// says what the document is called, where it is saved, and the clue text
// typed in the memo and not yet stored. Files written before the head came
// are plain scanword files; they read as work without a name.
//
//   24 bytes  kRecoveryMagic
//   5 fields  each a 4-byte length (least significant byte first) and its
//             bytes: the name (UTF-8), the scanword file (as the file
//             system names it), the puzzle number and the slot being typed
//             in (decimal; 0 for none), the memo's text (cp1251)
//   the rest  the scanword file

#include <filesystem>
#include <string>
#include <string_view>

#include "document/scanword_document.h"
#include "files/scanword_file.h"

namespace verstak {

inline constexpr std::string_view kRecoveryMagic = "VERSTAK recovery file 1\n";

struct RecoveryNotes {
  std::string name;          // UTF-8: "имя.skw", "кроссворд 107", or empty
  std::string scanwordFile;  // where Ctrl+S saves; empty while it has none
  int puzzleNumber = 0;
  int typedSlot = 0;      // whose text the memo held, typed and not yet stored; 0: none
  std::string typedText;  // the memo's text, cp1251, lines ending in "\n"

  friend bool operator==(const RecoveryNotes&, const RecoveryNotes&) = default;
};

std::string RecoveryFileBytes(const ScanwordDocument& document, const RecoveryNotes& notes);

struct RecoveryFileResult {
  ScanwordFileResult work;  // its failure: the file cannot be taken back
  RecoveryNotes notes;
};

// A head cut short or beyond the format is " Файл сканворда повреждён! ";
// neither head nor scanword file, " Это не файл сканворда! ".
RecoveryFileResult ReadRecoveryFile(const std::filesystem::path& path);
RecoveryFileResult ReadRecoveryBytes(std::string_view bytes);

}  // namespace verstak
