#pragma once

// The language the editor speaks: the desktop's (the system locale as Qt
// reads it; on Linux LANGUAGE, LC_ALL, LC_MESSAGES and LANG), or the one
// asked for with --lang, in a translation compiled into the program
// (":/i18n/covbot_<code>.qm"); English, the language of the source texts,
// when none matches. Only what a player reads is translated: nothing the
// editor writes into a file or its settings store.

#include <QString>
#include <QStringList>

namespace app {

// The codes of the compiled-in translations ("de", "pt_BR"), sorted.
QStringList translatedLanguages();

// Whether `code` names a language the editor speaks: English ("en",
// "en_GB") or one whose translation it holds ("de", "de_AT", "pt").
bool speaksLanguage(const QString& code);

// The code given with --lang (as "--lang CODE" or "--lang=CODE"), read
// before the rest of the command line is judged, so that help
// and mistakes are told in it; empty when none is given.
QString languageArgument(const QStringList& arguments);

// Installs into the application object the translation for `code` (empty:
// the desktop's language), and Qt's own for the same language
// (qtbase_<code>.qm, for the standard buttons, the file dialog and the
// command line's help): the system's where it has them, else the copy
// compiled in (":/i18n/qtbase_<code>.qm"). They go with the application
// object.
void useLanguage(const QString& code);

} // namespace app
