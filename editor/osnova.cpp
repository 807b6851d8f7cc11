#include "editor/osnova.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QAbstractTextDocumentLayout>
#include <QTextLayout>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "dialogs/logo.h"
#include "document/slot_numbering.h"
#include "editor/apply_tool.h"
#include "editor/clue_editing.h"
#include "editor/clue_pick.h"
#include "editor/grid_view.h"
#include "editor/grid_zoom.h"
#include "editor/key_command.h"
#include "editor/markup_fault_list.h"
#include "editor/tool_palette.h"
#include "editor/unstored_typing.h"
#include "session/document_session.h"
#include "widgets/ui_font.h"
#include "widgets/window_look.h"

namespace verstak {
namespace {

constexpr QSize kRestoredSize{800, 570};
constexpr int kSplitterWidth = 2;
constexpr int kPanel1LaidOutWidth = 255;

// The command buttons in `Panel1`. The clue-editing ones are hidden outside
// clue editing.
struct CommandButton {
  QPushButton* MainWindow::CommandButtons::*button;
  const char* name;
  const char* caption;
  QRect place;
  bool clueEditing;
};

const CommandButton kCommandButtons[] = {
    {&MainWindow::CommandButtons::editor, "Button6", "Редактор", {14, 398, 113, 25}, false},
    {&MainWindow::CommandButtons::settings, "Button7", "Установки", {136, 398, 113, 25}, false},
    {&MainWindow::CommandButtons::exportMacro, "Button1", "Mакрос", {14, 430, 113, 25}, false},  // the M is Latin
    {&MainWindow::CommandButtons::newGrid, "Button2", "Новый", {136, 430, 113, 25}, false},
    {&MainWindow::CommandButtons::save, "Button4", "Сохранить", {14, 462, 113, 25}, false},
    {&MainWindow::CommandButtons::open, "Button3", "Открыть", {136, 462, 113, 25}, false},
    {&MainWindow::CommandButtons::about, "Button12", "О программе", {14, 494, 113, 25}, false},
    {&MainWindow::CommandButtons::exit, "Button5", "Выход", {136, 494, 113, 25}, false},
    // In the free strip under the others; not one of the layout commands.
    {&MainWindow::CommandButtons::preview, "PreviewButton", "Просмотр", {136, 526, 113, 25}, false},
    {&MainWindow::CommandButtons::markup, "MarkupButton", "Разметить", {14, 526, 113, 25}, false},
    {&MainWindow::CommandButtons::check, "Button10", "Проверить", {24, 320, 95, 25}, true},
    {&MainWindow::CommandButtons::font, "Button9", "Шрифт", {142, 320, 95, 25}, true},
    {&MainWindow::CommandButtons::back, "Button11", "Обратно", {24, 355, 95, 25}, true},
};

// Places the first activation gives the bevel and the guide bars.
constexpr QRect kBevel1Place{8, 14, 245, 375};
constexpr QRect kPanel4Place{28, 130, 125, 5};  // its top follows the memo's font
constexpr int kGuideBarLines = 5;
constexpr QRect kPanel5Place{130, 25, 5, 125};
constexpr QRect kPositionLabelPlace{12, 265, 238, 14};

QWidget* AddPanel(QWidget& parent, const char* name, const QColor& colour) {
  auto* panel = new QWidget(&parent);
  panel->setObjectName(QLatin1String(name));
  SetBackground(*panel, colour);
  return panel;
}

QLabel* AddStepLabel(QWidget& parent, const char* name, const QString& text, QPoint at) {
  auto* label = new QLabel(text, &parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(UiFont(QStringLiteral("MS Sans Serif"), 9, true));
  SetTextColour(*label, ScreenColour::White);
  label->move(at);
  label->adjustSize();
  label->hide();
  return label;
}

QToolButton* AddStepButton(QWidget& parent, const char* name, Qt::ArrowType arrow, const QRect& place) {
  auto* button = new QToolButton(&parent);
  button->setObjectName(QLatin1String(name));
  button->setArrowType(arrow);
  button->setGeometry(place);
  button->hide();
  return button;
}

QScrollBar* AddScrollBar(QWidget& parent, const char* name, Qt::Orientation orientation) {
  auto* bar = new QScrollBar(orientation, &parent);
  bar->setObjectName(QLatin1String(name));
  bar->setRange(1, 1);
  bar->setValue(1);
  bar->setSingleStep(1);
  bar->setFocusPolicy(Qt::StrongFocus);
  return bar;
}

}  // namespace

MainWindow::MainWindow(DocumentSession& session, EditorState& editor, PrintSettings& settings, Prompter& prompter,
                       QWidget* parent)
    : QWidget(parent),
      session_(session),
      document_(session.document()),
      editor_(editor),
      settings_(settings),
      prompter_(prompter) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("VERSTAK"));
  setFont(WindowFont());
  SetBackground(*this, ScreenColour::Navy);
  setMinimumSize(kRestoredSize);
  resize(kRestoredSize);
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  // The deferred repaint watches the mouse over the navy background.
  setMouseTracking(true);

  CreatePanels();
  CreateLeftPanelControls();
  CreateGridView();
  CreateEditing();
  ConnectCommands();
  LayOutWindow();
}

void MainWindow::CreatePanels() {
  splitter1_ = AddPanel(*this, "Splitter1", ScreenColour::Navy);
  splitter1_->setCursor(Qt::SplitHCursor);
  panel1_ = AddPanel(*this, "Panel1", ScreenColour::Navy);
  panel2_ = AddPanel(*this, "Panel2", ScreenColour::Navy);
  panel1_->setMouseTracking(true);
  panel2_->setMouseTracking(true);
}

void MainWindow::CreateLeftPanelControls() {
  bevel1_ = new QFrame(panel1_);
  bevel1_->setObjectName(QStringLiteral("Bevel1"));
  bevel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel1_->setAttribute(Qt::WA_TransparentForMouseEvents);

  memo_ = new QPlainTextEdit(panel1_);
  memo_->setObjectName(QStringLiteral("Memo1"));
  memo_->setFont(UiFont(QStringLiteral("Arial Cyr"), 19));
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setGeometry(24, 24, 213, 240);
  memo_->hide();
  // The red guide bars lie over the memo.
  panel4_ = AddPanel(*panel1_, "Panel4", ScreenColour::Red);
  panel5_ = AddPanel(*panel1_, "Panel5", ScreenColour::Red);
  panel4_->hide();
  panel5_->hide();

  previousClue_ = AddStepButton(*panel1_, "SpeedButton27", Qt::LeftArrow, {69, 280, 50, 25});
  nextClue_ = AddStepButton(*panel1_, "SpeedButton26", Qt::RightArrow, {142, 280, 50, 25});
  pgUpLabel_ = AddStepLabel(*panel1_, "Label20", QStringLiteral("PgUp"), {30, 285});
  pgDnLabel_ = AddStepLabel(*panel1_, "Label21", QStringLiteral("PgDn"), {198, 285});
  // In the free strip between the memo and the step buttons.
  positionLabel_ = new QLabel(panel1_);
  positionLabel_->setObjectName(QStringLiteral("PositionLabel"));
  positionLabel_->setFont(UiFont(QStringLiteral("MS Sans Serif"), 9));
  SetTextColour(*positionLabel_, ScreenColour::White);
  positionLabel_->setGeometry(kPositionLabelPlace);
  positionLabel_->hide();

  for (const CommandButton& command : kCommandButtons) {
    auto* button = new QPushButton(QString::fromUtf8(command.caption), panel1_);
    button->setObjectName(QLatin1String(command.name));
    button->setGeometry(command.place);
    button->setVisible(!command.clueEditing);
    commands_.*command.button = button;
  }
  commands_.markup->setToolTip(
      QStringLiteral("Разметить всю сетку по буквам файла сетки: каждому слову — клетку с определением и стрелку "
                     "(Ctrl+R); отменяется одним шагом"));
}

void MainWindow::CreateGridView() {
  panel3_ = AddPanel(*panel2_, "Panel3", ScreenColour::Silver);
  panel3_->move(6, 12);
  grid_ = new GridView(document_, editor_, panel3_);
  grid_->move(2, 2);
  // Created after the view, so that they lie over its last two pixel columns
  // and rows, where the view's frame is.
  scrollBar1_ = AddScrollBar(*panel3_, "ScrollBar1", Qt::Horizontal);
  scrollBar2_ = AddScrollBar(*panel3_, "ScrollBar2", Qt::Vertical);
  scrollBar1_->setGeometry(2, 0, 0, 25);
  scrollBar2_->setGeometry(0, 2, 25, 0);
  scrollBar1_->installEventFilter(this);
  scrollBar2_->installEventFilter(this);
  grid_->installEventFilter(this);
  // After a click on the grid the one-key commands work again; in clue
  // editing a click on a clue (a half of a split cell) selects it.
  connect(grid_, &GridView::mousePressed, this, [this](QPoint at) {
    if (editor_.mode != EditorMode::ClueEditing) {
      FocusScrollBar1();
      return;
    }
    if (const std::optional<PickedClue> clue = ClueAtPoint(document_, editor_, at)) {
      clueEditing_->GoToClue(clue->cell, clue->slot);
    }
    memo_->setFocus();
  });
  connect(scrollBar1_, &QScrollBar::actionTriggered, this, [this] { ScrollEvent(*scrollBar1_, editor_.viewOriginX); });
  connect(scrollBar2_, &QScrollBar::actionTriggered, this, [this] { ScrollEvent(*scrollBar2_, editor_.viewOriginY); });
}

void MainWindow::CreateEditing() {
  palette_ = new ToolPalette(*panel1_, editor_);
  DocumentHistory& history = session_.history();
  connect(&session_, &DocumentSession::modifiedChanged, this, &MainWindow::UpdateTitle);
  connect(&session_, &DocumentSession::nameChanged, this, &MainWindow::UpdateTitle);
  connect(&session_, &DocumentSession::replaced, this, &MainWindow::ShowReplacedDocument);
  connect(&history, &DocumentHistory::cellsRestored, this, [this](const std::vector<CellChange>& changes) {
    for (const CellChange& change : changes) grid_->RepaintCell({change.x, change.y});
  });
  new MouseEditing(document_, editor_, *grid_, history);
  ClueEditorControls controls;
  controls.memo = memo_;
  controls.shownWhileEditing = {memo_,      panel4_,    panel5_,         nextClue_,      previousClue_, pgUpLabel_,
                                pgDnLabel_, positionLabel_, commands_.check, commands_.font, commands_.back};
  controls.position = positionLabel_;
  controls.layoutCommands = {commands_.exportMacro, commands_.newGrid,  commands_.open,  commands_.save,
                             commands_.editor,      commands_.settings, commands_.markup};
  controls.enter = commands_.editor;
  controls.check = commands_.check;
  controls.font = commands_.font;
  controls.back = commands_.back;
  controls.next = nextClue_;
  controls.previous = previousClue_;
  clueEditing_ = new ClueEditing(document_, editor_, *grid_, history, controls, *palette_, prompter_, this);
  connect(clueEditing_, &ClueEditing::returnedToLayout, this, &MainWindow::FocusScrollBar1);
  auto* typing = new UnstoredTyping(*memo_, editor_, session_, this);
  connect(clueEditing_, &ClueEditing::returnedToLayout, typing, &UnstoredTyping::Update);
  connect(clueEditing_, &ClueEditing::revealCell, this, &MainWindow::RevealCell);
  connect(clueEditing_, &ClueEditing::checked, this, &MainWindow::ShowMarkupFaults);
  faultList_ = new MarkupFaultList(this);
  connect(faultList_, &MarkupFaultList::faultChosen, this, &MainWindow::ChooseFault);
  connect(faultList_, &MarkupFaultList::closed, this, &MainWindow::FaultListClosed);
  // The list names cells of the document it was made for.
  connect(&session_, &DocumentSession::replaced, faultList_, &QWidget::close);
  keys_ = std::make_unique<OneKeyCommands>(*this, editor_, *palette_, *clueEditing_);
  commands_.newGrid->installEventFilter(this);
  memo_->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::ResumeTyping(int slot, const QString& text) {
  std::optional<CellPosition> cell;
  ForEachCellInReadingOrder(document_, [&](int x, int y, const GridCell&) {
    const std::optional<CellSlots> numbering = SlotNumbering(document_, x, y);
    if (!cell && numbering && (numbering->first == slot || numbering->second == slot)) cell = CellPosition{x, y};
  });
  if (!cell) return;
  ShowClue(cell->x, cell->y, slot);
  if (editor_.mode != EditorMode::ClueEditing || editor_.currentSlot != slot) return;
  memo_->setPlainText(text);
  memo_->document()->setModified(true);
}

void MainWindow::ConnectCommands() {
  connect(commands_.newGrid, &QPushButton::clicked, this, &MainWindow::NewGridCommand);
  connect(commands_.exit, &QPushButton::clicked, this, &QWidget::close);
  connect(commands_.open, &QPushButton::clicked, this, &MainWindow::OpenCommand);
  connect(commands_.settings, &QPushButton::clicked, this, &MainWindow::SettingsCommand);
  connect(commands_.exportMacro, &QPushButton::clicked, this, &MainWindow::ExportCommand);
  connect(commands_.about, &QPushButton::clicked, this, &MainWindow::AboutCommand);
  connect(commands_.save, &QPushButton::clicked, this, [this] { SaveDocument(); });
  connect(commands_.preview, &QPushButton::clicked, this, &MainWindow::PreviewCommand);
  connect(commands_.markup, &QPushButton::clicked, this, &MainWindow::MarkupCommand);
}

// `Splitter1` along the left edge, `Panel1` docked left at full height,
// `Panel2` filling the rest.
void MainWindow::LayOutWindow() {
  splitter1_->setGeometry(0, 0, kSplitterWidth, height());
  panel1_->setGeometry(kSplitterWidth, 0, panel1Width_, height());
  const int panel2Left = kSplitterWidth + panel1Width_;
  panel2_->setGeometry(panel2Left, 0, std::max(0, width() - panel2Left), height());
}

// On the border of the memo's fifth and sixth lines, in the blank below the
// one's baseline and above the other's capitals: a clue of five lines shows
// whole, whatever the memo's font. A line is as high as the memo lays it out.
void MainWindow::PlaceGuideBar() {
  const int textTop = memo_->y() + memo_->frameWidth() + static_cast<int>(memo_->document()->documentMargin());
  const QTextLayout* layout = memo_->document()->firstBlock().layout();
  const double height = layout && layout->lineCount() > 0 ? layout->lineAt(0).height() : QFontMetricsF(memo_->font()).height();
  // Each line takes whole pixels.
  const int border = textTop + kGuideBarLines * static_cast<int>(std::ceil(height));
  panel4_->setGeometry(kPanel4Place.x(), border - kPanel4Place.height() / 2, kPanel4Place.width(),
                       kPanel4Place.height());
}

void MainWindow::LayOutPanel1() {
  panel1Width_ = kPanel1LaidOutWidth;
  LayOutWindow();
  bevel1_->setGeometry(kBevel1Place);
  panel5_->setGeometry(kPanel5Place);
  PlaceGuideBar();
  for (const CommandButton& command : kCommandButtons) (commands_.*command.button)->setGeometry(command.place);
  palette_->PlaceControls();
  pgUpLabel_->hide();
  pgDnLabel_->hide();
}

void MainWindow::FirstActivation() {
  if (activated_) return;
  activated_ = true;
  grid_->ClearPaintArea();
  FocusScrollBar1();
  LayOutPanel1();
  ResetDocument();
  // Only the navy background shows behind the splash window.
  panel3_->hide();
  panel2_->hide();
  panel1_->hide();
  // Esc on the splash ends the program before the window is shown in full.
  if (dialogs_.splash && dialogs_.splash->exec() == QDialog::Rejected) {
    close();
    return;
  }
  SizeGridView();
  panel3_->show();
  panel2_->show();
  panel1_->show();
  FocusScrollBar1();
  emit startedUp();
}

void MainWindow::ResetDocument() {
  editor_.Reset();
  session_.startEmpty();
  ResetScrollBars();
  // The button that is down always shows the tool a click applies.
  palette_->SelectTool(editor_.currentTool);
}

void MainWindow::FocusScrollBar1() { scrollBar1_->setFocus(); }

void MainWindow::ShowReplacedDocument() {
  FitViewToGrid();
  grid_->RepaintGrid();
}

void MainWindow::DeferredRepaint() {
  if (editor_.GridPainted) return;
  grid_->ClearPaintArea();
  grid_->RepaintGrid();
  editor_.GridPainted = true;
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  grid_->RepaintGrid();
  FocusScrollBar1();
  if (!firstActivationQueued_) {
    firstActivationQueued_ = true;
    QMetaObject::invokeMethod(this, &MainWindow::FirstActivation, Qt::QueuedConnection);
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutWindow();
  SizeGridView();
}

// Moves over the navy background, not over a control, repaint the grid once
// after the open or settings dialog has closed.
void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  const QWidget* under = childAt(event->position().toPoint());
  if (under == nullptr || under == panel1_ || under == panel2_) DeferredRepaint();
  QWidget::mouseMoveEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F5 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    PreviewCommand();
    event->accept();
    return;
  }
  switch (ChordOf(*event)) {
    case Chord::Undo: UndoCommand(); break;
    case Chord::Redo: RedoCommand(); break;
    case Chord::Save:
      clueEditing_->StoreClueText();
      SaveDocument(true);
      break;
    case Chord::Markup:
      if (editor_.mode == EditorMode::Idle) MarkupCommand();
      break;
    case Chord::ZoomIn: ZoomGridView(LargerGridZoom(editor_.zoomPercent)); break;
    case Chord::ZoomOut: ZoomGridView(SmallerGridZoom(editor_.zoomPercent)); break;
    case Chord::ActualSize: ZoomGridView(kGridZoomActualSize); break;
    case Chord::None: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void MainWindow::UndoCommand() {
  if (editor_.mode == EditorMode::Painting) return;
  DocumentHistory& history = session_.history();
  if (editor_.mode == EditorMode::ClueEditing && history.undoChangesCells()) return;
  history.undo();
}

void MainWindow::RedoCommand() {
  if (editor_.mode == EditorMode::Painting) return;
  DocumentHistory& history = session_.history();
  if (editor_.mode == EditorMode::ClueEditing && history.redoChangesCells()) return;
  history.redo();
}

// Keys typed into the focus-holding controls: the one-key commands first,
// then the scroll bars' own keys.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::Wheel) {
    WheelOverGrid(*static_cast<QWheelEvent*>(event));
    return true;
  }
  // The memo lays the new font out after this event.
  if (watched == memo_ && event->type() == QEvent::FontChange) {
    QMetaObject::invokeMethod(this, &MainWindow::PlaceGuideBar, Qt::QueuedConnection);
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  // In the memo Ctrl+Z is the memo's own undo while it has one; after that
  // it takes back the document's steps.
  if (watched == memo_) {
    const Chord chord = ChordOf(*key);
    if (chord == Chord::Undo && !memo_->document()->isUndoAvailable()) {
      UndoCommand();
      return true;
    }
    if (chord == Chord::Redo && !memo_->document()->isRedoAvailable()) {
      RedoCommand();
      return true;
    }
    if (chord == Chord::Undo || chord == Chord::Redo) {
      chord == Chord::Undo ? memo_->undo() : memo_->redo();
      return true;
    }
  }
  if (watched == memo_ || watched == scrollBar1_ || watched == scrollBar2_ || watched == commands_.newGrid) {
    if (keys_->KeyPressed(*key, watched == memo_)) return true;
  }
  if (watched == scrollBar1_ || watched == scrollBar2_) {
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && ScrollBarKey(*static_cast<QScrollBar*>(watched), key->key())) return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace verstak
