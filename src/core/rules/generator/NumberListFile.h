#pragma once

#include "ports/NumberListBoxes.h"

#include <filesystem>
#include <string>

namespace powerball {

// A number list ("Werteliste", *.vlw): 69 lines ending in CR LF, line n for number n,
// holding the weight of a ticked number or nothing for an unticked one.
class NumberListFile {
public:
    static constexpr const char* kExtension = "vlw";

    // Writes the boxes, replacing an existing file. A ticked box with an empty weight text
    // is written, and from then on shown, with the weight "1". Throws std::system_error
    // when the file cannot be written.
    static void save(const std::filesystem::path& file, NumberListBoxes& boxes);

    // Reads a list into the boxes: a non-empty line ticks its number and becomes its weight
    // text, an empty line (and every line past the end of the file) unticks it with the
    // weight text "1". A byte-order mark decides the encoding; without one the text is
    // UTF-8 when valid, else Windows-1252. Throws std::system_error when the file cannot
    // be read; the boxes then stay as they were.
    static void load(const std::filesystem::path& file, NumberListBoxes& boxes);

    // The proposed file name: the day as yyyymmdd with the extension.
    static std::string proposedName(const std::string& yyyymmdd) { return yyyymmdd + ".vlw"; }
};

} // namespace powerball
