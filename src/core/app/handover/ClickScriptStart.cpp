#include "app/handover/ClickScriptStart.h"

#include "base/AtomicFile.h"
#include "base/FileReading.h"
#include "base/MessageTable.h"
#include "base/TextParsing.h"
#include "ports/RegistryKey.h"
#include "rules/handover/ClickScript.h"

#include <algorithm>
#include <cctype>

namespace powerball {

namespace {

// A script larger than this is no click script; it is refused rather than cut.
constexpr std::size_t kMaxScriptBytes = 16 * 1024 * 1024;
constexpr const char* kInstallerPath = "/dateien/pilotexp.exe";

// The tool's values. A value another program stored with another type reads as empty, as
// a missing one does.
class ToolSettings {
public:
    explicit ToolSettings(RegistryStore& store) : m_key(store, ClickScript::kToolKey) {}

    std::string read(const char* name) const {
        try {
            return m_key.readString(name).value_or(std::string{});
        } catch (const RegistryError&) {
            return {};
        }
    }

    void load(ClickScriptChoice& choice) const {
        choice.script = read("ZudarAvodaScript");
        choice.zahl1 = read("ZudarAvodaZahl1");
        choice.text1 = read("ZudarAvodaText1");
        choice.zahl2 = read("ZudarAvodaZahl2");
        choice.text2 = read("ZudarAvodaText2");
    }

    void save(const ClickScriptChoice& choice) {
        m_key.writeString("ZudarAvodaScript", choice.script);
        m_key.writeString("ZudarAvodaZahl1", choice.zahl1);
        m_key.writeString("ZudarAvodaText1", choice.text1);
        m_key.writeString("ZudarAvodaZahl2", choice.zahl2);
        m_key.writeString("ZudarAvodaText2", choice.text2);
        m_key.close();
    }

    std::filesystem::path tool() const {
        const std::string folder = read("Path");
        return folder.empty() ? std::filesystem::path{}
                              : std::filesystem::path(folder) / ClickScript::kToolFile;
    }

private:
    RegistryKey m_key;
};

bool isClickScriptName(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == std::string(".") + ClickScript::kExtension;
}

bool isFile(const std::filesystem::path& file) {
    std::error_code error;
    return !file.empty() && std::filesystem::is_regular_file(file, error);
}

// However the dialog closed, an empty number becomes "0".
void fillEmptyNumbers(ClickScriptChoice& choice) {
    if (choice.zahl1.empty())
        choice.zahl1 = "0";
    if (choice.zahl2.empty())
        choice.zahl2 = "0";
}

std::string filledScript(const AppState& state, const std::filesystem::path& script) {
    const std::string source = readFileBytes(script, kMaxScriptBytes);
    if (source.size() == kMaxScriptBytes)
        throw FileReadError(script, "larger than a click script can be");
    const std::string handOver = readFileBytes(state.handOverPath, kMaxScriptBytes);
    const std::vector<std::string_view> lines = splitLines(handOver);
    const ClickScriptFlags flags{state.settings.preferPairs, state.settings.limitMaxOverlap,
                                 state.settings.preferFrequent};
    return ClickScript::fill(source, lines, flags, state.handOverPath.string());
}

// The dialog's field whose value holds a NUL, by its caption; none when all are clean.
const char* fieldWithNul(const ClickScriptChoice& choice) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"Velmars Click-Script File", &choice.script},
        {"ZAHL1", &choice.zahl1},
        {"TEXT1", &choice.text1},
        {"ZAHL2", &choice.zahl2},
        {"TEXT2", &choice.text2}};
    for (const auto& [caption, value] : fields)
        if (value->find('\0') != std::string::npos)
            return caption;
    return nullptr;
}

// A click script is text: a body with NUL bytes or control characters other than line
// breaks and tabs (a compressed or binary answer, terminal escapes) is no script.
bool isScriptText(const std::string& body) {
    return std::none_of(body.begin(), body.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F;
    });
}

// The answer's Last-Modified, unless it lies in the future: after the server's own Date, or
// after now by more than a clock's usual drift. Such a date would make every hand-over
// replace the script and undo the user's own edits for good, so it counts as unknown.
std::optional<std::chrono::sys_seconds> knownLastModified(const HttpResponse& response) {
    constexpr std::chrono::minutes kClockDrift{5};
    if (!response.lastModified)
        return std::nullopt;
    const auto now =
        std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
    if (*response.lastModified > now + kClockDrift)
        return std::nullopt;
    if (response.serverDate && *response.lastModified > *response.serverDate)
        return std::nullopt;
    return response.lastModified;
}

} // namespace

std::vector<std::string> listClickScripts(const std::filesystem::path& folder) {
    std::vector<std::string> scripts;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return scripts;
    for (const auto& entry : entries) {
        std::error_code typeError;
        if (entry.is_regular_file(typeError) && isClickScriptName(entry.path()))
            scripts.push_back(entry.path().string());
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

bool updateClickScript(const InternetOptions& internet, HttpClient& http,
                       const std::filesystem::path& script, const UpdateLimits& limits) {
    std::error_code error;
    const auto localTime = std::filesystem::last_write_time(script, error);
    if (error)
        return false;
    HttpRequest request;
    request.url = internet.serverAddress("/scripts/" + script.filename().string() + ".txt");
    request.connectTimeout = limits.connectTimeout;
    request.readTimeout = limits.readTimeout;
    request.maxRedirects = limits.maxRedirects;
    try {
        DrawUpdate::applyProxy(internet, request);
    } catch (const ProxyPortError&) {
        return false;
    }
    const HttpResponse response = http.get(request);
    // An empty body is no script, whatever its date says.
    if (response.failed() || response.statusCode != 200 || response.body.empty() ||
        !isScriptText(response.body))
        return false;
    const std::optional<std::chrono::sys_seconds> serverTime = knownLastModified(response);
    if (!serverTime)
        return false;
    const auto local = std::chrono::time_point_cast<std::chrono::seconds>(
        std::chrono::file_clock::to_sys(localTime));
    if (local >= *serverTime)
        return false;
    try {
        saveFileAtomically(script, response.body);
    } catch (const FileSaveError&) {
        return false;
    }
    return true;
}

ClickStartResult startClickScript(AppState& state, const Ports& ports, ClickStart mode,
                                  const UpdateLimits& limits) {
    ClickStartResult result;
    ToolSettings settings(ports.registryStore());
    ClickScriptChoice choice;
    settings.load(choice);
    result.tool = settings.tool();

    if (mode == ClickStart::Launch && !isFile(result.tool)) {
        result.outcome = ClickStartResult::Outcome::ToolMissing;
        if (ports.userPrompts().askYesNo(state.messages.text(Msg::ClickToolInstallCaption),
                                         state.messages.text(Msg::ClickToolInstallAsk)))
            ports.desktopShell().open(state.internet.serverAddress(kInstallerPath));
        return result;
    }

    choice.scriptFolder = state.scriptFolder();
    choice.scripts = listClickScripts(choice.scriptFolder);
    if (choice.script.empty() && !choice.scripts.empty())
        choice.script = choice.scripts.back();
    const bool accepted = ports.userPrompts().askClickScript(choice);
    fillEmptyNumbers(choice);
    if (!accepted) {
        result.outcome = ClickStartResult::Outcome::Cancelled;
        return result;
    }
    // A NUL ends an argument of a command line: the tool would get a cut value.
    if (const char* field = fieldWithNul(choice)) {
        result.outcome = ClickStartResult::Outcome::ValueWithNul;
        result.failure = fillPlaceholders(state.messages.text(Msg::ClickValueWithNul), {field});
        ports.userPrompts().showFailure(result.failure);
        return result;
    }
    result.script = choice.script;
    if (isFile(result.script))
        result.scriptUpdated =
            updateClickScript(state.internet, ports.httpClient(), result.script, limits);
    settings.save(choice);
    if (!isFile(result.script)) {
        result.outcome = ClickStartResult::Outcome::ScriptMissing;
        return result;
    }

    const std::string filled = filledScript(state, result.script);
    result.filledCopy =
        state.handOverPath.parent_path() /
        (DrawCalendar::yyyymmdd(ports.systemClock().today()) + "." + ClickScript::kExtension);
    saveFileAtomically(result.filledCopy, filled);
    result.arguments = ClickScript::toolArguments(result.filledCopy, choice);
    result.outcome = ClickStartResult::Outcome::Filled;
    if (mode == ClickStart::Launch) {
        if (const auto failure =
                ports.desktopShell().startDetached(result.tool, result.arguments)) {
            result.outcome = ClickStartResult::Outcome::StartFailed;
            result.failure = fillPlaceholders(state.messages.text(Msg::ClickToolNotStarted),
                                              {"\"" + result.tool.string() + "\"", *failure});
            ports.userPrompts().showFailure(result.failure);
            return result;
        }
        result.started = true;
    }
    return result;
}

} // namespace powerball
