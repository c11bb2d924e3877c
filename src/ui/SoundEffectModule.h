#pragma once

#include "ports/SoundPlayer.h"

// Qt Multimedia's player of the tip check's sounds as a module of its own: Qt Multimedia and
// the sound server's libraries are loaded at the first sound, not with the window.

// The module's file name, as it lies in the program's module folder (AdapterModule).
inline constexpr char kSoundModuleFile[] = "powerball-sound.so";
// The name of its one entry.
inline constexpr char kSoundModuleEntry[] = "powerball_make_sound_player";

// Makes a player the caller owns. It plays a file as given; a machine without sound output
// stays silent.
extern "C" powerball::SoundPlayer* powerball_make_sound_player();
using MakeSoundPlayer = decltype(&powerball_make_sound_player);
