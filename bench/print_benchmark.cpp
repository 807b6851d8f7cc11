// The print output of the largest grid: 99 x 99 cells using every kind and
// every second mark, every clue slot holding 16 full lines (so that every
// clue is tried at every size and overflows), in each layout; and its
// typesetting with clues as a compiler writes them, which are broken again
// and hyphenated.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "document/cp1251.h"
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

// Clue texts of the kind a compiler delivers, a line or three each, many
// of them too wide for a half cell as stored.
const ScanwordDocument& RealisticCluesGrid() {
  static const ScanwordDocument document = [] {
    const std::vector<std::vector<std::string>> clues = {
        {"Комнатное растение"}, {"Двухколесный", "транспорт"}, {"Математичес-", "кое действие"},
        {"Достопримечательность"}, {"Горная система", "в Европе"}, {"Эпическая", "поэма Гомера"},
        {"Женский головной убор"}, {"Восточный", "календарь", "(животное)"}, {"Река в Италии"},
        {"Короткий рассказ", "с моралью"}, {"Компьютерная программа"}, {"Офицерский чин"},
        {"Северо-западный ветер"}, {"Собственность", "государства"}, {"Пьеса Чехова"}, {"Ёж"}};
    ScanwordDocument doc;
    testing::FillEveryKind(doc);
    for (int slot = 1; slot <= kDefinitionSlots; ++slot) {
      const std::vector<std::string>& clue = clues[static_cast<std::size_t>(slot) % clues.size()];
      for (std::size_t line = 0; line < clue.size(); ++line) {
        // The slot's number makes every clue's text its own, as in a real puzzle.
        const std::string text = line + 1 == clue.size() ? clue[line] + " " + std::to_string(slot) : clue[line];
        doc.definitions.slot(slot).line(static_cast<int>(line) + 1).assign(Utf8ToCp1251(text));
      }
    }
    return doc;
  }();
  return document;
}

void BM_TypesetRealisticClues(benchmark::State& state) {
  const PrintSettings settings;
  const TypesetSettings typeset;
  const PrintWriter writer(RealisticCluesGrid(), settings, typeset, Font());
  FitReport report;
  for (auto _ : state) {
    report = MakeFitReport(writer.drawing(ExportChoice{}));
    benchmark::DoNotOptimize(report.clues.data());
  }
  state.counters["sizes"] = static_cast<double>(report.sizes.size());
  state.counters["rebroken"] = report.rebroken;
  state.counters["unfitting"] = report.overflowing();
}

BENCHMARK(BM_Drawing)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pdf)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Svg)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypesetRealisticClues)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verstak

BENCHMARK_MAIN();
