// The text decoder: any bytes decode to valid UTF-8, and valid UTF-8 without a byte-order
// mark comes through unchanged.

#include "FuzzSupport.h"

#include "base/TextDecoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using powerball::TextDecoding;
    const std::string_view input = fuzz::bytes(data, size);
    const std::string decoded = TextDecoding::toUtf8(input);
    FUZZ_CHECK(TextDecoding::isValidUtf8(decoded));
    if (TextDecoding::isValidUtf8(input) && !input.starts_with("\xEF\xBB\xBF"))
        FUZZ_CHECK(decoded == input);
    // Single bytes never vanish: every input byte without a mark gives at least one byte.
    if (!input.starts_with("\xEF\xBB\xBF") && !input.starts_with("\xFF\xFE") &&
        !input.starts_with("\xFE\xFF"))
        FUZZ_CHECK(decoded.size() >= input.size());
    return 0;
}
