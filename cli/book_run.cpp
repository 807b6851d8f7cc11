#include "cli/book_run.h"

#include "cli/every_puzzle.h"
#include "cli/given_order.h"
#include "cli/message_text.h"
#include "cli/progress_bar.h"
#include "cli/puzzle_output.h"
#include "document/auto_markup.h"
#include "document/blanks.h"
#include "files/atomic_file.h"
#include "files/grid_file.h"
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

// A puzzle checked and drawn, waiting for its page.
struct ReadyPuzzle {
  Drawing drawing;
  std::optional<Drawing> key;
  std::string label;
};

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

  // The puzzle checked and drawn for its page, or nullopt when it is
  // listed and left out, or when --strict stops the run.
  std::optional<ReadyPuzzle> prepare(ScanwordDocument& document, const std::string& label, const std::string& caption) {
    if (options_.markup) AutoMarkup(document);
    Drawing drawing = PrintDrawing(document, options_.settings, options_.typeset, font_, ExportChoice{});
    const std::vector<std::string> faults = PressFaults(document, MakeFitReport(drawing));
    if (!faults.empty()) {
      for (const std::string& fault : faults) bar_.print(label + ": " + fault);
      if (options_.strict) {
        stopped_ = true;
      } else {
        skip(label, std::string(kNotReadyForPress));
      }
      return std::nullopt;
    }
    AnswerKeyOutcome key =
        AnswerKeyDrawing({document, options_.settings, options_.typeset, font_, options_.answerCell, caption});
    if (key.failure) bar_.print(label + ": " + key.failure->text);
    return ReadyPuzzle{std::move(drawing), std::move(key.drawing), label};
  }

  void add(ReadyPuzzle puzzle) {
    if (Failure failure = book_.addPuzzle(std::move(puzzle.drawing), std::move(puzzle.key), puzzle.label))
      skip(puzzle.label, failure->text);
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

std::string NumberLabel(int number) { return "№ " + std::to_string(number); }

// The grid file's puzzles come as the files hold them; with --numbers the
// pages follow the order written there, and a number the file does not hold
// is listed.
std::vector<UserMessage> FromGridFile(const Options& options, BookRun& run) {
  ScanwordDocument document;
  GivenOrder<ReadyPuzzle> order(options.numberOrder);
  const auto add = [&](ReadyPuzzle puzzle) { run.add(std::move(puzzle)); };
  EveryPuzzleHandlers handlers;
  handlers.puzzle = [&](int number, const PuzzleReads& reads) {
    if (run.stopped() || (options.numbers && !options.numbers->contains(number))) return;
    const std::string label = NumberLabel(number);
    std::optional<ReadyPuzzle> ready;
    if (const std::vector<UserMessage> failures = reads.failures(); !failures.empty()) {
      run.skip(label, JoinedMessages(failures));
    } else {
      reads.applyTo(document);
      ready = run.prepare(document, label, AnswerCaption({}, number));
    }
    if (!options.numbers) {
      if (ready) add(std::move(*ready));
    } else {
      order.arrive(number, std::move(ready), add);
    }
  };
  handlers.numberOutOfRange = [&](int number) { run.skip(NumberLabel(number), "номер вне 1..10000"); };
  handlers.progress = [&](double done) { run.progress(done); };
  std::vector<UserMessage> unread = ReadEveryPuzzle(*options.input.grid, options.input.definitions, handlers);
  const std::vector<int> missing = order.finish(add);
  // A read error cut the pass short: what it did not reach is not known missing.
  if (!run.stopped() && unread.empty())
    for (int number : missing) run.skip(NumberLabel(number), GridRowsReading::NotFound().text);
  return unread;
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
      if (std::optional<ReadyPuzzle> ready = run.prepare(document, label, AnswerCaption(file, 0)))
        run.add(std::move(*ready));
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
