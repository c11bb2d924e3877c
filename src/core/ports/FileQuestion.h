#pragma once

#include <filesystem>
#include <string>

namespace powerball {

// What a file dialog asks for: its caption, the filter ("Werteliste (*.vlw)"), the extension
// a name without one gets, the name it proposes and the folder it opens in (empty: the
// dialog's own choice).
struct FileQuestion {
    std::string caption;
    std::string filter;
    std::string defaultExtension;
    std::string proposedName;
    std::filesystem::path folder;
};

} // namespace powerball
