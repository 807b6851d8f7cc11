#pragma once
// The program's windows over one document, started as the program starts
// them but without the modal splash window, messages going to a recorder.

#include <QScrollBar>
#include <QtTest>

#include "editor/grid_view.h"
#include "program_windows.h"
#include "recording_prompter.h"

namespace verstak {

struct ProgramFixture {
  ScanwordDocument document;
  EditorState editor;
  PrintSettings settings;
  RecordingPrompter prompter;
  DocumentSession session{document, settings};
  ProgramWindows windows{session, editor, settings, prompter, StartupSplash::Skip};
  MainWindow& main = windows.main;

  // Shows the main window at `size` and lets its first activation run.
  bool Start(QSize size = {800, 570}) {
    main.resize(size);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) return false;
    return QTest::qWaitFor([this] { return main.leftPanel().width() == 255; });
  }

  template <class T = QWidget>
  T* Child(const char* name) {
    return main.findChild<T*>(QLatin1String(name));
  }
  QScrollBar& Bar1() { return *Child<QScrollBar>("ScrollBar1"); }
  QScrollBar& Bar2() { return *Child<QScrollBar>("ScrollBar2"); }
  QRgb ViewPixel(int x, int y) { return main.gridView().canvas().pixel(x, y) | 0xFF000000; }

  // What the test wrote into the document counts as work not yet saved, as
  // recovered work does: the session's mark, never a flag set by hand.
  void HoldUnsavedWork() { session.restart(true); }
  // As if the document had just been saved.
  void MarkSaved() { session.history().markSaved(); }
};

}  // namespace verstak
