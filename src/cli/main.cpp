// powerball-cli: the program's commands without a window, for scripts and checks.
#include "CliOptions.h"
#include "Commands.h"

#include <functional>
#include <iostream>
#include <map>

using namespace powerball::cli;

namespace {

const char* kUsage =
    "usage: powerball-cli [--folder DIR] [--today YYYY-MM-DD] [--json] COMMAND ...\n"
    "commands:\n"
    "  import FILE.csv                      store the draws of a CSV file\n"
    "  draws                                list every stored draw\n"
    "  check --date D [--row LINE]...       check tip lines against the draw of D\n"
    "  browse --date D (--previous N | --next N)\n"
    "                                       step from the draw of D\n"
    "  update [--base URL] [--proxy HOST:PORT]\n"
    "                                       fetch the new draws from the update server\n"
    "  enter --date D --white A,B,C,D,E --pb N --pp N\n"
    "                                       store a draw by hand (replaces the draw of D)\n"
    "  delete --date D                      remove the draw of D\n";

using Command = std::function<int(const CliOptions&, std::ostream&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"import", runImport}, {"draws", runDraws}, {"check", runCheck},   {"browse", runBrowse},
        {"update", runUpdate}, {"enter", runEnter}, {"delete", runDelete},
    };
    return table;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const CliOptions options = parseCommandLine(argc, argv);
        const auto command = commands().find(options.verb);
        if (command == commands().end())
            throw UsageError("unknown command " + options.verb);
        return command->second(options, std::cout);
    } catch (const UsageError& error) {
        std::cerr << "powerball-cli: " << error.what() << '\n' << kUsage;
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "powerball-cli: " << error.what() << '\n';
        return 2;
    }
}
