#pragma once
// A one-line progress bar redrawn in place on a terminal. Lines written
// while it shows go above it.

#include <chrono>
#include <ostream>
#include <string>
#include <string_view>

namespace verstak::batch {

class ProgressBar {
 public:
  // Draws nothing when `enabled` is false (the stream is no terminal).
  ProgressBar(std::ostream& out, bool enabled) : out_(out), enabled_(enabled) {}
  ~ProgressBar() { clear(); }
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // `done` 0..1; redrawn at most a few times a second and when the percentage changes.
  void update(double done, int written, int skipped);
  // A whole line, written above the bar.
  void print(std::string_view line);
  void clear();

  // The bar as drawn, without the carriage return.
  static std::string Render(double done, int written, int skipped);

 private:
  std::ostream& out_;
  bool enabled_;
  bool shown_ = false;
  int shownPercent_ = -1;
  std::chrono::steady_clock::time_point lastDrawn_{};
  std::string lastState_;
};

}  // namespace verstak::batch
