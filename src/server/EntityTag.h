#pragma once

#include <string>
#include <string_view>

namespace powerball::server {

// A strong entity tag of an answer's bytes, quoted as the ETag header carries it.
std::string entityTag(std::string_view content);

// Whether an If-None-Match header names the tag: "*", or the tag in its list (a weak
// W/ tag compares by its value, as the header's comparison asks).
bool noneMatchNames(std::string_view ifNoneMatch, std::string_view tag);

} // namespace powerball::server
