#pragma once

// The values the roster commands take, read and judged before the roster is
// opened: lists of bot numbers, a field and its value, a count, a seed. Each
// reader gives the value, or the mistake in one line of the player's
// language, naming the option.

#include "roster/roster.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace commands {

// Bot numbers as "0-3,7": numbers and ranges (the lower number first)
// between commas, blanks around them allowed, each number from 0 to 100
// and each bot once, in the order given. "3-1", "0,,2", "1-" and "101" are
// mistakes.
struct BotNumbers {
    std::vector<roster::BotIndex> numbers;
    QString mistake;
};
BotNumbers ReadBotNumbers(const QString& option, const QString& text);

// The mistake when a number is not one of the `listed` bots (0 to listed - 1);
// empty when all are.
QString UnlistedMistake(const QString& option, const std::vector<roster::BotIndex>& numbers, int listed);

// "0-3,7" for these numbers: runs of three or more as ranges.
QString WrittenNumbers(const std::vector<roster::BotIndex>& numbers);

// One --set, "BotAccuracy=0.5": a field with a control (the key as the
// roster names it, without the number, in any case) and a value within the
// range its control produces (minimum to maximum, scaled as the control
// writes it), in the form the file holds it: six decimals, a whole number,
// or the voice's own form (given as 2 or as the voice's form). The looks
// (faces, classes, skins) and the name are not set this way.
struct FieldValue {
    int box = -1;      // in roster::RosterFields
    std::string value; // as the file will hold it
    QString mistake;
};
FieldValue ReadFieldValue(const QString& assignment);

// The key a field's value box is written under, without the number ("BotAccuracy").
QString KeyName(int box);

// The fields with a control, in the overview's column order (the team
// first): what --list shows and --set sets.
std::vector<int> ControlledFields();

// --count: a number of bots from 1 to 101.
struct Count {
    int count = 0;
    QString mistake;
};
Count ReadCount(const QString& text);

// --seed: a whole number from 0 to 2^64 - 1.
struct Seed {
    std::uint64_t seed = 0;
    QString mistake;
};
Seed ReadSeed(const QString& text);

} // namespace commands
