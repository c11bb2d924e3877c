#pragma once

#include "ports/Clock.h"
#include "ports/EventPump.h"
#include "ports/HttpClient.h"
#include "ports/RegistryStore.h"
#include "ports/Shell.h"
#include "ports/SoundPlayer.h"
#include "ports/UserPrompts.h"

#include <string>

namespace powerball {

// Ports that do nothing: the defaults until a face plugs in real ones.
class SilentSoundPlayer : public SoundPlayer {
public:
    void play(const std::filesystem::path&) override {}
};

class IgnoringPrompts : public UserPrompts {
public:
    void showMessage(const std::string&) override {}
};

// No network: every request fails without an answer.
class OfflineHttpClient : public HttpClient {
public:
    HttpResponse get(const HttpRequest&) override;
};

class IdleEventPump : public EventPump {
public:
    void processEvents() override {}
};

// The ports a command may call out through. The face that runs the commands owns the
// adapters and plugs them in here.
struct Ports {
    SoundPlayer* sound = nullptr;
    UserPrompts* prompts = nullptr;
    const Clock* clock = nullptr;
    RegistryStore* registry = nullptr;
    HttpClient* http = nullptr;
    EventPump* events = nullptr;
    Shell* shell = nullptr;

    SoundPlayer& soundPlayer() const;
    UserPrompts& userPrompts() const;
    const Clock& systemClock() const;
    RegistryStore& registryStore() const;
    HttpClient& httpClient() const;
    EventPump& eventPump() const;
    Shell& desktopShell() const;
};

} // namespace powerball
