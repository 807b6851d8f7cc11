#pragma once
// "Просмотр": the print output as the very PDF the export writes, rendered
// by a PDF renderer, never imitated; its typesetting, kept between runs;
// the clues that do not fit, outlined in red on the page and listed, each a
// click away from the clue editor; the answer key in its place at a click
// on "Ответы"; saving the PDF or the SVG of what is shown, and printing. A
// change is rendered in a worker thread: the window shows the page before
// it, and goes on answering, until the new one is ready.

#include <QBuffer>
#include <QByteArray>
#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "document/scanword_document.h"
#include "preview/page_render.h"
#include "preview/typeset_store.h"
#include "print/fit_report.h"
#include "print/output_formats.h"
#include "print/print_writer.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "script/export_choice.h"
#include "settings/print_settings.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPdfDocument;
class QPushButton;
class QScrollArea;
class QSettings;
class QToolButton;

namespace verstak {

class PageView;
class Prompter;

class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  // A change shows at most this long after it (plus the rendering itself).
  static constexpr int kRenderDelay = 100;  // ms
  // The zoom steps of + and − and of Ctrl+wheel, in per cent; 0 in the zoom
  // box is "fit to the window".
  static constexpr int kZoomSteps[] = {25, 50, 75, 100, 150, 200, 300, 400};

  // Reads the document and the print settings whenever it renders, so a
  // change to either shows. The typesetting is kept in `kept` (none: for
  // the run only).
  PreviewWindow(const ScanwordDocument& document, const PrintSettings& settings, Prompter& prompter,
                QSettings* kept = nullptr, QWidget* parent = nullptr);
  ~PreviewWindow() override;

  // The export dialog's layout and passes: the PDF is the one export writes.
  void setExportChoice(const ExportChoice& choice);
  // "Сканворд N" or the scanword file's name: the PDF's title; the
  // scanword file (when there is one) dates it; the answer key's caption.
  void setTitle(const QString& title, const QString& scanwordFile = {}, const QString& answerCaption = {});
  // The name the save dialogs offer, without folder or extension.
  void setSuggestedName(const QString& name) { suggestedName_ = name; }

  // Shows the window in front, rendered.
  void ShowPreview();
  // Something the output depends on changed: rendered again in the worker
  // within kRenderDelay while shown, else when next shown. A render asked
  // for while one runs is made when that one ends, which is not shown.
  void ScheduleRender();
  // A change not yet shown: waiting, rendering, or hidden.
  bool renderPending() const { return renderTimer_.isActive() || stale_ || rendering_; }
  // Renders now, in this thread.
  void Render();

  TypesetSettings typesetting() const { return typeset_; }
  // The typesetting's clue font, loaded once per name.
  const FontOutcome& typesetFont();

  // 0 fits the page to the window; otherwise per cent of its true size.
  void setZoom(int percent);
  int zoom() const { return zoom_; }
  void ZoomIn();
  void ZoomOut();

  // "Ответы" ticked: the answer key is shown and saved.
  bool showsAnswers() const;

  // "Сохранить PDF…", "Сохранить SVG…", "Печать…".
  void SavePdfCommand();
  void SaveSvgCommand();
  void PrintCommand();

  struct Controls {
    QComboBox* font = nullptr;
    QDoubleSpinBox* size = nullptr;
    QDoubleSpinBox* minimumSize = nullptr;
    QDoubleSpinBox* lineSpacing = nullptr;
    QDoubleSpinBox* lineWidth = nullptr;
    QCheckBox* arrowheads = nullptr;
    QComboBox* zoom = nullptr;
    QToolButton* zoomOut = nullptr;
    QToolButton* zoomIn = nullptr;
    QCheckBox* answers = nullptr;  // "Ответы"
    QListWidget* fitList = nullptr;
    QLabel* summary = nullptr;  // how many do not fit, or why nothing shows
    QPushButton* rebreak = nullptr;  // "Перенести строки"
    QPushButton* savePdf = nullptr;
    QPushButton* saveSvg = nullptr;
    QPushButton* print = nullptr;
  };
  const Controls& controls() const { return controls_; }
  PageView& pageView() { return *page_; }
  QScrollArea& scrollArea() { return *scroll_; }
  // What is shown: the PDF's bytes and the clues listed.
  const QByteArray& pdfBytes() const { return bytes_; }
  const FitReport& fitReport() const { return fits_; }

 signals:
  // A clue of the list was clicked: cell (column, row) and its slot.
  void clueChosen(int column, int row, int slot);
  // "Перенести строки": the lines shown are to go into the clue texts.
  void rebreakRequested();
  void rendered();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateTypesetControls();
  QWidget* CreateFitControls();
  QWidget* CreatePageArea();
  void CreateZoomKeys();
  void ShowTypesetting();
  void TypesetChanged();
  void StartRender();
  // What is rendered, copied from the window; none when the font fails,
  // which is shown.
  std::shared_ptr<const PageRenderJob> TakeJob();
  PageScaling Scaling() const;
  void Launch();
  void RenderDone();
  void ShowRendered(RenderedPage page, int request);
  void ShowProblem(const QString& text);
  void LoadPdf(const QByteArray& bytes);
  void FillFitList();
  void ApplyZoom();
  double PixelsPerMillimetreAt100() const;
  void SaveCommand(OutputFormat format);

  const ScanwordDocument& document_;
  const PrintSettings& settings_;
  Prompter& prompter_;
  TypesetStore store_;
  TypesetSettings typeset_;
  std::optional<FontOutcome> font_;  // for typeset_.font
  ExportChoice choice_;
  QString title_;
  QString scanwordFile_;
  QString answerCaption_;
  QString suggestedName_;
  int zoom_ = 0;
  bool placed_ = false;

  QTimer renderTimer_;
  bool stale_ = true;  // changed while hidden
  // Requests are numbered: the one running is shown only if none came after.
  QFutureWatcher<RenderedPage> worker_;
  bool rendering_ = false;
  int requested_ = 0;
  int running_ = 0;
  int shown_ = 0;
  QByteArray bytes_;
  std::unique_ptr<QBuffer> buffer_;
  QPdfDocument* pdf_ = nullptr;
  FitReport fits_;

  Controls controls_;
  QScrollArea* scroll_ = nullptr;
  PageView* page_ = nullptr;
};

}  // namespace verstak
