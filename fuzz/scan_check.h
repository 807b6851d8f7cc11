#pragma once
// The scanner that answers many puzzle numbers in one pass, as export --all
// uses it: every wanted number gets exactly one answer, each answer is what
// a read of that number alone gives, and the header handler sees every
// well-formed header line in file order.

#include <map>
#include <string>
#include <vector>

#include "files/byte_source.h"
#include "fuzz_support.h"
#include "tests/puzzle_text_reference.h"

namespace verstak::fuzz {

template <class Result, class Scan, class ReadOne, class Same>
void CheckScan(const std::uint8_t* data, std::size_t size, Scan scan, ReadOne readOne, Same same) {
  const Choices choices(data, size);
  const std::string text(choices.text());
  const std::vector<int> headers = reference::HeaderNumbers(reference::Lines(text));
  PuzzleNumberSet wanted = {1, choices.anyNumber()};
  for (int number : headers) {
    if (PuzzleNumberSet::InRange(number)) wanted.insert(number);
  }

  std::map<int, Result> answers;
  std::vector<int> seen;
  MemoryBytes bytes(text);
  scan(
      bytes, wanted,
      [&](int number, Result result) {
        Check(wanted.contains(number), "an answer for a number not asked for");
        Check(answers.emplace(number, std::move(result)).second, "two answers for one number");
      },
      [&](int number) { seen.push_back(number); }, choices.blockSize());
  Check(static_cast<int>(answers.size()) == wanted.size(), "a wanted number without an answer");
  Check(seen == headers, "the header handler missed or invented a header");
  for (const auto& [number, answer] : answers) {
    MemoryBytes alone(text);
    const Result single = readOne(alone, number, choices.blockSize());
    Check(answer.failure == single.failure && (answer.failure || same(answer, single)),
          "one pass for many numbers answers otherwise than a read of one");
  }
}

}  // namespace verstak::fuzz
