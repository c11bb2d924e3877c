#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"

#include <filesystem>
#include <string>
#include <vector>

namespace powerball {

// The analyses' report: plain text lines in UTF-8, ending in CR LF, written whole to
// "Test.rtf" in the program folder (the name users know, although it holds no RTF) and shown
// by the desktop. Returns the file.
namespace AnalysisReport {

inline constexpr const char* kFileName = "Test.rtf";

std::filesystem::path write(const AppState& state, const Ports& ports,
                            const std::vector<std::string>& lines);

// A count or an expectation with two decimals, as the language writes it: "4,21", "4.21".
std::string decimal(const TextFormat& format, double value);

// A chance as a percentage: "39,8 %" ("39.8 %" in English); below a thousandth "< 0,1 %".
std::string percent(const TextFormat& format, double chance);

} // namespace AnalysisReport

} // namespace powerball
