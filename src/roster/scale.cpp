#include "roster/scale.h"

#include "roster/roster.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace roster {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The last character of a UTF-8 text (continuation bytes are 10xxxxxx).
std::string_view lastCharacter(std::string_view text)
{
    if (text.empty())
        return text;
    std::size_t i = text.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
        --i;
    return text.substr(i);
}

} // namespace

bool IsTypedValue(const RosterField& field, std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (field.scale == ScaleKind::Voice && text.starts_with(VoicePrefix))
        text.remove_prefix(VoicePrefix.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            digits = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digits)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponent = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j == exponent)
            return false;
        i = j;
    }
    return i == text.size();
}

double ValueOfText(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    }

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::string number;
    bool point = false;
    bool digits = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digits = true;
            number += s[i];
        } else if (s[i] == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        const std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            exponent += s[j++];
        if (j > firstDigit)
            number += exponent;
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: decide by the exponent's sign
        // and the digits themselves.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::string SixDecimal(double value)
{
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
    if (ec != std::errc())
        return "0.000000";
    std::string text(buf, end);
    if (text == "-0.000000")
        text = "0.000000";
    return text;
}

std::string BoxTextForPosition(const RosterField& field, int p)
{
    const double position = p;
    switch (field.scale) {
    case ScaleKind::Voice:
        return std::string(VoicePrefix) + std::to_string(p);
    case ScaleKind::WholeNumber:
        return std::to_string(p);
    case ScaleKind::Multiple:
        return SixDecimal(position * field.factor);
    case ScaleKind::Tenths:
        return SixDecimal(position / 10.0);
    case ScaleKind::None:
        break;
    }
    return {};
}

double PositionForBoxText(const RosterField& field, std::string_view text)
{
    switch (field.scale) {
    case ScaleKind::Voice:
        return RoundHalfEven(ValueOfText(lastCharacter(text)));
    case ScaleKind::WholeNumber:
        return RoundHalfEven(ValueOfText(text));
    case ScaleKind::Multiple:
        return RoundHalfEven(ValueOfText(text) / field.factor);
    case ScaleKind::Tenths:
        return RoundHalfEven(ValueOfText(text) * 10.0);
    case ScaleKind::None:
        break;
    }
    return 0.0;
}

int ClampPosition(double position, int minimum, int maximum)
{
    if (std::isnan(position))
        position = 0.0;
    if (position <= minimum)
        return minimum;
    if (position >= maximum)
        return maximum;
    return static_cast<int>(position);
}

int CheckStateForBoxText(std::string_view text)
{
    const double rounded = RoundHalfEven(ValueOfText(text));
    if (rounded == 2.0)
        return 2;
    return rounded <= 0.0 ? 0 : 1;
}

} // namespace roster
