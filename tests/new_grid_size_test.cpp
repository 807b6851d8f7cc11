#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "files/new_grid_size.h"

namespace verstak {
namespace {

struct SizeCase {
  const char* name;
  const char* width;
  const char* height;
  std::optional<GridSize> size;  // expected size, if any
  const char* message;           // expected message text, nullptr for none
};

const SizeCase kSizeCases[] = {
    {"FirstValues", "9", "13", GridSize{9, 13}, nullptr},
    {"LargestAccepted", "99", "99", GridSize{99, 99}, nullptr},
    {"SmallestAccepted", "1", "1", GridSize{1, 1}, nullptr},
    {"BlanksAroundIgnored", "  12 ", "\t7  ", GridSize{12, 7}, nullptr},
    {"LeadingZerosAndPlus", "007", "+8", GridSize{7, 8}, nullptr},
    {"WidthTooLarge", "100", "5", std::nullopt, " Ширина не может быть более 99 клеток! "},
    {"WidthHugeIsTooLargeNotAnError", "99999999999999999999999", "5", std::nullopt,
     " Ширина не может быть более 99 клеток! "},
    {"WidthZero", "0", "5", std::nullopt, " Ширина не может быть равна 0 клеток! "},
    {"WidthNotANumber", "12a", "5", std::nullopt, " В поле \"Ширина...\" ошибка! "},
    {"WidthInnerBlank", "1 2", "5", std::nullopt, " В поле \"Ширина...\" ошибка! "},
    {"WidthWord", "десять", "5", std::nullopt, " В поле \"Ширина...\" ошибка! "},
    {"WidthSignOnly", "-", "5", std::nullopt, " В поле \"Ширина...\" ошибка! "},
    {"WidthNegative", "-5", "5", std::nullopt, " В поле \"Ширина...\" ошибка! "},
    {"WidthMinusZeroIsZero", "-0", "5", std::nullopt, " Ширина не может быть равна 0 клеток! "},
    {"HeightTooLarge", "5", "100", std::nullopt, " Высота не может быть более 99 клеток! "},
    {"HeightZero", "5", "0", std::nullopt, " Высота не может быть равна 0 клеток! "},
    {"HeightNotANumber", "5", "x", std::nullopt, " В поле \"Высота...\" ошибка! "},
    {"HeightNegative", "5", "-99", std::nullopt, " В поле \"Высота...\" ошибка! "},
    {"BadWidthHidesBadHeight", "0", "abc", std::nullopt, " Ширина не может быть равна 0 клеток! "},
    // An empty field gets its field's message: OK never does nothing silently.
    {"EmptyWidth", "", "13", std::nullopt, " В поле \"Ширина...\" ошибка! "},
    {"BlankWidth", "   ", "13", std::nullopt, " В поле \"Ширина...\" ошибка! "},
    {"EmptyHeight", "9", "", std::nullopt, " В поле \"Высота...\" ошибка! "},
    {"EmptyWidthBeforeBadHeight", "", "0", std::nullopt, " В поле \"Ширина...\" ошибка! "},
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

class NewGridSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(NewGridSizeTest, SizeOrMessage) {
  const SizeCase& c = GetParam();
  const NewGridCheck check = CheckNewGridSize(c.width, c.height);
  EXPECT_EQ(check.size, c.size);
  if (c.message == nullptr) {
    EXPECT_FALSE(check.failure.has_value());
  } else {
    ASSERT_TRUE(check.failure.has_value());
    EXPECT_EQ(check.failure->text, c.message);
    EXPECT_EQ(check.failure->caption(), "Ошибка!");
  }
}

INSTANTIATE_TEST_SUITE_P(Fields, NewGridSizeTest, testing::ValuesIn(kSizeCases),
                         [](const testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace verstak
