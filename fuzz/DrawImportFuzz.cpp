// The CSV import: a file either fails whole with an error, or every draw it yields keeps
// the rule of a new draw and of a stored record.

#include "FuzzSupport.h"

#include "draws/DrawImport.h"
#include "draws/DrawValidation.h"

#include <sstream>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    std::istringstream input{std::string(fuzz::bytes(data, size))};
    std::vector<DrawRecord> records;
    try {
        records = readDrawCsv(input, "fuzz.csv");
    } catch (const std::runtime_error&) {
        return 0;
    }
    for (const DrawRecord& record : records) {
        FUZZ_CHECK(!DrawValidation::recordProblem(record));
        FUZZ_CHECK(!DrawValidation::newDrawProblem(record));
    }
    return 0;
}
