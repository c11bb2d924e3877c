#pragma once

#include <string>
#include <string_view>

namespace powerball {

// FNV-1a over the bytes as 16 hex digits: enough to tell one version of a file or an answer
// from the next, not a guard against anyone who wants a collision.
std::string contentHash(std::string_view bytes);

} // namespace powerball
