// The answer key: its letters read back with pdftotext row by row as the
// grid holds them, its cells against the grid's kinds, the refusal of a grid
// without letters, and the key through verstak-batch (--answers,
// --with-answers, --answer-cell) with pdfinfo's pages and boxes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "batch_test_support.h"
#include "document/cp1251.h"
#include "print/answer_key.h"
#include "print/cmyk.h"
#include "print_test_support.h"
#include "temp_folder.h"

namespace verstak {
namespace {

using namespace verstak::testing;

struct ToolRun {
  int status = -1;
  std::string output;
};

class AnswerKeyTest : public ::testing::Test {
 protected:
  TempFolder folder;

  ToolRun run(const std::string& command) const {
    const std::string full = command + " > '" + (folder / "tool").string() + "' 2>/dev/null";
    const int raw = std::system(full.c_str());
    ToolRun result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TempFolder::Read(folder / "tool")};
    if (result.status == 127) ADD_FAILURE() << "not installed (poppler-utils): " << command;
    return result;
  }

  // The lines pdftotext -layout gives, blanks dropped, empty lines left out.
  std::vector<std::string> textLines(const std::string& pdf) {
    const std::string file = folder.write("key.pdf", pdf).string();
    const ToolRun text = run("pdftotext -layout -enc UTF-8 '" + file + "' -");
    EXPECT_EQ(text.status, 0);
    std::vector<std::string> lines;
    std::istringstream in(text.output);
    for (std::string line; std::getline(in, line);) {
      std::erase_if(line, [](char c) { return c == ' ' || c == '\f'; });
      if (!line.empty()) lines.push_back(line);
    }
    return lines;
  }
};

// Rows of UTF-8 letters ("." no letter, "#" a clue cell, "%" a picture);
// clue cells and pictures hold `hidden` in the grid file, which the key
// must not show.

ScanwordDocument DocumentOf(const std::vector<std::string>& rows, const std::string& hidden) {
  ScanwordDocument document;
  document.gridHeight = static_cast<std::uint8_t>(rows.size());
  for (std::size_t y = 0; y < rows.size(); ++y) {
    const std::string row = Utf8ToCp1251(rows[y]);
    document.gridWidth = static_cast<std::uint8_t>(row.size());
    for (std::size_t x = 0; x < row.size(); ++x) {
      const int cx = static_cast<int>(x) + 1, cy = static_cast<int>(y) + 1;
      const char c = row[x];
      if (c == '#') document.cells.at(cx, cy).kind = CellKind::ClueSplitHorizontal;
      if (c == '%') document.cells.at(cx, cy).kind = CellKind::Picture;
      const std::string letter = c == '#' || c == '%' ? Utf8ToCp1251(hidden) : std::string(1, c);
      if (letter != ".") document.letters.set(cx, cy, static_cast<std::uint8_t>(letter[0]));
    }
  }
  return document;
}

TEST_F(AnswerKeyTest, LettersReadBackRowByRowAsCapitals) {
  const std::vector<std::string> rows = {"#кот", "ёж#а", "%Ящр", "...."};
  const ScanwordDocument document = DocumentOf(rows, "Щ");
  const PrintSettings settings;
  const TypesetSettings typeset;
  const AnswerKeyJob job{document, settings, typeset, DefaultFont(), 5.0, "Ответы к сканворду № 7"};
  const PrintBytes pdf = AnswerKeyPdf(job, {});
  ASSERT_FALSE(pdf.failure) << pdf.failure->text;
  EXPECT_EQ(textLines(pdf.bytes), (std::vector<std::string>{"Ответыксканворду№7", "КОТ", "ЁЖА", "ЯЩР"}));
}

// One square for each cell of the cell's size, filled as its kind asks; a
// text centred on each letter cell with a letter; no arrow at all.
TEST_F(AnswerKeyTest, CellsFollowTheGridsKinds) {
  ScanwordDocument document = DocumentOf({"#ab", "c%."}, "x");
  document.cells.at(3, 1).kind = CellKind::ArrowFromLeftRight;  // an arrow cell is a letter cell
  PrintSettings settings;
  settings.cyanText = "40,";
  settings.magentaText = "0,";
  settings.yellowText = "0,";
  settings.blackText = "0";
  const TypesetSettings typeset;
  const double cell = 6.5;
  const AnswerKeyOutcome key = AnswerKeyDrawing({document, settings, typeset, DefaultFont(), cell, "К"});
  ASSERT_TRUE(key.drawing);
  int squares = 0, letters = 0;
  PageBox first{};
  for (const Shape& shape : key.drawing->shapes) {
    ASSERT_FALSE(std::holds_alternative<ArrowShape>(shape.form));
    if (const auto* square = std::get_if<RectangleShape>(&shape.form)) {
      if (squares++ == 0) first = square->box;
      EXPECT_NEAR(square->box.width(), cell, 1e-9);
      EXPECT_NEAR(square->box.height(), cell, 1e-9);
      EXPECT_NEAR(square->box.left - first.left, (shape.column - 1) * cell, 1e-9);
      EXPECT_NEAR(square->box.top - first.top, (shape.row - 1) * cell, 1e-9);
      const CellKind kind = document.cells.at(shape.column, shape.row).kind;
      const Cmyk expected = kind == CellKind::Picture ? kPictureGrey : IsClueKind(kind) ? Cmyk{40, 0, 0, 0} : kBlack;
      EXPECT_EQ(square->filled, kind == CellKind::Picture || IsClueKind(kind));
      EXPECT_EQ(shape.colour, expected) << shape.row << "," << shape.column;
    } else if (shape.row > 0) {
      const TextBlock& text = std::get<TextBlock>(shape.form);
      ++letters;
      ASSERT_EQ(text.lines.size(), 1u);
      const std::string capital(1, static_cast<char>(CapitalCp1251(document.letters.at(shape.column, shape.row))));
      EXPECT_EQ(text.lines[0].text, capital);
      const double centre = text.lines[0].origin.x + text.lines[0].width / 2;
      EXPECT_NEAR(centre, first.left + (shape.column - 0.5) * cell, 1e-6);
      EXPECT_EQ(shape.colour, kBlack);
    }
  }
  EXPECT_EQ(squares, 6);
  EXPECT_EQ(letters, 3);  // a, b, c: not the clue's x, the picture's, nor the empty cell
}

TEST_F(AnswerKeyTest, CaptionAndCapitals) {
  EXPECT_EQ(AnswerCaption({}, 12), "Ответы к сканворду № 12");
  EXPECT_EQ(AnswerCaption("/x/Кошки.skw", 12), "Ответы к сканворду Кошки");
  const std::string lower = Utf8ToCp1251("абвгдежзийклмнопрстуфхцчшщъыьэюяёq");
  const std::string upper = Utf8ToCp1251("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЁQ");
  for (std::size_t i = 0; i < lower.size(); ++i) {
    EXPECT_EQ(CapitalCp1251(static_cast<unsigned char>(lower[i])), static_cast<unsigned char>(upper[i])) << i;
    EXPECT_EQ(CapitalCp1251(static_cast<unsigned char>(upper[i])), static_cast<unsigned char>(upper[i])) << i;
  }
  EXPECT_EQ(CapitalCp1251('7'), '7');
}

TEST_F(AnswerKeyTest, GridWithoutLettersIsRefused) {
  // Letters under clue cells do not count.
  const ScanwordDocument document = DocumentOf({"#..", "..."}, "x");
  const PrintSettings settings;
  const TypesetSettings typeset;
  const AnswerKeyJob job{document, settings, typeset, DefaultFont(), 5.0, "К"};
  for (const PrintBytes& made : {AnswerKeyPdf(job, {}), AnswerKeySvg(job)}) {
    ASSERT_TRUE(made.failure);
    EXPECT_EQ(made.failure->text, "В сетке нет букв: ключ ответов не из чего сделать.");
    EXPECT_TRUE(made.bytes.empty());
  }
}

// The pages' sizes and trim boxes, as pdfinfo -box gives them: "W x H".
std::vector<std::string> Boxes(const std::string& info, const std::string& name) {
  std::vector<std::string> found;
  const std::regex line("Page +[0-9]+ " + name + ": +([-0-9.]+) +([-0-9.]+) +([-0-9.]+) +([-0-9.]+)");
  for (auto it = std::sregex_iterator(info.begin(), info.end(), line); it != std::sregex_iterator(); ++it) {
    const double width = std::stod((*it)[3]) - std::stod((*it)[1]);
    const double height = std::stod((*it)[4]) - std::stod((*it)[2]);
    char text[64];
    std::snprintf(text, sizeof text, "%.2f x %.2f", width, height);
    found.emplace_back(text);
  }
  return found;
}

class BatchAnswers : public SmallPuzzleFiles {
 protected:
  BatchAnswers() { setenv("SOURCE_DATE_EPOCH", "0", 1); }
  ~BatchAnswers() override { unsetenv("SOURCE_DATE_EPOCH"); }

  BatchRun exportPuzzle(int number, std::vector<std::string> more) const {
    std::vector<std::string> arguments = {
        "export", "--grid", grid, "--definitions", definitions, "--number", std::to_string(number)};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return RunBatchWith(arguments);
  }
  std::string info(const std::string& file) const {
    const std::string command = "pdfinfo -f 1 -l 9 -box '" + file + "' > '" + path("info") + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return TempFolder::Read(folder / "info");
  }
};

TEST_F(BatchAnswers, AnswersAloneOrAsTheSecondPage) {
  const BatchRun key = exportPuzzle(1, {"--answers", "-o", path("key.pdf"), "--answer-cell", "8"});
  ASSERT_EQ(key.status, 0) << key.err;
  EXPECT_EQ(key.err, "");  // the key has no clue: the puzzle's warnings are not its own
  const std::string keyInfo = info(path("key.pdf"));
  EXPECT_NE(keyInfo.find("Pages:           1"), std::string::npos) << keyInfo;
  EXPECT_NE(keyInfo.find("Ответы к сканворду № 1"), std::string::npos) << keyInfo;
  // 4 x 2 cells of 8 mm, wider than the caption (7 pt) above them and 1 mm
  // away; the frame's half line on each side.
  EXPECT_EQ(Boxes(keyInfo, "TrimBox"), (std::vector<std::string>{"91.28 x 55.75"})) << keyInfo;

  const BatchRun both = exportPuzzle(1, {"--with-answers", "--page", "A5", "-o", path("both.pdf")});
  ASSERT_EQ(both.status, 0) << both.err;
  const std::string bothInfo = info(path("both.pdf"));
  EXPECT_NE(bothInfo.find("Pages:           2"), std::string::npos) << bothInfo;
  EXPECT_EQ(Boxes(bothInfo, "TrimBox"), (std::vector<std::string>{"419.53 x 595.28", "419.53 x 595.28"}));

  const BatchRun svg = exportPuzzle(1, {"--answers", "-o", path("key.svg")});
  ASSERT_EQ(svg.status, 0) << svg.err;
  const std::string text = TempFolder::Read(folder / "key.svg");
  EXPECT_NE(text.find(">Ответы к сканворду № 1<"), std::string::npos);
  EXPECT_EQ(std::system(("xmllint --noout '" + path("key.svg") + "'").c_str()), 0);

  const BatchRun none = exportPuzzle(2, {"--answers", "-o", path("none.pdf")});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, "В сетке нет букв: ключ ответов не из чего сделать.\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "none.pdf"));
}

TEST_F(BatchAnswers, OptionsRefused) {
  const struct {
    std::vector<std::string> more;
    std::string problem;
  } cases[] = {
      {{"--answers", "--with-answers", "-o", "a.pdf"}, "--answers и --with-answers не указываются вместе"},
      {{"--answers", "-o", "a.csc"}, "ключ ответов пишется в PDF или SVG, а не в макрос"},
      {{"--with-answers", "-o", "a.svg"}, "--with-answers добавляет страницу только к PDF"},
      {{"--answers", "--answer-cell", "0,5", "-o", "a.pdf"}, "--answer-cell: клетка в мм от 1 до 50, а не 0,5"},
  };
  for (const auto& c : cases) {
    const BatchRun run = exportPuzzle(1, c.more);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("verstak-batch: " + c.problem + "\n")) << run.err;
  }
}

}  // namespace
}  // namespace verstak
