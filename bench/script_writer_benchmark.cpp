// Writing the macro of the largest grid: 99 x 99 cells using every kind and
// every second mark, with every clue slot holding 16 full lines.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "large_grids.h"
#include "script/corel_script_writer.h"

namespace verstak {
namespace {

using bench::AllSplitCluesGrid;
using bench::EveryKindGrid;

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
