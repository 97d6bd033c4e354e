#pragma once

// The roster the benchmarks work on, generated at a given size.

#include <QByteArray>

// A roster of about `size` bytes: 101 named bots, every key of as many
// bots as fit, and other sections before and after the roster, as the
// game's own file has them.
inline QByteArray generateRoster(qsizetype size)
{
    QByteArray bots = "[CovertstrikeUT.CovBotInfo]\r\n";
    for (int i = 0; i <= 100; ++i)
        bots += "BotNames[" + QByteArray::number(i) + "]=Bot number " + QByteArray::number(i) + "\r\n";
    const char* prefixes[] = {"BotFaces",    "BotTeams", "BotClasses",      "BotSkins", "VoiceType",
                              "BotSkills",   "BotAccuracy", "CombatStyle", "Alertness", "Camping",
                              "StrafingAbility", "BotJumpy"};
    for (const char* prefix : prefixes) {
        for (int i = 0; i <= 100 && bots.size() < size - 64; ++i)
            bots += QByteArray(prefix) + '[' + QByteArray::number(i) + "]=0.250000\r\n";
    }
    bots += "\r\n";
    QByteArray before = "[CovertstrikeUT.CovGameInfo]\r\n";
    QByteArray after = "[CovertstrikeUT.CovHUD]\r\n";
    for (int n = 0; bots.size() + before.size() + after.size() < size; ++n) {
        QByteArray& part = n % 2 ? after : before;
        part += "Setting" + QByteArray::number(n) + "=" + QByteArray(40, 'x') + "\r\n";
    }
    return before + "\r\n" + bots + after + "\r\n";
}
