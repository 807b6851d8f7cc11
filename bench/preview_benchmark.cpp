// The preview's re-render after a change: the PDF made, loaded and drawn at
// the window's fit, with the list of clues that do not fit. A puzzle of the
// usual size and the largest grid with every clue overflowing, rendered in
// the window's thread; and the largest grid as a change renders it, in the
// worker, with the longest an event of the window waits meanwhile.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <algorithm>

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

// A timer of 1 ms ticks from the change until the new page is shown and
// painted: the longest gap between two ticks is the longest an event waited.
void BM_WindowAnswersWhileTheLargestGridRenders(benchmark::State& state) {
  const ScanwordDocument& document = bench::EveryKindGrid();
  const PrintSettings settings;
  bench::SilentPrompter prompter;
  PreviewWindow preview(document, settings, prompter);
  preview.resize(1000, 700);
  preview.ShowPreview();
  while (preview.renderPending()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  qint64 longest = 0;
  bool smaller = true;
  for (auto _ : state) {
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 last = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      longest = std::max(longest, clock.elapsed() - last);
      last = clock.elapsed();
    });
    // After the page is shown, its first paint too.
    QObject::connect(&preview, &PreviewWindow::rendered, &loop, [&] { QTimer::singleShot(50, &loop, &QEventLoop::quit); });
    clock.start();
    tick.start();
    preview.controls().size->setValue(smaller ? 6.5 : 7);
    smaller = !smaller;
    loop.exec();
  }
  state.counters["longest_wait_ms"] = static_cast<double>(longest);
  state.counters["listed"] = static_cast<double>(preview.fitReport().clues.size());
}

BENCHMARK(BM_RerenderMagazinePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RerenderLargestGrid)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WindowAnswersWhileTheLargestGridRenders)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

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
