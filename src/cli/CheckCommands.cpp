#include "CheckOutput.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "options/OptionChecks.h"

#include "app/draws/DrawBrowser.h"
#include "app/evaluation/TipCheck.h"
#include "base/TextParsing.h"
#include "rules/sheet/RowFault.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace powerball::cli {

namespace {

// The date goes into the picker of the "Datenbank" page, which refuses dates before its
// minimum.
void selectDate(AppState& state, int day) {
    if (!state.setSelectedDate(day))
        throw UsageError(beforeEarliestDate(state, "--date"));
}

struct CheckArguments {
    int date = 0;
    std::vector<std::string> rows;
};

// A --row that is no tip: it names the row (from 1) and the value.
struct RowError {
    int row = 0;
    std::string value;
    std::string message;
};

// The fields of a --row: a tip line ("3,17,22,45,61,9,"), or numbers separated by blanks
// ("3 17 22 45 61 9"). Empty fields are allowed (a row not filled in is not checked); more
// than seven fields, something that is not a number, a number out of range or a white number
// twice is an error.
std::optional<RowError> readRow(AppState& state, int row, const std::string& text) {
    TipSheet& tips = state.tips;
    std::vector<std::string> fields;
    if (text.find(',') != std::string::npos) {
        for (std::string_view field : splitFields(text, ','))
            fields.emplace_back(trimmed(field));
    } else {
        std::string field;
        for (const char c : text + " ") {
            if (c == ' ' || c == '\t') {
                if (!field.empty())
                    fields.push_back(std::exchange(field, {}));
            } else {
                field += c;
            }
        }
    }
    if (fields.size() > static_cast<std::size_t>(TipRow::kFieldCount))
        return RowError{row + 1, text, failure(state, Msg::CliRowTooManyFields, {})};
    for (std::size_t f = 0; f < static_cast<std::size_t>(TipRow::kFieldCount); ++f)
        tips.setField(row, static_cast<int>(f), f < fields.size() ? fields[f] : std::string());
    if (const std::optional<RowFault> fault = rowFault(tips.row(row)))
        return RowError{row + 1, std::string(trimmed(fault->text)),
                        rowFaultReason(state.messages, *fault)};
    return std::nullopt;
}

int reportRowError(const CliOptions& options, const RowError& error, std::ostream& out) {
    if (options.json)
        out << Json{{"error",
                     {{"row", error.row}, {"value", error.value}, {"message", error.message}}}}
                   .dump()
            << '\n';
    else
        std::cerr << "powerball-cli: --row " << error.row << " (" << error.value
                  << "): " << error.message << '\n';
    return 1;
}

int runCheck(const CliOptions& options, const CheckArguments& arguments, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    if (arguments.rows.size() > static_cast<std::size_t>(TipSheet::kRowCount))
        throw UsageError(tooManyRows(state));
    for (std::size_t r = 0; r < arguments.rows.size(); ++r)
        if (const auto error = readRow(state, static_cast<int>(r), arguments.rows[r]))
            return reportRowError(options, *error, out);

    selectDate(state, arguments.date);
    state.checkEnabled = true;
    evaluateSelectedDate(state, session.ports);

    if (options.json)
        out << checkJson(state, session.sound.played.size()).dump() << '\n';
    else
        printCheck(state, session.sound.played.size(), options.verbose, out);
    return 0;
}

struct BrowseArguments {
    int date = 0;
    std::optional<int> previous;
    std::optional<int> next;
};

int runBrowse(const CliOptions& options, const BrowseArguments& arguments, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    const bool forward = arguments.next.has_value();
    const int steps = forward ? *arguments.next : *arguments.previous;

    selectDate(state, arguments.date);
    evaluateSelectedDate(state, session.ports);
    // The file is read once, and no walk takes more steps than there are draws: past them
    // every step shows the same first or last draw.
    const std::vector<DrawRecord> records = state.drawHistory().readAll();
    const int walk = static_cast<int>(std::min<std::size_t>(
        static_cast<std::size_t>(steps), std::max<std::size_t>(records.size(), 1)));
    for (int k = 0; k < walk; ++k)
        forward ? DrawBrowser::next(state, session.ports, records)
                : DrawBrowser::previous(state, session.ports, records);

    if (!options.json) {
        printShownDraw(state, out);
        return 0;
    }
    Json result = {{"current_draw", currentDrawJson(state)},
                   {"draw_text", state.databaseDrawText},
                   {"cross_sum_text", state.panelCrossSumText},
                   {"selected_date", isoDay(state.selectedDate)}};
    out << result.dump() << '\n';
    return 0;
}

} // namespace

void addCheckCommands(CommandLine& commandLine) {
    auto check = std::make_shared<CheckArguments>();
    CLI::App* checkVerb = commandLine.add("check", "check tip lines against the draw of a date",
                                          [check](const CliOptions& options, std::ostream& out) {
                                              return runCheck(options, *check, out);
                                          });
    checkVerb->add_option("--date", check->date, "the date to check")
        ->required()
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
    checkVerb->add_option("--row", check->rows, "a tip line, once for each row (at most 12)")
        ->type_name("LINE")
        ->allow_extra_args(false);

    auto browse = std::make_shared<BrowseArguments>();
    CLI::App* browseVerb = commandLine.add("browse", "step from the draw of a date",
                                           [browse](const CliOptions& options, std::ostream& out) {
                                               return runBrowse(options, *browse, out);
                                           });
    browseVerb->add_option("--date", browse->date, "the date to start from")
        ->required()
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
    // One count in one direction: neither option twice, nor both.
    CLI::Option_group* steps = browseVerb->add_option_group("steps");
    steps->add_option("--previous", browse->previous, "steps back")
        ->transform(wholeNumber())
        ->check(countAtLeast(0))
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    steps->add_option("--next", browse->next, "steps forward")
        ->transform(wholeNumber())
        ->check(countAtLeast(0))
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    steps->require_option(1);
}

} // namespace powerball::cli
