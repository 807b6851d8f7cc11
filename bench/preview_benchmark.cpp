// The preview's re-render after a change: the PDF made, loaded and drawn at
// the window's fit, with the list of clues that do not fit. A puzzle of the
// usual size and the largest grid with every clue overflowing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "large_grids.h"
#include "preview/page_view.h"
#include "preview/preview_window.h"
#include "widgets/prompter.h"
#include "silent_prompter.h"

namespace verstak {
namespace {

// 25 x 35 cells, every fourth a clue of two short lines: the size of a
// magazine page.
const ScanwordDocument& MagazineGrid() {
  static const ScanwordDocument document = [] {
    ScanwordDocument doc;
    doc.gridWidth = 25;
    doc.gridHeight = 35;
    int slot = 0;
    for (int y = 1; y <= doc.gridHeight; ++y) {
      for (int x = 1; x <= doc.gridWidth; ++x) {
        if ((x + 2 * y) % 4 != 0) continue;
        doc.cells.at(x, y).kind = CellKind::Clue;
        doc.definitions.slot(++slot).line(1).assign("\xD0\xE5\xEA\xE0 \xE2\xEE");   // Река во
        doc.definitions.slot(slot).line(2).assign("\xD4\xF0\xE0\xED\xF6\xE8\xE8");  // Франции
      }
    }
    return doc;
  }();
  return document;
}

void Rerender(benchmark::State& state, const ScanwordDocument& document) {
  const PrintSettings settings;
  bench::SilentPrompter prompter;
  PreviewWindow preview(document, settings, prompter);
  preview.resize(1000, 700);
  preview.ShowPreview();
  for (auto _ : state) {
    preview.Render();
    const QImage page = preview.pageView().grab().toImage();
    benchmark::DoNotOptimize(page.constBits());
  }
  state.counters["listed"] = static_cast<double>(preview.fitReport().clues.size());
  state.counters["bytes"] = static_cast<double>(preview.pdfBytes().size());
}

void BM_RerenderMagazinePage(benchmark::State& state) { Rerender(state, MagazineGrid()); }
void BM_RerenderLargestGrid(benchmark::State& state) { Rerender(state, bench::EveryKindGrid()); }

BENCHMARK(BM_RerenderMagazinePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RerenderLargestGrid)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace verstak

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
