#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "settings/apply_settings.h"
#include "settings/colour_presets.h"

namespace verstak {
namespace {

TEST(MillimetreTextToUnits, PadsTheFractionToFourDigits) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"12,636", "126360"}, {"12,6", "126000"},   {"12", "120000"}, {"0,5", "05000"},          {"", "0000"},
      {"1,2345", "12345"},  {"12.6", "12.60000"}, {"7,", "70000"},  {"1,23456", std::nullopt},  // more than four
                                                                                                // digits: refused,
                                                                                                // never padded forever
  };
  for (const auto& [text, units] : cases) EXPECT_EQ(MillimetreTextToUnits(text), units) << text;
  // Only digits follow the comma: a sign or a blank there would pass as part
  // of the number once the comma is gone.
  for (const char* text : {",+6", ", 16", "1,-5", "1, 5", "1,5 ", "1,+"})
    EXPECT_EQ(MillimetreTextToUnits(text), std::nullopt) << text;
}

const std::string kWidthError = " В поле \"Ширина...\" ошибка! ";
const std::string kWidthZero = " Ширина клетки не может быть равна 0! ";
const std::string kWidthTooLarge = " Ширина клетки не может быть более 100 мм! ";

SettingsOutcome ApplyWidth(const std::string& width) {
  PrintSettings before;
  before.cellWidth = 55555;
  SettingsFieldTexts fields;
  fields.width = width;
  fields.cyan = "33";
  return ApplySettings(before, fields, SettingsFieldTexts{}, CellCorners::Square);
}

TEST(ApplySettings, WidthTextsAreConvertedCheckedAndKept) {
  struct Case {
    std::string typed;
    int cellWidth;        // 55555: unchanged
    std::string failure;  // empty: accepted
  };
  const Case cases[] = {
      {"10", 100000, ""},
      {"100", 1000000, ""},
      {" 12,636 ", 126360, ""},
      {"+0,5", 5000, ""},
      {"", 55555, ""},  // empty: the width stays and the fields after it are taken
      {"100,0001", 55555, kWidthTooLarge},
      {"99999999999", 55555, kWidthTooLarge},
      {"0", 55555, kWidthZero},
      {"0,0", 55555, kWidthZero},
      {"   ", 55555, kWidthZero},  // blanks only is not empty
      {"12.6", 55555, kWidthError},
      {"abc", 55555, kWidthError},
      {"1,2,3", 55555, kWidthError},
      {"-5", 55555, kWidthError},       // negative: refused as no width
      {"0,12345", 55555, kWidthError},  // five digits after the comma
      {",+6", 55555, kWidthError},      // a sign after the comma
      {", 16", 55555, kWidthError},     // a blank after the comma
      {"1,-5", 55555, kWidthError},
  };
  for (const Case& c : cases) {
    const SettingsOutcome outcome = ApplyWidth(c.typed);
    EXPECT_EQ(outcome.settings.cellWidth, c.cellWidth) << c.typed;
    EXPECT_EQ(outcome.failure ? outcome.failure->text : "", c.failure) << c.typed;
    const bool accepted = c.failure.empty() && !c.typed.empty();
    EXPECT_EQ(outcome.savedFieldTexts.width, accepted ? c.typed : SettingsFieldTexts{}.width) << c.typed;
    // The fields after the width are taken only when the width passed.
    EXPECT_EQ(outcome.settings.cyanText, c.failure.empty() ? "33," : "0,") << c.typed;
  }
}

TEST(ApplySettings, ColourTextsAreStoredAsPlainValuesWithTheirComma) {
  struct Case {
    std::string typed;
    std::string cyanText;  // "0,": unchanged
    std::string failure;
  };
  const std::string error = " В поле \"Cyan\" ошибка! ";
  const Case cases[] = {
      {"100", "100,", ""},
      {"  7", "7,", ""},
      {"7  ", "7,", ""},
      {"007", "7,", ""},
      {"+5", "5,", ""},
      {"-0", "0,", ""},
      {"101", "0,", " Cyan не может быть более 100% "},
      {"99999999999", "0,", " Cyan не может быть более 100% "},
      {"", "0,", error},
      {"   ", "0,", error},
      {"-1", "0,", error},  // negative: refused
      {"1 0", "0,", error},
      {"5,", "0,", error},
      {"50%", "0,", error},
  };
  for (const Case& c : cases) {
    SettingsFieldTexts fields;
    fields.cyan = c.typed;
    const SettingsOutcome outcome = ApplySettings(PrintSettings{}, fields, SettingsFieldTexts{}, CellCorners::Square);
    EXPECT_EQ(outcome.settings.cyanText, c.cyanText) << c.typed;
    EXPECT_EQ(outcome.failure ? outcome.failure->text : "", c.failure) << c.typed;
    EXPECT_EQ(outcome.savedFieldTexts.cyan, c.failure.empty() ? c.typed : SettingsFieldTexts{}.cyan) << c.typed;
  }
}

TEST(ApplySettings, EachColourHasItsOwnMessagesAndBlackNoComma) {
  SettingsFieldTexts fields;
  fields.cyan = "10";
  fields.magenta = "20 ";
  fields.yellow = " 30";
  fields.black = "100";
  const SettingsOutcome outcome = ApplySettings(PrintSettings{}, fields, SettingsFieldTexts{}, CellCorners::Square);
  EXPECT_FALSE(outcome.failure.has_value());
  const PrintSettings& s = outcome.settings;
  EXPECT_EQ(s.cyanText + s.magentaText + s.yellowText + s.blackText, "10,20,30,100");

  const std::pair<std::string SettingsFieldTexts::*, std::string> names[] = {{&SettingsFieldTexts::magenta, "Magenta"},
                                                                             {&SettingsFieldTexts::yellow, "Yellow"},
                                                                             {&SettingsFieldTexts::black, "Black"}};
  for (const auto& [field, name] : names) {
    SettingsFieldTexts bad;
    bad.*field = "x";
    EXPECT_EQ(ApplySettings({}, bad, {}, CellCorners::Square).failure->text, " В поле \"" + name + "\" ошибка! ");
    bad.*field = "101";
    EXPECT_EQ(ApplySettings({}, bad, {}, CellCorners::Square).failure->text, " " + name + " не может быть более 100% ");
  }
}

TEST(ApplySettings, DefaultsStayDefaults) {
  const SettingsOutcome outcome =
      ApplySettings(PrintSettings{}, SettingsFieldTexts{}, SettingsFieldTexts{}, CellCorners::Square);
  EXPECT_FALSE(outcome.failure.has_value());
  EXPECT_EQ(outcome.settings, PrintSettings{});
  EXPECT_EQ(outcome.savedFieldTexts, SettingsFieldTexts{});
}

// The texts shown for settings in force read back, through the dialog's own
// OK, as exactly those settings; the defaults show the start texts.
TEST(FieldTextsFor, ReadBackAsTheSameSettings) {
  EXPECT_EQ(FieldTextsFor(PrintSettings{}), SettingsFieldTexts{});
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    PrintSettings settings;
    settings.cellWidth = std::uniform_int_distribution<int>(1, 1000000)(random);
    settings.cellHeight = round % 3 == 0 ? 10000 * (round % 90 + 1) : std::uniform_int_distribution<int>(1, 99999)(random);
    const auto percent = [&](bool comma) {
      return std::to_string(std::uniform_int_distribution<int>(0, 100)(random)) + (comma ? "," : "");
    };
    settings.cyanText = percent(true);
    settings.magentaText = percent(true);
    settings.yellowText = percent(true);
    settings.blackText = percent(false);
    const SettingsFieldTexts texts = FieldTextsFor(settings);
    const SettingsOutcome outcome = ApplySettings(PrintSettings{}, texts, {}, CellCorners::Square);
    ASSERT_FALSE(outcome.failure) << texts.width << " " << texts.height;
    EXPECT_EQ(outcome.settings, settings) << texts.width << " " << texts.height << " " << texts.cyan;
    EXPECT_GE(texts.black.size(), 3u);
  }
  PrintSettings exact;
  exact.cellWidth = 105000;
  exact.cellHeight = 5;
  EXPECT_EQ(FieldTextsFor(exact).width, "10,5");
  EXPECT_EQ(FieldTextsFor(exact).height, "0,0005");
}

// The first bad field stops the OK; everything before it is already taken.
TEST(ApplySettings, StopsAtTheFirstBadFieldKeepingEarlierOnes) {
  SettingsFieldTexts saved;
  saved.width = "old width";
  saved.height = "old height";
  SettingsFieldTexts fields;
  fields.width = "10";
  fields.height = "abc";
  fields.cyan = "50";
  const SettingsOutcome outcome = ApplySettings(PrintSettings{}, fields, saved, CellCorners::Rounded);
  ASSERT_TRUE(outcome.failure.has_value());
  EXPECT_EQ(outcome.failure->text, " В поле \"Высота...\" ошибка! ");
  EXPECT_EQ(outcome.failure->caption(), "Ошибка!");
  EXPECT_EQ(outcome.settings.cornerRadius, 20000);
  EXPECT_EQ(outcome.settings.cellWidth, 100000);
  EXPECT_EQ(outcome.settings.cellHeight, 126360);
  EXPECT_EQ(outcome.settings.cyanText, "0,");
  EXPECT_EQ(outcome.savedFieldTexts.width, "10");
  EXPECT_EQ(outcome.savedFieldTexts.height, "old height");
  EXPECT_EQ(outcome.savedFieldTexts.cyan, SettingsFieldTexts{}.cyan);

  fields.height = "0";
  EXPECT_EQ(ApplySettings(PrintSettings{}, fields, saved, CellCorners::Square).failure->text,
            " Высота клетки не может быть равна 0! ");
  fields.height = "100,5";
  EXPECT_EQ(ApplySettings(PrintSettings{}, fields, saved, CellCorners::Square).failure->text,
            " Высота клетки не может быть более 100 мм! ");
  fields.height = "8";
  fields.cyan = "";
  const SettingsOutcome cyanFails = ApplySettings(PrintSettings{}, fields, saved, CellCorners::Square);
  EXPECT_EQ(cyanFails.settings.cellHeight, 80000);
  EXPECT_EQ(cyanFails.settings.cornerRadius, 0);
  EXPECT_EQ(cyanFails.failure->text, " В поле \"Cyan\" ошибка! ");
}

TEST(ColourPresets, EverySwatchGivesAnAcceptedColour) {
  const std::pair<int, std::string> expected[] = {{0, "0,0,0,100"},   {1, "0,60,60,40"}, {7, "0,0,0,20"},
                                                  {9, "0,100,100,0"}, {14, "50,0,0,0"},  {15, "0,0,0,0"}};
  for (const auto& [index, colour] : expected) {
    const ColourPreset& p = kColourPresets[index];
    EXPECT_EQ(
        std::string(p.cyan) + "," + std::string(p.magenta) + "," + std::string(p.yellow) + "," + std::string(p.black),
        colour);
  }
  for (const ColourPreset& p : kColourPresets) {
    SettingsFieldTexts fields;
    fields.cyan = p.cyan;
    fields.magenta = p.magenta;
    fields.yellow = p.yellow;
    fields.black = p.black;
    EXPECT_FALSE(ApplySettings(PrintSettings{}, fields, SettingsFieldTexts{}, CellCorners::Square).failure.has_value());
  }
  EXPECT_EQ(kColourPresets[kInitialColourPreset].red, 192);
  EXPECT_EQ(kColourPresets[12].blue, 255);
}

}  // namespace
}  // namespace verstak
