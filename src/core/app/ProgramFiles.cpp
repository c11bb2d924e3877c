#include "app/ProgramFiles.h"

#include <system_error>

namespace powerball {

std::filesystem::path ProgramFiles::tipFileDialogFolder() const {
    std::error_code error;
    if (!lastTipFileFolder.empty() && std::filesystem::is_directory(lastTipFileFolder, error))
        return lastTipFileFolder;
    return documentsFolder;
}

} // namespace powerball
