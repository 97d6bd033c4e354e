#include "app/frm_main_ui.h"

#include "document/messages.h"
#include "platform/identity.h"
#include "roster/roster.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <vector>

using platform::addLabel;

namespace {

const QColor DarkGreen(0, 0x40, 0);
const QColor Amber(0xFF, 0xB0, 0x40);
const QString WebAddress = QStringLiteral("www.covertstrike.example");

// The designer's tab index of each control, kept on the widget so that
// the tab order is built from one place and tests can read it back.
constexpr char TabIndexProperty[] = "tabIndex";

// Names a control and gives it its designed place (in twips) and tab place.
void place(QWidget* w, const char* name, QRect geometry, int tabIndex)
{
    w->setObjectName(QLatin1String(name));
    platform::setTwipsGeometry(w, geometry);
    w->setProperty(TabIndexProperty, tabIndex);
}

const roster::RosterField& fieldOf(int box) { return roster::RosterFields[static_cast<std::size_t>(box)]; }

constexpr int Caption = -1;

// A label of the grid: a row's caption (right-aligned), or one of the words
// under a slider (centred unless marked). Its text is the field's (the
// field table in roster.h); its name, place and tab place are the designer's.
struct LabelSpec {
    const char* name;
    int box;
    int word; // Caption, or the index of the word among the field's
    int x, y, width, height;
    int tabIndex;
    bool leftAligned;
    bool visible;
};

constexpr LabelSpec GridLabels[] = {
    {"Label3", 0, Caption, 240, 1080, 975, 255, 22, false, true},
    {"Label5", 2, Caption, 240, 1680, 975, 255, 24, false, true},
    {"Label7", 4, Caption, 240, 2280, 975, 255, 26, false, true},
    {"Label6", 3, Caption, 240, 2880, 975, 255, 25, false, true},
    {"Label11", 8, Caption, 240, 3480, 975, 255, 30, false, true},
    {"Label9", 6, Caption, 240, 4080, 975, 255, 28, false, true},
    {"Label8", 5, Caption, 240, 4680, 975, 255, 27, false, true},
    {"Label10", 7, Caption, 240, 5280, 975, 255, 29, false, true},
    {"Label14", 11, Caption, 240, 5880, 975, 255, 33, false, true},
    {"Label4", 1, Caption, 240, 7320, 975, 255, 23, false, false},
    {"Label12", 9, Caption, 240, 7680, 975, 255, 31, false, false},
    {"Label13", 10, Caption, 240, 8040, 975, 255, 32, false, false},
    {"Label15", 0, 0, 1440, 1320, 615, 255, 34, true, true},
    {"Label16", 0, 1, 3360, 1320, 615, 255, 35, true, true},
    {"Label17", 0, 2, 5400, 1320, 615, 255, 36, true, true},
    {"Label23", 2, 0, 1320, 1920, 615, 255, 42, false, true},
    {"Label22", 2, 1, 5400, 1920, 495, 255, 41, false, true},
    {"Label21", 4, 0, 1320, 2520, 615, 255, 40, false, true},
    {"Label20", 4, 1, 5400, 2520, 495, 255, 39, false, true},
    {"Label18", 3, 0, 1320, 3120, 615, 255, 37, false, true},
    {"Label19", 3, 1, 5400, 3120, 495, 255, 38, false, true},
    {"Label24", 8, 0, 1320, 3720, 615, 255, 43, false, true},
    {"Label25", 8, 1, 5400, 3720, 495, 255, 44, false, true},
    {"Label26", 6, 0, 1320, 4320, 615, 255, 45, false, true},
    {"Label27", 6, 1, 5400, 4320, 495, 255, 46, false, true},
    {"Label32", 5, 0, 1200, 4920, 975, 255, 51, false, true},
    {"Label31", 5, 1, 2160, 4920, 975, 255, 50, false, true},
    {"Label28", 5, 2, 3360, 4920, 615, 255, 47, false, true},
    {"Label29", 5, 3, 4200, 4920, 975, 255, 48, false, true},
    {"Label30", 5, 4, 5160, 4920, 975, 255, 49, false, true},
    {"Label34", 7, 0, 1320, 5520, 615, 255, 58, false, true},
    {"Label33", 7, 1, 5400, 5520, 615, 255, 57, false, true},
};

// The rows are 600 twips apart from the first one down; each slider's tab
// place is the designer's.
constexpr int FirstRowY = 1080;
constexpr int RowHeight = 600;
constexpr int SliderTabIndex[12] = {2, 0, 3, 5, 4, 8, 7, 9, 6, 0, 0, 0};

struct BoxSpec {
    const char* text;
    int x, y, width;
    bool visible;
};

constexpr BoxSpec Boxes[12] = {
    {"Voice Type", 6240, 1080, 1335, true}, {"Text1", 1440, 7320, 5175, false},
    {"Team", 6240, 2880, 1335, true},       {"Bot Skills", 6240, 1680, 1335, true},
    {"Accuracy", 6240, 2280, 1335, true},   {"Combat Style", 6240, 4680, 1335, true},
    {"Alertness", 6240, 4080, 1335, true},  {"Camping", 6240, 5280, 1335, true},
    {"Strafing", 6240, 3480, 1335, true},   {"Text1", 1440, 7680, 5175, false},
    {"Text1", 1440, 8040, 5175, false},     {"Jumpy", 3360, 5880, 1335, false},
};

struct LineSpec {
    const char* name;
    int x1, y1, x2, y2;
};

constexpr LineSpec GridLines[] = {
    {"Line1", 120, 1560, 6000, 1560}, {"Line2", 120, 2160, 6000, 2160},  {"Line3", 120, 2760, 6000, 2760},
    {"Line4", 120, 3360, 6000, 3360}, {"Line5", 120, 3960, 6000, 3960},  {"Line6", 120, 4560, 6000, 4560},
    {"Line7", 120, 5160, 6000, 5160}, {"Line11", 6000, 5760, 120, 5760}, {"Line9", 120, 6360, 6000, 6360},
    {"Line10", 120, 960, 120, 6360}, {"Line8", 6000, 960, 6000, 6360},   {"Line12", 1320, 960, 1320, 6360},
};

// The text of those given that takes the most room.
QString widestText(const QFontMetrics& metrics, const QStringList& texts)
{
    QString widest;
    for (const QString& text : texts) {
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    return widest;
}

QString textOf(const LabelSpec& l)
{
    const roster::RosterField& field = fieldOf(l.box);
    return platform::rosterWord(l.word == Caption ? field.caption : field.words[static_cast<std::size_t>(l.word)]);
}

const LabelSpec& captionOf(int box)
{
    return *std::find_if(std::begin(GridLabels), std::end(GridLabels),
                         [box](const LabelSpec& l) { return l.box == box && l.word == Caption; });
}

} // namespace

void frmMainUi::setupUi(QMainWindow* window)
{
    platform::initPictures();
    window->setObjectName(QStringLiteral("frmMain"));
    // The title bar marks a bot with changes not yet saved.
    window->setWindowTitle(QString::fromUtf8(identity::Title) + QStringLiteral("[*]"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/icon%1.png").arg(size), QSize(size, size));
    window->setWindowIcon(icon);
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    buildControls(window);
    buildMenus(window);
    buildTabOrder(window);
    window->resize(scale_.toX(8040), scale_.toY(8820) + window->menuBar()->sizeHint().height());
}

void frmMainUi::buildControls(QMainWindow* window)
{
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, DarkGreen);
    palette.setColor(QPalette::WindowText, Qt::white);
    client->setPalette(palette);
    window->setCentralWidget(client);
    const auto amber = [](QLabel* label) {
        QPalette coloured = label->palette();
        coloured.setColor(QPalette::WindowText, Amber);
        label->setPalette(coloured);
    };

    // The header band and its children, placed relative to the frame.
    Frame1 = new platform::FrameControl(tr("Selected Bot"), client);
    place(Frame1, "Frame1", {120, 120, 5895, 855}, 52);
    Label2 = new platform::CaptionLabel(tr("Bot #"), Frame1);
    platform::placeLabel(Label2, "Label2", {2160, 120, 855, 255}, Qt::AlignLeft);
    Label2->setProperty(TabIndexProperty, 53);
    Command3 = new platform::PushButton(tr("Edit Name"), Frame1);
    place(Command3, "Command3", {3360, 360, 1215, 375}, 60);
    // Shown only after a save, but laid out as if shown; hidden below.
    Label35 = addLabel(Frame1, "Label35", tr("Save Successful"), {4560, 120, 1335, 255}, Qt::AlignHCenter);
    Label35->setProperty(TabIndexProperty, 61);
    QPalette yellow = Label35->palette();
    yellow.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0));
    Label35->setPalette(yellow);
    // The editor's own notes, in the same row: another program's change to
    // the file, why the file shows no bots, and the game running.
    lblFileChanged = addLabel(Frame1, "lblFileChanged", tr("File changed on disk"), {3120, 120, 2655, 255},
                              Qt::AlignRight);
    amber(lblFileChanged);
    lblGameRunning = addLabel(Frame1, "lblGameRunning", tr("Game running"), {3120, 120, 1335, 255},
                              Qt::AlignLeft);
    lblGameRunning->setToolTip(tr("The game is running. It reads the roster when it starts and may write it "
                                           "back when it closes, over what you save now: close the game first."));
    amber(lblGameRunning);

    // Two controls of the window that lie over the frame.
    Combo1 = new QComboBox(client);
    place(Combo1, "Combo1", {360, 480, 2775, 315}, 0);
    Combo1->setEditable(true);
    Combo1->setEditText(QStringLiteral("BotName"));
    Combo1->setToolTip(tr("Select a bot from the list"));
    Command1 = new platform::PushButton(QString(), client);
    place(Command1, "Command1", {5160, 480, 375, 375}, 1);
    Command1->setIcon(platform::pictureIcon(QStringLiteral("floppy")));
    Command1->setIconSize(QSize(19, 18));
    Command1->setToolTip(tr("Save these settings"));
    Combo1->raise();
    Command1->raise();

    for (const LineSpec& l : GridLines) {
        auto* line = new platform::LineControl(client, QPoint(l.x1, l.y1), QPoint(l.x2, l.y2));
        line->setObjectName(QLatin1String(l.name));
    }

    for (const LabelSpec& l : GridLabels) {
        const Qt::Alignment align = l.word == Caption ? Qt::AlignRight : l.leftAligned ? Qt::AlignLeft : Qt::AlignHCenter;
        QLabel* label = addLabel(client, l.name, textOf(l), {l.x, l.y, l.width, l.height}, align);
        label->setProperty(TabIndexProperty, l.tabIndex);
        label->setVisible(l.visible);
    }

    for (std::size_t box = 0; box < roster::RosterFields.size(); ++box) {
        const roster::RosterField& field = roster::RosterFields[box];
        if (!field.controlName.starts_with("Slider"))
            continue;
        QSlider* slider = platform::addSlider(client, field.minimum, field.maximum);
        const QByteArray name(field.controlName.data(), static_cast<qsizetype>(field.controlName.size()));
        place(slider, name.constData(), {1560, FirstRowY + field.row * RowHeight, 4215, 255}, SliderTabIndex[box]);
        sliderOfBox[box] = slider;
    }

    Check1 = new platform::ProgramGreyedCheckBox(client);
    place(Check1, "Check1", {1560, 5880, 1335, 255}, 56);
    Check1->setAutoFillBackground(true);
    QPalette green = Check1->palette();
    green.setColor(QPalette::Window, DarkGreen);
    green.setColor(QPalette::Button, DarkGreen);
    Check1->setPalette(green);

    for (int i = 0; i < 12; ++i) {
        const BoxSpec& b = Boxes[i];
        auto* box = new QLineEdit(QString::fromLatin1(b.text), client);
        const QByteArray name = "Text1(" + QByteArray::number(i) + ')';
        place(box, name.constData(), {b.x, b.y, b.width, 285}, 10 + i);
        box->setVisible(b.visible);
        box->setProperty("index", i);
        Text1[static_cast<std::size_t>(i)] = box;
    }

    auto* Image2 = new platform::PictureControl(client, QStringLiteral("banner"));
    Image2->setObjectName(QStringLiteral("Image2"));
    platform::setTwipsGeometry(Image2, {600, 6480, 4935, 360});
    Image2->setToolTip(tr("The best 3d shooter around"));
    Image2->setAccessibleName(QStringLiteral("Covertstrike"));
    QLabel* Label1 = addLabel(client, "Label1", WebAddress, {600, 6840, 4965, 210}, Qt::AlignLeft);
    Label1->setProperty(TabIndexProperty, 54);

    // The designer's folder list, kept for the layout; the install folders
    // are probed through the platform instead.
    auto* Dir1 = new QListWidget(client);
    place(Dir1, "Dir1", {6000, 5880, 1095, 765}, 59);
    Dir1->hide();
    Command2 = new platform::PushButton(tr("Erase Reg Info"), client);
    place(Command2, "Command2", {5280, 6240, 1455, 255}, 55);
    Command2->hide();

    nameControls(client);
    // Lay the window out for the widest texts it will show: the number of
    // the last bot a roster can list, the save confirmation and the note.
    Label2->setText(tr("Bot #: %1").arg(100));
    QStringList notes = document::Messages::widestNotes();
    notes.append(lblGameRunning->text());
    lblFileChanged->setText(widestText(lblFileChanged->fontMetrics(), notes));
    scale_ = platform::fitLayoutToFont(client);
    lblFileChanged->setText(tr("File changed on disk"));
    Label2->setText(tr("Bot #"));
    Label35->hide();
    lblFileChanged->hide();
    lblGameRunning->hide();

    Timer1 = new QTimer(window);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
}

void frmMainUi::nameControls(QWidget* client)
{
    // A row's caption without its colon, as a screen reader should say it.
    const auto caption = [client](int box) { return client->findChild<QLabel*>(QLatin1String(captionOf(box).name)); };
    const auto spoken = [](const QLabel* label) {
        return label->text().chopped(label->text().endsWith(u':') ? 1 : 0).trimmed();
    };
    for (std::size_t box = 0; box < sliderOfBox.size(); ++box) {
        QSlider* slider = sliderOfBox[box];
        if (!slider)
            continue;
        QLabel* label = caption(static_cast<int>(box));
        label->setBuddy(slider);
        slider->setAccessibleName(spoken(label));
        // The scale words stand under the slider; the outermost name its ends.
        const auto& words = roster::RosterFields[box].words;
        const auto last = std::find(words.begin(), words.end(), std::string_view()) - 1;
        slider->setAccessibleDescription(
            tr("%1 to %2").arg(platform::rosterWord(words.front()), platform::rosterWord(*last)));
    }
    QLabel* jumpy = caption(roster::JumpBox);
    jumpy->setBuddy(Check1);
    Check1->setAccessibleName(spoken(jumpy));
    // Each box is named after the row of its setting, wherever it stands.
    for (int i = 0; i < 12; ++i)
        Text1[static_cast<std::size_t>(i)]->setAccessibleName(tr("%1 value").arg(spoken(caption(i))));
    Combo1->setAccessibleName(tr("Bot"));
    Command1->setAccessibleName(tr("Save"));
}

void frmMainUi::buildMenus(QMainWindow* window)
{
    auto addMenu = [window](const char* name, const QString& title) {
        QMenu* menu = window->menuBar()->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [](QMenu* menu, const char* name, const QString& text, QList<QKeySequence> keys = {}) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        return action;
    };

    QMenu* mnuFile = addMenu("mnuFile", tr("&File"));
    mnuOpen = addItem(mnuFile, "mnuOpen", tr("&Open"), QKeySequence::keyBindings(QKeySequence::Open));
    mnuSave = addItem(mnuFile, "mnuSave", tr("&Save"), QKeySequence::keyBindings(QKeySequence::Save));
    mnuRestoreBackup = addItem(mnuFile, "mnuRestoreBackup", tr("Restore &Backup..."));
    mnuExit = addItem(mnuFile, "mnuExit", tr("E&xit"));
    QMenu* mnuEdit = addMenu("mnuEdit", tr("&Edit"));
    mnuUndo = addItem(mnuEdit, "mnuUndo", tr("&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    mnuRedo = addItem(mnuEdit, "mnuRedo", tr("&Redo"),
                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QMenu* mnuPresets = addMenu("mnuPresets", tr("Presets"));
    mnuHuman = addItem(mnuPresets, "mnuHuman", tr("Human"));
    QMenu* mnuRoster = addMenu("mnuRoster", tr("&Roster"));
    mnuOverview = addItem(mnuRoster, "mnuOverview", tr("&Overview..."), {QKeySequence(Qt::CTRL | Qt::Key_R)});
    mnuExportBots = addItem(mnuRoster, "mnuExportBots", tr("&Export Bots..."));
    mnuImportBots = addItem(mnuRoster, "mnuImportBots", tr("&Import Bots..."));
    mnuLibrary = addItem(mnuRoster, "mnuLibrary", tr("&Library..."), {QKeySequence(Qt::CTRL | Qt::Key_L)});
    mnuCheckRoster = addItem(mnuRoster, "mnuCheckRoster", tr("&Check Roster..."));
    QMenu* mnuHelp = addMenu("mnuHelp", tr("&Help"));
    mnuAbout = addItem(mnuHelp, "mnuAbout", tr("&About"));
}

void frmMainUi::buildTabOrder(QMainWindow* window)
{
    std::vector<std::pair<int, QWidget*>> chain;
    for (QWidget* w : window->centralWidget()->findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus && w->property(TabIndexProperty).isValid())
            chain.emplace_back(w->property(TabIndexProperty).toInt(), w);
    }
    std::sort(chain.begin(), chain.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
    Combo1->setFocus();
}

QSize frmMainUi::startOuterSize() const { return {scale_.toX(6255), scale_.toY(7815)}; }

void frmMainUi::resizeToStartSize(QMainWindow* window)
{
    // The start size is an outer size; take off the frame that the window
    // system adds.
    QSize frame = window->frameGeometry().size() - window->geometry().size();
    startSizePending_ = frame.isNull();
    if (startSizePending_)
        frame = QSize(8, 31);
    QSize client = startOuterSize() - frame;
    // However thin the frame, the value column lies outside at start.
    client.setWidth(std::min(client.width(), Text1[0]->x()));
    window->resize(client);
}

void frmMainUi::correctStartSize(QMainWindow* window)
{
    if (startSizePending_ && window->isVisible() && !(window->frameGeometry().size() - window->geometry().size()).isNull())
        resizeToStartSize(window);
}
