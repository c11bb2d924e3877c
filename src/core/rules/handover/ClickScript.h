#pragma once

#include "ports/ClickScriptChoice.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// The options a click script may ask about: "[DAUER]", "[FR]", "[DI]" and "[DIFR]".
struct ClickScriptFlags {
    bool preferPairs = false;
    bool limitMaxOverlap = false;
    bool preferFrequent = false;
};

// A click script is the click tool's own text with placeholders: "[Zk_n]" (white number k of
// hand-over line n), "[S1_n]" (its Powerball), "[S2_n]" (its hidden field), "[DAUER]",
// "[FR]", "[DI]", "[DIFR]", "[MELDUNGFERTIG]" and "[TIPPDATEI]". Everything else passes
// through byte for byte, whatever encoding the script is written in.
namespace ClickScript {

inline constexpr const char* kExtension = "vks";
inline constexpr const char* kFilter = "Velmars Click Script (*.vks)";
inline constexpr const char* kToolFile = "Pilotex.exe";
inline constexpr const char* kToolKey = "SOFTWARE\\Velmar\\Klickwerk\\Settings";
inline constexpr int kLineCount = 12;

// Replaces every placeholder in one pass, so a value that happens to look like a
// placeholder stays as it is. Line n of `handOverLines` fills the placeholders of n; those
// of the missing lines up to 12 become empty.
std::string fill(std::string_view script, const std::vector<std::string_view>& handOverLines,
                 const ClickScriptFlags& flags, std::string_view handOverPath);

// The seven values of a hand-over line in placeholder order: white 1..5, Powerball, hidden
// field (the text before the next comma after the Powerball, or the rest).
std::vector<std::string_view> lineValues(std::string_view line);

// The click tool's arguments: START, the filled copy, ZAHL1, TEXT1, ZAHL2, TEXT2, each one
// argument as it stands.
std::vector<std::string> toolArguments(const std::filesystem::path& filledCopy,
                                       const ClickScriptChoice& choice);

} // namespace ClickScript

} // namespace powerball
