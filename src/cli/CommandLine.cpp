#include "CommandLine.h"

#include "options/OptionChecks.h"

#include <iostream>

namespace powerball::cli {

CommandLine::CommandLine() : m_app("The program's commands without a window.", "powerball-cli") {
    // A repeated option takes its last value, as it always has; lists collect them all.
    m_app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    m_app.require_subcommand(1);
    m_app.set_version_flag("--version", "powerball-cli " POWERBALL_VERSION);
    m_app
        .add_option(
            "--folder", m_options.folder,
            "the program folder (default: the executable's folder when it holds Powerball.dat, "
            "else $XDG_DATA_HOME/Velmar/PowerBall)")
        ->type_name("DIR");
    m_app
        .add_option("--settings", m_options.settings,
                    "the settings file (default $XDG_CONFIG_HOME/Velmar/registry.reg)")
        ->type_name("FILE");
    m_app.add_option("--today", m_options.today, "the day taken as today")
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
    m_app.add_flag("--json", m_options.json, "print the result as JSON");
    m_app.add_flag("--quiet", m_options.quiet,
                   "show no progress of long commands (shown on stderr when it is a terminal)");
    m_app.add_flag("--verbose", m_options.verbose,
                   "list the empty rows too, and the sounds played and status lines when empty");
    m_app
        .add_option("--lang", m_options.language,
                    "speak the message file of a language: 1 deutsch, 2 english, 3 français, "
                    "4 español, 5 italiano, 6 русский, 7 português, 8 中国的, 9 हिंदी (default: the "
                    "settings' language, else the locale's (LC_ALL, LC_MESSAGES, LANG), else "
                    "English)")
        ->check(CLI::Range(1, 9))
        ->type_name("N");
    addSetOption(m_app);
}

void CommandLine::addSetOption(CLI::App& app) {
    // Taken before and after the verb; the line before the verb is read first, so the
    // overrides apply in the order they stand.
    app.add_option_function<std::vector<std::string>>(
           "--set",
           [this](const std::vector<std::string>& texts) {
               for (const std::string& text : texts)
                   m_options.overrides.push_back(parseSettingOverride(text));
           },
           "set an option control for this run by its control or readable name, e.g. "
           "CheckBox2=1, preferFrequent=1, UpDown12=40, RadioButton3=1")
        ->type_name("NAME=VALUE")
        ->allow_extra_args(false);
}

CLI::App* CommandLine::addVerb(CLI::App& parent, const std::string& name,
                               const std::string& description) {
    CLI::App* verb = parent.add_subcommand(name, description);
    addSetOption(*verb);
    return verb;
}

CLI::App* CommandLine::add(const std::string& name, const std::string& description,
                           Handler handler) {
    return add(m_app, name, description, std::move(handler));
}

CLI::App* CommandLine::add(CLI::App& parent, const std::string& name,
                           const std::string& description, Handler handler) {
    CLI::App* verb = addVerb(parent, name, description);
    verb->callback([this, handler = std::move(handler)] { m_handler = handler; });
    return verb;
}

CLI::App* CommandLine::addGroup(const std::string& name, const std::string& description) {
    CLI::App* group = addVerb(m_app, name, description);
    group->require_subcommand(1);
    return group;
}

int CommandLine::usageError(const std::string& message) {
    std::cerr << "powerball-cli: " << message << '\n' << m_app.help();
    return 1;
}

int CommandLine::run(int argc, char** argv, std::ostream& out) {
    try {
        m_app.parse(argc, argv);
        return m_handler(m_options, out);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) // --help
            return m_app.exit(error);
        // CLI11 says only that a verb is missing.
        const bool noVerb = dynamic_cast<const CLI::RequiredError*>(&error) != nullptr &&
                            m_app.get_subcommands().empty();
        if (noVerb && m_app.remaining().empty())
            return usageError("no command given");
        if (noVerb)
            return usageError("unknown command " + m_app.remaining().front());
        return usageError(error.what());
    } catch (const UsageError& error) {
        return usageError(error.what());
    } catch (const std::exception& error) {
        std::cerr << "powerball-cli: " << error.what() << '\n';
        return 2;
    }
}

} // namespace powerball::cli
