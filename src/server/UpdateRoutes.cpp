#include "UpdateRoutes.h"

#include "DrawAnswer.h"
#include "EntityTag.h"
#include "ServedFile.h"

namespace powerball::server {

namespace {

constexpr const char* kFinalAnswer = "public, max-age=31536000, immutable";
constexpr const char* kFreshAnswer = "public, max-age=300";
constexpr const char* kFileAnswer = "public, max-age=3600";

Reply notFound() {
    Reply reply;
    reply.status = 404;
    return reply;
}

// The answer itself, or 304 when the client already holds it.
Reply tagged(Reply reply, const IncomingRequest& request, const char* cacheControl) {
    const std::string tag = entityTag(std::to_string(reply.status) + '\n' + reply.body);
    reply.headers.emplace_back("ETag", tag);
    reply.headers.emplace_back("Cache-Control", cacheControl);
    if (!request.ifNoneMatch.empty() && noneMatchNames(request.ifNoneMatch, tag)) {
        reply.status = 304;
        reply.body.clear();
        reply.contentType.clear();
    }
    return reply;
}

// The last segment of a path under `prefix`, when the path has exactly one there.
std::optional<std::string> nameUnder(const std::string& path, std::string_view prefix) {
    if (!path.starts_with(prefix) || path.size() == prefix.size())
        return std::nullopt;
    std::string name = path.substr(prefix.size());
    if (name.find('/') != std::string::npos)
        return std::nullopt;
    return name;
}

} // namespace

UpdateRoutes::UpdateRoutes(const ServerOptions& options, DrawSource& draws)
    : m_draws(draws), m_scripts(options.scripts), m_files(options.files),
      m_fixedToday(options.today) {}

Reply UpdateRoutes::answer(const IncomingRequest& request) const {
    if (request.method != "GET" && request.method != "HEAD")
        return notFound();
    if (request.path == "/zahlen/powerball.asp")
        return drawDay(request);
    if (const auto name = nameUnder(request.path, "/scripts/");
        name && m_scripts && name->ends_with(".txt"))
        return servedFile(request, *m_scripts, *name);
    if (const auto name = nameUnder(request.path, "/dateien/"); name && m_files)
        return servedFile(request, *m_files, *name);
    return notFound();
}

Reply UpdateRoutes::drawDay(const IncomingRequest& request) const {
    const auto day = requestedDay(request.single("Programm"), request.single("Datum"));
    if (!day) {
        Reply reply;
        reply.status = 400;
        reply.body = "Bad request\r\n";
        reply.contentType = "text/plain";
        return reply;
    }
    const DayNumber today = m_fixedToday.value_or(m_clock.today());
    const Answer answer = drawAnswer(*m_draws.current(), *day, today);
    Reply reply;
    reply.status = answer.status;
    reply.body = answer.body;
    if (!reply.body.empty())
        reply.contentType = "text/plain; charset=utf-8";
    // A past day's draws, and the 404 of a day without a draw, stay as they are. The
    // message that a draw is not in yet changes as soon as it is, whatever its day.
    const bool hasDraws = answer.status == 200 && !answer.notYetIn;
    const bool final = *day < today && (hasDraws || !DrawCalendar::isDrawDay(*day));
    return tagged(std::move(reply), request, final ? kFinalAnswer : kFreshAnswer);
}

Reply UpdateRoutes::servedFile(const IncomingRequest& request, const std::filesystem::path& folder,
                               const std::string& name) {
    auto file = ServedFile::find(folder, name);
    if (!file)
        return notFound();
    Reply reply;
    reply.body = std::move(file->content);
    reply.contentType = file->contentType;
    reply.headers.emplace_back("Last-Modified", file->lastModified);
    return tagged(std::move(reply), request, kFileAnswer);
}

} // namespace powerball::server
