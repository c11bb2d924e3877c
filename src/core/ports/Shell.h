#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace powerball {

// The desktop's hands: showing a file or a web address with the program the user chose for
// it, and starting another program on its own. Neither waits for the program; a start that
// fails says why.
class Shell {
public:
    virtual ~Shell() = default;

    // A local file or an http(s) address, shown by the desktop's associated program.
    virtual void open(const std::string& target) = 0;

    // Starts `program` detached, with each argument passed as it stands: no shell, no joined
    // command line, so quotes and blanks inside a value reach the program unchanged. Nothing
    // when it started; the system's reason when it could not (missing, not executable, not a
    // program of this system, arguments too long).
    virtual std::optional<std::string> startDetached(const std::filesystem::path& program,
                                                     const std::vector<std::string>& arguments) = 0;
};

// A face without a desktop: nothing is shown and nothing is started.
class NoShell : public Shell {
public:
    void open(const std::string&) override {}
    std::optional<std::string> startDetached(const std::filesystem::path&,
                                             const std::vector<std::string>&) override {
        return std::nullopt;
    }
};

} // namespace powerball
