// The CSV import, in both forms: the strict read either fails whole with an error or yields
// only draws that keep the rule of a new draw and of a stored record; the lenient read yields
// such draws too, and names each line it skips once, in order. Read from a file that changed
// meanwhile, it yields the same draws but perhaps the last. The results file's read yields
// such draws, none after today and no date twice, and never throws; its validators file reads
// back what it writes.

#include "FuzzSupport.h"

#include "draws/DrawImport.h"
#include "draws/DrawValidation.h"
#include "draws/ResultsFeed.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

void checkDraws(const std::vector<powerball::DrawRecord>& records) {
    using powerball::DrawValidation;
    for (const powerball::DrawRecord& record : records) {
        FUZZ_CHECK(!DrawValidation::recordProblem(record));
        FUZZ_CHECK(!DrawValidation::newDrawProblem(record));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    const std::string text(fuzz::bytes(data, size));
    try {
        std::istringstream input(text);
        checkDraws(readDrawCsv(input, "fuzz.csv"));
    } catch (const std::runtime_error&) {
    }
    try {
        std::istringstream input(text);
        const DrawCsvContent content = readAnyDrawCsv(input, "fuzz.csv");
        checkDraws(content.draws);
        int previous = 0;
        for (const SkippedLine& skipped : content.skipped) {
            FUZZ_CHECK(skipped.line > previous);
            FUZZ_CHECK(!skipped.reason.empty());
            previous = skipped.line;
        }

        std::istringstream again(text);
        const DrawCsvContent changed = readAnyDrawCsv(again, "fuzz.csv", [] { return false; });
        FUZZ_CHECK(changed.draws.size() + 1 >= content.draws.size());
        FUZZ_CHECK(std::equal(
            changed.draws.begin(), changed.draws.end(), content.draws.begin(),
            [](const DrawRecord& a, const DrawRecord& b) { return a.encode() == b.encode(); }));
        previous = 0;
        for (const SkippedLine& skipped : changed.skipped) {
            FUZZ_CHECK(skipped.line > previous);
            previous = skipped.line;
        }
    } catch (const std::runtime_error&) {
    }

    const DayNumber today = DrawCalendar::dayNumber(2026, 12, 11);
    if (const auto feed = ResultsFeed::read(text, today)) {
        checkDraws(feed->draws);
        std::map<double, DrawRecord> byDate;
        for (const DrawRecord& record : feed->draws) {
            FUZZ_CHECK(record.date <= today);
            const auto [first, isFirst] = byDate.try_emplace(record.date, record);
            FUZZ_CHECK(isFirst || DrawValidation::sameDraw(first->second.numbers, record.numbers));
        }
        for (const SkippedLine& skipped : feed->skipped)
            FUZZ_CHECK(!skipped.reason.empty());
    }
    const ResultsFeed::Validators validators = ResultsFeed::parseValidators(text);
    if (validators != ResultsFeed::Validators{})
        FUZZ_CHECK(ResultsFeed::parseValidators(ResultsFeed::formatValidators(validators)) ==
                   validators);
    return 0;
}
