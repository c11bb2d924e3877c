#include "platform/http/CurlHttpModule.h"

#include "platform/http/CurlHttpClient.h"

#include <exception>

extern "C" __attribute__((visibility("default"))) powerball::HttpClient*
powerball_make_curl_client(std::string* error) {
    try {
        return new powerball::CurlHttpClient();
    } catch (const std::exception& failure) {
        if (error)
            *error = failure.what();
        return nullptr;
    }
}
