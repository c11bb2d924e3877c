#pragma once

#include "DrawSource.h"
#include "Exchange.h"
#include "ServerOptions.h"

#include "ports/Clock.h"

namespace powerball::server {

// The server's answers: the draws of a day at /zahlen/powerball.asp, the click-script
// updates at /scripts/NAME.txt and the downloads at /dateien/NAME, each with the headers
// that let any cache in front keep them: an answer that can no longer change (a past day's
// draws) for a year, today's for five minutes, the files for an hour; and 304 for a client
// that names the answer's tag.
class UpdateRoutes {
public:
    UpdateRoutes(const ServerOptions& options, DrawSource& draws);

    Reply answer(const IncomingRequest& request) const;

private:
    Reply drawDay(const IncomingRequest& request) const;
    static Reply servedFile(const IncomingRequest& request, const std::filesystem::path& folder,
                            const std::string& name);

    DrawSource& m_draws;
    std::optional<std::filesystem::path> m_scripts;
    std::optional<std::filesystem::path> m_files;
    std::optional<DayNumber> m_fixedToday;
    SystemClock m_clock;
};

} // namespace powerball::server
