// The tip file: a sheet filled from any file writes a text that fills the same sheet
// again, so reading and saving a tip file twice changes nothing more.

#include "FuzzSupport.h"

#include "rules/output/TipFile.h"

#include <vector>

namespace {

std::vector<std::array<std::string, powerball::TipRow::kFieldCount>>
countingRows(const powerball::TipSheet& sheet) {
    std::vector<std::array<std::string, powerball::TipRow::kFieldCount>> rows;
    for (int row = 0; row < powerball::TipSheet::kRowCount; ++row)
        if (powerball::TipFile::rowCounts(sheet, row))
            rows.push_back(sheet.row(row).fields);
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    TipSheet sheet;
    TipFile::fill(sheet, fuzz::bytes(data, size));
    const std::string written = TipFile::text(sheet);

    TipSheet reread;
    TipFile::fill(reread, written);
    FUZZ_CHECK(TipFile::text(reread) == written);
    // The file keeps the counting rows in order and drops the others.
    FUZZ_CHECK(countingRows(reread) == countingRows(sheet));
    return 0;
}
