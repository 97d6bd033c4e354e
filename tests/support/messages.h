#pragma once

// The window's messages as a player reads them, spelled out here rather than
// taken from the program, so that a changed word shows up as a failure.

#include <QString>

namespace messages {

inline const QString Disclaimer = QStringLiteral(
    "USE AT YOUR OWN RISK!  This program modifies the settings of one of the initialization files used by your "
    "game.  These modifications could be harmful or fatal if swallowed.");
inline const QString Hint = QStringLiteral(
    "A dialog box will now appear that will allow you to select your CovertstrikeUser.ini file.  This file will be "
    "in the System folder that is located in your Unreal Tournament folder. (i.e. C:\\UnrealTournament\\System\\)");
inline const QString InvalidFile = QStringLiteral("Error: Invalid CovertstrikeUser.ini file.");
inline const QString NoBotSelected = QStringLiteral("ERROR: Bot name error or no bot selected.");
inline const QString BlankName = QStringLiteral(
    "A bot's name cannot be blank: the list of bots would end at it, and the bots after it could no longer be "
    "reached. Nothing of this bot was saved.");

// Where the settings store keeps the remembered roster.
inline const QString Remembered = QStringLiteral("FileLoc/IniLoc");

} // namespace messages
