#include "Exchange.h"

namespace powerball::server {

std::string IncomingRequest::single(const std::string& key) const {
    const std::string* found = nullptr;
    for (const auto& [name, value] : query) {
        if (name != key)
            continue;
        if (found)
            return {};
        found = &value;
    }
    return found ? *found : std::string();
}

} // namespace powerball::server
