#pragma once
// The main window (`Form1`): the left panel carries the tool palette, the
// command buttons and, during clue editing, the clue text editor; the right
// panel carries the grid view with its two scroll bars.

#include <QPoint>
#include <QWidget>
#include <memory>
#include <optional>

#include "document/scanword_document.h"
#include "editor/editor_state.h"
#include "editor/view_cells.h"
#include "settings/print_settings.h"

class QDialog;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QKeyEvent;
class QToolButton;
class QWheelEvent;

namespace verstak {

class AboutWindow;
class ClueEditing;
class DocumentSession;
class ExportDialog;
class GridView;
class MarkupFaultList;
class NewGridDialog;
class OneKeyCommands;
class OpenDialog;
struct OpenRequest;
class PreviewWindow;
class Prompter;
enum class OutputFormat;
struct ExportChoice;
class SettingsDialog;
class SplashWindow;
class ToolPalette;

// Unit osnova, form TForm1 (Form1).
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the session's document and edits it through the session's history.
  MainWindow(DocumentSession& session, EditorState& editor, PrintSettings& settings, Prompter& prompter,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // The program's other windows, created after this one. A window left out
  // is not shown: without a splash window the start-up goes straight on.
  struct Dialogs {
    SplashWindow* splash = nullptr;
    OpenDialog* open = nullptr;
    ExportDialog* exportDialog = nullptr;
    NewGridDialog* newGrid = nullptr;
    SettingsDialog* settings = nullptr;
    AboutWindow* about = nullptr;
    PreviewWindow* preview = nullptr;  // not modal: it stays open beside this window
  };
  void setDialogs(const Dialogs& dialogs) {
    dialogs_ = dialogs;
    ConnectPreview();
  }

  // The command buttons of `Panel1`; the last three only show in clue editing.
  struct CommandButtons {
    QPushButton* editor = nullptr;       // `Button6` "Редактор"
    QPushButton* settings = nullptr;     // `Button7` "Установки"
    QPushButton* exportMacro = nullptr;  // `Button1` "Mакрос"
    QPushButton* newGrid = nullptr;      // `Button2` "Новый"
    QPushButton* save = nullptr;         // `Button4` "Сохранить"
    QPushButton* open = nullptr;         // `Button3` "Открыть"
    QPushButton* about = nullptr;        // `Button12` "О программе"
    QPushButton* exit = nullptr;         // `Button5` "Выход"
    QPushButton* preview = nullptr;      // "Просмотр", also F5; in clue editing too
    QPushButton* markup = nullptr;       // "Разметить", also Ctrl+R
    QPushButton* check = nullptr;        // `Button10` "Проверить"
    QPushButton* font = nullptr;         // `Button9` "Шрифт"
    QPushButton* back = nullptr;         // `Button11` "Обратно"
  };

  // Once, right after the window is first shown (later calls do nothing):
  // lays out the left panel, resets the document, shows the splash window
  // over the navy background and fits the grid view to the window.
  void FirstActivation();

  // Starts an empty document of the present size: the document's reset and
  // then the scroll bars' part of it. Does not repaint.
  void ResetDocument();

  // View origin, scrolling and window sizing.
  void SizeGridView();
  // The grid view at `percent` of the cells' own size (one of the zoom
  // steps), as many cells shown as fit.
  void ZoomGridView(int percent, std::optional<QPoint> anchor = std::nullopt);
  // The range rule: a bar whose direction the grid overflows gets the maximum
  // that shows the grid's last column (row) in the view's last one; a bar
  // whose direction fits keeps its maximum.
  void FitScrollRanges();

  // Keyboard focus to the horizontal scroll bar, where the one-key commands
  // are typed; in clue editing to the memo.
  void FocusScrollBar1();

  // After a new grid or an open: both scroll ranges fit the grid, narrowing
  // too, and the view origin lies inside them.
  void FitViewToGrid();
  // Scrolls as little as needed for `cell` to be one of the view's whole cells.
  void RevealCell(CellPosition cell);

  // The scanword file at `path` read as Открыть reads it (the questions
  // and messages too), but without "Выполнено!": the user gave no command.
  void OpenScanwordFile(const QString& path);

  // The title: the document's name, "*" while there are unsaved changes.
  void UpdateTitle();

  // Clue editing on the clue of `slot`, the memo holding `text` as typed and
  // not yet stored (recovered work).
  void ResumeTyping(int slot, const QString& text);

 signals:
  // The first activation is over: the window and the document are ready.
  void startedUp();
  // "Установки" closed: the print settings are what it gave.
  void printSettingsChosen();

 public:

  GridView& gridView() { return *grid_; }
  QWidget& leftPanel() { return *panel1_; }  // `Panel1`, home of the palette
  QPlainTextEdit& memo() { return *memo_; }  // `Memo1`, the clue text editor
  ToolPalette& toolPalette() { return *palette_; }
  ClueEditing& clueEditing() { return *clueEditing_; }
  MarkupFaultList& markupFaults() { return *faultList_; }

  // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z). In clue editing only the steps of
  // texts and marks: cells change in layout editing.
  void UndoCommand();
  void RedoCommand();
  const CommandButtons& commandButtons() const { return commands_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  // Ctrl chords that reach the window: undo, redo and save.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Esc, "Выход" and the close box all end here: with changes not yet saved
  // the user is asked first.
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreatePanels();
  void CreateLeftPanelControls();
  void CreateGridView();
  // The palette, mouse editing, clue editing and the one-key commands.
  void CreateEditing();
  void LayOutWindow();
  void LayOutPanel1();
  void PlaceGuideBar();
  void ConnectCommands();

  // The commands that run the open, settings, export and about windows and
  // the save (main_commands.cpp).
  void OpenCommand();
  void OpenPuzzle(const OpenRequest& request, bool reportDone = true);
  // True when the document was written. `reuseName`: to the document's own
  // scanword file without asking, once it has one.
  bool SaveDocument(bool reuseName = false);
  // With changes not yet saved, asks "Сохранить изменения?": true to go on
  // (saved, or not wanted), false to stay with the document as it is.
  bool MayDiscardChanges();
  void SettingsCommand();
  void ExportCommand();
  void AboutCommand();
  void ReportDone();

  // "Просмотр" and F5, and the preview's clues that do not fit
  // (preview_commands.cpp).
  void ConnectPreview();
  void PreviewCommand();
  // Clue editing on the clue of `slot` in cell (column, row), the memo
  // showing its text.
  void ShowClue(int column, int row, int slot);
  // The export's file in `format`: the PDF or SVG set as the preview sets it.
  // With `strict`, nothing is written while the puzzle is not ready for the press.
  void ExportFile(const QString& name, OutputFormat format, const ExportChoice& choice, bool strict);
  // "Перенести строки": the lines the preview sets, stored in the clue texts
  // as one step to undo.
  void RebreakCommand();

  // "Разметить" and Ctrl+R: the whole grid marked up as one step to undo,
  // then the markup check's result (markup_commands.cpp).
  void MarkupCommand();
  // After "Проверить": the markup check's faults in their list, if any.
  void ShowMarkupFaults();
  void ChooseFault(CellPosition cell);
  void FaultListClosed();

  // "Новый": an empty grid of a chosen size.
  void NewGridCommand();
  void ResetScrollBars();
  void FitGridViewToWindow();
  void ScrollEvent(QScrollBar& bar, int& viewOrigin);
  void WheelOverGrid(const QWheelEvent& wheel);
  bool ScrollBarKey(QScrollBar& bar, int key);
  void DeferredRepaint();
  // Another document in the session: the view fitted to its grid, repainted.
  void ShowReplacedDocument();

  DocumentSession& session_;
  ScanwordDocument& document_;
  EditorState& editor_;
  PrintSettings& settings_;
  Prompter& prompter_;
  Dialogs dialogs_;
  bool firstActivationQueued_ = false;
  bool activated_ = false;
  int panel1Width_ = 212;

  QWidget* splitter1_ = nullptr;
  QWidget* panel1_ = nullptr;
  QWidget* panel2_ = nullptr;
  QWidget* panel3_ = nullptr;
  QFrame* bevel1_ = nullptr;
  QWidget* panel4_ = nullptr;  // the red guide bars over the memo
  QWidget* panel5_ = nullptr;
  QToolButton* nextClue_ = nullptr;      // `SpeedButton26`
  QToolButton* previousClue_ = nullptr;  // `SpeedButton27`
  QLabel* pgUpLabel_ = nullptr;          // `Label20`
  QLabel* pgDnLabel_ = nullptr;          // `Label21`
  QLabel* positionLabel_ = nullptr;      // where the clue being edited stands
  CommandButtons commands_;
  GridView* grid_ = nullptr;
  QScrollBar* scrollBar1_ = nullptr;
  QScrollBar* scrollBar2_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  ToolPalette* palette_ = nullptr;
  ClueEditing* clueEditing_ = nullptr;
  MarkupFaultList* faultList_ = nullptr;
  std::unique_ptr<OneKeyCommands> keys_;
};

}  // namespace verstak
