#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>

#include <cstdio>

namespace app {
namespace {

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Edits the bots of the Covertstrike roster in a CovertstrikeUser.ini file.\n"
        "Without FILE it opens the file used last time, or asks for one."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The CovertstrikeUser.ini file to open, as File, Open would."),
                                 QStringLiteral("[FILE]"));
}

int fail(const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(text));
    return 1;
}

} // namespace

void answerInformationOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    // Unknown options are not judged yet: they may be the window system's.
    parser.parse(arguments);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
}

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.exitCode = fail(parser.errorText());
        return line;
    }
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        line.exitCode = fail(QStringLiteral("one roster file at most, not %1").arg(files.size()));
        return line;
    }
    if (!files.isEmpty()) {
        line.rosterPath = rosterPathFromArgument(files.constFirst());
        if (line.rosterPath.isEmpty())
            line.exitCode = fail(QStringLiteral("%1 is not a local file").arg(files.constFirst()));
    }
    return line;
}

QString rosterPathFromArgument(const QString& argument)
{
    // A URL has a scheme of two letters or more ("C:/..." is a path).
    static const QRegularExpression urlStart(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+://"));
    QString path = argument;
    if (urlStart.match(argument).hasMatch() || argument.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (!url.isLocalFile() || url.toLocalFile().isEmpty())
            return {};
        path = url.toLocalFile();
    }
    // Remembered with the system's separators, as the file dialog gives it.
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
}

} // namespace app
