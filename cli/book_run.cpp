#include "cli/book_run.h"

#include "cli/every_puzzle.h"
#include "cli/message_text.h"
#include "cli/progress_bar.h"
#include "cli/puzzle_output.h"
#include "document/auto_markup.h"
#include "document/blanks.h"
#include "files/atomic_file.h"
#include "files/scanword_file.h"
#include "print/answer_key.h"
#include "print/book_pdf.h"
#include "print/fit_report.h"
#include "print/press_check.h"
#include "print/print_drawing.h"
#include "print/print_writer.h"

namespace verstak::batch {
namespace {

constexpr std::string_view kNotReadyForPress = "сканворд не готов к печати";

// The puzzles as they come: each checked, drawn and put in the book, or
// listed and left out.
class BookRun {
 public:
  BookRun(const Options& options, const TypesetFont& font, PressSettings press, Streams streams)
      : options_(options),
        font_(font),
        bar_(streams.err, streams.errIsTerminal),
        book_(font, options.typeset, std::move(press), {options.perPage, options.bookTitle},
              options.bookTitle.empty() ? "Сканворды" : options.bookTitle) {}

  // False once --strict stops the run.
  bool take(ScanwordDocument& document, const std::string& label, const std::string& caption) {
    if (options_.markup) AutoMarkup(document);
    Drawing drawing = PrintDrawing(document, options_.settings, options_.typeset, font_, ExportChoice{});
    const std::vector<std::string> faults = PressFaults(document, MakeFitReport(drawing));
    if (!faults.empty()) {
      for (const std::string& fault : faults) bar_.print(label + ": " + fault);
      if (options_.strict) {
        stopped_ = true;
        return false;
      }
      skip(label, std::string(kNotReadyForPress));
      return true;
    }
    AnswerKeyOutcome key =
        AnswerKeyDrawing({document, options_.settings, options_.typeset, font_, options_.answerCell, caption});
    if (key.failure) bar_.print(label + ": " + key.failure->text);
    if (Failure failure = book_.addPuzzle(std::move(drawing), std::move(key.drawing), label)) {
      skip(label, failure->text);
      return true;
    }
    return true;
  }

  void skip(const std::string& label, const std::string& reason) {
    ++skipped_;
    bar_.print(label + " пропущен: " + reason);
  }
  void progress(double done) { bar_.update(done, book_.puzzles(), skipped_); }
  void clearBar() { bar_.clear(); }

  bool stopped() const { return stopped_; }
  int skipped() const { return skipped_; }
  BookPdf& book() { return book_; }

 private:
  const Options& options_;
  const TypesetFont& font_;
  ProgressBar bar_;
  BookPdf book_;
  int skipped_ = 0;
  bool stopped_ = false;
};

std::vector<UserMessage> FromGridFile(const Options& options, BookRun& run) {
  ScanwordDocument document;
  EveryPuzzleHandlers handlers;
  handlers.puzzle = [&](int number, const PuzzleReads& reads) {
    if (run.stopped() || (options.numbers && !options.numbers->contains(number))) return;
    const std::string label = "№ " + std::to_string(number);
    if (const std::vector<UserMessage> failures = reads.failures(); !failures.empty()) {
      run.skip(label, JoinedMessages(failures));
      return;
    }
    reads.applyTo(document);
    run.take(document, label, AnswerCaption({}, number));
  };
  handlers.numberOutOfRange = [&](int number) { run.skip("№ " + std::to_string(number), "номер вне 1..10000"); };
  handlers.progress = [&](double done) { run.progress(done); };
  return ReadEveryPuzzle(*options.input.grid, options.input.definitions, handlers);
}

void FromScanwordFiles(const Options& options, BookRun& run) {
  ScanwordDocument document;
  const std::size_t count = options.bookFiles.size();
  for (std::size_t i = 0; i < count && !run.stopped(); ++i) {
    const std::filesystem::path& file = options.bookFiles[i];
    const std::string label = file.filename().string();
    const ScanwordFileResult read = ReadScanwordFile(file);
    if (read.failure) {
      run.skip(label, read.failure->text);
    } else {
      read.applyTo(document);
      run.take(document, label, AnswerCaption(file, 0));
    }
    run.progress(static_cast<double>(i + 1) / static_cast<double>(count));
  }
}

}  // namespace

int RunBook(const Options& options, Streams streams) {
  std::vector<UserMessage> failures;
  FontOutcome font = LoadTypesetFont(options.typeset.font);
  if (font.failure) failures.push_back(std::move(*font.failure));
  std::optional<PressSettings> press = font.font ? PressOf(options, failures) : std::nullopt;
  if (!press) {
    for (const UserMessage& message : failures) streams.err << message.text << '\n';
    return kExitFailed;
  }
  if (options.input.grid) {
    if (const std::vector<UserMessage> missing = MissingFiles(options.input.fileNames()); !missing.empty()) {
      for (const UserMessage& message : missing) streams.err << message.text << '\n';
      return kExitFailed;
    }
  }
  BookRun run(options, *font.font, std::move(*press), streams);
  std::vector<UserMessage> unread;
  if (options.input.grid) {
    unread = FromGridFile(options, run);
  } else {
    FromScanwordFiles(options, run);
  }
  run.clearBar();
  for (const UserMessage& message : unread) streams.err << message.text << '\n';
  if (run.stopped()) {
    streams.err << "Выпуск не записан: сканворд не готов к печати (--strict).\n";
    return kExitFailed;
  }
  if (run.book().puzzles() == 0) {
    streams.err << "Выпуск не записан: в него не вошло ни одного сканворда.\n";
    return kExitFailed;
  }
  const PrintBytes bytes = run.book().finish();
  if (bytes.failure) {
    streams.err << bytes.failure->text << '\n';
    return kExitFailed;
  }
  if (const WriteOutcome file = WriteFileAtomically(options.output, bytes.bytes); !file) {
    streams.err << WriteFailedMessage(kPrintWriteFailedMessage, options.output, *file.failure).text << '\n';
    return kExitFailed;
  }
  streams.out << "Сканвордов: " << run.book().puzzles() << ", страниц: " << run.book().pages()
              << ", пропущено: " << run.skipped() << '\n';
  return run.skipped() > 0 || !unread.empty() ? kExitFailed : kExitDone;
}

}  // namespace verstak::batch
