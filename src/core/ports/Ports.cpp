#include "ports/Ports.h"

namespace powerball {

SoundPlayer& Ports::soundPlayer() const {
    static SilentSoundPlayer silent;
    return sound ? *sound : silent;
}

UserPrompts& Ports::userPrompts() const {
    static IgnoringPrompts ignoring;
    return prompts ? *prompts : ignoring;
}

const Clock& Ports::systemClock() const {
    static SystemClock system;
    return clock ? *clock : system;
}

RegistryStore& Ports::registryStore() const {
    static NullRegistryStore none;
    return registry ? *registry : none;
}

HttpResponse OfflineHttpClient::get(const HttpRequest&) {
    HttpResponse response;
    response.error = "no network connection";
    return response;
}

HttpClient& Ports::httpClient() const {
    static OfflineHttpClient offline;
    return http ? *http : offline;
}

EventPump& Ports::eventPump() const {
    static IdleEventPump idle;
    return events ? *events : idle;
}

Shell& Ports::desktopShell() const {
    static NoShell none;
    return shell ? *shell : none;
}

} // namespace powerball
