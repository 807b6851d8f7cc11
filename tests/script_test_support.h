#pragma once
// Helpers for the macro writer's tests: the macro split into lines and into
// its parts, and documents built from short descriptions.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "document/cp1251.h"
#include "document/overlay_rule.h"
#include "script/corel_script_writer.h"

namespace verstak::testing {

// Every line must end with CR LF, the last one too; no bare CR or LF.
inline std::vector<std::string> SplitLines(const std::string& macro) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < macro.size()) {
    const std::size_t end = macro.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      lines.push_back(macro.substr(start));
      break;
    }
    std::string line = macro.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break in: " << line;
    lines.push_back(std::move(line));
    start = end + 2;
  }
  return lines;
}

inline std::size_t IndexOf(const std::vector<std::string>& lines, std::string_view line) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == line) return i;
  }
  ADD_FAILURE() << "no line \"" << line << "\"";
  return lines.size();
}

// The lines between the parameters and the trailer.
inline std::vector<std::string> BodyLines(const std::string& macro) {
  const std::vector<std::string> lines = SplitLines(macro);
  const std::size_t first = IndexOf(lines, "h4=37910") + 1;
  const std::size_t last = IndexOf(lines, " .ResumePainting");
  if (first > last || last > lines.size()) return {};
  return {lines.begin() + static_cast<long>(first), lines.begin() + static_cast<long>(last)};
}

// The subroutines after the Lear block, up to the last line.
inline std::vector<std::string> LibraryLines(const std::string& macro) {
  const std::vector<std::string> lines = SplitLines(macro);
  const std::size_t lear = IndexOf(lines, "Lear:");
  const std::size_t first = lear + 6;  // five lines of Lear and its RETURN
  if (first >= lines.size()) return {};
  return {lines.begin() + static_cast<long>(first), lines.end() - 1};
}

inline std::string Gosub(int number) { return "    GOSUB Klet_" + std::to_string(number); }
inline std::string Counter(int objects) { return "    nob = nob+" + std::to_string(objects); }

inline const std::vector<std::string> kNextColumn = {"   xn = xk", "   xk = xn + xstep"};
inline const std::vector<std::string> kNextRow = {"   yn = yk", "   yk = yn - ystep", "   xn = -879912",
                                                  "   xk = xn + xstep"};

inline std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

inline std::string Cp(std::string_view utf8) { return Utf8ToCp1251(utf8); }

inline void SetClue(ScanwordDocument& doc, int slot, std::initializer_list<std::string_view> utf8Lines) {
  int number = 1;
  for (std::string_view line : utf8Lines) doc.definitions.slot(slot).line(number++).assign(Cp(line));
}

inline std::string MacroOf(const ScanwordDocument& doc, const ExportChoice& choice,
                           const PrintSettings& settings = {}) {
  return CorelScriptWriter(doc, settings).write(choice);
}

inline ExportChoice Choice(CorelVersion version, LayerMode mode, PassChoices passes = {}) {
  return {version, mode, passes};
}

// Only the one pass named by `ticked` written.
inline PassChoices OnlyPass(bool PassChoices::*ticked) {
  PassChoices passes{false, false, false, false, false, false};
  passes.*ticked = true;
  return passes;
}

// Lines a clue emitter writes, as the layout guide lists them.
inline std::string TextLine(std::string_view utf8, bool centred) {
  return " .CreateArtisticText \"" + Cp(utf8) + (centred ? "\", xn+(xstep/2), yn-(ystep/2)" : "\", xn, yn");
}
inline const std::string kAlign = "   .AlignObjects 3, 3";
inline const std::string kSelectLast = "   .RecorderSelectObjectsByIndex TRUE,nob,nob-1, -1, -1, -1";
inline const std::string kSelectHalf = "   .RecorderSelectObjectsByIndex TRUE,nob,nob-2, -1, -1, -1";
inline const std::vector<std::string> kTurn = {" .MoveCenter 9, 0, 0", " .RotateObject 90000000, TRUE, 0, 0"};

inline std::vector<std::string> Centred(std::string_view text) {
  return {TextLine(text, true), kSelectLast, kAlign, Counter(1)};
}
inline std::vector<std::string> Rotated(std::string_view text) {
  return Joined({{TextLine(text, false)}, kTurn, {kSelectLast, kAlign, Counter(1)}});
}
inline std::vector<std::string> Pair(std::string_view first, std::string_view second) {
  return {TextLine(first, false),  kSelectHalf, kAlign, Counter(1),
          TextLine(second, false), kSelectHalf, kAlign, Counter(1)};
}
inline std::vector<std::string> RotatedPair(std::string_view first, std::string_view second) {
  return Joined({{TextLine(first, false)},
                 kTurn,
                 {kSelectHalf, kAlign, Counter(1)},
                 {TextLine(second, false)},
                 kTurn,
                 {kSelectHalf, kAlign, Counter(1)}});
}

// One cell of `kind`; slots 1 and 2 hold А and Б.
inline ScanwordDocument OneCell(int kind, int overlay = 0) {
  ScanwordDocument doc;
  doc.gridWidth = 1;
  doc.gridHeight = 1;
  doc.cells.at(1, 1) = {KindFromCode(static_cast<std::uint8_t>(kind)), static_cast<std::uint8_t>(overlay)};
  SetClue(doc, 1, {"А"});
  SetClue(doc, 2, {"Б"});
  return doc;
}

// A grid with every kind code, every missing variant, and every second mark
// on the first and the last kind the palette lets it join; then more clue
// cells. Every slot holds a text of its own.
inline ScanwordDocument RichGrid() {
  std::vector<GridCell> cells;
  auto add = [&](int kind, int overlay) {
    cells.push_back({KindFromCode(static_cast<std::uint8_t>(kind)), static_cast<std::uint8_t>(overlay)});
  };
  for (int kind = 0; kind <= 25; ++kind) add(kind, 0);
  for (int kind : {102, 104, 105, 106, 109}) add(kind, 0);
  for (const OverlayRuleRow& row : kOverlayRule) {
    add(*row.kinds.begin(), row.overlay);
    add(*(row.kinds.end() - 1), row.overlay);
  }
  for (int kind : {16, 20, 24, 19, 25}) add(kind, 0);
  ScanwordDocument doc;
  doc.gridWidth = 10;
  doc.gridHeight = static_cast<std::uint8_t>((cells.size() + 9) / 10);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    doc.cells.at(static_cast<int>(i % 10) + 1, static_cast<int>(i / 10) + 1) = cells[i];
  }
  for (int slot = 1; slot <= 40; ++slot) {
    const std::string number = std::to_string(slot);
    SetClue(doc, slot, {"S" + number, "", "строка \"" + number + "\""});
  }
  return doc;
}

}  // namespace verstak::testing
