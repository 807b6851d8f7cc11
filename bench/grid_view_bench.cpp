// What the user waits for while editing: the main window at 1920 x 1080 over
// a 99 x 99 grid of every kind and mark, each operation timed together with
// the paint of the grid view it causes (the posted update processed, the
// widget painted into the window's backing store).
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another.
//
// Counters: painted_kpx, the thousands of view pixels the paint events of one
// iteration covered; cells, the whole cells the view shows.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <memory>
#include <vector>

#include "editor/grid_view.h"
#include "editor/osnova.h"
#include "session/document_session.h"
#include "widgets/prompter.h"
#include "silent_prompter.h"
#include "tests/every_kind_grid.h"

namespace verstak {
namespace {

// Adds up the area of the paint events the grid view receives.
class PaintMeter : public QObject {
 public:
  long long pixels = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      for (const QRect& rect : static_cast<QPaintEvent*>(event)->region()) pixels += rect.width() * rect.height();
    }
    return false;
  }
};

using testing::FillEveryKind;

struct Program {
  ScanwordDocument document;
  EditorState editor;
  PrintSettings settings;
  bench::SilentPrompter prompter;
  DocumentSession session{document, settings};
  MainWindow main{session, editor, settings, prompter};
  PaintMeter meter;

  Program() {
    main.resize(1920, 1080);
    main.show();
    // The first activation is queued after the show; it sizes the view.
    for (int i = 0; i < 100 && main.gridView().size().width() < 1000; ++i) QApplication::processEvents();
    FillEveryKind(document);
    main.FitViewToGrid();
    main.gridView().RepaintGrid();
    QApplication::processEvents();
    main.gridView().installEventFilter(&meter);
  }

  GridView& view() { return main.gridView(); }
  QScrollBar& bar(const char* name) { return *main.findChild<QScrollBar*>(QLatin1String(name)); }

  void Mouse(QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), view().mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&view(), &event);
  }

  // Whatever the last operation left to be painted, painted now.
  void Paint() { QApplication::processEvents(); }

  void Report(benchmark::State& state, long long pixelsBefore) {
    state.counters["painted_kpx"] = benchmark::Counter(static_cast<double>(meter.pixels - pixelsBefore) / 1000.0,
                                                       benchmark::Counter::kAvgIterations);
    state.counters["cells"] = editor.visibleColumns * editor.visibleRows;
  }
};

Program& TheProgram() {
  static Program program;
  return program;
}

QPoint CellCentre(int column, int row) { return {column * 40 + 20, row * 40 + 20}; }

// Two tools that both redraw the whole cell, taken in turns so that every
// click changes the cell.
int ToolOfRound(std::int64_t round) { return round % 2 == 0 ? 19 : 23; }

// One click with a tool on one cell, and its paint.
void BM_OneCellEdit(benchmark::State& state) {
  Program& p = TheProgram();
  const long long before = p.meter.pixels;
  std::int64_t round = 0;
  for (auto _ : state) {
    p.editor.currentTool = ToolOfRound(round++);
    p.Mouse(QEvent::MouseButtonPress, CellCentre(7, 5));
    p.Mouse(QEvent::MouseButtonRelease, CellCentre(7, 5));
    p.Paint();
  }
  p.Report(state, before);
}

// A drag over 99 cells, along the first row, back along the second and on
// into the third; each cell painted as the mouse enters it.
void BM_DragOver99Cells(benchmark::State& state) {
  Program& p = TheProgram();
  std::vector<QPoint> path;
  for (int row = 0; path.size() < 99; ++row) {
    for (int i = 0; i < p.editor.visibleColumns && path.size() < 99; ++i) {
      path.push_back(CellCentre(row % 2 == 0 ? i : p.editor.visibleColumns - 1 - i, row));
    }
  }
  const long long before = p.meter.pixels;
  std::int64_t round = 0;
  for (auto _ : state) {
    p.editor.currentTool = ToolOfRound(round++);
    p.Mouse(QEvent::MouseButtonPress, path.front());
    p.Paint();
    for (std::size_t i = 1; i < path.size(); ++i) {
      p.Mouse(QEvent::MouseMove, path[i]);
      p.Paint();
    }
    p.Mouse(QEvent::MouseButtonRelease, path.back());
  }
  p.Report(state, before);
}

// Every visible cell drawn anew, as after a dialog, and the view painted.
void BM_FullRepaint(benchmark::State& state) {
  Program& p = TheProgram();
  const long long before = p.meter.pixels;
  for (auto _ : state) {
    p.view().RepaintGrid();
    p.Paint();
  }
  p.Report(state, before);
}

// The two halves of the above: drawing the picture, and copying all of it
// to the window.
void BM_FullRepaintDrawingOnly(benchmark::State& state) {
  Program& p = TheProgram();
  for (auto _ : state) p.view().RepaintGrid();
  p.Paint();
}

void BM_WholeViewPaintOnly(benchmark::State& state) {
  Program& p = TheProgram();
  const long long before = p.meter.pixels;
  for (auto _ : state) {
    p.view().update();
    p.Paint();
  }
  p.Report(state, before);
}

// One step of `bar`, on and back in turns: the user's arrow key.
void StepToAndFro(benchmark::State& state, Program& p, QScrollBar& bar) {
  const long long before = p.meter.pixels;
  std::int64_t round = 0;
  for (auto _ : state) {
    bar.triggerAction(round++ % 2 == 0 ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    p.Paint();
  }
  p.Report(state, before);
}

void BM_ScrollOneCell(benchmark::State& state) {
  Program& p = TheProgram();
  StepToAndFro(state, p, p.bar(state.range(0) == 0 ? "ScrollBar1" : "ScrollBar2"));
}

// The whole view painted, and one step of the vertical bar, at a zoom
// (per cent): the kept picture scaled on the way to the window.
void BM_ZoomedWholeViewPaint(benchmark::State& state) {
  Program& p = TheProgram();
  p.main.ZoomGridView(static_cast<int>(state.range(0)));
  p.Paint();
  const long long before = p.meter.pixels;
  for (auto _ : state) {
    p.view().update();
    p.Paint();
  }
  p.Report(state, before);
  p.main.ZoomGridView(100);
  p.Paint();
}

void BM_ZoomedScrollOneCell(benchmark::State& state) {
  Program& p = TheProgram();
  p.main.ZoomGridView(static_cast<int>(state.range(0)));
  p.Paint();
  StepToAndFro(state, p, p.bar("ScrollBar2"));
  p.main.ZoomGridView(100);
  p.Paint();
}

BENCHMARK(BM_OneCellEdit)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DragOver99Cells)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FullRepaintDrawingOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WholeViewPaintOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScrollOneCell)->ArgName("vertical")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ZoomedWholeViewPaint)->ArgName("percent")->Arg(50)->Arg(75)->Arg(150)->Arg(200)
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ZoomedScrollOneCell)->ArgName("percent")->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace verstak

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
