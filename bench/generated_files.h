#pragma once
// Grid and definitions files of thousands of puzzles for the benchmarks,
// generated once per size in the temporary directory, or kept in
// $VERSTAK_BENCH_DIR when that is set, so that other tools can be timed on
// the very same files.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

namespace verstak::bench {

namespace fs = std::filesystem;

inline const std::string kSign(1, '\xB9');

class GeneratedFiles {
 public:
  GeneratedFiles() {
    if (const char* keep = std::getenv("VERSTAK_BENCH_DIR")) {
      folder_ = keep;
      keep_ = true;
    }
  }
  ~GeneratedFiles() {
    std::error_code ignored;
    if (!keep_) fs::remove_all(folder_, ignored);
  }

  const fs::path& grid(int puzzles) { return file(grids_, puzzles, "grid", &GeneratedFiles::WriteGrids); }
  const fs::path& definitions(int puzzles) {
    return file(definitions_, puzzles, "definitions", &GeneratedFiles::WriteDefinitions);
  }

 private:
  using Writer = void (*)(std::ofstream&, int);

  const fs::path& file(std::map<int, fs::path>& made, int puzzles, const char* kind, Writer write) {
    auto found = made.find(puzzles);
    if (found != made.end()) return found->second;
    fs::create_directories(folder_);
    const fs::path path = folder_ / (std::string(kind) + "_" + std::to_string(puzzles) + ".txt");
    if (!keep_ || !fs::exists(path)) {
      std::ofstream out(path, std::ios::binary);
      write(out, puzzles);
    }
    return made.emplace(puzzles, path).first->second;
  }

  // Grids of 20..60 columns and rows, about a third clue cells.
  static void WriteGrids(std::ofstream& out, int puzzles) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> side(20, 60), cell(0, 2);
    std::string puzzle;
    for (int n = 1; n <= puzzles; ++n) {
      puzzle = kSign + " " + std::to_string(n) + "\r\n";
      const int width = side(random), height = side(random);
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) puzzle += cell(random) == 0 ? "\t" : "\xCA\t";
        puzzle += "\r\n";
      }
      puzzle += "\r\n";
      out << puzzle;
    }
  }

  // 100..200 clues of one or two lines.
  static void WriteDefinitions(std::ofstream& out, int puzzles) {
    std::mt19937 random(2);
    std::uniform_int_distribution<int> clues(100, 200), lines(1, 2), length(8, 30);
    std::string puzzle;
    for (int n = 1; n <= puzzles; ++n) {
      puzzle = kSign + " " + std::to_string(n) + "\r\n";
      for (int c = clues(random); c > 0; --c) {
        puzzle += "* ";
        for (int l = lines(random); l > 0; --l) puzzle += std::string(static_cast<std::size_t>(length(random)), '\xE0') + "\r\n";
      }
      puzzle += "\r\n";
      out << puzzle;
    }
  }

  fs::path folder_ = fs::temp_directory_path() / ("verstak_bench_" + std::to_string(::getpid()));
  bool keep_ = false;
  std::map<int, fs::path> grids_, definitions_;
};

inline GeneratedFiles& Files() {
  static GeneratedFiles files;
  return files;
}

}  // namespace verstak::bench
