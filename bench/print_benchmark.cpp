// The print output of the largest grid: 99 x 99 cells using every kind and
// every second mark, every clue slot holding 16 full lines (so that every
// clue is tried at every size and overflows), in each layout.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "large_grids.h"
#include "print/print_writer.h"

namespace verstak {
namespace {

const TypesetFont& Font() {
  static const TypesetFont font = [] {
    FontOutcome loaded = LoadTypesetFont(TypesetSettings{}.font);
    if (!loaded.font) std::abort();
    return *loaded.font;
  }();
  return font;
}

ExportChoice ChoiceOf(const benchmark::State& state) {
  ExportChoice choice;
  choice.layerMode = static_cast<LayerMode>(state.range(0));
  return choice;
}

void Label(benchmark::State& state, std::size_t bytes) {
  const char* names[] = {"one layer", "separately on one layer", "by layers"};
  state.SetLabel(names[state.range(0)]);
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_Drawing(benchmark::State& state) {
  const PrintSettings settings;
  const TypesetSettings typeset;
  const PrintWriter writer(bench::EveryKindGrid(), settings, typeset, Font());
  std::size_t shapes = 0;
  for (auto _ : state) {
    const Drawing drawing = writer.drawing(ChoiceOf(state));
    shapes = drawing.shapes.size();
    benchmark::DoNotOptimize(drawing.shapes.data());
  }
  Label(state, 0);
  state.counters["shapes"] = static_cast<double>(shapes);
}

void BM_Pdf(benchmark::State& state) {
  const PrintSettings settings;
  const TypesetSettings typeset;
  const PrintWriter writer(bench::EveryKindGrid(), settings, typeset, Font());
  std::size_t bytes = 0;
  for (auto _ : state) {
    const PrintBytes pdf = writer.pdf(ChoiceOf(state), "Сканворд 1");
    if (pdf.failure) state.SkipWithError("no PDF");
    bytes = pdf.bytes.size();
    benchmark::DoNotOptimize(pdf.bytes.data());
  }
  Label(state, bytes);
}

void BM_Svg(benchmark::State& state) {
  const PrintSettings settings;
  const TypesetSettings typeset;
  const PrintWriter writer(bench::EveryKindGrid(), settings, typeset, Font());
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string svg = writer.svg(ChoiceOf(state), "Сканворд 1");
    bytes = svg.size();
    benchmark::DoNotOptimize(svg.data());
  }
  Label(state, bytes);
}

void BM_FitReport(benchmark::State& state) {
  const PrintSettings settings;
  const TypesetSettings typeset;
  const PrintWriter writer(bench::EveryKindGrid(), settings, typeset, Font());
  std::size_t reported = 0;
  for (auto _ : state) {
    const FitReport report = writer.fitReport();
    reported = report.clues.size();
    benchmark::DoNotOptimize(report.clues.data());
  }
  state.counters["reported"] = static_cast<double>(reported);
}

BENCHMARK(BM_Drawing)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pdf)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Svg)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verstak

BENCHMARK_MAIN();
