// The draw file as the history reads it: every whole record in file order when all of them
// keep the stored-draw rule, a DrawFileError otherwise; the locates stay inside the file,
// and removing a date rewrites exactly the other records.

#include "FuzzSupport.h"

#include "draws/DrawFileError.h"
#include "draws/DrawHistory.h"
#include "draws/DrawValidation.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    std::vector<DrawRecord> expected;
    bool valid = true;
    for (std::size_t at = 0; at + DrawRecord::kSize <= size; at += DrawRecord::kSize) {
        expected.push_back(DrawRecord::decode(data + at));
        valid = valid && !DrawValidation::recordProblem(expected.back());
    }

    const DrawHistory history(fuzz::writeScratch("Powerball.dat", fuzz::bytes(data, size)));
    std::vector<DrawRecord> records;
    try {
        records = history.readAll();
    } catch (const DrawFileError&) {
        FUZZ_CHECK(!valid);
        return 0;
    }
    FUZZ_CHECK(valid);
    FUZZ_CHECK(records == expected);
    const int count = static_cast<int>(records.size());

    for (const int index : {-1, 0, count / 2, count - 1, count}) {
        const DrawHistory::Located located = history.locateByIndex(index);
        FUZZ_CHECK(located.recordCount == count);
        FUZZ_CHECK(located.record.has_value());
        if (count > 0) {
            FUZZ_CHECK(located.index >= 0 && located.index < count);
            FUZZ_CHECK(*located.record == records[static_cast<std::size_t>(located.index)]);
        }
    }
    if (count == 0)
        return 0;

    const double date = records[static_cast<std::size_t>(count / 2)].date;
    const DrawHistory::Located byDate = history.locateByDate(date);
    FUZZ_CHECK(byDate.record.has_value() && byDate.index >= 0 && byDate.index < count);
    FUZZ_CHECK(*byDate.record == records[static_cast<std::size_t>(byDate.index)]);

    // A writer leaves a file with a torn last record alone rather than drop its bytes.
    const bool torn = size % DrawRecord::kSize != 0;
    try {
        history.removeDate(date);
    } catch (const DrawFileError&) {
        FUZZ_CHECK(torn);
        FUZZ_CHECK(history.readAll() == records);
        return 0;
    }
    FUZZ_CHECK(!torn);
    std::erase_if(records, [date](const DrawRecord& r) { return r.date == date; });
    FUZZ_CHECK(history.readAll() == records);
    return 0;
}
