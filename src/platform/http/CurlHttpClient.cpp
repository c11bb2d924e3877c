#include "platform/http/CurlHttpClient.h"

#include <curl/curl.h>

#include <array>
#include <cctype>
#include <memory>
#include <stdexcept>

namespace powerball {

namespace {

void initialiseLibcurlOnce() {
    static const CURLcode result = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (result != CURLE_OK)
        throw std::runtime_error(std::string("libcurl: ") + curl_easy_strerror(result));
}

// What arrives while one request runs.
struct Transfer {
    std::size_t limit = 0;
    bool tooLarge = false;
    std::string body;
    std::string statusLine;
    std::string etag;
};

// A header line of that name (given in lower case), whatever case the server writes.
bool hasName(std::string_view line, std::string_view name) {
    if (line.size() < name.size())
        return false;
    for (std::size_t k = 0; k < name.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(line[k])) != name[k])
            return false;
    return true;
}

// A validator goes back as it came, but a damaged one must not add a header of its own.
std::string headerValue(const std::string& value) {
    std::string clean;
    for (const char c : value)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f)
            clean.push_back(c);
    return clean;
}

std::size_t receiveBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (bytes > transfer.limit - transfer.body.size()) {
        transfer.tooLarge = true;
        return 0; // anything but `bytes` breaks the transfer off
    }
    transfer.body.append(data, bytes);
    return bytes;
}

// Every answer (each redirect, a proxy's) starts with its status line; the last one counts.
std::size_t receiveHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    std::string_view line(data, bytes);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    if (line.starts_with("HTTP/")) {
        transfer.statusLine = line;
        transfer.etag.clear(); // a redirect's ETag is not the resource's
    } else if (hasName(line, "etag:")) {
        line.remove_prefix(5);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        transfer.etag = line;
    }
    return bytes;
}

long milliseconds(std::chrono::milliseconds duration) {
    return static_cast<long>(duration.count());
}

} // namespace

CurlHttpClient::CurlHttpClient() {
    initialiseLibcurlOnce();
    m_handle = curl_easy_init();
    if (!m_handle)
        throw std::runtime_error("libcurl: cannot create a request handle");
}

CurlHttpClient::~CurlHttpClient() {
    curl_easy_cleanup(static_cast<CURL*>(m_handle));
}

HttpResponse CurlHttpClient::get(const HttpRequest& request) {
    const std::lock_guard lock(m_mutex);
    CURL* curl = static_cast<CURL*>(m_handle);
    curl_easy_reset(curl); // keeps the open connection

    Transfer transfer;
    transfer.limit = request.maxBodyBytes;
    std::array<char, CURL_ERROR_SIZE> errorText{};

    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "PowerBall/2.0");
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, static_cast<long>(request.maxRedirects));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, milliseconds(request.connectTimeout));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS,
                     milliseconds(request.connectTimeout + request.readTimeout));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(request.maxBodyBytes));
    curl_easy_setopt(curl, CURLOPT_PROXY, request.proxyHost.c_str()); // "" = no proxy
    if (!request.proxyHost.empty()) {
        curl_easy_setopt(curl, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
        curl_easy_setopt(curl, CURLOPT_PROXYPORT, static_cast<long>(request.proxyPort));
    }
    curl_easy_setopt(curl, CURLOPT_FILETIME, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receiveBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, receiveHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText.data());
    if (request.ifModifiedSince) {
        curl_easy_setopt(curl, CURLOPT_TIMECONDITION, static_cast<long>(CURL_TIMECOND_IFMODSINCE));
        curl_easy_setopt(
            curl, CURLOPT_TIMEVALUE_LARGE,
            static_cast<curl_off_t>(request.ifModifiedSince->time_since_epoch().count()));
    }
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(
        request.ifNoneMatch.empty()
            ? nullptr
            : curl_slist_append(nullptr,
                                ("If-None-Match: " + headerValue(request.ifNoneMatch)).c_str()),
        &curl_slist_free_all);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());

    const CURLcode result = curl_easy_perform(curl);

    HttpResponse response;
    long code = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &code);
    response.statusCode = static_cast<int>(code);
    response.statusLine = std::move(transfer.statusLine);
    response.body = std::move(transfer.body);
    curl_off_t modified = -1;
    if (curl_easy_getinfo(curl, CURLINFO_FILETIME_T, &modified) == CURLE_OK && modified >= 0)
        response.lastModified = std::chrono::sys_seconds(std::chrono::seconds(modified));
    response.etag = std::move(transfer.etag);
    long unmet = 0;
    curl_easy_getinfo(curl, CURLINFO_CONDITION_UNMET, &unmet);
    response.notModified = result == CURLE_OK && (code == 304 || unmet != 0);
    if (transfer.tooLarge || result == CURLE_FILESIZE_EXCEEDED)
        response.error =
            "the answer is larger than " + std::to_string(request.maxBodyBytes) + " bytes";
    else if (result != CURLE_OK)
        response.error = errorText[0] != '\0' ? errorText.data() : curl_easy_strerror(result);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    return response;
}

} // namespace powerball
