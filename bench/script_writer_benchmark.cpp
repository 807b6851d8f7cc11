// Writing the macro of the largest grid: 99 x 99 cells using every kind and
// every second mark, with every clue slot holding 16 full lines.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "document/overlay_rule.h"
#include "script/corel_script_writer.h"

namespace verstak {
namespace {

// 32 bytes a line, a double quote among them.
const std::string kFullLine = "\xCA\xEB\xFE\xF7 \"\xF1\xEB\xEE\xE2\xE0\" 0123456789 abcdefgh";

void FillEverySlot(ScanwordDocument& doc) {
  for (int slot = 1; slot <= kDefinitionSlots; ++slot) {
    for (int number = 1; number <= kDefinitionLines; ++number)
      doc.definitions.slot(slot).line(number).assign(kFullLine);
  }
}

const ScanwordDocument& EveryKindGrid() {
  static const ScanwordDocument document = [] {
    std::vector<GridCell> pattern;
    for (int kind = 0; kind <= 25; ++kind) pattern.push_back({KindFromCode(static_cast<std::uint8_t>(kind)), 0});
    for (int kind : {102, 104, 105, 106, 109}) pattern.push_back({KindFromCode(static_cast<std::uint8_t>(kind)), 0});
    for (const OverlayRuleRow& row : kOverlayRule) {
      for (std::uint8_t kind : row.kinds) pattern.push_back({KindFromCode(kind), row.overlay});
    }
    ScanwordDocument doc;
    doc.gridWidth = kMaxGridSide;
    doc.gridHeight = kMaxGridSide;
    std::size_t next = 0;
    for (int y = 1; y <= kMaxGridSide; ++y) {
      for (int x = 1; x <= kMaxGridSide; ++x) doc.cells.at(x, y) = pattern[next++ % pattern.size()];
    }
    FillEverySlot(doc);
    return doc;
  }();
  return document;
}

// The most text a macro can carry: every cell a split clue, 19602 slots.
const ScanwordDocument& AllSplitCluesGrid() {
  static const ScanwordDocument document = [] {
    ScanwordDocument doc;
    doc.gridWidth = kMaxGridSide;
    doc.gridHeight = kMaxGridSide;
    for (int y = 1; y <= kMaxGridSide; ++y) {
      for (int x = 1; x <= kMaxGridSide; ++x) doc.cells.at(x, y).kind = CellKind::ClueSplitVertical;
    }
    FillEverySlot(doc);
    return doc;
  }();
  return document;
}

void WriteMacro(benchmark::State& state, const ScanwordDocument& doc) {
  const PrintSettings settings;
  const CorelScriptWriter writer(doc, settings);
  ExportChoice choice;
  choice.layerMode = static_cast<LayerMode>(state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string macro = writer.write(choice);
    bytes = macro.size();
    benchmark::DoNotOptimize(macro.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
  const char* names[] = {"one layer", "separately on one layer", "by layers"};
  state.SetLabel(names[state.range(0)]);
}

void BM_EveryKind(benchmark::State& state) { WriteMacro(state, EveryKindGrid()); }
void BM_AllSplitClues(benchmark::State& state) { WriteMacro(state, AllSplitCluesGrid()); }

BENCHMARK(BM_EveryKind)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllSplitClues)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verstak

BENCHMARK_MAIN();
