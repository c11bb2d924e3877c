#pragma once

#include "CallbackPump.h"
#include "ScriptedPrompts.h"
#include "TempFolder.h"

#include "ports/Clock.h"
#include "ports/HttpClient.h"
#include "ports/Ports.h"

#include <string>

namespace powerball::testing {

// The ports an update runs on, around the test's HTTP client: prompts that answer as the
// test scripts them and keep what was shown, a pump that counts its calls, and a fixed day
// as today.
struct UpdatePorts {
    UpdatePorts(HttpClient& http, const std::string& today) : clock(day(today)) {
        ports.http = &http;
        ports.prompts = &prompts;
        ports.events = &pump;
        ports.clock = &clock;
    }
    UpdatePorts(const UpdatePorts&) = delete;
    UpdatePorts& operator=(const UpdatePorts&) = delete;

    ScriptedPrompts prompts;
    CallbackPump pump;
    const FixedClock clock;
    Ports ports;
};

} // namespace powerball::testing
