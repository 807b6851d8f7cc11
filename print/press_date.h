#pragma once
// The date a print file carries, chosen so that the same input gives the
// same bytes: SOURCE_DATE_EPOCH when the environment sets it (the
// reproducible-builds convention), else the newest modification time of the
// files the puzzle was read from.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace verstak {

struct CalendarTime {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;

  friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

// `sourceDateEpoch` is the environment's text (null when unset); a text that
// is not a whole number of seconds from 0 on is passed over. nullopt when
// neither gives a date (no input file could be looked at).
std::optional<std::int64_t> PressDate(const char* sourceDateEpoch, const std::vector<std::filesystem::path>& inputs);

// Seconds since 1970-01-01 as a UTC calendar time.
CalendarTime UtcCalendar(std::int64_t seconds);

}  // namespace verstak
