// verstak-batch book: pages and boxes with pdfinfo, the running lines and
// the answer pages with pdftotext, two puzzles to a page when they fit,
// puzzles not ready listed and left out or stopping the run with --strict,
// the numbers asked for, and the same bytes twice.

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "batch_test_support.h"
#include "book_puzzles.h"
#include "document/cp1251.h"
#include "markup_generator.h"
#include "files/scanword_file.h"
#include "print/book_pdf.h"
#include "print/print_drawing.h"
#include "temp_folder.h"

namespace verstak::batch {
namespace {

using testing::BatchRun;
using testing::RunBatchWith;

class Book : public testing::SmallPuzzleFiles {
 protected:
  Book() { setenv("SOURCE_DATE_EPOCH", "0", 1); }
  ~Book() override { unsetenv("SOURCE_DATE_EPOCH"); }

  // Scanword files p1.skw … of the sizes given, ready for the press.
  std::vector<std::string> puzzles(const std::vector<std::pair<int, int>>& sizes) const {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      const std::string file = path("p" + std::to_string(i + 1) + ".skw");
      EXPECT_FALSE(WriteScanwordFile(
          file, testing::ReadyBookPuzzle(sizes[i].first, sizes[i].second, static_cast<int>(i))));
      files.push_back(file);
    }
    return files;
  }
  BatchRun book(std::vector<std::string> files, std::vector<std::string> more) const {
    std::vector<std::string> arguments = {"book"};
    arguments.insert(arguments.end(), files.begin(), files.end());
    arguments.insert(arguments.end(), more.begin(), more.end());
    return RunBatchWith(arguments);
  }
  std::string tool(const std::string& command) const {
    EXPECT_EQ(std::system((command + " > '" + path("tool") + "' 2>&1").c_str()), 0) << command;
    return TempFolder::Read(folder / "tool");
  }
  int pages(const std::string& pdf) const {
    std::smatch found;
    const std::string info = tool("pdfinfo '" + pdf + "'");
    EXPECT_TRUE(std::regex_search(info, found, std::regex("Pages: +([0-9]+)"))) << info;
    return found.empty() ? 0 : std::stoi(found[1]);
  }
  // Page `n`'s text, blanks dropped.
  std::string pageText(const std::string& pdf, int n) const {
    std::string text = tool("pdftotext -enc UTF-8 -f " + std::to_string(n) + " -l " + std::to_string(n) + " '" +
                            pdf + "' -");
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\f'; });
    return text;
  }
};

// Each page's size in points and its TrimBox, "W x H" from pdfinfo -box.
std::vector<std::string> Boxes(const std::string& info, const std::string& name) {
  std::vector<std::string> found;
  const std::regex line("Page +[0-9]+ " + name + ": +([-0-9.]+) +([-0-9.]+) +([-0-9.]+) +([-0-9.]+)");
  for (auto it = std::sregex_iterator(info.begin(), info.end(), line); it != std::sregex_iterator(); ++it) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f x %.2f", std::stod((*it)[3]) - std::stod((*it)[1]),
                  std::stod((*it)[4]) - std::stod((*it)[2]));
    found.emplace_back(text);
  }
  return found;
}

TEST_F(Book, OnePuzzleAPageThenTheAnswers) {
  const std::vector<std::string> files = puzzles({{6, 5}, {5, 6}, {7, 4}});
  const BatchRun run = book(files, {"-o", path("issue.pdf"), "--page", "A5", "--title", "Выпуск 9"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Сканвордов: 3, страниц: 4, пропущено: 0\n");
  const std::string pdf = path("issue.pdf");
  ASSERT_EQ(pages(pdf), 4);
  const std::string info = tool("pdfinfo -f 1 -l 4 -box '" + pdf + "'");
  EXPECT_EQ(Boxes(info, "TrimBox"), std::vector<std::string>(4, "419.53 x 595.28")) << info;
  EXPECT_NE(info.find("PDF subtype:    PDF/X-1:2003"), std::string::npos);
  for (int page = 1; page <= 3; ++page) {
    const std::string name = "p" + std::to_string(page) + ".skw";
    EXPECT_NE(pageText(pdf, page).find("Выпуск9—" + name + "—стр." + std::to_string(page)), std::string::npos)
        << pageText(pdf, page);
  }
  // All three keys on one answer page, each under its caption.
  const std::string answers = pageText(pdf, 4);
  EXPECT_NE(answers.find("Выпуск9—Ответы—стр.4"), std::string::npos) << answers;
  for (const char* caption : {"Ответыксканвордуp1", "Ответыксканвордуp2", "Ответыксканвордуp3"})
    EXPECT_NE(answers.find(caption), std::string::npos) << answers;

  const BatchRun again = book(files, {"-o", path("again.pdf"), "--page", "A5", "--title", "Выпуск 9"});
  ASSERT_EQ(again.status, 0);
  EXPECT_EQ(TempFolder::Read(folder / "issue.pdf"), TempFolder::Read(folder / "again.pdf"));
}

TEST_F(Book, TwoToAPageWhenTheyFit) {
  // On A4 (the default) two 8-row puzzles fit one above the other; a
  // 16-row one and an 8-row one do not.
  const std::vector<std::string> files = puzzles({{5, 8}, {5, 8}, {5, 16}, {5, 8}, {4, 8}});
  const BatchRun run = book(files, {"-o", path("two.pdf"), "--per-page", "2"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string pdf = path("two.pdf");
  ASSERT_EQ(pages(pdf), 4);  // 1+2, 3, 4+5, and the answers
  EXPECT_NE(pageText(pdf, 1).find("p1.skw,p2.skw—стр.1"), std::string::npos) << pageText(pdf, 1);
  EXPECT_NE(pageText(pdf, 2).find("p3.skw—стр.2"), std::string::npos) << pageText(pdf, 2);
  EXPECT_NE(pageText(pdf, 3).find("p4.skw,p5.skw—стр.3"), std::string::npos) << pageText(pdf, 3);
  EXPECT_EQ(Boxes(tool("pdfinfo -f 1 -l 4 -box '" + pdf + "'"), "TrimBox"),
            std::vector<std::string>(4, "595.28 x 841.88"));  // 297 mm on 1/32 pt
}

// The book holds at most one page's puzzles: a page is written the moment
// it is full, so that memory stays flat however many puzzles follow.
TEST(BookPdfPages, EachPageIsWrittenOnceItIsFull) {
  const TypesetSettings typeset;
  const FontOutcome font = LoadTypesetFont(typeset.font);
  ASSERT_TRUE(font.font.has_value()) << (font.failure ? font.failure->text : "");
  for (const int perPage : {1, 2}) {
    SCOPED_TRACE(perPage);
    PressSettings press;
    press.paper = PaperSize{210, 297};
    BookPdf book(*font.font, typeset, press, BookSettings{perPage, ""}, "Выпуск");
    for (int i = 1; i <= 4; ++i) {
      const Drawing drawing =
          PrintDrawing(testing::ReadyBookPuzzle(5, 8, i), PrintSettings{}, typeset, *font.font, ExportChoice{});
      ASSERT_FALSE(book.addPuzzle(drawing, std::nullopt, "№ " + std::to_string(i)));
      EXPECT_EQ(book.pages(), i / perPage) << "after puzzle " << i;
    }
    EXPECT_FALSE(book.finish().bytes.empty());
    EXPECT_EQ(book.pages(), 4 / perPage);  // no answer page without keys
  }
}

TEST_F(Book, PuzzlesNotReadyAreLeftOutOrStopTheRun) {
  std::vector<std::string> files = puzzles({{5, 5}, {5, 5}});
  ScanwordDocument spoilt = testing::ReadyBookPuzzle(5, 5, 1);
  spoilt.definitions.slot(3).clear();
  ASSERT_FALSE(WriteScanwordFile(path("empty.skw"), spoilt));
  files.insert(files.begin() + 1, path("empty.skw"));
  files.push_back(path("missing.skw"));

  const BatchRun loose = book(files, {"-o", path("loose.pdf")});
  EXPECT_EQ(loose.status, 1);
  EXPECT_EQ(loose.out, "Сканвордов: 2, страниц: 3, пропущено: 2\n");
  EXPECT_NE(loose.err.find("empty.skw: Определение 3 (строка 3, столбец 1): нет текста\n"), std::string::npos) << loose.err;
  EXPECT_NE(loose.err.find("empty.skw пропущен: сканворд не готов к печати\n"), std::string::npos) << loose.err;
  EXPECT_NE(loose.err.find("missing.skw пропущен: "), std::string::npos) << loose.err;
  EXPECT_EQ(pages(path("loose.pdf")), 3);

  const BatchRun strict = book(files, {"-o", path("strict.pdf"), "--strict"});
  EXPECT_EQ(strict.status, 1);
  EXPECT_TRUE(strict.err.ends_with("Выпуск не записан: сканворд не готов к печати (--strict).\n")) << strict.err;
  EXPECT_FALSE(std::filesystem::exists(folder / "strict.pdf"));
}

// The grid file's puzzles are not marked up: each is listed and left out,
// only the numbers asked for are looked at, and nothing is written.
TEST_F(Book, NumbersOfTheGridFile) {
  const BatchRun run =
      RunBatchWith({"book", "--grid", grid, "--definitions", definitions, "--numbers", "1,3", "-o", path("g.pdf")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("№ 1 пропущен: сканворд не готов к печати\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("№ 3 пропущен: "), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("№ 2"), std::string::npos) << run.err;
  EXPECT_TRUE(run.err.ends_with("Выпуск не записан: в него не вошло ни одного сканворда.\n")) << run.err;
  EXPECT_FALSE(std::filesystem::exists(folder / "g.pdf"));
}

// --markup marks each puzzle up on the way: the clue cell of row 1 gets its
// word (the one of row 2 has none to get, and puzzle 1 has a clue too few).
TEST_F(Book, MarkupOnTheWay) {
  const std::vector<std::string> base = {"book", "--grid", grid, "--definitions", definitions, "--numbers", "1",
                                         "-o", path("m.pdf")};
  const BatchRun plain = RunBatchWith(base);
  EXPECT_NE(plain.err.find("№ 1: строка 1, столбец 1: мест для определений"), std::string::npos) << plain.err;
  std::vector<std::string> marked = base;
  marked.push_back("--markup");
  const BatchRun run = RunBatchWith(marked);
  EXPECT_EQ(run.err.find("строка 1, столбец 1: мест для определений"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("нет определения"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("№ 1: строка 2, столбец 1: мест для определений 1, слов 0"), std::string::npos) << run.err;
}

// A generated pair of files marked up on the way: the pages, and the keys on
// the answer page, follow the order of --numbers; a number the grid file
// does not hold is listed and fails the run, the rest still printed.
TEST_F(Book, PagesInTheOrderOfTheNumbers) {
  std::string grids, clues;
  for (int number = 1, seed = 1; number <= 4; ++seed) {
    const std::optional<testing::GeneratedGrid> grid = testing::GridWithIntendedMarkup(seed, 6, 6, 25);
    if (!grid) continue;
    grids += testing::GridFileText(*grid, number);
    const std::size_t words = FindWords(testing::DocumentOf(*grid)).size();
    clues += testing::DefinitionsFileText(std::vector<std::string>(words, Utf8ToCp1251("Кот")), number);
    ++number;
  }
  folder.write("g.txt", grids);
  folder.write("d.txt", clues);
  const BatchRun run = RunBatchWith({"book", "--grid", path("g.txt"), "--definitions", path("d.txt"), "--markup",
                                     "--numbers", "3,1,9,4-4,3", "-o", path("order.pdf")});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(run.err, "№ 9 пропущен: Такой сетки нет!\n");
  EXPECT_EQ(run.out, "Сканвордов: 3, страниц: 4, пропущено: 1\n");
  const std::string pdf = path("order.pdf");
  for (const auto& [page, number] : {std::pair{1, 3}, {2, 1}, {3, 4}})
    EXPECT_NE(pageText(pdf, page).find("№" + std::to_string(number) + "—стр." + std::to_string(page)), std::string::npos)
        << pageText(pdf, page);
  const std::string answers = pageText(pdf, 4);
  const std::size_t third = answers.find("Ответыксканворду№3"), first = answers.find("Ответыксканворду№1"),
                    fourth = answers.find("Ответыксканворду№4");
  ASSERT_NE(fourth, std::string::npos) << answers;
  EXPECT_LT(third, first);
  EXPECT_LT(first, fourth);
}

TEST_F(Book, UsageRefused) {
  const struct {
    std::vector<std::string> arguments;
    std::string problem;
  } cases[] = {
      {{"book", "-o", "a.pdf"}, "book: нужен --grid с --all или --numbers, или файлы .skw"},
      {{"book", "--grid", "g", "-o", "a.pdf"}, "book: укажите --all или --numbers"},
      {{"book", "--grid", "g", "--all", "--numbers", "1", "-o", "a.pdf"}, "book: укажите --all или --numbers"},
      {{"book", "a.skw", "--grid", "g", "-o", "a.pdf"},
       "book: файлы .skw или --grid с --all или --numbers, но не то и другое"},
      {{"book", "--grid", "g", "--numbers", "5,9-7", "-o", "a.pdf"},
       "--numbers: номера и диапазоны через запятую, например 5,7,12-20, а не 5,9-7"},
      {{"book", "--grid", "g", "--numbers", "0", "-o", "a.pdf"},
       "--numbers: номера и диапазоны через запятую, например 5,7,12-20, а не 0"},
      {{"book", "a.skw", "--per-page", "3", "-o", "a.pdf"}, "--per-page: 1 или 2, а не 3"},
      {{"book", "a.skw", "--layout", "one", "-o", "a.pdf"}, "параметр --layout не относится к команде book"},
      {{"book", "a.skw"}, "не указан выходной файл: -o"},
  };
  for (const auto& c : cases) {
    const BatchRun run = RunBatchWith(c.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("verstak-batch: " + c.problem + "\n")) << run.err;
  }
}

}  // namespace
}  // namespace verstak::batch
