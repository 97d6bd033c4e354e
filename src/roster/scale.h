#pragma once

// The arithmetic between a value box's text and its slider or check box:
// the value of a text, rounding half to even, and the six-decimal form. All
// of it is IEEE double arithmetic and none of it depends on the locale.

#include <string>
#include <string_view>

namespace roster {

struct RosterField;

// The number at the start of a text. Spaces, tabs and line feeds are ignored
// wherever they stand; then an optional sign, digits with at most one ".",
// and an optional exponent. No number reads as 0. Too large a number gives
// an infinity, which the callers clamp.
double ValueOfText(std::string_view text);

// Whether a text the player typed into a field's box is a value: after
// blanks at both ends, a number in full (an optional sign, digits with at
// most one ".", an optional exponent), or for the voice the voice's own
// form with a number at its end. "abc", "" and "0,5" are not.
bool IsTypedValue(const RosterField& field, std::string_view text);

// Rounds to the nearest whole number, halfway cases to the even one.
double RoundHalfEven(double value);

// The "0.000000" form: "." as the decimal point, six decimals, no grouping,
// and no "-0.000000".
std::string SixDecimal(double value);

// The box text that a control writes for position (or state) p.
std::string BoxTextForPosition(const RosterField& field, int p);

// The rounded position that a box text asks of its control, before any
// range limit. Infinite when the text holds a number too large to round.
double PositionForBoxText(const RosterField& field, std::string_view text);

// A rounded position clamped into [minimum, maximum] in double arithmetic,
// so that no out-of-range double ever reaches an integer conversion.
int ClampPosition(double position, int minimum, int maximum);

// The check box's state for a box text: 2 (greyed) only when the value
// rounds to 2, 0 for anything that rounds to 0 or less, 1 otherwise.
int CheckStateForBoxText(std::string_view text);

} // namespace roster
