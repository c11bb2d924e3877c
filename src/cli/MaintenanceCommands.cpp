#include "CheckOutput.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "options/OptionChecks.h"

#include "app/draws/DrawMaintenance.h"
#include "app/evaluation/TipCheck.h"

#include <algorithm>
#include <memory>
#include <ostream>
#include <sstream>

namespace powerball::cli {

namespace {

// The entry dialog answered from the command line.
class CommandLineEntry : public StderrPrompts {
public:
    explicit CommandLineEntry(const DrawEntry& entry) : m_entry(entry) {}
    std::optional<DrawEntry> askDrawNumbers(const DrawEntry&) override { return m_entry; }

private:
    DrawEntry m_entry;
};

std::array<int, 5> whiteNumbers(const std::string& text) {
    std::array<int, 5> white{};
    std::stringstream stream(text);
    std::string field;
    std::size_t count = 0;
    while (std::getline(stream, field, ',')) {
        if (count == white.size())
            throw UsageError("--white needs five numbers A,B,C,D,E");
        white[count++] = parseInteger(field, "--white");
    }
    if (count != white.size() || text.ends_with(','))
        throw UsageError("--white needs five numbers A,B,C,D,E");
    return white;
}

int recordIndex(const AppState& state, const DrawRecord& record) {
    const std::vector<DrawRecord> records = state.drawHistory().readAll();
    return static_cast<int>(std::find(records.begin(), records.end(), record) - records.begin());
}

void printShown(const AppState& state, std::ostream& out) {
    out << said(state, Msg::CliDraw, {std::to_string(state.drawIndex), state.databaseDrawText})
        << '\n';
}

struct EnterArguments {
    int date = 0;
    std::string white;
    int powerball = 0;
    int powerPlay = 0;
};

int runEnter(const CliOptions& options, const EnterArguments& arguments, std::ostream& out) {
    const DrawEntry entry{arguments.date, whiteNumbers(arguments.white), arguments.powerball,
                          arguments.powerPlay};
    if (const auto problem = drawEntryProblem(entry))
        throw UsageError("enter: " + *problem);

    CliSession session(options);
    AppState& state = session.state;
    CommandLineEntry dialog(entry);
    session.ports.prompts = &dialog;
    // The dialog opens with the stored draw of the date when there is one, so a corrected
    // draw keeps the digit groups of the draw it replaces.
    state.setSelectedDate(arguments.date);
    const DrawRecord stored = *DrawMaintenance::enterDraw(state, session.ports);

    if (options.json) {
        out << Json{{"stored", drawJson(stored, recordIndex(state, stored))},
                    {"current_draw", currentDrawJson(state)}}
                   .dump()
            << '\n';
        return 0;
    }
    out << said(state, Msg::CliDrawStored,
                {state.textFormat().date(DrawCalendar::roundToDay(stored.date))})
        << '\n';
    printShown(state, out);
    return 0;
}

int runDelete(const CliOptions& options, int date, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    if (!state.setSelectedDate(date))
        throw UsageError(failure(state, Msg::CliNoDrawBefore,
                                 {"--date", DrawCalendar::isoDate(DrawCalendar::kMinimumDate)}));
    // "Löschen" removes the shown draw: show the draw of the date first, and refuse when
    // the date has none rather than remove the next later draw.
    evaluateSelectedDate(state, session.ports);
    if (state.currentDraw.date != date)
        throw std::runtime_error(
            failure(state, Msg::WheelNoDrawOn, {state.textFormat().date(date)}));
    const std::size_t before = state.drawHistory().readAll().size();
    DrawMaintenance::deleteShownDraw(state, session.ports);
    const std::size_t removed = before - state.drawHistory().readAll().size();

    if (options.json) {
        // An emptied file leaves the removed draw as the current one: nothing is shown.
        const bool emptied = state.currentDraw.date == date;
        out << Json{{"removed", removed},
                    {"current_draw", emptied ? Json(nullptr) : currentDrawJson(state)}}
                   .dump()
            << '\n';
        return 0;
    }
    const TextFormat format = state.textFormat();
    out << said(state, Msg::CliDrawRemoved,
                {format.date(date), format.count(static_cast<long long>(removed))})
        << '\n';
    printShown(state, out);
    return 0;
}

} // namespace

void addMaintenanceCommands(CommandLine& commandLine) {
    auto enter = std::make_shared<EnterArguments>();
    CLI::App* enterVerb =
        commandLine.add("enter", "store a draw by hand (replaces the draw of the date)",
                        [enter](const CliOptions& options, std::ostream& out) {
                            return runEnter(options, *enter, out);
                        });
    enterVerb->add_option("--date", enter->date, "the day of the draw")
        ->required()
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
    enterVerb->add_option("--white", enter->white, "the five white numbers")
        ->type_name("A,B,C,D,E")
        ->required();
    enterVerb->add_option("--pb", enter->powerball, "the Powerball")
        ->required()
        ->transform(wholeNumber());
    enterVerb->add_option("--pp", enter->powerPlay, "the Power Play")
        ->required()
        ->transform(wholeNumber());

    auto date = std::make_shared<int>();
    commandLine
        .add("delete", "remove the draw of a date",
             [date](const CliOptions& options, std::ostream& out) {
                 return runDelete(options, *date, out);
             })
        ->add_option("--date", *date, "the day of the draw")
        ->required()
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
}

} // namespace powerball::cli
