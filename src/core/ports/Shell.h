#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace powerball {

// The desktop's hands: showing a file or a web address with the program the user chose for
// it, and starting another program on its own. Neither waits for or reports a result.
class Shell {
public:
    virtual ~Shell() = default;

    // A local file or an http(s) address, shown by the desktop's associated program.
    virtual void open(const std::string& target) = 0;

    // Starts `program` detached, with each argument passed as it stands: no shell, no joined
    // command line, so quotes and blanks inside a value reach the program unchanged.
    virtual void startDetached(const std::filesystem::path& program,
                               const std::vector<std::string>& arguments) = 0;
};

// A face without a desktop: nothing is shown and nothing is started.
class NoShell : public Shell {
public:
    void open(const std::string&) override {}
    void startDetached(const std::filesystem::path&, const std::vector<std::string>&) override {}
};

} // namespace powerball
