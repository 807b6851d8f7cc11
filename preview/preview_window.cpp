#include "preview/preview_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPdfDocument>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>

#include "document/cp1251.h"
#include "preview/page_printing.h"
#include "preview/page_view.h"
#include "preview/print_export.h"
#include "print/font_faces.h"
#include "widgets/file_filter.h"
#include "widgets/prompter.h"
#include "widgets/ui_font.h"
#include "widgets/window_look.h"

namespace verstak {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr int kControlsWidth = 270;
// The main window's left panel, kept in sight beside the preview.
constexpr int kLeftPanelRoom = 260;

// Item data of the fit list.
constexpr int kColumnRole = Qt::UserRole;
constexpr int kRowRole = Qt::UserRole + 1;
constexpr int kSlotRole = Qt::UserRole + 2;

QDoubleSpinBox* AddSpinBox(QFormLayout& form, const QString& label, double lowest, double highest, double step,
                           const QString& suffix) {
  auto* box = new QDoubleSpinBox;
  box->setRange(lowest, highest);
  box->setDecimals(2);
  box->setSingleStep(step);
  box->setSuffix(suffix);
  box->setKeyboardTracking(false);
  form.addRow(label, box);
  return box;
}

// "Определение 12 (строка 3, столбец 5, верхняя половина): «Река во Франции»".
QString FitListText(const ClueFit& clue, const ScanwordDocument& document) {
  QString place = QStringLiteral("Определение %1 (строка %2, столбец %3").arg(clue.slot).arg(clue.row).arg(clue.column);
  if (clue.half != ClueHalf::Whole) {
    const std::string_view half = HalfName(clue.half);
    place += QStringLiteral(", ") + QString::fromUtf8(half.data(), static_cast<qsizetype>(half.size()));
  }
  place += QStringLiteral("): ");
  if (clue.empty) return place + QStringLiteral("нет текста");
  const std::string first(document.definitions.slotOrEmpty(clue.slot).line(1).text());
  return place + QStringLiteral("«") + QString::fromStdString(Cp1251ToUtf8(first)) + QStringLiteral("»");
}

}  // namespace

PreviewWindow::PreviewWindow(const ScanwordDocument& document, const PrintSettings& settings, Prompter& prompter,
                             QSettings* kept, QWidget* parent)
    // Above the main window, but not modal: the clue editor stays at hand.
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      document_(document),
      settings_(settings),
      prompter_(prompter),
      store_(kept),
      typeset_(store_.load()),
      pdf_(new QPdfDocument(this)) {
  setObjectName(QStringLiteral("PreviewWindow"));
  setWindowTitle(QStringLiteral("Просмотр"));
  setFont(WindowFont());
  resize(1000, 700);

  auto* side = new QVBoxLayout;
  side->addWidget(CreateTypesetControls());
  side->addWidget(CreateFitControls(), 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(side);
  layout->addWidget(CreatePageArea(), 1);
  CreateZoomKeys();
  ShowTypesetting();

  renderTimer_.setSingleShot(true);
  renderTimer_.setInterval(kRenderDelay);
  connect(&renderTimer_, &QTimer::timeout, this, &PreviewWindow::StartRender);
  connect(&worker_, &QFutureWatcher<RenderedPage>::finished, this, &PreviewWindow::RenderDone);
}

PreviewWindow::~PreviewWindow() {
  // The worker reads only its own copies; it ends before the window does.
  worker_.waitForFinished();
  // The document reads from the buffer until it is closed.
  pdf_->close();
}

QWidget* PreviewWindow::CreateTypesetControls() {
  auto* group = new QGroupBox(QStringLiteral("Набор определений"));
  group->setFixedWidth(kControlsWidth);
  auto* form = new QFormLayout(group);
  controls_.font = new QComboBox;
  controls_.font->setObjectName(QStringLiteral("FontBox"));
  controls_.font->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  for (const FontFace& face : CyrillicFontFaces()) {
    controls_.font->addItem(QString::fromStdString(face.caption()), QString::fromStdString(face.name));
  }
  form->addRow(QStringLiteral("Шрифт"), controls_.font);
  using L = TypesetLimits;
  controls_.size =
      AddSpinBox(*form, QStringLiteral("Размер"), L::kSmallestSize, L::kLargestSize, kSizeStep, QStringLiteral(" пт"));
  controls_.minimumSize = AddSpinBox(*form, QStringLiteral("Наименьший"), L::kSmallestSize, L::kLargestSize, kSizeStep,
                                     QStringLiteral(" пт"));
  controls_.lineSpacing =
      AddSpinBox(*form, QStringLiteral("Интервал"), L::kSmallestSpacing, L::kLargestSpacing, 0.05, QString());
  controls_.lineWidth =
      AddSpinBox(*form, QStringLiteral("Линии"), L::kThinnestLine, L::kThickestLine, 0.05, QStringLiteral(" мм"));
  controls_.arrowheads = new QCheckBox(QStringLiteral("Наконечники стрелок"));
  form->addRow(controls_.arrowheads);

  connect(controls_.font, &QComboBox::currentIndexChanged, this, &PreviewWindow::TypesetChanged);
  for (QDoubleSpinBox* box : {controls_.size, controls_.minimumSize, controls_.lineSpacing, controls_.lineWidth}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, &PreviewWindow::TypesetChanged);
  }
  connect(controls_.arrowheads, &QCheckBox::toggled, this, &PreviewWindow::TypesetChanged);
  return group;
}

QWidget* PreviewWindow::CreateFitControls() {
  auto* panel = new QWidget;
  panel->setFixedWidth(kControlsWidth);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  controls_.summary = new QLabel;
  controls_.summary->setWordWrap(true);
  controls_.fitList = new QListWidget;
  controls_.fitList->setObjectName(QStringLiteral("FitList"));
  controls_.fitList->setWordWrap(true);
  // Hundreds of wrapped lines are laid out a batch at a time, so that the
  // window answers while a large puzzle's list fills.
  controls_.fitList->setLayoutMode(QListView::Batched);
  controls_.fitList->setBatchSize(100);
  controls_.fitList->setToolTip(QStringLiteral("Щелчок открывает определение в редакторе"));
  const auto choose = [this](QListWidgetItem* item) {
    emit clueChosen(item->data(kColumnRole).toInt(), item->data(kRowRole).toInt(), item->data(kSlotRole).toInt());
  };
  connect(controls_.fitList, &QListWidget::itemClicked, this, choose);
  connect(controls_.fitList, &QListWidget::itemActivated, this, choose);
  controls_.rebreak = new QPushButton(QStringLiteral("Перенести строки"));
  controls_.rebreak->setObjectName(QStringLiteral("RebreakButton"));
  controls_.rebreak->setToolTip(QStringLiteral("Записать строки, как они набраны, в тексты определений"));
  connect(controls_.rebreak, &QPushButton::clicked, this, &PreviewWindow::rebreakRequested);
  controls_.savePdf = new QPushButton(QStringLiteral("Сохранить PDF…"));
  controls_.saveSvg = new QPushButton(QStringLiteral("Сохранить SVG…"));
  controls_.print = new QPushButton(QStringLiteral("Печать…"));
  connect(controls_.savePdf, &QPushButton::clicked, this, &PreviewWindow::SavePdfCommand);
  connect(controls_.saveSvg, &QPushButton::clicked, this, &PreviewWindow::SaveSvgCommand);
  connect(controls_.print, &QPushButton::clicked, this, &PreviewWindow::PrintCommand);
  column->addWidget(controls_.summary);
  column->addWidget(controls_.fitList, 1);
  column->addWidget(controls_.rebreak);
  column->addWidget(controls_.savePdf);
  column->addWidget(controls_.saveSvg);
  column->addWidget(controls_.print);
  return panel;
}

QWidget* PreviewWindow::CreatePageArea() {
  auto* area = new QWidget;
  auto* column = new QVBoxLayout(area);
  column->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QHBoxLayout;
  controls_.zoomOut = new QToolButton;
  controls_.zoomOut->setText(QStringLiteral("−"));
  controls_.zoomIn = new QToolButton;
  controls_.zoomIn->setText(QStringLiteral("+"));
  controls_.zoom = new QComboBox;
  controls_.zoom->addItem(QStringLiteral("По размеру окна"), 0);
  for (const int percent : kZoomSteps) controls_.zoom->addItem(QStringLiteral("%1 %").arg(percent), percent);
  connect(controls_.zoom, &QComboBox::activated, this,
          [this](int index) { setZoom(controls_.zoom->itemData(index).toInt()); });
  connect(controls_.zoomOut, &QToolButton::clicked, this, &PreviewWindow::ZoomOut);
  connect(controls_.zoomIn, &QToolButton::clicked, this, &PreviewWindow::ZoomIn);
  bar->addWidget(controls_.zoomOut);
  bar->addWidget(controls_.zoom);
  bar->addWidget(controls_.zoomIn);
  bar->addStretch();
  controls_.answers = new QCheckBox(QStringLiteral("Ответы"));
  controls_.answers->setObjectName(QStringLiteral("AnswersBox"));
  controls_.answers->setToolTip(QStringLiteral("Показать и сохранить ключ ответов"));
  connect(controls_.answers, &QCheckBox::toggled, this, &PreviewWindow::ScheduleRender);
  bar->addWidget(controls_.answers);
  column->addLayout(bar);

  scroll_ = new QScrollArea;
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setWidgetResizable(false);
  page_ = new PageView;
  scroll_->setWidget(page_);
  scroll_->viewport()->installEventFilter(this);
  SetBackground(*scroll_->viewport(), ScreenColour::Grey);
  column->addWidget(scroll_, 1);
  return area;
}

// + and − (also = and the keypad's), Ctrl+ and Ctrl−, anywhere in the window.
void PreviewWindow::CreateZoomKeys() {
  auto* in = new QAction(this);
  in->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal), QKeySequence::ZoomIn});
  auto* out = new QAction(this);
  out->setShortcuts({QKeySequence(Qt::Key_Minus), QKeySequence::ZoomOut});
  for (QAction* action : {in, out}) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
  }
  connect(in, &QAction::triggered, this, &PreviewWindow::ZoomIn);
  connect(out, &QAction::triggered, this, &PreviewWindow::ZoomOut);
}

// The boxes show typeset_; a kept font that fontconfig no longer lists is
// shown all the same, and its failure said when it renders.
void PreviewWindow::ShowTypesetting() {
  const QSignalBlocker blockFont(controls_.font);
  const QString font = QString::fromStdString(typeset_.font);
  int index = controls_.font->findData(font);
  if (index < 0) {
    controls_.font->insertItem(0, font, font);
    index = 0;
  }
  controls_.font->setCurrentIndex(index);
  const QSignalBlocker blockSize(controls_.size);
  const QSignalBlocker blockMinimum(controls_.minimumSize);
  const QSignalBlocker blockSpacing(controls_.lineSpacing);
  const QSignalBlocker blockWidth(controls_.lineWidth);
  const QSignalBlocker blockHeads(controls_.arrowheads);
  controls_.size->setValue(typeset_.size);
  controls_.minimumSize->setMaximum(typeset_.size);
  controls_.minimumSize->setValue(typeset_.minimumSize);
  controls_.lineSpacing->setValue(typeset_.lineSpacing);
  controls_.lineWidth->setValue(typeset_.lineWidth);
  controls_.arrowheads->setChecked(typeset_.arrowheads);
}

void PreviewWindow::TypesetChanged() {
  // The minimum never above the size: its box ends at the size.
  {
    const QSignalBlocker block(controls_.minimumSize);
    controls_.minimumSize->setMaximum(controls_.size->value());
  }
  TypesetSettings typeset = typeset_;
  typeset.font = controls_.font->currentData().toString().toStdString();
  typeset.size = controls_.size->value();
  typeset.minimumSize = controls_.minimumSize->value();
  typeset.lineSpacing = controls_.lineSpacing->value();
  typeset.lineWidth = controls_.lineWidth->value();
  typeset.arrowheads = controls_.arrowheads->isChecked();
  if (typeset == typeset_) return;
  if (typeset.font != typeset_.font) font_.reset();
  typeset_ = typeset;
  store_.save(typeset_);
  ScheduleRender();
}

const FontOutcome& PreviewWindow::typesetFont() {
  if (!font_) font_ = LoadTypesetFont(typeset_.font);
  return *font_;
}

void PreviewWindow::setExportChoice(const ExportChoice& choice) {
  if (choice == choice_) return;
  choice_ = choice;
  ScheduleRender();
}

void PreviewWindow::setTitle(const QString& title, const QString& scanwordFile, const QString& answerCaption) {
  if (title == title_ && scanwordFile == scanwordFile_ && answerCaption == answerCaption_) return;
  title_ = title;
  scanwordFile_ = scanwordFile;
  answerCaption_ = answerCaption;
  ScheduleRender();
}

bool PreviewWindow::showsAnswers() const { return controls_.answers->isChecked(); }

void PreviewWindow::ShowPreview() {
  if (!placed_) {
    placed_ = true;
    // At first on the right of the screen, clear of the main window's left
    // panel with the clue editor.
    if (const QScreen* shown = parentWidget() ? parentWidget()->screen() : screen()) {
      const QRect room = shown->availableGeometry();
      resize(std::min(width(), room.width() - kLeftPanelRoom), std::min(height(), room.height()));
      move(room.right() + 1 - frameGeometry().width(), room.top());
    }
  }
  show();
  raise();
  activateWindow();
  if (renderTimer_.isActive() || stale_) StartRender();
}

void PreviewWindow::ScheduleRender() {
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  if (!renderTimer_.isActive()) renderTimer_.start();
}

void PreviewWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) StartRender();
}

void PreviewWindow::Render() {
  renderTimer_.stop();
  stale_ = false;
  const int request = ++requested_;
  if (const std::shared_ptr<const PageRenderJob> job = TakeJob()) {
    ShowRendered(RenderPage(*job), request);
  } else {
    shown_ = request;
  }
}

void PreviewWindow::StartRender() {
  renderTimer_.stop();
  stale_ = false;
  ++requested_;
  if (!rendering_) Launch();
}

std::shared_ptr<const PageRenderJob> PreviewWindow::TakeJob() {
  const FontOutcome& font = typesetFont();
  if (font.failure) {
    ShowProblem(QString::fromStdString(font.failure->text));
    return nullptr;
  }
  // Filled in place: the document is copied once, never moved (its clue
  // table cannot be).
  auto job = std::make_shared<PageRenderJob>();
  job->document = document_;
  job->settings = settings_;
  job->typeset = typeset_;
  job->font = *font.font;
  job->choice = choice_;
  job->title = title_.toStdString();
  job->caption = answerCaption_.toStdString();
  job->press = WindowPress(scanwordFile_);
  job->answers = showsAnswers();
  job->scaling = Scaling();
  return job;
}

PageScaling PreviewWindow::Scaling() const {
  const QSize room = scroll_->viewport()->size() - QSize(2 * PageView::kMargin, 2 * PageView::kMargin);
  return {zoom_, PixelsPerMillimetreAt100(), room, page_->inSight(), page_->devicePixelRatioF()};
}

void PreviewWindow::Launch() {
  const int request = requested_;
  const std::shared_ptr<const PageRenderJob> job = TakeJob();
  if (!job) {
    shown_ = request;
    return;
  }
  rendering_ = true;
  running_ = request;
  worker_.setFuture(QtConcurrent::run([job] { return RenderPage(*job); }));
}

void PreviewWindow::RenderDone() {
  rendering_ = false;
  if (running_ == requested_) {
    ShowRendered(worker_.result(), running_);
  } else if (shown_ < requested_) {
    // Out of date already: the newest request is made instead.
    Launch();
  }
}

void PreviewWindow::ShowRendered(RenderedPage page, int request) {
  shown_ = request;
  if (!page.problem.isEmpty()) {
    ShowProblem(page.problem);
    return;
  }
  LoadPdf(page.pdf);
  if (pdf_->status() != QPdfDocument::Status::Ready || pdf_->pageCount() < 1) {
    ShowProblem(QStringLiteral("PDF не удалось показать."));
    return;
  }
  fits_ = std::move(page.fits);
  page_->setPage(pdf_, page.pageSize, std::move(page.marks));
  ApplyZoom();
  page_->keepRendered(std::move(page.image), page.part, page.scale);
  FillFitList();
  if (page.answers) controls_.summary->setText(answerCaption_);
  emit rendered();
}

void PreviewWindow::ShowProblem(const QString& text) {
  page_->clearPage();
  pdf_->close();
  bytes_.clear();
  fits_ = {};
  controls_.fitList->clear();
  controls_.summary->setText(text);
  emit rendered();
}

void PreviewWindow::LoadPdf(const QByteArray& bytes) {
  page_->clearPage();
  pdf_->close();
  buffer_.reset();
  bytes_ = bytes;
  buffer_ = std::make_unique<QBuffer>(&bytes_);
  buffer_->open(QIODevice::ReadOnly);
  pdf_->load(buffer_.get());
}

// The clue that was selected stays selected while it is listed.
void PreviewWindow::FillFitList() {
  const QListWidgetItem* selected = controls_.fitList->currentItem();
  const int selectedSlot = selected ? selected->data(kSlotRole).toInt() : 0;
  controls_.fitList->clear();
  for (const ClueFit& clue : fits_.clues) {
    auto* item = new QListWidgetItem(FitListText(clue, document_), controls_.fitList);
    item->setToolTip(QString::fromStdString(FitReportLine(clue)));
    item->setData(kColumnRole, clue.column);
    item->setData(kRowRole, clue.row);
    item->setData(kSlotRole, clue.slot);
    if (clue.slot == selectedSlot) controls_.fitList->setCurrentItem(item);
  }
  const int overflowing = fits_.overflowing();
  const int empty = static_cast<int>(fits_.clues.size()) - overflowing;
  QStringList summary;
  summary << (overflowing > 0 ? QString::fromStdString(NotFittingLine(overflowing))
                              : QStringLiteral("Все определения помещаются."));
  if (empty > 0) summary << QStringLiteral("Без текста: %1").arg(empty);
  controls_.summary->setText(summary.join(QLatin1Char('\n')));
}

double PreviewWindow::PixelsPerMillimetreAt100() const { return logicalDpiX() / kMillimetresPerInch; }

void PreviewWindow::setZoom(int percent) {
  zoom_ = percent;
  const int index = controls_.zoom->findData(percent);
  if (index >= 0) controls_.zoom->setCurrentIndex(index);
  ApplyZoom();
}

void PreviewWindow::ApplyZoom() {
  const QSizeF page = page_->pageSize();
  if (page.isEmpty()) return;
  const double scale = PageScale(page, Scaling());
  if (scale != page_->scale()) page_->setScale(scale);
}

// From fit to the window, the steps go on from the size it shows.
void PreviewWindow::ZoomIn() {
  const double shown = page_->scale() / PixelsPerMillimetreAt100() * 100;
  const int* next = std::ranges::find_if(kZoomSteps, [&](int step) { return step > shown + 0.5; });
  setZoom(next != std::end(kZoomSteps) ? *next : kZoomSteps[std::size(kZoomSteps) - 1]);
}

void PreviewWindow::ZoomOut() {
  const double shown = page_->scale() / PixelsPerMillimetreAt100() * 100;
  int step = kZoomSteps[0];
  for (const int candidate : kZoomSteps) {
    if (candidate < shown - 0.5) step = candidate;
  }
  setZoom(step);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport()) {
    if (event->type() == QEvent::Resize && zoom_ == 0) ApplyZoom();
    if (event->type() == QEvent::Wheel) {
      const auto* wheel = static_cast<QWheelEvent*>(event);
      if (wheel->modifiers() & Qt::ControlModifier) {
        if (wheel->angleDelta().y() > 0) ZoomIn();
        if (wheel->angleDelta().y() < 0) ZoomOut();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PreviewWindow::SavePdfCommand() { SaveCommand(OutputFormat::Pdf); }

void PreviewWindow::SaveSvgCommand() { SaveCommand(OutputFormat::Svg); }

// Written by the export's own writer, from the document as it is now: the
// answer key while it is shown.
void PreviewWindow::SaveCommand(OutputFormat format) {
  const OutputFormat offered[] = {format};
  const QString name = prompter_.saveFileName(QtFileFilter(SaveFilter(offered)),
                                              QString::fromUtf8(OutputOf(format).extension), true, nullptr,
                                              suggestedName_);
  if (name.isEmpty()) return;
  const FontOutcome& font = typesetFont();
  if (font.failure) {
    prompter_.showMessage(*font.failure);
    return;
  }
  const WindowOutput output{.typeset = typeset_,
                            .font = &*font.font,
                            .choice = choice_,
                            .title = title_,
                            .caption = answerCaption_,
                            .press = WindowPress(scanwordFile_),
                            .content = showsAnswers() ? OutputContent::AnswerKey : OutputContent::Puzzle};
  const OutputMade written = WriteWindowOutput(document_, settings_, output, format, LocalPath(name));
  prompter_.showMessage(written.failure ? *written.failure : PrintDoneMessage(written));
}

void PreviewWindow::PrintCommand() {
  if (renderPending()) Render();
  if (!page_->hasPage()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(title_);
  if (!prompter_.choosePrinter(printer)) return;
  // Never shrunk unasked: Нет leaves the choice of a larger paper.
  if (const double shrink = PrintShrink(pdf_->pagePointSize(0), printer); shrink < 1) {
    const int percent = static_cast<int>(std::floor(shrink * 100));
    const QString question =
        QStringLiteral("Страница больше бумаги: при печати уменьшено до %1 %. Печатать?").arg(percent);
    if (prompter_.ask(question, QStringLiteral("Отмена")) != Prompter::Answer::Yes) return;
  }
  if (!PrintPdfPage(*pdf_, printer)) prompter_.showMessage(UserMessage::Error(" Не удалось напечатать! "));
}

}  // namespace verstak
