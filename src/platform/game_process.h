#pragma once

// Telling whether the game is running. The game reads the roster when it
// starts and may write it back when it closes, over a change made meanwhile.

#include <QString>

namespace platform {

// Whether a program of this name is the game: UnrealTournament.exe (also
// under Wine, where the kernel keeps the first 15 characters of the name)
// or the native Linux game's ut-bin, ut-bin-x86, ut-bin-amd64, ...
bool isGameProgram(const QString& name);

// Whether any process listed in `processes` (a folder laid out as /proc,
// one folder per process holding its name in "comm") is the game.
bool gameRunsIn(const QString& processes);

} // namespace platform
