// The click script filler. The input is a script, then after a NUL byte the hand-over
// lines, one per line. A script without '[' has no placeholder and comes back byte for
// byte; any script fills without a fault, and filling never eats the text around a
// placeholder it does not know.

#include "FuzzSupport.h"

#include "base/TextParsing.h"
#include "rules/handover/ClickScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    const std::string_view input = fuzz::bytes(data, size);
    const std::size_t split = input.find('\0');
    const std::string_view script = input.substr(0, split);
    const std::string_view lines =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    const std::vector<std::string_view> handOverLines = splitLines(lines);
    const ClickScriptFlags flags{true, false, true};

    const std::string filled = ClickScript::fill(script, handOverLines, flags, "C:\\Tipp.vlt");
    // Every placeholder has both brackets: a script without one of them has none.
    if (script.find('[') == std::string_view::npos || script.find(']') == std::string_view::npos)
        FUZZ_CHECK(filled == script);

    for (const std::string_view line : handOverLines)
        FUZZ_CHECK(ClickScript::lineValues(line).size() == 7);
    return 0;
}
