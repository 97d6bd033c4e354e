// Both windows at the fonts desktops commonly use and at the scale factor
// this run was started with (QT_SCALE_FACTOR, set by ctest): every text shows
// whole inside its control, clear of the lines and frame borders, inside the
// window, and stands out from its background in every style at hand (on
// Windows the system's own); the pictures are sharp; a screen reader can name
// every control. All of it in the language named by CBT_LANG (set by ctest;
// English without it), where no caption the catalogue translates may show
// in English. Every window and dialog opens wholly on a screen of
// 1280 x 1024 and of 1024 x 768 (the offscreen platform is given both).

#include "about/frm_about.h"
#include "app/language.h"
#include "document/messages.h"
#include "overview/deal_dialog.h"
#include "overview/appearance_dialog.h"
#include "overview/import_bots_dialog.h"
#include "overview/library_file_dialog.h"
#include "overview/restore_backup_dialog.h"
#include "overview/roster_overview.h"
#include "platform/controls.h"
#include "support/editor.h"
#include "support/messages.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QHash>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// A fault, "control: what is wrong", unless `need` fits `room`.
void checkFit(QStringList& faults, const QString& control, QSize need, QSize room, const QString& text)
{
    if (need.width() > room.width() || need.height() > room.height())
        faults.append(control + QString::asprintf(": needs %d x %d, has %d x %d for \"", need.width(), need.height(),
                                    room.width(), room.height()) + text + QLatin1Char('"'));
}

// The bands that the lines and the frames' borders cover, in `window`'s
// coordinates.
QList<QRect> linesOf(const QWidget* window)
{
    QList<QRect> bands;
    for (const auto* line : window->findChildren<platform::LineControl*>()) {
        const QRect r = QRect(line->from(), line->to()).normalized();
        const QRect band = r.height() == 1 ? QRect(r.left(), r.top(), r.width(), line->lineWidth())
                                           : QRect(r.left(), r.top(), line->lineWidth(), r.height());
        bands.append(band.translated(line->parentWidget()->mapTo(window, QPoint())));
    }
    for (const auto* frame : window->findChildren<platform::FrameControl*>()) {
        const QPoint at = frame->mapTo(window, QPoint());
        const int w = frame->width();
        const int h = frame->height();
        const int top = frame->topLineY();
        const int thick = platform::FrameControl::LineWidth;
        for (const QRect& band : {QRect(0, top, w, thick), QRect(0, top, thick, h - top),
                 QRect(w - thick, top, thick, h - top), QRect(0, h - thick, w, thick)})
            bands.append(band.translated(at));
    }
    return bands;
}

// Checks every shown control of `window` that carries a text; `client` is
// the part of the window that shows controls at its start size.
QStringList checkTexts(QWidget* window, QRect client)
{
    QStringList faults;
    const QList<QRect> lines = linesOf(window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QString name
            = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            const QRect room
                = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QSize need = label->wordWrap() ? fm.boundingRect(room, flags, label->text()).size()
                                                 : fm.size(flags, label->text());
            checkFit(faults, name, need, room.size(), label->text());
            const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(), need, room)
                                   .translated(label->mapTo(window, QPoint()));
            for (const QRect& line : lines) {
                if (text.intersects(line))
                    faults.append(name + QStringLiteral(": \"%1\" crosses a line").arg(label->text()));
            }
            if (text.intersects(client) && !client.contains(text))
                faults.append(name + QStringLiteral(": \"%1\" runs past the window's edge").arg(label->text()));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            if (button->autoDefault() || button->isDefault())
                option.features |= QStyleOptionButton::AutoDefaultButton;
            if (button->text().isEmpty()) {
                option.icon = button->icon();
                option.iconSize = button->iconSize();
                const QRect room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
                checkFit(faults, name, button->iconSize(), room.size(), QStringLiteral("picture"));
                continue;
            }
            option.text = button->text();
            const QSize need = w->style()->sizeFromContents(
                QStyle::CT_PushButton, &option, fm.size(Qt::TextShowMnemonic, button->text()), w);
            checkFit(faults, name, need, button->size(), button->text());
        } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
            QStyleOptionFrame option;
            option.initFrom(box);
            option.lineWidth = box->hasFrame() ? w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, w) : 0;
            // The text box keeps two pixels on either side of its text.
            const QRect room = w->style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, w)
                                   .marginsRemoved(box->textMargins())
                                   .adjusted(2, 0, -2, 0);
            checkFit(faults, name, QSize(fm.horizontalAdvance(box->text()), fm.height()), room.size(), box->text());
        } else if (auto* frame = qobject_cast<platform::FrameControl*>(w)) {
            checkFit(faults, name, fm.size(Qt::TextShowMnemonic, frame->title()), frame->titleRect().size(),
                     frame->title());
            if (!frame->rect().contains(frame->titleRect()))
                faults.append(name + QStringLiteral(": the title stands outside the frame"));
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            if (!check->text().isEmpty())
                faults.append(name + QStringLiteral(": a check box of the design has no caption"));
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* title : bar->actions()) {
                const QRect item = bar->actionGeometry(title);
                const int need = fm.horizontalAdvance(QString(title->text()).remove(QLatin1Char('&')));
                if (item.width() < need || !bar->rect().contains(item))
                    faults.append(name + QStringLiteral(": menu \"%1\" does not fit").arg(title->text()));
            }
            if (auto* more = bar->findChild<QToolButton*>(); more && more->isVisible())
                faults.append(name + QStringLiteral(": the menu bar hides menus behind its extension button"));
        }
    }
    return faults;
}

// The contrast of two colours as the web's accessibility guidelines measure
// it, from 1 (the same) to 21 (black and white).
double contrast(QRgb a, QRgb b)
{
    auto luminance = [](QRgb c) {
        auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Every shown label and frame title of `window` whose text, as drawn,
// stands out from its background by less than the guidelines' 4.5: the
// strongest contrast of a pixel in the text's place with the place's
// commonest colour, its background.
QStringList checkContrast(QWidget* window)
{
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = shown.devicePixelRatio();
    QStringList faults;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QRect place;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            place = label->contentsRect();
        else if (auto* frame = qobject_cast<platform::FrameControl*>(w))
            place = frame->titleRect();
        if (place.isEmpty() || !w->isVisible())
            continue;
        place.moveTopLeft(w->mapTo(window, place.topLeft()));
        const QRect pixels = QRect((QPointF(place.topLeft()) * ratio).toPoint(), (QSizeF(place.size()) * ratio).toSize())
                                 .intersected(shown.rect());
        QHash<QRgb, int> counts;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                ++counts[shown.pixel(x, y)];
        const QRgb background = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                                    return a.second < b.second;
                                })->first;
        double best = 1;
        for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
            best = std::max(best, contrast(*it, background));
        if (best < 4.5)
            faults.append(w->objectName() + QStringLiteral(": its text stands out by %1 to 1 only").arg(best, 0, 'f', 1));
    }
    return faults;
}

int header(QTreeWidget* tree) { return tree->header()->length(); }

} // namespace

class ReadableTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup()
    {
        QApplication::setFont(desktopFont_);
        QApplication::setStyle(QStyleFactory::create(desktopStyle_));
    }

    void textsFitAtEveryFont_data();
    void textsFitAtEveryFont();
    void textsStandOutInEveryStyle_data();
    void textsStandOutInEveryStyle();
    void picturesAreDrawnForTheScreen();
    void screenReaderNamesEveryControl_data();
    void screenReaderNamesEveryControl();
    void overviewTextsFit_data();
    void overviewTextsFit();
    void noCaptionLeftInEnglish();
    void windowsOpenOnTheScreen_data();
    void windowsOpenOnTheScreen();

private:
    QFont desktopFont_;
    QString desktopStyle_;
};

void ReadableTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    desktopFont_ = QApplication::font();
    desktopStyle_ = QApplication::style()->name();
}

void ReadableTest::textsFitAtEveryFont_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("about");
    const QList<std::pair<const char*, int>> fonts
        = {{"", 0}, {"DejaVu Sans", 9}, {"DejaVu Sans", 10}, {"Noto Sans", 10}, {"Liberation Sans", 9}};
    for (const auto& [family, points] : fonts) {
        for (bool about : {false, true}) {
            const QByteArray font
                = *family ? QByteArray(family) + ' ' + QByteArray::number(points) : QByteArray("desktop font");
            QTest::newRow(font + (about ? ", About" : ", main window"))
                << QString::fromLatin1(family) << points << about;
        }
    }
}

void ReadableTest::textsFitAtEveryFont()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(bool, about);
    if (!family.isEmpty()) {
        const QFont font(family, points);
        QVERIFY2(QFontInfo(font).family() == family,
            qPrintable(
                family + QStringLiteral(" is not installed (fonts-dejavu-core, fonts-noto-core, fonts-liberation)")));
        QApplication::setFont(font);
    }

    Editor editor;
    QWidget* window = editor.window.get();
    std::unique_ptr<frmAbout> dialog;
    QRect client;
    if (about) {
        dialog = std::make_unique<frmAbout>(editor.platform, nullptr);
        window = dialog.get();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        client = window->rect();
    } else {
        // The widest captions the window shows: the last bot a roster can
        // list, the save confirmation, and the note that the file changed
        // (which takes the confirmation's place when shown).
        editor.label("Label2")->setText(QCoreApplication::translate("frmMain", "Bot #: %1").arg(100));
        editor.label("Label35")->show();
        editor.label("lblFileChanged")->show();
        editor.label("lblGameRunning")->show();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_COMPARE(window->frameGeometry().size(), editor.window->startOuterSize());
        const QWidget* central = editor.window->centralWidget();
        client = QRect(central->mapTo(window, QPoint()), central->size());
    }
    QStringList faults = checkTexts(window, client);
    // Every note beside the bot number fits where it stands.
    for (const QString& note : document::Messages::widestNotes()) {
        if (about)
            break;
        editor.label("lblFileChanged")->setText(note);
        faults += checkTexts(window, client);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void ReadableTest::textsStandOutInEveryStyle_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("about");
    for (const QString& style : QStyleFactory::keys()) {
        QTest::newRow(qPrintable(style + QStringLiteral(", main window"))) << style << false;
        QTest::newRow(qPrintable(style + QStringLiteral(", About"))) << style << true;
    }
}

void ReadableTest::textsStandOutInEveryStyle()
{
    QFETCH(QString, style);
    QFETCH(bool, about);
    QApplication::setStyle(QStyleFactory::create(style));
    Editor editor;
    editor.label("Label35")->show(); // the save confirmation, yellow
    frmAbout dialog(editor.platform, nullptr);
    QWidget* window = about ? static_cast<QWidget*>(&dialog) : editor.window.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QStringList faults = checkContrast(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void ReadableTest::picturesAreDrawnForTheScreen()
{
    Editor editor;
    frmAbout about(editor.platform, nullptr);
    editor.window->show();
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const qreal ratio = editor.window->devicePixelRatioF();
    const QString density = ratio > 1 ? QStringLiteral("@2x") : QString();

    const QList<std::pair<platform::PictureControl*, QString>> pictures = {
        {editor.find<platform::PictureControl>(QStringLiteral("Image2")), QStringLiteral("banner")},
        {about.findChild<platform::PictureControl*>(QStringLiteral("Image1")), QStringLiteral("about")},
        {about.findChild<platform::PictureControl*>(QStringLiteral("Image2")), QStringLiteral("banner")},
    };
    for (const auto& [control, picture] : pictures) {
        QVERIFY(control);
        const QImage drawn(QStringLiteral(":/pictures/%1%2.png").arg(picture, density));
        QCOMPARE(drawn.size(), control->pictureSize() * (ratio > 1 ? 2 : 1));
        // At one or two device pixels per pixel the screen shows the drawing
        // pixel for pixel; in between, the double drawing scaled down.
        if (ratio == 1 || ratio == 2) {
            const QImage shown = control->grab().toImage().convertToFormat(drawn.format());
            const QRect at(control->pictureRect().topLeft() * ratio, drawn.size());
            QCOMPARE(shown.copy(at), drawn);
        }
    }
    const QImage floppy(QStringLiteral(":/pictures/floppy%1.png").arg(density));
    auto* save = editor.find<QPushButton>(QStringLiteral("Command1"));
    QCOMPARE(
        save->icon().pixmap(save->iconSize(), ratio > 1 ? 2 : 1).toImage().convertToFormat(floppy.format()), floppy);
}

void ReadableTest::screenReaderNamesEveryControl_data()
{
    QTest::addColumn<bool>("about");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("box"); // the value box named after the control's row, or -1
    // In the language under test: a row's caption without its colon, and
    // the scale words at the ends of a slider.
    // (The captions and scale words are the roster's field table's.)
    const auto tr = [](const char* text) { return QCoreApplication::translate("frmMain", text); };
    const auto word = [](const char* text) { return QCoreApplication::translate("roster", text); };
    const auto caption = [&word](const char* name) {
        return word(QByteArray(name).append(':').constData()).chopped(1).trimmed();
    };
    const auto range = [&tr, &word](const char* low, const char* high) {
        return tr("%1 to %2").arg(word(low), word(high));
    };
    const auto row = [](const char* control, const QString& name, const QString& description = {}, int box = -1) {
        QTest::newRow(control) << false << QString::fromLatin1(control) << name << description << box;
    };
    row("Slider1", caption("Voice Type"), range("Voice 1", "Voice 3"), 0);
    row("Slider4", caption("Team"), range("Red", "Blue"), 2);
    row("Slider3", caption("Accuracy"), range("Bad", "Good"), 4);
    row("Slider2", caption("Skill"), range("Bad", "Good"), 3);
    row("Slider5", caption("Strafing"), range("Bad", "Good"), 8);
    row("Slider6", caption("Alertness"), range("Bad", "Good"), 6);
    row("Slider7", caption("Combat Style"), range("Avoidant", "Berzerk"), 5);
    row("Slider8", caption("Camping"), range("Less", "More"), 7);
    row("Check1", caption("Bot Jumpy"));
    row("Combo1", tr("Bot"), tr("Select a bot from the list"));
    row("Command1", tr("Save"), tr("Save these settings"));
    row("Command3", tr("Edit Name"));
    QTest::newRow("cmdOK") << true << QStringLiteral("cmdOK") << QCoreApplication::translate("frmAbout", "OK")
                           << QString() << -1;
    QTest::newRow("cmdSysInfo") << true << QStringLiteral("cmdSysInfo")
                                << QCoreApplication::translate("frmAbout", "&System Info...").remove(u'&') << QString()
                                << -1;
}

void ReadableTest::screenReaderNamesEveryControl()
{
    QFETCH(bool, about);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(int, box);
    Editor editor;
    frmAbout dialog(editor.platform, nullptr);
    QWidget* w = about ? dialog.findChild<QWidget*>(control) : editor.find(control);
    QVERIFY(w);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
    QVERIFY(reader);
    QCOMPARE(reader->text(QAccessible::Name), name);
    if (!description.isEmpty())
        QCOMPARE(reader->text(QAccessible::Description), description);
    if (box >= 0)
        QCOMPARE(QAccessible::queryAccessibleInterface(editor.box(box))->text(QAccessible::Name),
                 QCoreApplication::translate("frmMain", "%1 value").arg(name));
}

void ReadableTest::overviewTextsFit_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    for (const auto& [family, points] : QList<std::pair<const char*, int>>{{"", 0}, {"DejaVu Sans", 10}, {"Noto Sans", 10}})
        QTest::newRow(*family ? family : "desktop font") << QString::fromLatin1(family) << points;
}

// The overview's, the library's and their dialogs' controls get the room
// their texts ask for; every cell of the tables and every column title
// shows whole.
void ReadableTest::overviewTextsFit()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    if (!family.isEmpty())
        QApplication::setFont(QFont(family, points));
    // With the widest texts a cell can show: another package's voice, a team of none.
    Editor editor(testing::sampleRoster()
                      .replace("VoiceType[3]=COV_Voices.COVv_VoiceP1", "VoiceType[3]=BotPack.VoiceMaleTwo")
                      .replace("BotTeams[3]=1", "BotTeams[3]=255"));
    editor.window->findChild<QAction*>(QStringLiteral("mnuOverview"))->trigger();
    auto* overview = editor.window->findChild<RosterOverview*>();
    QVERIFY(QTest::qWaitForWindowExposed(overview));
    auto* table = overview->findChild<QTableView*>(QStringLiteral("grdRoster"));
    table->selectRow(0);
    overview->setValues();
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    QStringList faults;
    const auto checkControls = [&faults](QWidget* window) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->isVisible() && (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)))
                checkFit(faults, w->objectName(), w->minimumSizeHint(), w->size(), w->property("text").toString());
        }
    };
    for (bool random : {false, true}) {
        dialog->findChild<QRadioButton*>(random ? QStringLiteral("optRandom") : QStringLiteral("optSame"))->setChecked(true);
        QApplication::processEvents();
        checkControls(dialog);
    }
    checkControls(overview);
    const auto checkCells = [&faults](QTableView* view, bool titles) {
        const QFontMetrics fm(view->font());
        const int padding = 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 2;
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            if (view->isColumnHidden(column))
                continue;
            QStringList texts;
            for (int row = 0; row < view->model()->rowCount(); ++row) {
                if (view->columnSpan(row, column) == 1)
                    texts.append(view->model()->index(row, column).data().toString());
            }
            for (const QString& text : texts)
                checkFit(faults, view->objectName(), QSize(fm.horizontalAdvance(text) + padding, fm.height()),
                         QSize(view->columnWidth(column), view->rowHeight(0)), text);
            if (titles) {
                const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
                QHeaderView* header = view->horizontalHeader();
                checkFit(faults, QStringLiteral("header"), QSize(header->sectionSizeHint(column), header->height()),
                         QSize(header->sectionSize(column), header->height()), title);
            }
        }
    };
    checkCells(table, true);
    checkCells(overview->findChild<QTableWidget*>(QStringLiteral("grdAverages")), false);
    dialog->reject();

    // The sharing dialogs: their controls, and every column of the backups.
    ImportBotsDialog import({{"Botpack.ChallengeBotInfo", 12, {{"Sniper", {}}, {"Wolfeschlegelsteinhausenbergerdorff", {}}}},
                             {"CovertstrikeUT.CovBotInfo", 140, {{"Solo", {}}}}},
                            2, {}, editor.window.get());
    RestoreBackupDialog none({}, editor.window.get());
    RestoreBackupDialog some({{"b", "20261207-101501-2", 123456, true, 16, 2}, {"a", "20261207-101500", 9, false}},
                             editor.window.get());
    // The library's: its window, dealing, and the file bots go into.
    editor.window->findChild<QAction*>(QStringLiteral("mnuLibrary"))->trigger();
    auto* library = editor.window->findChild<QWidget*>(QStringLiteral("frmLibrary"));
    QVERIFY(QTest::qWaitForWindowExposed(library));
    checkControls(library);
    const QString longName = QStringLiteral("Wolfeschlegelsteinhausenbergerdorff");
    DealDialog deal(16, 40, {0, 1}, {longName, QStringLiteral("Solo")}, editor.window.get());
    LibraryFileDialog file({longName + QStringLiteral(".covbots")}, 3, editor.window.get());
    // The looks of bots, with an install and without; the roster's check.
    AppearanceDialog looks(std::make_shared<game::InstallReading>(game::ReadInstall(CBT_TEST_DATA "/install")),
                           {}, QStringLiteral("Appearance (12 bots)"), editor.window.get());
    AppearanceDialog noLooks(std::make_shared<game::InstallReading>(), {}, {}, editor.window.get());
    editor.action("mnuCheckRoster")->trigger();
    QWidget* checkRoster = editor.find(QStringLiteral("frmCheckRoster"));
    QVERIFY(QTest::qWaitForWindowExposed(checkRoster));
    checkControls(checkRoster);
    for (QDialog* shown : std::initializer_list<QDialog*>{&import, &none, &some, &deal, &file, &looks, &noLooks}) {
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        checkControls(shown);
        for (auto* tree : shown->findChildren<QTreeWidget*>()) {
            if (!tree->isVisible())
                continue;
            for (int column = 0; column < tree->columnCount(); ++column) {
                QHeaderView* header = tree->header();
                checkFit(faults, QStringLiteral("backup header"), QSize(header->sectionSizeHint(column), 1),
                         QSize(header->sectionSize(column), 1), tree->headerItem()->text(column));
                for (int row = 0; row < tree->topLevelItemCount(); ++row) {
                    const QString text = tree->topLevelItem(row)->text(column);
                    checkFit(faults, QStringLiteral("backup"), QSize(tree->fontMetrics().horizontalAdvance(text), 1),
                             QSize(tree->columnWidth(column), 1), text);
                }
            }
            checkFit(faults, QStringLiteral("backups"), QSize(header(tree), 1), QSize(tree->viewport()->width(), 1),
                     QStringLiteral("all columns"));
        }
        shown->hide();
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// The main window with its menus, the About dialog, the overview and Set
// Values: no text a player reads or hears is an English text that the
// catalogue of the language under test translates.
void ReadableTest::noCaptionLeftInEnglish()
{
    if (QCoreApplication::translate("frmMain", "&File") == QStringLiteral("&File"))
        QSKIP("English");
    Editor editor;
    QVERIFY(editor.showActive());
    editor.choose(2);
    auto about = std::make_unique<frmAbout>(editor.platform, nullptr);
    about->show();
    editor.action("mnuOverview")->trigger();
    auto* overview = editor.window->findChild<RosterOverview*>();
    auto* table = overview->findChild<QTableView*>(QStringLiteral("grdRoster"));
    table->selectRow(0);
    overview->setValues();
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);

    QStringList faults;
    const auto check = [&faults](const QObject* where, const QString& text) {
        for (const char* context :
             {"frmMain", "frmAbout", "RosterOverview", "RosterTableModel", "SetValuesDialog", "roster"}) {
            const QByteArray english = text.toUtf8();
            if (!text.isEmpty() && QCoreApplication::translate(context, english.constData()) != text)
                faults.append(where->objectName() + QStringLiteral(": ") + text);
        }
    };
    for (QWidget* window : {static_cast<QWidget*>(editor.window.get()), static_cast<QWidget*>(about.get()),
                            static_cast<QWidget*>(overview), static_cast<QWidget*>(dialog)}) {
        check(window, window->windowTitle());
        for (QWidget* w : window->findChildren<QWidget*>()) {
            for (const char* property : {"text", "title"})
                check(w, w->property(property).toString());
            check(w, w->toolTip());
            check(w, w->accessibleName());
            check(w, w->accessibleDescription());
        }
        for (const QAction* action : window->findChildren<QAction*>())
            check(action, action->text());
        for (const QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
            const QAbstractItemModel* model = view->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                check(view, model->headerData(column, Qt::Horizontal).toString());
                for (int row = 0; row < model->rowCount(); ++row)
                    check(view, model->index(row, column).data().toString());
            }
        }
    }
    dialog->reject();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void ReadableTest::windowsOpenOnTheScreen_data()
{
    QTest::addColumn<int>("screen");
    QTest::newRow("1280 x 1024") << 0;
    QTest::newRow("1024 x 768") << 1;
}

// At the default font, every window and dialog opened over the main window
// on this screen lies wholly inside its available area: the main window,
// the overview, the library, Check Roster, Set Values both ways, About,
// Import, Restore, the message boxes at their longest.
void ReadableTest::windowsOpenOnTheScreen()
{
    QFETCH(int, screen);
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("only the offscreen platform is given screens of these sizes");
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QScreen* shown = QGuiApplication::screens()[screen];
    QStringList faults;
    const auto check = [&faults, shown](QWidget* w) {
        QApplication::processEvents();
        if (w->screen() != shown || !shown->availableGeometry().contains(w->frameGeometry()))
            faults.append(QLatin1String(w->metaObject()->className()) + QStringLiteral(" lies off the screen"));
    };
    Editor editor(testing::sampleRoster(), false);
    QWidget* main = editor.window.get();
    main->setScreen(shown);
    editor.window->Form_Load();
    editor.action("mnuOverview")->trigger();
    auto* overview = editor.window->findChild<RosterOverview*>();
    editor.action("mnuLibrary")->trigger();
    editor.action("mnuCheckRoster")->trigger();
    for (QWidget* window : {main, static_cast<QWidget*>(overview), editor.find(QStringLiteral("frmLibrary")),
                            editor.find(QStringLiteral("frmCheckRoster"))}) {
        window->show();
        check(window);
    }
    overview->findChild<QTableView*>(QStringLiteral("grdRoster"))->selectAll();
    overview->setValues();
    auto* setValues = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    for (const char* way : {"optSame", "optRandom"}) {
        setValues->findChild<QRadioButton*>(QLatin1String(way))->setChecked(true);
        check(setValues);
    }
    setValues->reject();
    document::Outcome refused = document::Outcome::of(roster::SaveOutcome::failure({}, "Access is denied"));
    refused.gameCopy = QStringLiteral("C:\\Users\\Player\\AppData\\Local\\VirtualStore\\Program Files (x86)\\Unreal "
                                      "Tournament\\System\\CovertstrikeUser.ini");
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.emplace_back(new frmAbout(editor.platform, main));
    dialogs.emplace_back(new ImportBotsDialog({{"Botpack.ChallengeBotInfo", 12, {{"Wolfeschlegelsteinhausenbergerdorff", {}}}}},
                                              2, {}, main));
    dialogs.emplace_back(new RestoreBackupDialog({{"b", "20261207-101501-2", 123456, true, 16, 2}}, main));
    for (const QString& text : {QCoreApplication::translate("frmMain", messages::Disclaimer.toUtf8().constData()),
                                document::Messages::failure(refused, document::Write::Save, refused.gameCopy,
                                                            QStringLiteral("Wolfeschlegelsteinhausenbergerdorff"), 100)})
        dialogs.emplace_back(new QMessageBox(QMessageBox::Warning, QStringLiteral("Covertstrike Bot Tweaker"), text,
                                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, main));
    for (const auto& dialog : dialogs) {
        dialog->show();
        check(dialog.get());
        dialog->hide();
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

int main(int argc, char* argv[])
{
    // Two screens side by side, of sizes players have, at the scale factor
    // of this run: 1280 x 1024 and 1024 x 768 pixels as the windows count
    // them. (Given by a relative name: the platform's options take no
    // drive letter.)
    QTemporaryFile screens(QStringLiteral("cbt-screens-XXXXXX.json"));
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen") && screens.open()) {
        const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
        const auto pixels = [scale](int size) { return QByteArray::number(qRound(size * scale)); };
        screens.write("{\"screens\": [{\"name\": \"big\", \"x\": 0, \"y\": 0, \"width\": " + pixels(1280)
                      + ", \"height\": " + pixels(1024) + ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96},"
                      + " {\"name\": \"small\", \"x\": " + pixels(1280) + ", \"y\": 0, \"width\": " + pixels(1024)
                      + ", \"height\": " + pixels(768) + ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96}]}");
        screens.close();
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" + QDir::current().relativeFilePath(screens.fileName()).toLocal8Bit());
    }
    QApplication application(argc, argv);
    // The language under test, as --lang would give it.
    const QString language = qEnvironmentVariable("CBT_LANG");
    if (!language.isEmpty() && !app::translatedLanguages().contains(language)) {
        qCritical("No translation for CBT_LANG=%s", qPrintable(language));
        return 1;
    }
    app::useLanguage(language.isEmpty() ? QStringLiteral("en") : language);
    ReadableTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_readable.moc"
