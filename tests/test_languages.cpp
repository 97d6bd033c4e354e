// Each language the editor speaks: its catalogue holds a finished
// translation of every text the source marks, with the same placeholders
// and an access key where the English has one; and what the editor writes
// (the roster, the settings store) is the English editor's, byte for byte.

#include "support/editor.h"
#include "support/player.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QStringList Languages = QString::fromLatin1(CBT_LANGUAGES).split(QLatin1Char(';'));

// The placeholders (%1, %2...) of a text, sorted, and whether it has an access key.
QString shapeOf(const QString& text)
{
    QStringList marks;
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        marks.append(it.next().captured());
    marks.sort();
    static const QRegularExpression accessKey(QStringLiteral("&[^ &]"));
    if (text.contains(accessKey))
        marks.append(QStringLiteral("&"));
    return marks.join(QLatin1Char(' '));
}

// What is wrong with the catalogue at `path`, one line a message.
QStringList faultsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {path + QStringLiteral(": cannot be read")};
    QStringList faults;
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!type.isEmpty())
                faults.append(type + QStringLiteral(": ") + source);
            if (!numerus && shapeOf(xml.readElementText()) != shapeOf(source))
                faults.append(QStringLiteral("placeholders or access key differ: ") + source);
        } else if (xml.name() == u"numerusform") {
            if (shapeOf(xml.readElementText()) != shapeOf(source))
                faults.append(QStringLiteral("placeholders differ in a plural form: ") + source);
        }
    }
    if (xml.hasError())
        faults.append(xml.errorString());
    return faults;
}

// The sample roster after a player's edits (the preset, a slider, the jump
// box, a new name) and a save, with the settings the editor stored.
QByteArray savedByPlayer(QStringList& settings)
{
    Editor editor;
    Player player(editor, 3);
    if (!player.ready())
        return {};
    editor.action("mnuHuman")->trigger();
    player.pressOn(editor.slider(2), Qt::Key_End);
    QTest::mouseClick(editor.check(), Qt::LeftButton);
    player.retype(editor.combo(), QStringLiteral("Ängstlich Bot"));
    QTest::mouseClick(editor.find<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
    for (auto it = editor.platform.settings.cbegin(); it != editor.platform.settings.cend(); ++it)
        settings.append(it.key() + QLatin1Char('=')
                        + QString(it.value()).replace(editor.rosterPath, QStringLiteral("ROSTER")));
    return editor.file();
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void catalogueIsComplete_data();
    void catalogueIsComplete();
    void savesAsEnglishDoes_data() { catalogueIsComplete_data(); }
    void savesAsEnglishDoes();
};

void LanguagesTest::catalogueIsComplete_data()
{
    QTest::addColumn<QString>("code");
    for (const QString& code : Languages)
        QTest::newRow(qPrintable(code)) << code;
}

// The catalogue as lupdate brings it up to date with the source: a text
// added or changed since shows as unfinished, one gone as vanished.
void LanguagesTest::catalogueIsComplete()
{
    QFETCH(QString, code);
    if (QStringLiteral(CBT_LUPDATE).isEmpty())
        QSKIP("lupdate is not at hand in this build");
    const QString name = QStringLiteral("covbot_%1.ts").arg(code);
    QTemporaryDir dir;
    const QString copy = dir.filePath(name);
    QVERIFY(QFile::copy(QStringLiteral(CBT_SOURCE_DIR "/translations/") + name, copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(CBT_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-tr-function-alias"), QStringLiteral("QT_TRANSLATE_NOOP+=CBT_WORD"),
                   QStringLiteral(CBT_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QStringList faults = faultsOf(copy);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void LanguagesTest::savesAsEnglishDoes()
{
    QFETCH(QString, code);
    QStringList englishSettings;
    const QByteArray english = savedByPlayer(englishSettings);
    QVERIFY(!english.isEmpty());
    QVERIFY(english != testing::sampleRoster());

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/covbot_%1.qm").arg(code)));
    QCoreApplication::installTranslator(&translator);
    QStringList settings;
    const QByteArray translated = savedByPlayer(settings);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, english);
    QCOMPARE(settings, englishSettings);
}

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
