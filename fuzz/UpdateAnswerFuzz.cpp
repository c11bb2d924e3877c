// The update server's answer: parsing is a function of the body alone; the draws it keeps
// are at most a day's worth of valid, different draws; every text meant for the user is
// valid UTF-8 without control characters that could reach a terminal.

#include "FuzzSupport.h"

#include "base/TextDecoding.h"
#include "draws/DrawValidation.h"
#include "draws/UpdateAnswer.h"

#include <algorithm>

namespace {

bool safeForTerminal(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\n' && byte != '\r' && byte != '\t') || byte == 0x7F;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    const std::string_view body = fuzz::bytes(data, size);
    const UpdateAnswer first = UpdateAnswer::parse(body);
    const UpdateAnswer second = UpdateAnswer::parse(body);
    FUZZ_CHECK(first.draws == second.draws && first.message == second.message);

    FUZZ_CHECK(first.draws.size() <= UpdateAnswer::kMaxDrawsPerDay);
    for (std::size_t k = 0; k < first.draws.size(); ++k) {
        FUZZ_CHECK(!DrawValidation::newNumbersProblem(first.draws[k]));
        for (std::size_t j = 0; j < k; ++j)
            FUZZ_CHECK(!DrawValidation::sameDraw(first.draws[j], first.draws[k]));
    }
    if (first.message)
        FUZZ_CHECK(TextDecoding::isValidUtf8(*first.message));

    const std::string message = UpdateAnswer::messageText(body);
    FUZZ_CHECK(TextDecoding::isValidUtf8(message) && safeForTerminal(message));
    FUZZ_CHECK(message.size() <= UpdateAnswer::kMaxMessageBytes + 4);

    const std::string decoded = decodeAnswerText(body);
    FUZZ_CHECK(TextDecoding::isValidUtf8(decoded) && safeForTerminal(decoded));
    return 0;
}
