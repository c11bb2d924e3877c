#pragma once

#include "app/AppState.h"
#include "app/draws/DrawUpdate.h"
#include "ports/Ports.h"

#include <filesystem>
#include <string>
#include <vector>

namespace powerball {

// Whether the click tool is looked for and started, or the script only filled (the command
// line's --no-start, which needs no tool).
enum class ClickStart { Launch, FillOnly };

// What the click-script start did, for the command line and the tests.
struct ClickStartResult {
    // ValueWithNul: a value holds a NUL, which no command line can carry, so nothing is
    // written or started; StartFailed: filled, but the system could not start the tool.
    enum class Outcome { ToolMissing, Cancelled, ScriptMissing, ValueWithNul, Filled, StartFailed };
    Outcome outcome = Outcome::Cancelled;
    std::filesystem::path tool;       // "Path" + "Pilotex.exe"
    std::filesystem::path script;     // the chosen script
    std::filesystem::path filledCopy; // Tipps/YYYYMMDD.vks
    std::vector<std::string> arguments;
    bool started = false;       // the tool was started
    bool scriptUpdated = false; // the update server had a newer script
    std::string failure;        // why, for ValueWithNul and StartFailed, as the user was told
};

// The click-script start after a hand-over: reads the tool's values, lets the user choose
// the script and its parameters, fetches a newer script from the update server, fills the
// script with the hand-over file into Tipps/<today>.vks and starts "Pilotex.exe" with it.
// Without the tool it offers the tool's download instead. A value with a NUL, and a tool the
// system cannot start, are shown as failures and reported in the result.
ClickStartResult startClickScript(AppState& state, const Ports& ports,
                                  ClickStart mode = ClickStart::Launch,
                                  const UpdateLimits& limits = {});

// The scripts of the script folder, full paths, by name; none when there is no folder.
std::vector<std::string> listClickScripts(const std::filesystem::path& folder);

// Replaces `script` with the update server's copy when that is newer than the local file.
// Every failure, an empty answer, an answer that is not text, and one whose Last-Modified lies
// after the server's Date or in the future leave the local script as it is, silently. True
// when it was replaced.
bool updateClickScript(const InternetOptions& internet, HttpClient& http,
                       const std::filesystem::path& script, const UpdateLimits& limits = {});

} // namespace powerball
