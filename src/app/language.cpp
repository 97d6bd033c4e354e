#include "app/language.h"

#include "platform/controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {
namespace {

const QString Catalogues = QStringLiteral(":/i18n");
const QString Name = QStringLiteral("covbot");
const QString Prefix = Name + QLatin1Char('_');

// Loads into `translator` the catalogue named `name` for the first of the
// locale's languages that has one, stopping at English: a desktop that
// prefers English to German gets English, though no catalogue names it.
bool loadFor(QTranslator& translator, const QLocale& locale, const QString& name, const QString& folder)
{
    for (const QString& language : locale.uiLanguages()) {
        const QLocale one(language);
        if (one.language() == QLocale::English || one.language() == QLocale::C)
            return false;
        if (translator.load(one, name, QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

} // namespace

QStringList translatedLanguages()
{
    QStringList codes;
    for (const QString& file : QDir(Catalogues).entryList({Prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        codes.append(file.mid(Prefix.size()).chopped(3));
    return codes;
}

bool speaksLanguage(const QString& code)
{
    const QLocale locale(code);
    QTranslator probe;
    return locale.language() == QLocale::English || loadFor(probe, locale, Name, Catalogues);
}

QString languageArgument(const QStringList& arguments)
{
    QString code;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--"))
            break;
        if (argument == QStringLiteral("--lang") && i + 1 < arguments.size())
            code = arguments[i + 1];
        else if (argument.startsWith(QStringLiteral("--lang=")))
            code = argument.mid(7);
    }
    return code;
}

void useLanguage(const QString& code)
{
    QCoreApplication* application = QCoreApplication::instance();
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    auto* own = new QTranslator(application);
    if (!loadFor(*own, locale, Name, Catalogues)) {
        delete own; // English: Qt's own texts stay English too
        return;
    }
    QCoreApplication::installTranslator(own);
    // Qt's own in the same language: the system's, made for its Qt, where
    // it has them; else the ones compiled in.
    auto* qt = new QTranslator(application);
    const QLocale spoken(own->language());
    const QString qtName = QStringLiteral("qtbase");
    if (qt->load(spoken, qtName, QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || qt->load(spoken, qtName, QStringLiteral("_"), Catalogues))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace app
