#include "CheckOutput.h"
#include "CliProgress.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "options/OptionChecks.h"

#include "app/evaluation/DrawAnalysis.h"
#include "app/evaluation/HistorySearch.h"
#include "app/evaluation/SettingsAnalysis.h"
#include "app/generator/GeneratorRun.h"
#include "base/AtomicFile.h"

#include <iomanip>
#include <memory>
#include <ostream>

namespace powerball::cli {

namespace {

// The dialogs of the search and the analyses answered from the command line: the input box
// with the given text (nothing: OK on the preset), the question whether to start with Yes,
// and every hit question with Yes, or the first one with No when the user asked to stop
// there.
class AnalysisPrompts : public StderrPrompts {
public:
    AnalysisPrompts(std::optional<std::string> text, std::string startCaption, bool stopAtFirst)
        : m_text(std::move(text)), m_startCaption(std::move(startCaption)),
          m_stopAtFirst(stopAtFirst) {}

    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string& defaultText) override {
        return m_text.value_or(defaultText);
    }

    bool askYesNo(const std::string& caption, const std::string&) override {
        // The search asks no start question, so its caption is never matched there.
        if (!m_startCaption.empty() && caption == m_startCaption)
            return true;
        return !(m_stopAtFirst && ++m_hitQuestions == 1);
    }

private:
    std::optional<std::string> m_text;
    std::string m_startCaption;
    bool m_stopAtFirst;
    int m_hitQuestions = 0;
};

// The session's ports with the scripted answers, and a shell that opens nothing: the report
// is for the caller to read, no viewer pops up.
Ports analysisPorts(const CliSession& session, AnalysisPrompts& prompts) {
    static NoShell noShell;
    Ports ports = session.ports;
    ports.prompts = &prompts;
    ports.shell = &noShell;
    return ports;
}

// The same lines as the report in the program folder, for a file the caller names.
void writeReportCopy(const std::optional<std::filesystem::path>& file,
                     const std::vector<std::string>& lines) {
    if (!file)
        return;
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    saveFileAtomically(*file, text);
}

Json pathJson(const std::optional<std::filesystem::path>& path) {
    return path ? Json(path->string()) : Json(nullptr);
}

void printReport(const AppState& state, const std::vector<std::string>& report,
                 const std::filesystem::path& reportFile,
                 const std::optional<std::filesystem::path>& copy, std::ostream& out) {
    for (const std::string& line : report)
        out << line << '\n';
    out << said(state, Msg::CliReportWritten, {reportFile.string()}) << '\n';
    if (copy)
        out << said(state, Msg::CliReportCopied, {copy->string()}) << '\n';
}

struct SearchArguments {
    std::optional<int> threshold;
    std::optional<int> start;
    std::optional<int> selected;
    std::vector<std::string> rows;
    bool first = false;
};

int runSearch(const CliOptions& options, const SearchArguments& arguments, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    if (arguments.rows.size() > static_cast<std::size_t>(TipSheet::kRowCount))
        throw UsageError(tooManyRows(state));
    for (std::size_t r = 0; r < arguments.rows.size(); ++r)
        state.tips.setLine(static_cast<int>(r), arguments.rows[r]);
    if (arguments.start)
        state.startDate = *arguments.start;
    if (arguments.selected)
        state.setSelectedDate(*arguments.selected);

    AnalysisPrompts prompts(
        arguments.threshold ? std::optional(std::to_string(*arguments.threshold)) : std::nullopt,
        "", arguments.first);
    const HistorySearchResult result = searchTipsInHistory(state, analysisPorts(session, prompts));

    if (options.json) {
        Json hits = Json::array();
        for (const HistorySearchResult::Hit& hit : result.hits)
            hits.push_back(
                {{"date", isoDay(hit.date)}, {"row", hit.row}, {"hits", hit.hits}, {"pb", hit.pb}});
        Json rows = Json::array();
        for (int r = 0; r < TipSheet::kRowCount; ++r)
            rows.push_back(state.tips.row(r).hitText);
        Json json = {{"threshold", result.threshold},
                     {"reached_end", result.reachedEnd},
                     {"hits", hits},
                     {"rows", rows},
                     {"current_draw", currentDrawJson(state)}};
        out << json.dump() << '\n';
        return 0;
    }
    const TextFormat format = state.textFormat();
    out << said(state, Msg::CliThreshold, {std::to_string(result.threshold)}) << '\n';
    for (const HistorySearchResult::Hit& hit : result.hits)
        out << said(state, Msg::CliSearchHit,
                    {format.date(DrawCalendar::roundToDay(hit.date)), std::to_string(hit.row),
                     std::to_string(hit.hits) + (hit.pb ? " + PB" : "")})
            << '\n';
    out << state.messages.text(result.reachedEnd ? Msg::CliSearchReachedEnd
                                                 : Msg::CliSearchStoppedAtFirst)
        << '\n'
        << said(state, Msg::CliShownDraw, {state.databaseDrawText}) << '\n';
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        out << said(state, Msg::CliRow, {std::to_string(r + 1)}) << ": "
            << said(state, Msg::CliHits, {state.tips.row(r).hitText}) << '\n';
    return 0;
}

struct SettingsAnalysisArguments {
    int from = 0;
    int lucky = 0;
    std::optional<int> start;
    std::optional<std::filesystem::path> report;
};

int runSettingsAnalysis(const CliOptions& options, const SettingsAnalysisArguments& arguments,
                        std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    if (arguments.start)
        state.startDate = *arguments.start;
    state.setSelectedDate(arguments.from);

    AnalysisPrompts prompts(std::to_string(arguments.lucky),
                            state.messages.text(Msg::SettingsAnalysisCaption), false);
    Ports ports = analysisPorts(session, prompts);
    CliProgress progress(options, state, [&] { pressCalculate(state, ports); });
    ports.events = &progress;
    const SettingsAnalysisResult result = analyseSettings(state, ports);
    if (!result.ran)
        throw std::runtime_error(failure(state, Msg::CliSettingsAnalysisNotRun, {}));
    writeReportCopy(arguments.report, result.report);
    const int exitCode = progress.interrupted() ? CliProgress::kInterruptedExit : 0;

    if (!options.json) {
        printReport(state, result.report, result.reportFile, arguments.report, out);
        return exitCode;
    }
    Json sums = Json::array();
    Json expected = Json::array();
    for (std::size_t k = 0; k < result.sums.size(); ++k) {
        sums.push_back(result.sums[k]);
        expected.push_back(result.expected[k]);
    }
    Json json = {{"steps", result.steps},
                 {"planned_steps", result.plannedSteps},
                 {"stopped", result.stopped},
                 {"sums", sums},
                 {"expected", expected},
                 {"verdict",
                  {{"observed_three_or_more", result.observedThreeOrMore},
                   {"expected_three_or_more", result.expectedThreeOrMore},
                   {"chance_at_least_as_good", result.chanceAtLeastAsGood}}},
                 {"report", result.report},
                 {"report_file", result.reportFile.string()},
                 {"report_copy", pathJson(arguments.report)}};
    out << json.dump() << '\n';
    return exitCode;
}

struct DrawAnalysisArguments {
    int from = 0;
    int threshold = 0;
    std::optional<int> start;
    bool first = false;
    std::optional<std::filesystem::path> report;
};

// The tables run to five hits: five white numbers are all a draw has.
Json firstSix(const auto& table) {
    return Json(std::vector(table.begin(), table.begin() + 6));
}

int runDrawAnalysis(const CliOptions& options, const DrawAnalysisArguments& arguments,
                    std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    if (arguments.start)
        state.startDate = *arguments.start;
    state.setSelectedDate(arguments.from);

    AnalysisPrompts prompts(std::to_string(arguments.threshold),
                            state.messages.text(Msg::DrawAnalysisCaption), arguments.first);
    const DrawAnalysisResult result = analyseDraws(state, analysisPorts(session, prompts));
    if (!result.ran)
        throw std::runtime_error(failure(state, Msg::CliDrawAnalysisNotRun, {}));
    // A No ends the analysis without a report, so there is nothing to copy either.
    if (!result.endedByUser)
        writeReportCopy(arguments.report, result.report);

    if (!options.json) {
        if (result.endedByUser) {
            const DrawAnalysisResult::Hit& hit = result.hits.back();
            const TextFormat format = state.textFormat();
            out << said(state, Msg::CliAnalysisEndedAtFirst,
                        {format.date(DrawCalendar::roundToDay(hit.drawDate)),
                         format.date(DrawCalendar::roundToDay(hit.earlierDate)),
                         std::to_string(hit.hits)})
                << '\n';
        } else
            printReport(state, result.report, result.reportFile, arguments.report, out);
        return 0;
    }
    Json hits = Json::array();
    for (const DrawAnalysisResult::Hit& hit : result.hits)
        hits.push_back({{"earlier_date", isoDay(hit.earlierDate)},
                        {"draw_date", isoDay(hit.drawDate)},
                        {"hits", hit.hits}});
    const bool wrote = !result.endedByUser;
    Json json = {{"ended_by_user", result.endedByUser},
                 {"passes", result.passes},
                 {"threshold", result.threshold},
                 {"earlier", firstSix(result.earlier)},
                 {"next", firstSix(result.next)},
                 {"expected_earlier", result.expectedEarlier},
                 {"expected_next", result.expectedNext},
                 {"hits", hits},
                 {"report", result.report},
                 {"report_file", wrote ? Json(result.reportFile.string()) : Json(nullptr)},
                 {"report_copy", wrote ? pathJson(arguments.report) : Json(nullptr)}};
    out << json.dump() << '\n';
    return 0;
}

} // namespace

void addAnalysisCommands(CommandLine& commandLine) {
    auto search = std::make_shared<SearchArguments>();
    CLI::App* searchVerb =
        commandLine.add("search", "search the history for draws the tip rows hit",
                        [search](const CliOptions& options, std::ostream& out) {
                            return runSearch(options, *search, out);
                        });
    searchVerb
        ->add_option("--threshold", search->threshold,
                     "the hits that count as a find (default 7 when the Powerball counts, else 5)")
        ->transform(wholeNumber());
    addPickerDate(*searchVerb, "--start", search->start, "the first day searched");
    addPickerDate(*searchVerb, "--selected", search->selected,
                  "the last day searched (default today)");
    searchVerb->add_option("--row", search->rows, "a tip line, once for each row (at most 12)")
        ->type_name("LINE")
        ->allow_extra_args(false);
    searchVerb->add_flag("--first", search->first, "stop at the first find");

    CLI::App* analyse = commandLine.addGroup("analyse", "analyse the history");

    auto settings = std::make_shared<SettingsAnalysisArguments>();
    CLI::App* settingsVerb = commandLine.add(
        *analyse, "settings", "run the generator once a week from a date and sum up its hits",
        [settings](const CliOptions& options, std::ostream& out) {
            return runSettingsAnalysis(options, *settings, out);
        });
    addPickerDate(*settingsVerb, "--from", settings->from, "the first week's day")->required();
    settingsVerb->add_option("--lucky", settings->lucky, "the lucky number")
        ->required()
        ->transform(wholeNumber());
    addPickerDate(*settingsVerb, "--start", settings->start, "the first day of the history");
    settingsVerb->add_option("--report", settings->report, "also write the report to this file")
        ->type_name("FILE");

    auto draws = std::make_shared<DrawAnalysisArguments>();
    CLI::App* drawsVerb = commandLine.add(
        *analyse, "draws", "compare each draw from a date with the earlier and the next draws",
        [draws](const CliOptions& options, std::ostream& out) {
            return runDrawAnalysis(options, *draws, out);
        });
    addPickerDate(*drawsVerb, "--from", draws->from, "the first draw's day")->required();
    drawsVerb->add_option("--threshold", draws->threshold, "the hits that count as a find")
        ->required()
        ->transform(wholeNumber());
    addPickerDate(*drawsVerb, "--start", draws->start,
                  "the first day of the earlier draws compared");
    drawsVerb->add_flag("--first", draws->first, "stop at the first find");
    drawsVerb->add_option("--report", draws->report, "also write the report to this file")
        ->type_name("FILE");
}

} // namespace powerball::cli
