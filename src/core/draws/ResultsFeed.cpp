#include "draws/ResultsFeed.h"

#include "base/AtomicFile.h"
#include "base/FileReading.h"
#include "base/QuotedExcerpt.h"
#include "base/TextParsing.h"
#include "draws/DrawValidation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace powerball {

namespace {

constexpr std::size_t kMaxValidatorBytes = 16 * 1024;

bool equalsWord(std::string_view text, std::string_view word) {
    return text.size() == word.size() &&
           std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

std::string_view unquotedField(std::string_view field) {
    field = trimmed(field, " \t\r");
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = trimmed(field.substr(1, field.size() - 2), " \t");
    return field;
}

// The first line that is not blank must be the export's header, whatever its case and
// quotes; anything else (markup, JSON, another game's columns) is not the public form.
bool startsWithPublicHeader(std::string_view body) {
    if (body.starts_with("\xEF\xBB\xBF"))
        body.remove_prefix(3);
    const std::size_t start = body.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return false;
    body.remove_prefix(start);
    const std::string_view header = body.substr(0, body.find_first_of("\r\n"));
    static constexpr std::array<std::string_view, 3> kColumns{"draw date", "winning numbers",
                                                              "multiplier"};
    const std::vector<std::string_view> fields = splitFields(header, ',');
    if (fields.size() != kColumns.size())
        return false;
    for (std::size_t k = 0; k < kColumns.size(); ++k)
        if (!equalsWord(unquotedField(fields[k]), kColumns[k]))
            return false;
    return true;
}

std::string usDateText(double date) {
    const CivilDate civil = DrawCalendar::civil(DrawCalendar::roundToDay(date));
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", civil.month, civil.day, civil.year);
    return text;
}

// Of a date given twice with different numbers, neither line is believed: both leave the
// draws, and every line after the first is listed as skipped.
void dropContradictions(DrawCsvContent& csv) {
    std::unordered_map<double, std::size_t> firstOfDate;
    std::unordered_set<double> contradicted;
    for (std::size_t k = 0; k < csv.draws.size(); ++k) {
        const auto [first, isFirst] = firstOfDate.try_emplace(csv.draws[k].date, k);
        if (isFirst ||
            DrawValidation::sameDraw(csv.draws[first->second].numbers, csv.draws[k].numbers))
            continue;
        contradicted.insert(csv.draws[k].date);
        const std::string excerpt = quotedExcerpt(usDateText(csv.draws[k].date));
        csv.skipped.push_back({csv.drawLines[k],
                               excerpt + " appears twice with different numbers; neither line "
                                         "is stored",
                               SkipKind::DateTwice, excerpt});
    }
    if (contradicted.empty())
        return;
    std::erase_if(csv.draws,
                  [&](const DrawRecord& draw) { return contradicted.contains(draw.date); });
    std::sort(csv.skipped.begin(), csv.skipped.end(),
              [](const SkippedLine& a, const SkippedLine& b) { return a.line < b.line; });
}

std::optional<long long> wholeNumber(std::string_view text) {
    const auto value = parseInteger(text);
    if (!value || *value < 0)
        return std::nullopt;
    return *value;
}

std::vector<DrawRecord> storedDraws(const DrawHistory& history) {
    return history.exists() ? history.readAll() : std::vector<DrawRecord>{};
}

ResultsFeed::Validators validatorsOf(const HttpRequest& request, const HttpResponse& response,
                                     const std::vector<DrawRecord>& stored) {
    ResultsFeed::Validators validators;
    validators.url = request.url;
    validators.etag = response.etag;
    validators.lastModified = response.lastModified;
    validators.drawCount = stored.size();
    validators.newestDraw = stored.empty() ? 0 : DrawCalendar::roundToDay(stored.back().date);
    return validators;
}

bool describes(const ResultsFeed::Validators& validators, const std::string& url,
               const std::vector<DrawRecord>& stored) {
    return !stored.empty() && validators.url == url && validators.drawCount == stored.size() &&
           validators.newestDraw == DrawCalendar::roundToDay(stored.back().date) &&
           (!validators.etag.empty() || validators.lastModified);
}

ResultsFeed::Validators heldValidators(const std::filesystem::path& file) {
    try {
        return ResultsFeed::parseValidators(readFileBytes(file, kMaxValidatorBytes));
    } catch (const std::exception&) {
        return {}; // none yet, or unreadable: the fetch is a whole one
    }
}

void failWith(ResultsFeed::Outcome& outcome, ResultsFeed::Failure failure, std::string reason,
              const std::string& error) {
    outcome.failure = failure;
    outcome.reason = std::move(reason);
    outcome.error = "Cannot update from the results file: " + error + "; nothing was stored";
}

} // namespace

std::filesystem::path ResultsFeed::validatorFile(const std::filesystem::path& drawFile) {
    std::filesystem::path file = drawFile;
    file += ".feed";
    return file;
}

std::string ResultsFeed::formatValidators(const Validators& validators) {
    std::string text = "url=" + validators.url + "\n";
    text += "etag=" + validators.etag + "\n";
    if (validators.lastModified)
        text +=
            "last-modified=" + std::to_string(validators.lastModified->time_since_epoch().count()) +
            "\n";
    text += "draws=" + std::to_string(validators.drawCount) + "\n";
    text += "newest=" + DrawCalendar::isoDate(validators.newestDraw) + "\n";
    return text;
}

ResultsFeed::Validators ResultsFeed::parseValidators(std::string_view text) {
    Validators validators;
    bool newestSeen = false;
    for (const std::string_view line : splitFields(text, '\n')) {
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return {};
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == "url") {
            validators.url = value;
        } else if (key == "etag") {
            validators.etag = value;
        } else if (key == "last-modified") {
            const auto seconds = wholeNumber(value);
            if (!seconds)
                return {};
            validators.lastModified = std::chrono::sys_seconds(std::chrono::seconds(*seconds));
        } else if (key == "draws") {
            const auto count = wholeNumber(value);
            if (!count)
                return {};
            validators.drawCount = static_cast<std::size_t>(*count);
        } else if (key == "newest") {
            const auto day = DrawCalendar::parseIsoDate(value);
            if (!day)
                return {};
            validators.newestDraw = *day;
            newestSeen = true;
        }
    }
    return newestSeen ? validators : Validators{};
}

std::optional<ResultsFeed::Content> ResultsFeed::read(std::string_view body, DayNumber today) {
    if (!startsWithPublicHeader(body))
        return std::nullopt;
    std::istringstream input{std::string(body)};
    DrawCsvContent csv;
    try {
        csv = readAnyDrawCsv(input, "the results file", today);
    } catch (const std::runtime_error&) {
        return std::nullopt; // a line no file of draws has: not a file of lines at all
    }
    if (csv.form != DrawCsvForm::PublicResults)
        return std::nullopt;
    dropContradictions(csv);
    return Content{std::move(csv.draws), std::move(csv.skipped)};
}

ResultsFeed::Outcome ResultsFeed::update(const DrawHistory& history, HttpClient& http,
                                         HttpRequest request, DayNumber today) {
    Outcome outcome;
    const std::vector<DrawRecord> stored = storedDraws(history);
    const std::filesystem::path validatorPath = validatorFile(history.path());
    const Validators held = heldValidators(validatorPath);
    if (describes(held, request.url, stored)) {
        request.ifNoneMatch = held.etag;
        request.ifModifiedSince = held.lastModified;
    }
    request.acceptCompressed = true;
    request.maxBodyBytes = kMaxBodyBytes;

    const HttpResponse response = http.get(request);
    outcome.httpStatus = response.statusCode;
    if (response.tooLarge) {
        failWith(outcome, Failure::TooLarge, response.error, response.error);
        return outcome;
    }
    if (response.stopped) {
        failWith(outcome, Failure::Stopped, response.error, response.error);
        return outcome;
    }
    if (response.timedOut) {
        failWith(outcome, Failure::TimedOut, response.error, response.error);
        return outcome;
    }
    if (response.failed()) {
        failWith(outcome, Failure::Transfer, response.error, response.error);
        return outcome;
    }
    if (response.notModified || response.statusCode == 304) {
        outcome.notModified = true;
        return outcome;
    }
    if (response.statusCode < 200 || response.statusCode >= 300) {
        const std::string line = response.statusLine.empty()
                                     ? "HTTP " + std::to_string(response.statusCode)
                                     : response.statusLine;
        failWith(outcome, Failure::Status, line, "the server answered " + quotedExcerpt(line));
        return outcome;
    }
    std::optional<Content> content = read(response.body, today);
    if (!content) {
        failWith(outcome, Failure::NotPublicForm, {},
                 "the answer (" + std::to_string(response.body.size()) +
                     " bytes) is not the public results file, whose first line is "
                     "\"Draw Date,Winning Numbers,Multiplier\"");
        return outcome;
    }

    outcome.skipped = std::move(content->skipped);
    ImportPlan plan = planImport(stored, content->draws);
    std::sort(plan.added.begin(), plan.added.end(),
              [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    std::sort(plan.changed.begin(), plan.changed.end(),
              [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    outcome.changed = std::move(plan.changed);
    outcome.unchanged = plan.unchanged;
    std::vector<DrawRecord> nowStored = stored;
    if (!plan.added.empty()) {
        addMissingDraws(history, plan.added);
        nowStored = storedDraws(history);
    }
    outcome.added = std::move(plan.added);
    try {
        saveFileAtomically(validatorPath,
                           formatValidators(validatorsOf(request, response, nowStored)));
    } catch (const FileSaveError&) {
        // Without them the next fetch is a whole one: slower, never wrong.
    }
    return outcome;
}

} // namespace powerball
