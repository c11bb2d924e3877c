#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "draws/DrawBrowser.h"
#include "evaluation/TipCheck.h"

#include <iomanip>
#include <ostream>

namespace powerball::cli {

namespace {

void printRows(const AppState& state, std::ostream& out) {
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        const TipRow& row = state.tips.row(r);
        out << std::setw(9) << TipSheet::caption(r);
        for (int f = 0; f < TipRow::kHiddenField; ++f) {
            out << (f == TipRow::kPowerballField ? "  PB " : " ") << std::setw(2)
                << row.fields[static_cast<std::size_t>(f)];
            if (row.colors[static_cast<std::size_t>(f)] != FieldColor::Window)
                out << '*';
        }
        out << "  hits: " << row.hitText << "  cross sum: " << row.crossSumText << '\n';
    }
}

void printShownDraw(const AppState& state, std::ostream& out) {
    out << "Selected date: " << isoDay(state.selectedDate) << '\n'
        << "Draw " << state.drawIndex << ": " << state.databaseDrawText << '\n'
        << state.panelCrossSumText << '\n';
}

// The date goes into the picker of the "Datenbank" page, which refuses dates before its
// minimum.
void selectDate(AppState& state, int day) {
    if (!state.setSelectedDate(day))
        throw UsageError("--date: the earliest date to select is " +
                         DrawCalendar::isoDate(DrawCalendar::kMinimumDate));
}

} // namespace

int runCheck(const CliOptions& options, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    ArgumentReader reader(options.arguments);
    std::optional<int> date;
    int rows = 0;
    while (!reader.atEnd()) {
        const std::string option = reader.take();
        if (option == "--date")
            date = reader.dateValue(option);
        else if (option == "--row") {
            if (rows == TipSheet::kRowCount)
                throw UsageError("at most 12 --row");
            state.tips.setLine(rows++, reader.value(option));
        } else
            throw UsageError("check: unknown argument " + option);
    }
    if (!date)
        throw UsageError("check needs --date");

    selectDate(state, *date);
    state.checkEnabled = true;
    evaluateSelectedDate(state, session.ports);

    if (!options.json) {
        printShownDraw(state, out);
        printRows(state, out);
        out << "Sounds played: " << session.sound.played.size() << '\n';
        return 0;
    }
    Json result = {{"selected_date", isoDay(state.selectedDate)},
                   {"current_draw", currentDrawJson(state)},
                   {"draw_text", state.databaseDrawText},
                   {"panel_draw_text", state.panelDrawText},
                   {"cross_sum_text", state.panelCrossSumText},
                   {"rows", tipRowsJson(state)},
                   {"histogram", histogramJson(state.histogram)},
                   {"sounds_played", session.sound.played.size()}};
    out << result.dump() << '\n';
    return 0;
}

int runBrowse(const CliOptions& options, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    ArgumentReader reader(options.arguments);
    std::optional<int> date;
    int steps = 0;
    bool forward = true;
    bool stepsGiven = false;
    while (!reader.atEnd()) {
        const std::string option = reader.take();
        if (option == "--date")
            date = reader.dateValue(option);
        else if (option == "--previous" || option == "--next") {
            if (stepsGiven)
                throw UsageError("browse takes either --previous or --next");
            stepsGiven = true;
            forward = option == "--next";
            steps = reader.integerValue(option);
            if (steps < 0)
                throw UsageError(option + " needs a count of 0 or more");
        } else
            throw UsageError("browse: unknown argument " + option);
    }
    if (!date || !stepsGiven)
        throw UsageError("browse needs --date and --previous N or --next N");

    selectDate(state, *date);
    evaluateSelectedDate(state, session.ports);
    for (int k = 0; k < steps; ++k)
        forward ? DrawBrowser::next(state, session.ports)
                : DrawBrowser::previous(state, session.ports);

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

} // namespace powerball::cli
