#pragma once

// Marks an English text of the roster that a player reads (a field's label,
// a scale word, a column's title). The roster keeps the English text; the
// window translates it where it shows it, in the translation context
// "roster". lupdate reads the mark as QT_TRANSLATE_NOOP (it is given
// -tr-function-alias QT_TRANSLATE_NOOP+=CBT_WORD), so that no Qt header is
// needed here.
#define CBT_WORD(context, text) text
