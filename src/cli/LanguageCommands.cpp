#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include <ostream>

namespace powerball::cli {

namespace {

int runMessages(const CliOptions& options, std::ostream& out) {
    CliSession session(options);
    const MessageTable& messages = session.state.messages;
    if (options.json) {
        Json entries = Json::array();
        for (int k = 0; k < messages.size(); ++k)
            entries.push_back(messages.text(k));
        out << Json{{"messages", entries}}.dump() << '\n';
        return 0;
    }
    for (int k = 0; k < messages.size(); ++k)
        out << k << ": " << messages.text(k) << '\n';
    return 0;
}

} // namespace

void addLanguageCommands(CommandLine& commandLine) {
    commandLine.add(
        "messages", "print the message table in use (see --lang)",
        [](const CliOptions& options, std::ostream& out) { return runMessages(options, out); });
}

} // namespace powerball::cli
