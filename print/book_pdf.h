#pragma once
// An issue of many puzzles as one PDF/X: the puzzles one to a page (or two,
// one above the other, when they fit), each page of the paper size with a
// running line at its foot, then the answer pages with every puzzle's key
// in a grid of rows and columns. Pages are written as they fill, so a page's
// drawings are dropped once it is on the file; only the keys wait for the
// end.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/user_message.h"
#include "print/pdf_writer.h"
#include "print/press_page.h"
#include "print/press_pdf.h"
#include "print/press_settings.h"
#include "print/print_drawing.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"

namespace verstak {

inline constexpr double kBookMargin = 10.0;        // mm inside the trim on every side
inline constexpr double kRunningLineBand = 8.0;    // mm at the foot of the page, inside the margin
inline constexpr double kRunningLineSize = 8.0;    // pt
inline constexpr double kBookGap = 6.0;            // mm between two puzzles or two keys

struct BookSettings {
  int perPage = 1;    // 1 or 2 puzzles to a page
  std::string title;  // UTF-8: the name in the running line; may be empty
};

class BookPdf {
 public:
  // `press.paper` is the page; `pdfTitle` (UTF-8) the file's title.
  BookPdf(const TypesetFont& font, const TypesetSettings& typeset, PressSettings press, BookSettings book,
          std::string_view pdfTitle);

  // `label` (UTF-8, "№ 5" or a file's name) names the puzzle in the running
  // line; `key` is kept for the answer pages. Fails, adding nothing, when
  // the puzzle is larger than the room on the page.
  Failure addPuzzle(Drawing puzzle, std::optional<Drawing> key, std::string label);

  int puzzles() const { return puzzles_; }
  // Pages written so far, the answer pages counted once finish() has run.
  int pages() const { return pages_; }

  // The pending page, the answer pages, then the file.
  PrintBytes finish();

  // The room for drawings on a page of `paper`: the trim less the margin
  // and the running line, in the page's coordinates (its trim's).
  static PageBox Room(const PressPage& page);

 private:
  struct Pending {
    Drawing drawing;
    std::string label;
  };
  bool fitsWith(const Drawing& drawing) const;
  void flush();
  void answerPages();
  void addPage(std::vector<const Drawing*> drawings, std::vector<PagePoint> origins, const std::string& line);
  Drawing runningLine(const std::string& text) const;

  const TypesetFont& font_;
  TypesetSettings typeset_;
  PressSettings press_;
  BookSettings book_;
  PressPage page_;
  PressPdf pdf_;
  std::vector<Pending> pending_;
  std::vector<Drawing> keys_;
  int puzzles_ = 0;
  int pages_ = 0;
};

}  // namespace verstak
