#include "commands/arguments.h"

#include "roster/scale.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace commands {
namespace {

// A number as the value of a field's range shows it: "-1", "0.5", "3".
QString shortNumber(double value)
{
    QString text = QString::fromStdString(roster::SixDecimal(value));
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// Plain decimal digits, at most `digits` of them.
bool isNumber(QStringView text, qsizetype digits)
{
    return !text.isEmpty() && text.size() <= digits
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

BotNumbers ReadBotNumbers(const QString& option, const QString& text)
{
    BotNumbers read;
    static const QRegularExpression item(QStringLiteral("^\\s*(\\d+)\\s*(?:-\\s*(\\d+)\\s*)?$"));
    const auto bad = [&](const QString& mistake) {
        read.numbers.clear();
        read.mistake = mistake;
        return read;
    };
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QRegularExpressionMatch match = item.match(part);
        if (!match.hasMatch())
            return bad(QCoreApplication::translate("RosterCommands",
                                                   "%1 takes bot numbers and ranges such as 0-3,7, not \"%2\"")
                           .arg(option, text));
        const QString first = match.captured(1);
        const QString last = match.hasCaptured(2) ? match.captured(2) : first;
        for (const QString& number : {first, last}) {
            if (!isNumber(number, 3) || number.toInt() >= roster::MaxListedBots)
                return bad(QCoreApplication::translate("RosterCommands",
                                                       "%1: %2 is no bot number; bots are numbered 0 to %3")
                               .arg(option, number)
                               .arg(roster::MaxListedBots - 1));
        }
        if (first.toInt() > last.toInt())
            return bad(QCoreApplication::translate("RosterCommands", "%1: the range %2-%3 runs backwards; write %3-%2")
                           .arg(option, first, last));
        for (int n = first.toInt(); n <= last.toInt(); ++n) {
            const auto bot = static_cast<roster::BotIndex>(n);
            if (std::find(read.numbers.begin(), read.numbers.end(), bot) != read.numbers.end())
                return bad(QCoreApplication::translate("RosterCommands", "%1: bot %2 is named twice")
                               .arg(option)
                               .arg(n));
            read.numbers.push_back(bot);
        }
    }
    return read;
}

QString UnlistedMistake(const QString& option, const std::vector<roster::BotIndex>& numbers, int listed)
{
    for (roster::BotIndex number : numbers) {
        if (number < listed)
            continue;
        if (listed == 0)
            return QCoreApplication::translate("RosterCommands", "%1: the roster lists no bots").arg(option);
        return QCoreApplication::translate("RosterCommands", "%1: the roster lists bots 0 to %2; %3 is not one of them")
            .arg(option)
            .arg(listed - 1)
            .arg(number);
    }
    return {};
}

QString WrittenNumbers(const std::vector<roster::BotIndex>& numbers)
{
    QStringList parts;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t end = i + 1;
        while (end < numbers.size() && numbers[end] == numbers[end - 1] + 1)
            ++end;
        if (end - i >= 3) {
            parts.append(QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[end - 1]));
        } else {
            for (std::size_t j = i; j < end; ++j)
                parts.append(QString::number(numbers[j]));
        }
        i = end;
    }
    return parts.join(QLatin1Char(','));
}

QString KeyName(int box)
{
    const std::string_view prefix = roster::RosterFields[static_cast<std::size_t>(box)].keyPrefix;
    return QString::fromLatin1(prefix.data(), static_cast<qsizetype>(prefix.size()) - 1);
}

std::vector<int> ControlledFields()
{
    std::vector<int> boxes;
    for (std::size_t box = 0; box < roster::RosterFields.size(); ++box) {
        if (!roster::RosterFields[box].controlName.empty())
            boxes.push_back(static_cast<int>(box));
    }
    std::sort(boxes.begin(), boxes.end(), [](int a, int b) {
        return roster::RosterFields[static_cast<std::size_t>(a)].column
            < roster::RosterFields[static_cast<std::size_t>(b)].column;
    });
    return boxes;
}

FieldValue ReadFieldValue(const QString& assignment)
{
    FieldValue read;
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    const QString key = assignment.left(equals).trimmed();
    QStringList keys;
    for (int box : ControlledFields()) {
        keys.append(KeyName(box));
        if (key.compare(keys.constLast(), Qt::CaseInsensitive) == 0)
            read.box = box;
    }
    if (equals < 0) {
        read.mistake
            = QCoreApplication::translate("RosterCommands", "--set takes KEY=VALUE, not \"%1\"").arg(assignment);
        return read;
    }
    if (read.box < 0) {
        const bool known = key.compare(QStringLiteral("BotNames"), Qt::CaseInsensitive) == 0
            || std::any_of(roster::RosterFields.begin(), roster::RosterFields.end(), [&](const roster::RosterField& f) {
                   return key.compare(QLatin1String(f.keyPrefix.data(), static_cast<qsizetype>(f.keyPrefix.size()) - 1),
                                      Qt::CaseInsensitive) == 0;
               });
        read.mistake = (known ? QCoreApplication::translate("RosterCommands",
                                                            "%1 cannot be set here; the keys --set sets are %2")
                              : QCoreApplication::translate("RosterCommands",
                                                            "unknown key %1; the keys --set sets are %2"))
                           .arg(key, keys.join(QStringLiteral(", ")));
        return read;
    }
    const roster::RosterField& field = roster::RosterFields[static_cast<std::size_t>(read.box)];
    QString text = assignment.mid(equals + 1).trimmed();
    const QString voice = QString::fromLatin1(roster::VoicePrefix.data(), qsizetype(roster::VoicePrefix.size()));
    if (field.scale == roster::ScaleKind::Voice && text.startsWith(voice, Qt::CaseInsensitive))
        text = text.mid(voice.size());
    const std::string typed = text.toStdString();
    const bool whole = field.scale == roster::ScaleKind::Voice || field.scale == roster::ScaleKind::WholeNumber;
    const double divisor = field.scale == roster::ScaleKind::Tenths ? 10.0 : 1.0;
    const double lowest = field.minimum * field.factor / divisor;
    const double highest = field.maximum * field.factor / divisor;
    // Judged as the file will hold it: six decimals, or a whole number.
    const double value = roster::ValueOfText(typed);
    const std::string written = whole ? std::string() : roster::SixDecimal(value);
    const double held = whole ? value : roster::ValueOfText(written);
    constexpr double slack = 1e-9;
    if (!roster::IsTypedValue(field, typed) || !std::isfinite(value) || (whole && value != std::floor(value))
        || held < lowest - slack || held > highest + slack) {
        const QString range
            = whole ? QCoreApplication::translate("RosterCommands", "%1 takes a whole number from %2 to %3, not \"%4\"")
                    : QCoreApplication::translate("RosterCommands", "%1 takes a number from %2 to %3, not \"%4\"");
        read.mistake
            = range.arg(KeyName(read.box), shortNumber(lowest), shortNumber(highest), assignment.mid(equals + 1));
        return read;
    }
    read.value = whole ? roster::BoxTextForPosition(field, static_cast<int>(value)) : written;
    return read;
}

Count ReadCount(const QString& text)
{
    Count read;
    if (isNumber(text, 3) && text.toInt() >= 1 && text.toInt() <= roster::MaxListedBots)
        read.count = text.toInt();
    else
        read.mistake
            = QCoreApplication::translate("RosterCommands", "--count takes a number of bots from 1 to %1, not \"%2\"")
                  .arg(roster::MaxListedBots)
                  .arg(text);
    return read;
}

Seed ReadSeed(const QString& text)
{
    Seed read;
    bool ok = false;
    read.seed = text.toULongLong(&ok);
    if (!ok || !isNumber(text, 20)) {
        read.seed = 0;
        read.mistake
            = QCoreApplication::translate("RosterCommands", "--seed takes a whole number from 0 to %1, not \"%2\"")
                  .arg(std::numeric_limits<std::uint64_t>::max())
                  .arg(text);
    }
    return read;
}

} // namespace commands
