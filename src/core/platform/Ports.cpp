#include "platform/Ports.h"

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

} // namespace powerball
