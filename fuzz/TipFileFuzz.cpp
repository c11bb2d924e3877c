// The tip file: a sheet filled from any file writes a text that fills the same sheet
// again, so reading and saving a tip file twice changes nothing more. The loader's decoding
// of a file's bytes gives valid UTF-8 and takes a UTF-8 mark off whole.

#include "FuzzSupport.h"

#include "base/TextDecoding.h"
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

    const std::string_view bytes = fuzz::bytes(data, size);
    const TipFile::DecodedText decoded = TipFile::decode(bytes);
    FUZZ_CHECK(TextDecoding::isValidUtf8(decoded.text));
    if (TextDecoding::isValidUtf8(bytes) && !bytes.starts_with("\xEF\xBB\xBF")) {
        const std::string marked = "\xEF\xBB\xBF" + std::string(bytes);
        FUZZ_CHECK(TipFile::decode(marked).text == decoded.text);
    }
    return 0;
}
