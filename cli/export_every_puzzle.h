#pragma once
// export --all: a macro N.csc for every puzzle number with a header in the
// grid file, a progress bar on a terminal, a summary at the end.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_run.h"

namespace verstak::batch {

// Before a run over every puzzle of the files (export and markup --all): the
// lines saying which input file is missing or that the folder -o could not
// be made; none when the run can start.
std::vector<std::string> EveryPuzzleRunProblems(const Options& options);

// FOLDER/N.EXT, where a run over every puzzle writes puzzle N.
std::filesystem::path EveryPuzzleOutput(const std::filesystem::path& folder, int number, std::string_view extension);

// Said when the grid file has no header with a puzzle number.
inline constexpr std::string_view kNoPuzzleHeaderMessage = "В файле сеток нет ни одного заголовка с номером кроссворда.";

// A puzzle that fails is reported and passed over; the status is kExitFailed
// when any did.
int ExportEveryPuzzle(const Options& options, Streams streams);

}  // namespace verstak::batch
