#include "CheckOutput.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "options/OptionChecks.h"

#include "app/evaluation/TipCheck.h"
#include "app/handover/TipHandOver.h"
#include "app/output/TipFileCommands.h"
#include "app/output/TipPrint.h"
#include "platform/http/CurlHttpClient.h"
#include "platform/shell/ProcessShell.h"
#include "rules/handover/ClickScript.h"
#include "rules/output/TipListing.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>
#include <system_error>

namespace powerball::cli {

namespace {

Json pathJson(const std::filesystem::path& path) {
    return path.empty() ? Json(nullptr) : Json(path.string());
}

// What the window does each time it becomes active: the draw of the selected date becomes
// the shown draw and the sheet is checked against it.
void showSelectedDraw(CliSession& session, const std::optional<int>& date) {
    if (date)
        session.state.setSelectedDate(*date);
    evaluateSelectedDate(session.state, session.ports);
}

struct TipFileArguments {
    std::filesystem::path file;
    std::optional<int> date;
};

int saveTipFile(const CliOptions& options, const TipFileArguments& arguments, std::ostream& out) {
    CliSession session(options);
    saveTipsTo(session.state, arguments.file);
    if (options.json)
        out << Json{{"tip_file", arguments.file.string()}}.dump() << '\n';
    else
        out << said(session.state, Msg::CliTipsSaved, {arguments.file.string()}) << '\n';
    return 0;
}

// The loaded sheet is stored as the window stores it when it closes, so the next command
// works with it.
int loadTipFile(const CliOptions& options, const TipFileArguments& arguments, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    if (arguments.date)
        state.setSelectedDate(*arguments.date);
    loadTipsFrom(state, session.ports, arguments.file);
    session.saveSettings();

    const std::string settingsFile = session.settingsStore().path().string();
    if (options.json) {
        Json result = {{"tip_file", arguments.file.string()}};
        result.update(checkJson(state, session.sound.played.size()));
        result["settings_file"] = settingsFile;
        out << result.dump() << '\n';
        return 0;
    }
    out << said(state, Msg::CliTipsLoaded, {arguments.file.string()}) << '\n';
    printCheck(state, session.sound.played.size(), options.verbose, out);
    out << said(state, Msg::CliSheetStored, {settingsFile}) << '\n';
    return 0;
}

struct PrintArguments {
    std::optional<std::filesystem::path> file;
    std::optional<int> date;
};

// Writes the listing as "Tipp ausdrucken" does, but leaves showing it to the user.
int printListing(const CliOptions& options, const PrintArguments& arguments, std::ostream& out) {
    CliSession session(options);
    showSelectedDraw(session, arguments.date);
    const std::filesystem::path file =
        arguments.file.value_or(session.state.programFolder / TipListing::kFileName);
    writeTipListing(session.state, file);
    if (options.json)
        out << Json{{"listing", file.string()}}.dump() << '\n';
    else
        out << said(session.state, Msg::CliListingWritten, {file.string()}) << '\n';
    return 0;
}

struct HandOverArguments {
    std::optional<int> date;
    std::optional<std::filesystem::path> script;
    std::optional<std::string> zahl1, text1, zahl2, text2;
    bool noStart = false;
};

// The click-script dialog answered from the command line: it keeps the stored values,
// takes each one the command line gives instead, and closes with OK. The question whether
// to install a missing tool is printed and answered No.
class HandOverPrompts : public StderrPrompts {
public:
    HandOverPrompts(const HandOverArguments& arguments, const MessageTable& messages)
        : m_arguments(arguments), m_messages(messages) {}

    bool askClickScript(ClickScriptChoice& choice) override {
        // The dialog hands back full paths; a relative one means the current folder.
        if (m_arguments.script)
            choice.script = std::filesystem::absolute(*m_arguments.script).string();
        choice.zahl1 = m_arguments.zahl1.value_or(choice.zahl1);
        choice.text1 = m_arguments.text1.value_or(choice.text1);
        choice.zahl2 = m_arguments.zahl2.value_or(choice.zahl2);
        choice.text2 = m_arguments.text2.value_or(choice.text2);
        return true;
    }

    bool askYesNo(const std::string& caption, const std::string& text) override {
        std::cerr << caption << ' ' << text << ' ' << m_messages.text(Msg::CliAnsweredNo) << '\n';
        return false;
    }

    // The command's own failure line says it once.
    void showFailure(const std::string&) override {}

private:
    const HandOverArguments& m_arguments;
    const MessageTable& m_messages;
};

const char* outcomeName(ClickStartResult::Outcome outcome) {
    switch (outcome) {
    case ClickStartResult::Outcome::ToolMissing:
        return "tool_missing";
    case ClickStartResult::Outcome::Cancelled:
        return "cancelled";
    case ClickStartResult::Outcome::ScriptMissing:
        return "script_missing";
    case ClickStartResult::Outcome::ValueWithNul:
        return "value_with_nul";
    case ClickStartResult::Outcome::StartFailed:
        return "start_failed";
    case ClickStartResult::Outcome::Filled:
        break;
    }
    return "filled";
}

// What stands where a file was expected, in the language in use; nothing for a regular file
// or no entry at all.
std::optional<std::string> kindOf(const std::filesystem::path& file, const AppState& state) {
    std::error_code error;
    switch (std::filesystem::status(file, error).type()) {
    case std::filesystem::file_type::regular:
    case std::filesystem::file_type::not_found:
    case std::filesystem::file_type::none:
        return std::nullopt;
    case std::filesystem::file_type::directory:
        return failure(state, Msg::CliKindFolder, {});
    case std::filesystem::file_type::fifo:
        return failure(state, Msg::CliKindFifo, {});
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character:
        return failure(state, Msg::CliKindDevice, {});
    case std::filesystem::file_type::socket:
        return failure(state, Msg::CliKindSocket, {});
    default:
        return failure(state, Msg::CliKindOther, {});
    }
}

// Why the click tool was not reached, in the language in use; empty when the script was
// filled.
std::string handOverFailure(const ClickStartResult& start, const AppState& state) {
    // The registry value that names the tool's folder, and its key.
    const std::string toolValue = "\"Path\"";
    const std::string toolKey = std::string("HKEY_CURRENT_USER\\") + ClickScript::kToolKey;
    switch (start.outcome) {
    case ClickStartResult::Outcome::ToolMissing:
        if (start.tool.empty())
            return failure(state, Msg::CliNoClickTool, {toolValue, toolKey});
        if (const auto kind = kindOf(start.tool, state))
            return failure(state, Msg::CliClickToolNotProgram,
                           {start.tool.string(), *kind, toolValue, toolKey});
        return failure(state, Msg::CliClickToolMissing, {start.tool.string(), toolValue, toolKey});
    case ClickStartResult::Outcome::ScriptMissing:
        if (start.script.empty())
            return failure(state, Msg::CliNoClickScript,
                           {ClickScript::kExtension, state.scriptFolder().string()});
        if (const auto kind = kindOf(start.script, state))
            return failure(state, Msg::CliClickScriptNotFile, {start.script.string(), *kind});
        return failure(state, Msg::CliClickScriptMissing, {start.script.string()});
    case ClickStartResult::Outcome::Cancelled:
        return failure(state, Msg::CliClickScriptNotChosen, {});
    case ClickStartResult::Outcome::ValueWithNul:
    case ClickStartResult::Outcome::StartFailed:
        return start.failure;
    case ClickStartResult::Outcome::Filled:
        break;
    }
    return {};
}

Json handOverJson(const HandOverResult& result) {
    const ClickStartResult& start = result.start;
    return {{"hand_over_file", pathJson(result.handOverFile)},
            {"outcome", outcomeName(start.outcome)},
            {"tool", pathJson(start.tool)},
            {"script", pathJson(start.script)},
            {"filled_copy", pathJson(start.filledCopy)},
            {"arguments", start.arguments},
            {"started", start.started},
            {"script_updated", start.scriptUpdated}};
}

void printHandOver(const AppState& state, const HandOverResult& result, std::ostream& out) {
    const ClickStartResult& start = result.start;
    out << said(state, Msg::CliHandOverFile, {result.handOverFile.string()}) << '\n';
    if (start.outcome != ClickStartResult::Outcome::Filled &&
        start.outcome != ClickStartResult::Outcome::StartFailed)
        return;
    out << said(state, Msg::CliClickScript, {start.script.string()});
    if (start.scriptUpdated)
        out << ' ' << state.messages.text(Msg::CliScriptUpdated);
    out << '\n' << said(state, Msg::CliFilledScript, {start.filledCopy.string()}) << '\n';
    // Quoted as JSON strings, so that blanks and empty arguments can be told apart.
    out << state.messages.text(Msg::CliArguments);
    for (const std::string& argument : start.arguments)
        out << ' ' << Json(argument).dump();
    out << '\n';
    if (start.started)
        out << said(state, Msg::CliToolStarted, {start.tool.string()}) << '\n';
}

int handOver(const CliOptions& options, const HandOverArguments& arguments, std::ostream& out) {
    CliSession session(options);
    showSelectedDraw(session, arguments.date);
    HandOverPrompts prompts(arguments, session.state.messages);
    ProcessShell shell;
    CurlHttpClient http;
    session.ports.prompts = &prompts;
    session.ports.shell = &shell;
    session.ports.http = &http;

    const HandOverResult result =
        handOverTips(session.state, session.ports,
                     arguments.noStart ? ClickStart::FillOnly : ClickStart::Launch);

    if (options.json)
        out << handOverJson(result).dump() << '\n';
    else
        printHandOver(session.state, result, out);
    // The outcome decides, not whether a text was found for it.
    if (result.start.outcome != ClickStartResult::Outcome::Filled) {
        std::cerr << "powerball-cli: " << handOverFailure(result.start, session.state) << '\n';
        return kDataError;
    }
    return 0;
}

} // namespace

void addTipCommands(CommandLine& commandLine) {
    CLI::App* tips = commandLine.addGroup("tips", "the tip sheet as a tip file (.vlt)");
    auto save = std::make_shared<TipFileArguments>();
    CLI::App* saveVerb = commandLine.add(*tips, "save", "write the stored tip sheet to a tip file",
                                         [save](const CliOptions& options, std::ostream& out) {
                                             return saveTipFile(options, *save, out);
                                         });
    saveVerb->add_option("FILE", save->file, "the tip file")->required();

    auto load = std::make_shared<TipFileArguments>();
    CLI::App* loadVerb =
        commandLine.add(*tips, "load", "fill the sheet from a tip file, check it and store it",
                        [load](const CliOptions& options, std::ostream& out) {
                            return loadTipFile(options, *load, out);
                        });
    loadVerb->add_option("FILE", load->file, "the tip file")->required();
    // The verbs that show a draw take the picker's date; without one the window's start-up
    // choice stands, today.
    addPickerDate(*loadVerb, "--date", load->date, "the date to check (default: today)");

    auto print = std::make_shared<PrintArguments>();
    CLI::App* printVerb =
        commandLine.add("print", "write the printable listing of the stored sheet",
                        [print](const CliOptions& options, std::ostream& out) {
                            return printListing(options, *print, out);
                        });
    printVerb->add_option("--out", print->file, "the listing (default: Tipp.txt in the folder)")
        ->type_name("FILE");
    addPickerDate(*printVerb, "--date", print->date, "the shown draw's date (default: today)");

    auto handOverArguments = std::make_shared<HandOverArguments>();
    CLI::App* handOverVerb = commandLine.add(
        "handover", "write the hand-over file, fill the click script and start the click tool",
        [handOverArguments](const CliOptions& options, std::ostream& out) {
            return handOver(options, *handOverArguments, out);
        });
    addPickerDate(*handOverVerb, "--date", handOverArguments->date,
                  "the selected date (default: today)");
    handOverVerb->add_option("--script", handOverArguments->script, "the click script")
        ->type_name("FILE");
    handOverVerb->add_option("--zahl1", handOverArguments->zahl1, "the tool's ZAHL1");
    handOverVerb->add_option("--text1", handOverArguments->text1, "the tool's TEXT1");
    handOverVerb->add_option("--zahl2", handOverArguments->zahl2, "the tool's ZAHL2");
    handOverVerb->add_option("--text2", handOverArguments->text2, "the tool's TEXT2");
    handOverVerb->add_flag("--no-start", handOverArguments->noStart,
                           "fill the script only; no click tool is needed");
}

} // namespace powerball::cli
