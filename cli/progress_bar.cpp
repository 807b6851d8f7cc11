#include "cli/progress_bar.h"

#include <algorithm>
#include <cmath>

namespace verstak::batch {
namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
// Back to the start of the line and erase it.
constexpr std::string_view kEraseLine = "\r\x1b[K";

}  // namespace

std::string ProgressBar::Render(double done, int written, int skipped) {
  done = std::clamp(done, 0.0, 1.0);
  const int filled = static_cast<int>(std::lround(done * kBarWidth));
  const int percent = static_cast<int>(std::floor(done * 100.0));
  std::string bar = "[";
  bar.append(static_cast<std::size_t>(filled), '#');
  bar.append(static_cast<std::size_t>(kBarWidth - filled), '.');
  bar += "] " + std::to_string(percent) + "%  записано " + std::to_string(written);
  if (skipped > 0) bar += ", пропущено " + std::to_string(skipped);
  return bar;
}

void ProgressBar::update(double done, int written, int skipped) {
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  const int percent = static_cast<int>(std::floor(std::clamp(done, 0.0, 1.0) * 100.0));
  if (shown_ && percent == shownPercent_ && now - lastDrawn_ < kRedrawEvery) return;
  lastState_ = Render(done, written, skipped);
  out_ << kEraseLine << lastState_ << std::flush;
  shown_ = true;
  shownPercent_ = percent;
  lastDrawn_ = now;
}

void ProgressBar::print(std::string_view line) {
  if (shown_) out_ << kEraseLine;
  out_ << line << '\n';
  if (shown_) out_ << lastState_;
  out_ << std::flush;
}

void ProgressBar::clear() {
  if (!shown_) return;
  out_ << kEraseLine << std::flush;
  shown_ = false;
}

}  // namespace verstak::batch
