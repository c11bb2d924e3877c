#include "EntityTag.h"

#include "base/ContentHash.h"

#include <cstdint>
#include <cstdio>

namespace powerball::server {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

std::string entityTag(std::string_view content) {
    // The answers are small and a tag only has to change with them.
    return "\"" + contentHash(content) + "\"";
}

bool noneMatchNames(std::string_view ifNoneMatch, std::string_view tag) {
    if (trimmed(ifNoneMatch) == "*")
        return true;
    while (!ifNoneMatch.empty()) {
        const auto comma = ifNoneMatch.find(',');
        std::string_view candidate = trimmed(ifNoneMatch.substr(0, comma));
        if (candidate.starts_with("W/"))
            candidate.remove_prefix(2);
        if (candidate == tag)
            return true;
        if (comma == std::string_view::npos)
            break;
        ifNoneMatch.remove_prefix(comma + 1);
    }
    return false;
}

} // namespace powerball::server
