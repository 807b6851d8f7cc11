#pragma once
// The printing conditions a PDF/X file names: the registered
// characterisations known here, and the check of an ICC output profile
// that describes any other.

#include <filesystem>
#include <string>
#include <string_view>

#include "document/user_message.h"

namespace verstak {

struct PrintingCondition {
  std::string_view identifier;  // as the ICC registry lists it
  std::string_view alias;       // a shorter name a user may give, or empty
  std::string_view condition;   // for people
};

inline constexpr std::string_view kIccRegistry = "http://www.color.org";

inline constexpr PrintingCondition kRegisteredConditions[] = {
    {"FOGRA39", "", "Coated FOGRA39"},
    {"FOGRA51", "", "PSO Coated v3"},
    {"FOGRA52", "", "PSO Uncoated v3"},
    {"CGATS TR 006", "GRACoL", "GRACoL 2006 Coated #1"},
    {"CGATS TR 001", "SWOP", "SWOP Grade 1"},
};

// The registered condition of `name` (its identifier or alias, in any
// case), or nullptr.
const PrintingCondition* FindRegisteredCondition(std::string_view name);

// A condition of no registry is only named by the profile that describes it.
std::string UnregisteredConditionMessage(std::string_view name);

// A profile the press may take as the destination of a PDF/X-1a file: an
// ICC output (printer) profile of CMYK data, version 2 (what PDF 1.4
// embeds). The failure names `file` and what is wrong.
Failure CheckOutputProfile(std::string_view bytes, const std::filesystem::path& file);

}  // namespace verstak
