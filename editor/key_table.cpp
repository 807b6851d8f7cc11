#include "editor/key_table.h"

#include <initializer_list>

namespace verstak {
namespace {

struct KeyRow {
  std::initializer_list<unsigned char> codes;
  KeyCommandEntry command;
};

constexpr KeyCommandEntry Tool(int tool) { return {KeyAction::SelectTool, tool}; }

// Letters: Latin upper and lower case, then the Cyrillic letters on the same
// keys of a Russian keyboard.
const KeyRow kKeyTable[] = {
    {{27}, {KeyAction::CloseProgram, 0}},  // Esc
    {{32}, Tool(0)},                       // space
    {{37}, {KeyAction::PreviousClue, 0}},  // %
    {{39}, {KeyAction::NextClue, 0}},      // '
    {{48}, Tool(10)},                      // 0
    {{49}, Tool(1)},
    {{50}, Tool(2)},
    {{51}, Tool(3)},
    {{52}, Tool(4)},
    {{53}, Tool(5)},
    {{54}, Tool(6)},
    {{55}, Tool(7)},
    {{56}, Tool(8)},
    {{57}, Tool(9)},
    {{81, 113, 201, 233}, Tool(11)},  // Q q Й й
    {{87, 119, 214, 246}, Tool(12)},  // W w Ц ц
    {{69, 101, 211, 243}, Tool(13)},  // E e У у
    {{82, 114, 202, 234}, Tool(14)},  // R r К к
    {{65, 97, 212, 244}, Tool(19)},   // A a Ф ф
    {{83, 115, 219, 251}, Tool(16)},  // S s Ы ы
    {{68, 100, 194, 226}, Tool(20)},  // D d В в
    {{90, 122, 223, 255}, Tool(23)},  // Z z Я я
};

}  // namespace

KeyCommandEntry KeyCommandFor(unsigned char code) {
  for (const KeyRow& row : kKeyTable) {
    for (unsigned char c : row.codes) {
      if (c == code) return row.command;
    }
  }
  return {};
}

}  // namespace verstak
