#pragma once

#include "ports/Shell.h"

namespace powerball {

// The shell of a face without Qt: each start is a posix_spawn of the program itself with
// the arguments as they stand, in a session of its own so that it outlives the caller, its
// standard streams on /dev/null. Whether the start worked is not reported; the caller never
// waits for the program.
class ProcessShell : public Shell {
public:
    // Hands the target to xdg-open, if there is one.
    void open(const std::string& target) override;
    std::optional<std::string> startDetached(const std::filesystem::path& program,
                                             const std::vector<std::string>& arguments) override;
};

} // namespace powerball
