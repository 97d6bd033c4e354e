#include "app/frm_main.h"

#include "platform/controls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <vector>

// The window as designed: every control with its name, place, text, colours
// and tab place, the menus, and the start size.

using platform::addLabel;

namespace {

const QColor DarkGreen(0, 0x40, 0);
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

struct LabelSpec {
    const char* name;
    const char* text;
    int x, y, width, height;
    int tabIndex;
    bool leftAligned;
    bool visible;
};

// Row captions (right-aligned), the hidden captions of the wide boxes, and
// the scale words under the sliders (centred unless marked).
constexpr LabelSpec GridLabels[] = {
    {"Label3", QT_TRANSLATE_NOOP("frmMain", "Voice Type:"), 240, 1080, 975, 255, 22, false, true},
    {"Label5", QT_TRANSLATE_NOOP("frmMain", "Team:"), 240, 1680, 975, 255, 24, false, true},
    {"Label7", QT_TRANSLATE_NOOP("frmMain", "Accuracy:"), 240, 2280, 975, 255, 26, false, true},
    {"Label6", QT_TRANSLATE_NOOP("frmMain", "Skill:"), 240, 2880, 975, 255, 25, false, true},
    {"Label11", QT_TRANSLATE_NOOP("frmMain", "Strafing:"), 240, 3480, 975, 255, 30, false, true},
    {"Label9", QT_TRANSLATE_NOOP("frmMain", "Alertness:"), 240, 4080, 975, 255, 28, false, true},
    {"Label8", QT_TRANSLATE_NOOP("frmMain", "Combat Style:"), 240, 4680, 975, 255, 27, false, true},
    {"Label10", QT_TRANSLATE_NOOP("frmMain", "Camping:"), 240, 5280, 975, 255, 29, false, true},
    {"Label14", QT_TRANSLATE_NOOP("frmMain", "Bot Jumpy:"), 240, 5880, 975, 255, 33, false, true},
    {"Label4", QT_TRANSLATE_NOOP("frmMain", "Bot Faces"), 240, 7320, 975, 255, 23, false, false},
    {"Label12", QT_TRANSLATE_NOOP("frmMain", "Bot Classes"), 240, 7680, 975, 255, 31, false, false},
    {"Label13", QT_TRANSLATE_NOOP("frmMain", "Bot Skins"), 240, 8040, 975, 255, 32, false, false},
    {"Label15", QT_TRANSLATE_NOOP("frmMain", "Voice 1"), 1440, 1320, 615, 255, 34, true, true},
    {"Label16", QT_TRANSLATE_NOOP("frmMain", "Voice 2"), 3360, 1320, 615, 255, 35, true, true},
    {"Label17", QT_TRANSLATE_NOOP("frmMain", "Voice 3"), 5400, 1320, 615, 255, 36, true, true},
    {"Label23", QT_TRANSLATE_NOOP("frmMain", "Red"), 1320, 1920, 615, 255, 42, false, true},
    {"Label22", QT_TRANSLATE_NOOP("frmMain", "Blue"), 5400, 1920, 495, 255, 41, false, true},
    {"Label21", QT_TRANSLATE_NOOP("frmMain", "Bad"), 1320, 2520, 615, 255, 40, false, true},
    {"Label20", QT_TRANSLATE_NOOP("frmMain", "Good"), 5400, 2520, 495, 255, 39, false, true},
    {"Label18", QT_TRANSLATE_NOOP("frmMain", "Bad"), 1320, 3120, 615, 255, 37, false, true},
    {"Label19", QT_TRANSLATE_NOOP("frmMain", "Good"), 5400, 3120, 495, 255, 38, false, true},
    {"Label24", QT_TRANSLATE_NOOP("frmMain", "Bad"), 1320, 3720, 615, 255, 43, false, true},
    {"Label25", QT_TRANSLATE_NOOP("frmMain", "Good"), 5400, 3720, 495, 255, 44, false, true},
    {"Label26", QT_TRANSLATE_NOOP("frmMain", "Bad"), 1320, 4320, 615, 255, 45, false, true},
    {"Label27", QT_TRANSLATE_NOOP("frmMain", "Good"), 5400, 4320, 495, 255, 46, false, true},
    {"Label32", QT_TRANSLATE_NOOP("frmMain", "Avoidant"), 1200, 4920, 975, 255, 51, false, true},
    {"Label31", QT_TRANSLATE_NOOP("frmMain", "Cautious"), 2160, 4920, 975, 255, 50, false, true},
    {"Label28", QT_TRANSLATE_NOOP("frmMain", "Normal"), 3360, 4920, 615, 255, 47, false, true},
    {"Label29", QT_TRANSLATE_NOOP("frmMain", "Aggressive"), 4200, 4920, 975, 255, 48, false, true},
    {"Label30", QT_TRANSLATE_NOOP("frmMain", "Berzerk"), 5160, 4920, 975, 255, 49, false, true},
    {"Label34", QT_TRANSLATE_NOOP("frmMain", "Less"), 1320, 5520, 615, 255, 58, false, true},
    {"Label33", QT_TRANSLATE_NOOP("frmMain", "More"), 5400, 5520, 615, 255, 57, false, true},
};

struct SliderSpec {
    int box;
    int y;
    int tabIndex;
};

// The sliders by row, top to bottom; name and range come from the field,
// the caption and the scale words from the labels of the row.
constexpr SliderSpec Sliders[] = {
    {0, 1080, 2}, {2, 1680, 3}, {4, 2280, 4}, {3, 2880, 5}, {8, 3480, 6}, {6, 4080, 7}, {5, 4680, 8}, {7, 5280, 9},
};

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

// The check box of the jump setting: the greyed third state comes only from
// its box; a click toggles between checked and unchecked.
class JumpCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
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

} // namespace

void frmMain::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, DarkGreen);
    palette.setColor(QPalette::WindowText, Qt::white);
    client->setPalette(palette);
    setCentralWidget(client);

    // The header band and its children, placed relative to the frame.
    Frame1 = new platform::FrameControl(tr("Selected Bot"), client);
    place(Frame1, "Frame1", {120, 120, 5895, 855}, 52);
    Label2 = addLabel(Frame1, "Label2", tr("Bot #"), {2160, 120, 855, 255}, Qt::AlignLeft);
    Label2->setProperty(TabIndexProperty, 53);
    Command3 = new platform::PushButton(tr("Edit Name"), Frame1);
    place(Command3, "Command3", {3360, 360, 1215, 375}, 60);
    // Shown only after a save, but laid out as if shown; hidden below.
    Label35 = addLabel(Frame1, "Label35", tr("Save Successful"), {4560, 120, 1335, 255},
                       Qt::AlignHCenter);
    Label35->setProperty(TabIndexProperty, 61);
    QPalette yellow = Label35->palette();
    yellow.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0));
    Label35->setPalette(yellow);
    // The editor's own note, in the same row: shown while another program's
    // change to the file waits behind the player's unsaved changes.
    lblFileChanged = addLabel(Frame1, "lblFileChanged", tr("File changed on disk"),
                              {3120, 120, 2655, 255}, Qt::AlignRight);
    lblFileChanged->setToolTip(tr(
        "Another program changed the roster file. Your changes are kept; a save writes only what you changed."));
    QPalette amber = lblFileChanged->palette();
    amber.setColor(QPalette::WindowText, QColor(0xFF, 0xB0, 0x40));
    lblFileChanged->setPalette(amber);

    // Two controls of the window that lie over the frame.
    Combo1 = new QComboBox(client);
    place(Combo1, "Combo1", {360, 480, 2775, 315}, 0);
    Combo1->setEditable(true);
    keepTypedNames();
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
        const Qt::Alignment align = l.x == 240 ? Qt::AlignRight : l.leftAligned ? Qt::AlignLeft : Qt::AlignHCenter;
        QLabel* label = addLabel(client, l.name, tr(l.text), {l.x, l.y, l.width, l.height}, align);
        label->setProperty(TabIndexProperty, l.tabIndex);
        label->setVisible(l.visible);
    }

    for (const SliderSpec& s : Sliders) {
        const roster::RosterField& field = roster::RosterFields[static_cast<std::size_t>(s.box)];
        auto* slider = new QSlider(Qt::Horizontal, client);
        const QByteArray name(field.controlName.data(), static_cast<qsizetype>(field.controlName.size()));
        place(slider, name.constData(), {1560, s.y, 4215, 255}, s.tabIndex);
        slider->setRange(field.minimum, field.maximum);
        slider->setSingleStep(1);
        slider->setPageStep(std::max(1, (field.maximum - field.minimum) / 4));
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(std::max(1, (field.maximum - field.minimum) / 10));
        sliderOfBox_[static_cast<std::size_t>(s.box)] = slider;
        connect(slider, &QSlider::valueChanged, this, [this, box = s.box] { Slider_Change(box); });
    }

    Check1 = new JumpCheckBox(client);
    place(Check1, "Check1", {1560, 5880, 1335, 255}, 56);
    Check1->setAutoFillBackground(true);
    QPalette green = Check1->palette();
    green.setColor(QPalette::Window, DarkGreen);
    green.setColor(QPalette::Button, DarkGreen);
    Check1->setPalette(green);
    connect(Check1, &QCheckBox::stateChanged, this, &frmMain::Check1_Click);

    for (int i = 0; i < 12; ++i) {
        const BoxSpec& b = Boxes[i];
        auto* box = new QLineEdit(QString::fromLatin1(b.text), client);
        const QByteArray name = "Text1(" + QByteArray::number(i) + ')';
        place(box, name.constData(), {b.x, b.y, b.width, 285}, 10 + i);
        box->setVisible(b.visible);
        box->setProperty("index", i);
        Text1[static_cast<std::size_t>(i)] = box;
        connect(box, &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        connect(box, &QLineEdit::editingFinished, this, [this, i] { normaliseBox(i); });
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

    buildGameWatch();
    nameControls();
    // Lay the window out for the widest texts it will show: the number of
    // the last bot a roster can list, the save confirmation and the note.
    Label2->setText(tr("Bot #: %1").arg(100));
    const QString note = lblFileChanged->text();
    lblFileChanged->setText(widestText(lblFileChanged->fontMetrics(), widestNotes()));
    scale_ = platform::fitLayoutToFont(client);
    lblFileChanged->setText(note);
    Label2->setText(tr("Bot #"));
    Label35->hide();
    lblFileChanged->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);

    connect(Combo1, qOverload<int>(&QComboBox::activated), this, &frmMain::Combo1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
}

QStringList frmMain::widestNotes() const
{
    // The notes beside the bot number that take the most room: the layout
    // leaves room for the widest, in the language shown.
    QStringList notes = {tr("File changed on disk"), tr("%1 fields also changed on disk", nullptr, 13).arg(13),
                         tr("Bot %1 is no longer in the file").arg(100), tr("No bot roster in the file"),
                         tr("Roster file unreadable"), tr("Roster file not found"), tr("Game running")};
    for (int field = 0; field < 12; ++field)
        notes.append(tr("%1 also changed on disk").arg(platform::rosterWord(roster::FieldLabel(field))));
    return notes;
}

void frmMain::nameControls()
{
    // A row's caption without its colon, as a screen reader should say it.
    auto captionAt = [this](int y) -> QLabel* {
        for (const LabelSpec& l : GridLabels) {
            if (l.x == 240 && l.y == y)
                return findChild<QLabel*>(QLatin1String(l.name));
        }
        return nullptr;
    };
    auto spoken = [](const QLabel* caption) {
        return caption->text().chopped(caption->text().endsWith(u':') ? 1 : 0).trimmed();
    };

    for (const SliderSpec& s : Sliders) {
        QSlider* slider = sliderOfBox_[static_cast<std::size_t>(s.box)];
        QLabel* caption = captionAt(s.y);
        caption->setBuddy(slider);
        slider->setAccessibleName(spoken(caption));
        // The scale words stand under the slider; the outermost name its ends.
        const LabelSpec* low = nullptr;
        const LabelSpec* high = nullptr;
        for (const LabelSpec& l : GridLabels) {
            if (l.y != s.y + 240)
                continue;
            if (!low || l.x < low->x)
                low = &l;
            if (!high || l.x > high->x)
                high = &l;
        }
        slider->setAccessibleDescription(
            tr("%1 to %2").arg(tr(low->text), tr(high->text)));
    }
    QLabel* jumpy = captionAt(5880);
    jumpy->setBuddy(Check1);
    Check1->setAccessibleName(spoken(jumpy));

    // Each box is named after the row of its setting, wherever it stands.
    for (int i = 0; i < 12; ++i) {
        const QSlider* slider = sliderOfBox_[static_cast<std::size_t>(i)];
        const QLabel* caption = slider ? captionAt(platform::twipsGeometry(slider).y())
                                : i == 11 ? jumpy
                                          : captionAt(Boxes[i].y);
        Text1[static_cast<std::size_t>(i)]->setAccessibleName(tr("%1 value").arg(spoken(caption)));
    }
    Combo1->setAccessibleName(tr("Bot"));
    Command1->setAccessibleName(tr("Save"));
}

void frmMain::buildMenus()
{
    auto addMenu = [this](const char* name, const QString& title) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& text, void (frmMain::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
    };

    QMenu* mnuFile = addMenu("mnuFile", tr("&File"));
    addItem(mnuFile, "mnuOpen", tr("&Open"), &frmMain::mnuOpen_Click);
    addItem(mnuFile, "mnuSave", tr("&Save"), &frmMain::mnuSave_Click);
    addItem(mnuFile, "mnuRestoreBackup", tr("Restore &Backup..."), &frmMain::mnuRestoreBackup_Click);
    addItem(mnuFile, "mnuExit", tr("E&xit"), &frmMain::mnuExit_Click);
    findChild<QAction*>(QStringLiteral("mnuOpen"))->setShortcut(QKeySequence::Open);
    findChild<QAction*>(QStringLiteral("mnuSave"))->setShortcut(QKeySequence::Save);
    QMenu* mnuPresets = addMenu("mnuPresets", tr("Presets"));
    addItem(mnuPresets, "mnuHuman", tr("Human"), &frmMain::mnuHuman_Click);
    QMenu* mnuRoster = addMenu("mnuRoster", tr("&Roster"));
    addItem(mnuRoster, "mnuOverview", tr("&Overview..."), &frmMain::mnuOverview_Click);
    findChild<QAction*>(QStringLiteral("mnuOverview"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    addItem(mnuRoster, "mnuExportBots", tr("&Export Bots..."), &frmMain::mnuExportBots_Click);
    addItem(mnuRoster, "mnuImportBots", tr("&Import Bots..."), &frmMain::mnuImportBots_Click);
    QMenu* mnuHelp = addMenu("mnuHelp", tr("&Help"));
    addItem(mnuHelp, "mnuAbout", tr("&About"), &frmMain::mnuAbout_Click);
}

void frmMain::buildTabOrder()
{
    std::vector<std::pair<int, QWidget*>> chain;
    for (QWidget* w : centralWidget()->findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus && w->property(TabIndexProperty).isValid())
            chain.emplace_back(w->property(TabIndexProperty).toInt(), w);
    }
    std::sort(chain.begin(), chain.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1].second, chain[i].second);
    Combo1->setFocus();
}

QSize frmMain::startOuterSize() const { return {scale_.toX(6255), scale_.toY(7815)}; }

void frmMain::resizeToStartSize()
{
    // The start size is an outer size; take off the frame that the window
    // system adds. Until the window system tells the frame (some time after
    // the window is first shown) assume a common one, and correct the size
    // once it is known.
    QSize frame = frameGeometry().size() - geometry().size();
    startSizePending_ = frame.isNull();
    if (startSizePending_)
        frame = QSize(8, 31);
    QSize client = startOuterSize() - frame;
    // However thin the frame, the value column lies outside at start.
    client.setWidth(std::min(client.width(), Text1[0]->x()));
    resize(client);
}

void frmMain::correctStartSize()
{
    if (startSizePending_ && isVisible() && !(frameGeometry().size() - geometry().size()).isNull())
        resizeToStartSize();
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, &frmMain::correctStartSize);
}

void frmMain::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    correctStartSize();
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    correctStartSize();
}
