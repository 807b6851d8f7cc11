#pragma once
// The state of one export: the macro text being written, the dialect of its
// fill lines, the subroutines the body has called and the next clue slot.
// Created when an export starts and dropped when it ends.

#include <bitset>
#include <charconv>
#include <concepts>
#include <string>
#include <string_view>

#include "settings/print_settings.h"
#include "document/scanword_document.h"

namespace verstak {

// CorelDRAW 10 reads the fill lines of CorelDRAW 9.
enum class ScriptDialect {
  Draw7 = 7,
  Draw9 = 9,
};

// Subroutine numbers run 1..50; bit n is set once the body has called Klet_n.
using UsedSubroutines = std::bitset<51>;

// The macro as cp1251 bytes; every line ends with CR LF, the last one too.
class MacroText {
 public:
  void reserve(std::size_t bytes) { bytes_.reserve(bytes); }

  // One line made of the parts in order: texts as they are, numbers as plain
  // decimal integers.
  template <class... Parts>
  void line(const Parts&... parts) {
    (append(parts), ...);
    bytes_ += "\r\n";
  }

  void append(std::string_view text) { bytes_ += text; }
  void append(std::integral auto number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    bytes_.append(digits, static_cast<std::size_t>(end - digits));
  }

  const std::string& bytes() const { return bytes_; }
  std::string take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

struct ScriptWriterState {
  const ScanwordDocument& document;
  const PrintSettings& settings;
  ScriptDialect dialect;
  MacroText out;
  UsedSubroutines usedSubroutines;
  int definitionCursor = 1;  // the slot the next clue takes

  // "    GOSUB Klet_<n>", remembering that the library needs Klet_n.
  void callSubroutine(int number) {
    out.line("    GOSUB Klet_", number);
    usedSubroutines.set(static_cast<std::size_t>(number));
  }
  // "    nob = nob+<n>": the objects just created.
  void advanceCounter(int objects) { out.line("    nob = nob+", objects); }
};

}  // namespace verstak
