// powerball-cli: the program's commands without a window, for scripts and checks.
#include "CliOptions.h"
#include "Commands.h"

#include <functional>
#include <iostream>
#include <map>

using namespace powerball::cli;

namespace {

const char* kUsage =
    "usage: powerball-cli [--folder DIR] [--settings FILE] [--today YYYY-MM-DD] [--json]\n"
    "                     [--set NAME=VALUE]... COMMAND ...\n"
    "  --settings FILE  the settings file (default $XDG_CONFIG_HOME/Velmar/registry.reg)\n"
    "  --set NAME=VALUE set an option control for this run, e.g. CheckBox2=1, UpDown12=40,\n"
    "                   RadioButton3=1; may also follow the command\n"
    "commands:\n"
    "  import FILE.csv                      store the draws of a CSV file\n"
    "  draws                                list every stored draw\n"
    "  check --date D [--row LINE]...       check tip lines against the draw of D\n"
    "  browse --date D (--previous N | --next N)\n"
    "                                       step from the draw of D\n"
    "  stats KIND [--start D] [--selected D] [--row LINE]...\n"
    "                                       draw a statistic chart; KIND is frequency,\n"
    "                                       overdue, powerball, powerball-overdue, pairs,\n"
    "                                       triples, quads, cross-sums or tips (with --row)\n"
    "  settings show                        every stored setting as the program takes it\n"
    "  settings save                        store the settings back as the program holds them\n"
    "  settings set NAME VALUE              store one value (dates as YYYY-MM-DD)\n"
    "  update [--base URL] [--proxy HOST:PORT]\n"
    "                                       fetch the new draws from the update server\n"
    "  enter --date D --white A,B,C,D,E --pb N --pp N\n"
    "                                       store a draw by hand (replaces the draw of D)\n"
    "  delete --date D                      remove the draw of D\n"
    "  generate [--seed N] [--rows K] [--start D] [--selected D] [--lock K=LINE]...\n"
    "           [--stop-after N]            run the tip generator; --seed sets the lucky\n"
    "                                       number, --lock fills row K and locks it,\n"
    "                                       --stop-after stops after N candidates\n";

using Command = std::function<int(const CliOptions&, std::ostream&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"import", runImport},     {"draws", runDraws}, {"check", runCheck},
        {"browse", runBrowse},     {"stats", runStats}, {"settings", runSettings},
        {"update", runUpdate},     {"enter", runEnter}, {"delete", runDelete},
        {"generate", runGenerate},
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
