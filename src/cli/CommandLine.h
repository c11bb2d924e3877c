#pragma once

#include "CliOptions.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <iosfwd>
#include <string>

namespace powerball::cli {

// The command line of powerball-cli: the common options, and the verbs the command files
// add, each with its own options and a handler run once the whole line is read.
class CommandLine {
public:
    using Handler = std::function<int(const CliOptions&, std::ostream&)>;

    CommandLine();

    // A verb, or a verb of `parent` such as `settings show`.
    CLI::App* add(const std::string& name, const std::string& description, Handler handler);
    CLI::App* add(CLI::App& parent, const std::string& name, const std::string& description,
                  Handler handler);
    // A verb that only leads to verbs of its own.
    CLI::App* addGroup(const std::string& name, const std::string& description);

    // The exit code: 0, or 1 for a wrong command line, 2 for a data or file error, or what
    // the handler returns.
    int run(int argc, char** argv, std::ostream& out);

private:
    CLI::App* addVerb(CLI::App& parent, const std::string& name, const std::string& description);
    void addSetOption(CLI::App& app);
    int usageError(const std::string& message);

    CLI::App m_app;
    CliOptions m_options;
    Handler m_handler;
};

} // namespace powerball::cli
