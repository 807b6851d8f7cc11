#include "print/press_date.h"

#include <charconv>
#include <chrono>
#include <cstring>

namespace verstak {
namespace {

std::optional<std::int64_t> EpochOf(const char* text) {
  if (text == nullptr) return std::nullopt;
  const char* const end = text + std::strlen(text);
  std::int64_t seconds = 0;
  const auto [stop, error] = std::from_chars(text, end, seconds);
  if (text == end || error != std::errc{} || stop != end || seconds < 0) return std::nullopt;
  return seconds;
}

std::optional<std::int64_t> ModifiedSeconds(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_time_type written = std::filesystem::last_write_time(file, error);
  if (error) return std::nullopt;
  const auto system = std::chrono::file_clock::to_sys(written);
  return std::chrono::floor<std::chrono::seconds>(system).time_since_epoch().count();
}

}  // namespace

std::optional<std::int64_t> PressDate(const char* sourceDateEpoch, const std::vector<std::filesystem::path>& inputs) {
  if (const std::optional<std::int64_t> epoch = EpochOf(sourceDateEpoch)) return epoch;
  std::optional<std::int64_t> newest;
  for (const std::filesystem::path& input : inputs) {
    if (const std::optional<std::int64_t> seconds = ModifiedSeconds(input); seconds && (!newest || *seconds > *newest))
      newest = seconds;
  }
  return newest;
}

CalendarTime UtcCalendar(std::int64_t seconds) {
  using namespace std::chrono;
  const sys_seconds time{std::chrono::seconds{seconds}};
  const sys_days day = floor<days>(time);
  const year_month_day date{day};
  const hh_mm_ss clock{time - day};
  return {static_cast<int>(date.year()),         static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count())};
}

}  // namespace verstak
