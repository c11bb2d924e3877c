// The draw file's 32-byte records: every record decodes, encodes back to the same bytes,
// and a record that passes the stored-draw rule can be shown as a text.

#include "FuzzSupport.h"

#include "draws/DrawRecord.h"
#include "draws/DrawText.h"
#include "draws/DrawValidation.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    for (std::size_t at = 0; at + DrawRecord::kSize <= size; at += DrawRecord::kSize) {
        const DrawRecord record = DrawRecord::decode(data + at);
        const DrawRecord::Bytes encoded = record.encode();
        FUZZ_CHECK(std::memcmp(encoded.data(), data + at, DrawRecord::kSize) == 0);
        if (!DrawValidation::recordProblem(record)) {
            const DrawNumbers numbers = record.drawNumbers();
            // In the fixed formats and in each language's own.
            for (int language = 1; language <= 9; ++language)
                for (const TextFormat format :
                     {TextFormat(language, false), TextFormat(language, true)})
                    for (const DrawTextForm form : {DrawTextForm::First, DrawTextForm::Middle,
                                                    DrawTextForm::Last, DrawTextForm::Search})
                        FUZZ_CHECK(!drawText(format, record.date, numbers, form).empty());
            numbers.crossSum();
        }
    }
    return 0;
}
