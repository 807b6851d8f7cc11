#include "script/clue_emitters.h"

#include <algorithm>
#include <string_view>

#include "document/definition_text.h"

namespace verstak {
namespace {

constexpr std::string_view kCentredTail = "\", xn+(xstep/2), yn-(ystep/2)";
constexpr std::string_view kCornerTail = "\", xn, yn";

// In the order of ClueEmitter. A single text is aligned with the rectangle
// made last before it; after the first text of a pair the counter has moved
// on by one, so nob-2 names the top (left) half first and the bottom (right)
// half second.
constexpr EmitterShape kEmitterShapes[] = {
    {1, kCentredTail, false, 1},  // WriteCentredClue
    {1, kCornerTail, true, 1},    // WriteRotatedClue
    {2, kCornerTail, false, 2},   // WriteCluePair
    {2, kCornerTail, true, 2},    // WriteRotatedCluePair
};

// Bytes that would end the macro's string (the double quote) or its line
// (CR, LF, and NUL and Ctrl-Z, where a reader may take the text to end), and
// every other control byte and DEL, which an editor or the script's reader
// may drop or act on, are written outside the string: close it, add CHR(n),
// reopen it.
bool NeedsChr(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return c == '"' || byte < 0x20 || byte == 0x7F;
}

void AppendQuoted(MacroText& out, std::string_view text) {
  for (auto special = std::ranges::find_if(text, NeedsChr); special != text.end();
       special = std::ranges::find_if(text, NeedsChr)) {
    const std::size_t at = static_cast<std::size_t>(special - text.begin());
    out.append(text.substr(0, at));
    out.append("\"+CHR(");
    out.append(static_cast<unsigned>(static_cast<unsigned char>(*special)));
    out.append(")+\"");
    text.remove_prefix(at + 1);
  }
  out.append(text);
}

// The ".CreateArtisticText" line of one clue: line 1 even when empty, the
// other non-empty lines each after a CHR(13) separator, then `tail`.
void WriteClueTextLine(MacroText& out, const DefinitionText& clue, std::string_view tail) {
  out.append(" .CreateArtisticText \"");
  AppendQuoted(out, clue.line(1).text());
  for (int number = 2; number <= kDefinitionLines; ++number) {
    const DefinitionLine& line = clue.line(number);
    if (line.empty()) continue;
    out.append("\"+CHR(13)+\"");
    AppendQuoted(out, line.text());
  }
  out.line(tail);
}

void WriteOneClue(ScriptWriterState& script, const EmitterShape& shape) {
  MacroText& out = script.out;
  WriteClueTextLine(out, script.document.definitions.slotOrEmpty(script.definitionCursor), shape.tail);
  if (shape.upright) {
    out.line(" .MoveCenter 9, 0, 0");
    out.line(" .RotateObject 90000000, TRUE, 0, 0");
  }
  out.line("   .RecorderSelectObjectsByIndex TRUE,nob,nob-", shape.partnerBack, ", -1, -1, -1");
  out.line("   .AlignObjects 3, 3");
  script.advanceCounter(1);
  ++script.definitionCursor;
}

}  // namespace

const EmitterShape& ShapeOf(ClueEmitter emitter) { return kEmitterShapes[static_cast<std::size_t>(emitter)]; }

void WriteClue(ScriptWriterState& script, ClueEmitter emitter) {
  const EmitterShape& shape = ShapeOf(emitter);
  for (int clue = 0; clue < shape.clueSlots; ++clue) WriteOneClue(script, shape);
}

}  // namespace verstak
