#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "document/cp1251.h"
#include "files/puzzle_header.h"

namespace verstak {
namespace {

struct HeaderCase {
  const char* line;  // UTF-8, converted to cp1251
  std::optional<int> number;

  // One ASCII line, so that test names stay readable.
  friend void PrintTo(const HeaderCase& c, std::ostream* out) {
    for (const std::string& line = Utf8ToCp1251(c.line); char ch : line) {
      *out << (ch == kNumberSign ? std::string("No") : ch == '\t' ? std::string("<tab>") : ch < 0 ? std::string("~") : std::string(1, ch));
    }
  }
};

class PuzzleHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(PuzzleHeaderTest, ReadsTheNumberAfterTheFirstSign) {
  const HeaderCase& c = GetParam();
  EXPECT_EQ(ParsePuzzleHeader(Utf8ToCp1251(c.line)), c.number) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PuzzleHeaderTest,
    ::testing::Values(HeaderCase{"№ 12  ", 12}, HeaderCase{"№12", 12}, HeaderCase{"Кроссворд№7", 7},
                      HeaderCase{"\tтекст № 5", 5},  // whatever stands before the sign is ignored
                      HeaderCase{"№   007", 7}, HeaderCase{"№ +3", 3}, HeaderCase{"№-3", -3},
                      HeaderCase{"№ 2147483647", 2147483647}, HeaderCase{"№ -2147483648", -2147483648},
                      HeaderCase{"№ 12a", std::nullopt}, HeaderCase{"№ 12\t", std::nullopt},
                      HeaderCase{"№\t12", std::nullopt}, HeaderCase{"№", std::nullopt}, HeaderCase{"№   ", std::nullopt},
                      HeaderCase{"№ 1 2", std::nullopt}, HeaderCase{"№ - 3", std::nullopt}, HeaderCase{"№ +", std::nullopt},
                      HeaderCase{"№ 5 № 6", std::nullopt},  // only the first sign counts
                      HeaderCase{"№ 2147483648", std::nullopt}, HeaderCase{"№ 99999999999999999999", std::nullopt},
                      HeaderCase{"№ $1F", std::nullopt}, HeaderCase{"12", std::nullopt}));

TEST(HeaderNumberParser, GivesTheSameAnswerHoweverTheTextIsCut) {
  const std::string text = "   -0000000000000000000001234   ";
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    HeaderNumberParser parser;
    parser.feed(text.substr(0, cut));
    parser.feed(text.substr(cut));
    EXPECT_EQ(parser.result(), -1234) << cut;
  }
}

}  // namespace
}  // namespace verstak
