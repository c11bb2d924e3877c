#pragma once

#include "ports/Shell.h"

namespace powerball::ui {

// The desktop through Qt: files and web addresses open with the user's associated program,
// and the click tool starts as a process of its own that outlives the window.
class QtShell : public Shell {
public:
    void open(const std::string& target) override;
    std::optional<std::string> startDetached(const std::filesystem::path& program,
                                             const std::vector<std::string>& arguments) override;
};

} // namespace powerball::ui
