#pragma once
// The completeness check: counts clue slots against clue texts, marks the
// clue cells whose text is missing and says what it found.

#include "document/scanword_document.h"
#include "document/user_message.h"

namespace verstak {

enum class CheckOutcome {
  TooMany,        // "Много определений!"
  TooFew,         // "Мало определений!"
  AllRight,       // "Все правильно!"
  NoDefinitions,  // "Эй! Нет определений!"
};

struct CheckResult {
  CheckOutcome outcome;
  UserMessage message;
  int total = 0;  // clue slots of the grid
  int found = 0;  // filled slots seen, slot total + 1 included
};

CheckResult CheckDefinitions(ScanwordDocument& document);

}  // namespace verstak
