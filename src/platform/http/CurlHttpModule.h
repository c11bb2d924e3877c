#pragma once

#include "ports/HttpClient.h"

#include <string>

// The libcurl client as a module of its own, for the window: libcurl and its TLS, name and
// proxy libraries are loaded at the window's first request, not with the window. The command
// line and the server link the client directly.

// The module's file name, as it lies in the program's module folder.
inline constexpr char kCurlModuleFile[] = "powerball-http-curl.so";
// The name of its one entry.
inline constexpr char kCurlModuleEntry[] = "powerball_make_curl_client";

// Makes a client the caller owns; null when libcurl cannot start, with the reason in `error`.
extern "C" powerball::HttpClient* powerball_make_curl_client(std::string* error);
using MakeCurlClient = decltype(&powerball_make_curl_client);
