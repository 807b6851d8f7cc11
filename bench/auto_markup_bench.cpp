// Auto-markup of whole grids: the largest grid using every kind (marks
// replaced), a 99 x 99 and a 25 x 35 scanword with clue cells placed as a
// compiler would. Each iteration marks up a fresh copy of the cells.
// And the markup check on the same grids: the one using every kind as it
// is (faults everywhere), and the 99 x 99 scanword once marked up.

#include <benchmark/benchmark.h>

#include "bench/large_grids.h"
#include "document/auto_markup.h"
#include "document/check_markup.h"
#include "tests/markup_generator.h"

namespace verstak {
namespace {

ScanwordDocument Scanword(int width, int height) {
  const auto grid = testing::GridWithIntendedMarkup(7, width, height, 25);
  return testing::DocumentOf(grid ? *grid : testing::RandomGrid(7, width, height, 25));
}

void MarkUp(benchmark::State& state, const ScanwordDocument& source) {
  ScanwordDocument document = source;
  MarkupPlan plan;
  for (auto _ : state) {
    document.cells = source.cells;
    plan = AutoMarkup(document);
    benchmark::DoNotOptimize(document.cells);
  }
  state.counters["words"] = static_cast<double>(plan.words.size());
  state.counters["defined"] = plan.defined;
  state.counters["solves"] = plan.solves;
}

void BM_AutoMarkupEveryKind99(benchmark::State& state) { MarkUp(state, bench::EveryKindGrid()); }
BENCHMARK(BM_AutoMarkupEveryKind99)->Unit(benchmark::kMillisecond);

void BM_AutoMarkupScanword99(benchmark::State& state) {
  static const ScanwordDocument document = Scanword(99, 99);
  MarkUp(state, document);
}
BENCHMARK(BM_AutoMarkupScanword99)->Unit(benchmark::kMillisecond);

void BM_AutoMarkupScanword25x35(benchmark::State& state) {
  static const ScanwordDocument document = Scanword(25, 35);
  MarkUp(state, document);
}
BENCHMARK(BM_AutoMarkupScanword25x35)->Unit(benchmark::kMillisecond);

void Check(benchmark::State& state, const ScanwordDocument& document) {
  std::size_t faults = 0;
  for (auto _ : state) {
    const std::vector<MarkupFault> found = CheckMarkup(document);
    faults = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["faults"] = static_cast<double>(faults);
}

void BM_CheckMarkupEveryKind99(benchmark::State& state) { Check(state, bench::EveryKindGrid()); }
BENCHMARK(BM_CheckMarkupEveryKind99)->Unit(benchmark::kMillisecond);

void BM_CheckMarkupScanword99(benchmark::State& state) {
  static const ScanwordDocument document = [] {
    ScanwordDocument marked = Scanword(99, 99);
    AutoMarkup(marked);
    return marked;
  }();
  Check(state, document);
}
BENCHMARK(BM_CheckMarkupScanword99)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verstak

BENCHMARK_MAIN();
