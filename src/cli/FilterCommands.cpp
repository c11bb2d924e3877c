#include "CheckOutput.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "options/OptionChecks.h"

#include "app/generator/FilterCostCommand.h"
#include "rules/generator/FilterCostText.h"

#include <memory>
#include <optional>
#include <ostream>

namespace powerball::cli {

namespace {

struct FilterArguments {
    std::optional<int> start;
    std::optional<int> selected;
};

int runFilters(const CliOptions& options, const FilterArguments& arguments, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    if (arguments.start)
        state.startDate = *arguments.start;
    if (arguments.selected && !state.setSelectedDate(*arguments.selected))
        throw UsageError(beforeEarliestDate(state, "--selected"));
    const FilterCost cost = measureFilterCost(state);

    if (options.json) {
        Json perFilter = Json::array();
        for (const FilterRejections& filter : cost.perFilter)
            perFilter.push_back({{"name", filter.name}, {"draws_rejected", filter.drawsRejected}});
        const Json result = {{"share", cost.share},          {"interval", {cost.low, cost.high}},
                             {"exact", cost.exact},          {"sample_rows", cost.sampleRows},
                             {"draws_kept", cost.drawsKept}, {"draws_judged", cost.drawsJudged},
                             {"per_filter", perFilter}};
        out << result.dump() << '\n';
        return 0;
    }
    out << filterCostLine(state.messages, state.textFormat(), cost, state.startDate) << '\n'
        << filterCostHint(state.messages, state.textFormat(), cost) << '\n';
    for (const FilterRejections& filter : cost.perFilter)
        out << "  "
            << said(state, Msg::CliDrawsRejected,
                    {std::string(filter.name), state.textFormat().count(filter.drawsRejected)})
            << '\n';
    return 0;
}

} // namespace

void addFilterCommand(CommandLine& commandLine) {
    auto arguments = std::make_shared<FilterArguments>();
    CLI::App* verb = commandLine.add(
        "filters", "what the acceptance filters cost: the share of rows and of past draws kept",
        [arguments](const CliOptions& options, std::ostream& out) {
            return runFilters(options, *arguments, out);
        });
    verb->add_option("--start", arguments->start, "the start date of the history")
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
    verb->add_option("--selected", arguments->selected, "the selected day")
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
}

} // namespace powerball::cli
