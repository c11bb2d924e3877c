#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace powerball {

// What the dialog "Script für Zahlenübergabe auswählen!" shows and gives back: the scripts
// of the script folder (full paths), the chosen script and the four parameters handed to
// the click tool.
struct ClickScriptChoice {
    std::vector<std::string> scripts;
    std::filesystem::path scriptFolder; // where the browse button opens
    std::string script;
    std::string zahl1;
    std::string text1;
    std::string zahl2;
    std::string text2;

    bool operator==(const ClickScriptChoice&) const = default;
};

} // namespace powerball
