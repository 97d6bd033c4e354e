#include "app/command_line.h"

#include "app/language.h"
#include "commands/command_options.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>

#include <cstdlib>
#include <mutex>

namespace app {
namespace {

// A text of the command line marked with QT_TRANSLATE_NOOP, in the player's language.
QString translated(const char* text) { return QCoreApplication::translate("CommandLine", text); }

const QString LanguageOption = QStringLiteral("lang");

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Edits the bots of the Covertstrike roster in a CovertstrikeUser.ini file.\n"
        "Without FILE it opens the file used last time, or asks for one."));
    // Qt's own help and version options are described by Qt's catalogue,
    // which lacks them in some languages; these are described by ours.
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                      QCoreApplication::translate("CommandLine", "Shows this help.")});
    parser.addOption({QStringLiteral("help-all"),
                      QCoreApplication::translate("CommandLine", "Shows this help and the window system's options.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                      QCoreApplication::translate("CommandLine", "Shows the version.")});
    parser.addOption({LanguageOption,
                      QCoreApplication::translate("CommandLine",
                                                  "Speaks the language CODE (de, en, es, fr, pl, pt_BR), not the "
                                                  "desktop's."),
                      QCoreApplication::translate("CommandLine", "CODE", "the value of --lang, as its help names it")});
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "FILE", "the roster file, as the help names it"),
        QCoreApplication::translate("CommandLine", "The CovertstrikeUser.ini file to open, as File, Open would."),
        QCoreApplication::translate("CommandLine", "[FILE]", "the roster file in the help's usage line"));
    commands::DescribeOptions(parser);
}

int fail(const QString& text)
{
    tellPlayer(text, Telling::Mistake);
    return 1;
}

// An option that Qt's application classes or their window-system plugins
// take out of the arguments: named here so that it is not judged unknown
// before they have seen it. A name too many costs nothing (the check once
// the window system is up still refuses it); one too few would refuse an
// option the window system takes.
struct WindowSystemOption {
    const char* name;
    const char* value; // what follows it as the next argument; nothing for a switch
    const char* description;
    bool joined = false; // the value may follow "=" in the same argument instead
};

constexpr WindowSystemOption WindowSystemOptions[] = {
    {"platform", "name[:options]",
     QT_TRANSLATE_NOOP("CommandLine", "The window-system plugin (xcb, wayland, offscreen, windows...).")},
    {"platformpluginpath", "path", QT_TRANSLATE_NOOP("CommandLine", "Where window-system plugins are looked for.")},
    {"platformtheme", "theme", QT_TRANSLATE_NOOP("CommandLine", "The platform theme.")},
    {"plugin", "plugin", QT_TRANSLATE_NOOP("CommandLine", "An extra input plugin to load.")},
    {"qwindowgeometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "The first window's size and place (WxH+X+Y).")},
    {"geometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "The same, on X11.")},
    {"qwindowtitle", "title", QT_TRANSLATE_NOOP("CommandLine", "The first window's title.")},
    {"title", "title", QT_TRANSLATE_NOOP("CommandLine", "The same, on X11.")},
    {"qwindowicon", "icon", QT_TRANSLATE_NOOP("CommandLine", "The first window's icon.")},
    {"icon", "icon", QT_TRANSLATE_NOOP("CommandLine", "The same, on X11.")},
    {"display", "display", QT_TRANSLATE_NOOP("CommandLine", "The X11 display (hostname:screen).")},
    {"name", "name", QT_TRANSLATE_NOOP("CommandLine", "The X11 resource name.")},
    {"session", "session", QT_TRANSLATE_NOOP("CommandLine", "The session to restore.")},
    {"style", "style", QT_TRANSLATE_NOOP("CommandLine", "The widget style."), true},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("CommandLine", "A style sheet to apply."), true},
    {"qmljsdebugger", "port", QT_TRANSLATE_NOOP("CommandLine", "QML debugging."), true},
    {"reverse", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Lays the window out from right to left.")},
    {"widgetcount", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Counts the widgets left at the end.")},
    {"testability", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Loads the testability library.")},
    {"nograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Never grabs the mouse or keyboard (X11).")},
    {"dograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Grabs them even under a debugger (X11).")},
    {"sync", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Talks to the X11 server synchronously.")},
};

const WindowSystemOption* windowSystemOption(QStringView name)
{
    for (const WindowSystemOption& option : WindowSystemOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

// --help-all: the help, then the window system's options.
QString allHelp(const QCommandLineParser& parser)
{
    QString text = parser.helpText() + QLatin1Char('\n')
        + QCoreApplication::translate("CommandLine", "Options of the window system:") + QLatin1Char('\n');
    for (const WindowSystemOption& option : WindowSystemOptions) {
        QString name = QStringLiteral("-") + QLatin1String(option.name);
        if (option.value)
            name += QStringLiteral(" <") + QLatin1String(option.value) + QLatin1Char('>');
        text += QStringLiteral("  %1  %2\n").arg(name, -30).arg(translated(option.description));
    }
    return text;
}

} // namespace

QStringList withoutWindowSystemOptions(const QStringList& arguments)
{
    QStringList left;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || argument.size() < 2 || !argument.startsWith(QLatin1Char('-'))) {
            left.append(argument);
            continue;
        }
        QStringView name = QStringView(argument).mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const WindowSystemOption* option = windowSystemOption(equals < 0 ? name : name.left(equals));
        if (!option || (equals >= 0 && !option->joined)) {
            left.append(argument);
            continue;
        }
        if (option->value && equals < 0 && i + 1 < arguments.size())
            ++i; // its value
    }
    return left;
}

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    CommandLine line;
    line.withoutDisplay = QCoreApplication::translate("CommandLine", "cannot open the window: no display to show it on");
    if (!parser.parse(arguments)) {
        line.exitCode = fail(parser.errorText());
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        tellPlayer(QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                       + QLatin1Char('\n'),
                   Telling::Answer);
        line.exitCode = 0;
        return line;
    }
    if (parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("help"))) {
        tellPlayer(parser.isSet(QStringLiteral("help-all")) ? allHelp(parser) : parser.helpText(), Telling::Help);
        line.exitCode = 0;
        return line;
    }
    if (parser.isSet(LanguageOption)) {
        line.language = parser.value(LanguageOption);
        if (!speaksLanguage(line.language)) {
            line.exitCode = fail(
                QCoreApplication::translate("CommandLine", "no translation for %1; the languages are en, %2")
                    .arg(line.language, translatedLanguages().join(QStringLiteral(", "))));
            return line;
        }
    }
    const commands::CommandReading command = commands::ReadCommand(parser);
    if (!command.mistake.isEmpty()) {
        line.exitCode = fail(command.mistake);
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        line.exitCode
            = fail(QCoreApplication::translate("CommandLine", "one roster file at most, not %1").arg(files.size()));
        return line;
    }
    if (!files.isEmpty()) {
        line.rosterPath = rosterPathFromArgument(files.constFirst());
        if (line.rosterPath.isEmpty()) {
            line.exitCode
                = fail(QCoreApplication::translate("CommandLine", "%1 is not a local file").arg(files.constFirst()));
            return line;
        }
    }
    line.command = command.request;
    if (line.command)
        line.command->roster = line.rosterPath;
    return line;
}

int runCommand(const commands::Request& request)
{
    platform::QtPlatform system;
    const commands::Output output{[](const QString& text) { tellPlayer(text, Telling::Answer); },
                                  [](const QString& text) { tellPlayer(text, Telling::Mistake); }};
    return commands::Run(request, system, output);
}

namespace {

// While the window system is being set up: what Qt says, held back, and
// what to tell if it gives up. Static, as Qt may speak from a thread of its
// own until the end.
struct Said {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
std::mutex heldGuard;
QList<Said> held;
QString refusal;

void holdWhatQtSays(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(heldGuard);
    if (type == QtFatalMsg) {
        // Qt would abort next; the player learns why in one line instead.
        tellPlayer(refusal, Telling::Mistake);
        std::_Exit(1);
    }
    held.append({type, context.file, context.function, context.category, context.line, text});
}

} // namespace

std::unique_ptr<QApplication> startWindowSystem(int& argc, char** argv, const QString& withoutDisplay)
{
    {
        const std::lock_guard lock(heldGuard);
        refusal = withoutDisplay;
    }
    const QtMessageHandler before = qInstallMessageHandler(holdWhatQtSays);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(before);
    QList<Said> said;
    {
        const std::lock_guard lock(heldGuard);
        said.swap(held);
    }
    for (const Said& one : said)
        qt_message_output(one.type,
                          QMessageLogContext(one.file.constData(), one.line, one.function.constData(),
                                             one.category.constData()),
                          one.text);
    return application;
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
